// A second process for the single-instance tests.
//   hold        take the lock and answer requests; prints "first" or "second", then serves until
//               stdin closes (or the process is killed)
//   busy        take the lock and listen like "hold", but never answer: the process blocks on
//               stdin as a game inside a long turn does, until stdin closes
//   raise       ask the running instance to raise its window; exit 0 when it acknowledged
//   running     exit 0 when a game counts as running, 1 otherwise
// and, run as another user, an attacker of the player's game:
//   impostor DIR NAME   listen on the socket DIR/impostor and on the abstract name NAME; prints
//                       "listening", then "got <line>" for every request line a client sends,
//                       until stdin closes
//   flood PATH N        connect N times to the socket PATH and send "raise" on each; prints how
//                       many connections were taken, then holds them until stdin closes
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/qt/instance.h"

namespace {

// A listening socket at `name` (a leading '@' for the abstract namespace); -1 on failure.
int Listen(const std::string& name) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const bool abstract = name.front() == '@';
  std::memcpy(address.sun_path + (abstract ? 1 : 0), name.data() + (abstract ? 1 : 0),
              name.size() - (abstract ? 1 : 0));
  const auto size =
      static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size() + (abstract ? 0 : 1));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), size) != 0 ||
      ::listen(fd, 16) != 0) {
    return -1;
  }
  return fd;
}

int Impostor(const std::string& folder, const std::string& abstract_name) {
  std::vector<pollfd> fds = {{STDIN_FILENO, POLLIN, 0},
                             {Listen(folder + "/impostor"), POLLIN, 0},
                             {Listen("@" + abstract_name), POLLIN, 0}};
  if (fds[1].fd < 0 || fds[2].fd < 0)
    return 1;
  std::puts("listening");
  std::fflush(stdout);
  for (;;) {
    if (::poll(fds.data(), fds.size(), -1) < 0)
      return 1;
    if (fds[0].revents != 0)
      return 0;
    for (std::size_t i = 1; i < fds.size(); ++i) {
      if (fds[i].revents == 0)
        continue;
      if (i <= 2) {
        const int client = ::accept(fds[i].fd, nullptr, nullptr);
        if (client >= 0)
          fds.push_back({client, POLLIN, 0});
        continue;
      }
      char buffer[256];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer - 1);
      if (n <= 0) {
        fds[i].events = 0;
        continue;
      }
      buffer[n] = '\0';
      std::printf("got %s", buffer);
      std::fflush(stdout);
    }
  }
}

int Flood(const std::string& path, int count) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.data(), std::min(path.size(), sizeof address.sun_path - 1));
  int taken = 0;
  for (int i = 0; i < count; ++i) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (fd >= 0 &&
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
      ++taken;
      [[maybe_unused]] const ssize_t sent = ::send(fd, "raise\n", 6, MSG_NOSIGNAL);
    }
  }
  std::printf("%d\n", taken);
  std::fflush(stdout);
  char buffer[64];
  while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2)
    return 64;
  using namespace orbello::platform;
  if (std::strcmp(argv[1], "impostor") == 0 && argc == 4)
    return Impostor(argv[2], argv[3]);
  if (std::strcmp(argv[1], "flood") == 0 && argc == 4)
    return Flood(argv[2], std::atoi(argv[3]));
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
