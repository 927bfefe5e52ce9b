// A second process for the single-instance tests.
//   hold        take the lock and answer requests; prints "first" or "second", then serves until
//               stdin closes (or the process is killed)
//   raise       ask the running instance to raise its window; exit 0 when it acknowledged
//   open        exit 0 when a running game reports its main window open, 1 otherwise
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <cstring>

#include "platform/qt/instance.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2)
    return 64;
  using namespace orbello::platform;
  if (std::strcmp(argv[1], "raise") == 0)
    return AskRunningInstanceToRaise() ? 0 : 1;
  if (std::strcmp(argv[1], "open") == 0)
    return IsGameMainWindowOpen() ? 0 : 1;
  if (std::strcmp(argv[1], "hold") != 0)
    return 64;

  SingleInstance instance;
  if (!instance.TryBecomeFirst()) {
    std::puts("second");
    std::fflush(stdout);
    return 0;
  }
  instance.Listen(
      [] {
        std::puts("raised");
        std::fflush(stdout);
      },
      [] { return true; });
  std::puts("first");
  std::fflush(stdout);
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
    char buffer[64];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
      app.quit();
  });
  return app.exec();
}
