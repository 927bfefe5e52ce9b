// A second process for the single-instance tests.
//   hold        take the lock and answer requests; prints "first" or "second", then serves until
//               stdin closes (or the process is killed)
//   busy        take the lock and listen like "hold", but never answer: the process blocks on
//               stdin as a game inside a long turn does, until stdin closes
//   raise       ask the running instance to raise its window; exit 0 when it acknowledged
//   running     exit 0 when a game counts as running, 1 otherwise
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
  if (std::strcmp(argv[1], "running") == 0)
    return IsGameRunning() ? 0 : 1;
  const bool busy = std::strcmp(argv[1], "busy") == 0;
  if (!busy && std::strcmp(argv[1], "hold") != 0)
    return 64;

  SingleInstance instance;
  if (!instance.TryBecomeFirst()) {
    std::puts("second");
    std::fflush(stdout);
    return 0;
  }
  instance.Listen([] {
    std::puts("raised");
    std::fflush(stdout);
  });
  std::puts("first");
  std::fflush(stdout);
  char buffer[64];
  if (busy) {
    // Connections queue up in the socket's backlog; nothing reads them.
    while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
    return 0;
  }
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
      app.quit();
  });
  return app.exec();
}
