#include "platform/qt/instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QWidget>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>

#include "platform/qt/desktop.h"

namespace orbello::platform {
namespace {

constexpr char kRequestRaise[] = "raise";
constexpr char kReplyDone[] = "done";
// A request is one short line; a client that sends more without ending it is not served.
constexpr std::size_t kMaxRequestBytes = 256;

QString RuntimeFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty())
    folder = QDir::tempPath();
  return folder;
}

// A write lock over the whole lock file. Open file description locks belong to the open file, not
// to the process: a second open in the same process conflicts with it too, and F_OFD_GETLK tests
// it without taking it.
struct flock WholeFileLock() {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;
  return lock;
}

std::string LockFileName() {
  return QFile::encodeName(InstanceLockPath()).toStdString();
}

// The socket's address in the abstract namespace: a leading zero byte, then the name. Such a name
// belongs to the socket bound to it and goes with it, however its process ends.
socklen_t ServerAddress(sockaddr_un* address) {
  const QByteArray name = InstanceServerName().toUtf8();
  std::memset(address, 0, sizeof *address);
  address->sun_family = AF_UNIX;
  const std::size_t length =
      std::min(static_cast<std::size_t>(name.size()), sizeof address->sun_path - 1);
  std::memcpy(address->sun_path + 1, name.constData(), length);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

UniqueFd NewSocket() {
  return UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
}

// Waits until `fd` is ready for `events` or the deadline passes.
bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0)
      return false;
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
    if (ready > 0)
      return true;
    if (ready < 0 && errno != EINTR)
      return false;
  }
}

// Sends one request line and returns the one-line answer, or nothing when nobody answers in time.
std::optional<std::string> Ask(const char* request, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  UniqueFd socket = NewSocket();
  if (!socket.Valid())
    return std::nullopt;
  sockaddr_un address{};
  const socklen_t size = ServerAddress(&address);
  if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), size) != 0) {
    // A full backlog: the game is busy; wait for room like any client.
    if (errno != EAGAIN && errno != EINPROGRESS)
      return std::nullopt;
    if (!WaitFor(socket.Get(), POLLOUT, deadline))
      return std::nullopt;
    int error = 0;
    socklen_t error_size = sizeof error;
    if (::getsockopt(socket.Get(), SOL_SOCKET, SO_ERROR, &error, &error_size) != 0 || error != 0)
      return std::nullopt;
  }
  std::string line = std::string(request) + "\n";
  std::size_t sent = 0;
  while (sent < line.size()) {
    const ssize_t n = ::send(socket.Get(), line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      if (!WaitFor(socket.Get(), POLLOUT, deadline))
        return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  std::string answer;
  while (answer.find('\n') == std::string::npos) {
    if (!WaitFor(socket.Get(), POLLIN, deadline))
      return std::nullopt;
    char buffer[64];
    const ssize_t n = ::recv(socket.Get(), buffer, sizeof buffer, 0);
    if (n > 0)
      answer.append(buffer, static_cast<std::size_t>(n));
    else if (n == 0 || (errno != EAGAIN && errno != EINTR))
      return std::nullopt;
    if (answer.size() > kMaxRequestBytes)
      return std::nullopt;
  }
  return answer.substr(0, answer.find('\n'));
}

// A game window of another process, shown or minimised.
bool GameWindowOnDisplay() {
  return OtherProcessHasTopLevelWindow(QLatin1String(kMainWindowClass),
                                       QLatin1String(kMainWindowTitle));
}

}  // namespace

// One client of the game's socket: reads its request line and answers it.
class SingleInstance::Connection : public QObject {
 public:
  Connection(UniqueFd fd, SingleInstance* owner)
      : QObject(owner), fd_(std::move(fd)), notifier_(fd_.Get(), QSocketNotifier::Read, this) {
    connect(&notifier_, &QSocketNotifier::activated, this, [this, owner] { OnReadable(owner); });
  }

 private:
  void OnReadable(SingleInstance* owner) {
    char buffer[128];
    const ssize_t n = ::recv(fd_.Get(), buffer, sizeof buffer, 0);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
      return;
    if (n <= 0) {
      Finish();
      return;
    }
    request_.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end = request_.find('\n'); end != std::string::npos;
         end = request_.find('\n')) {
      std::string line = request_.substr(0, end);
      request_.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r')
        line.pop_back();
      if (line != kRequestRaise) {
        Finish();
        return;
      }
      if (owner->on_raise_request_)
        owner->on_raise_request_();
      const std::string reply = std::string(kReplyDone) + "\n";
      // A client that asked and went away is no concern of ours.
      [[maybe_unused]] ssize_t written =
          ::send(fd_.Get(), reply.data(), reply.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    if (request_.size() > kMaxRequestBytes)
      Finish();
  }

  void Finish() {
    notifier_.setEnabled(false);
    fd_.Reset();
    deleteLater();
  }

  UniqueFd fd_;
  QSocketNotifier notifier_;
  std::string request_;
};

QString InstanceServerName() {
  // The runtime folder is part of the name so that separate sessions (and test runs) with their
  // own runtime folders do not meet in the machine-wide abstract namespace.
  QByteArray folder_hash =
      QCryptographicHash::hash(RuntimeFolder().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
  return QStringLiteral("%1-%2-%3")
      .arg(QLatin1String(kInstanceName))
      .arg(static_cast<qulonglong>(::getuid()))
      .arg(QString::fromLatin1(folder_hash));
}

QString InstanceLockPath() {
  return QDir(RuntimeFolder())
      .filePath(QStringLiteral("%1-%2.lock")
                    .arg(QLatin1String(kInstanceName))
                    .arg(static_cast<qulonglong>(::getuid())));
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
  Release();
}

bool SingleInstance::TryBecomeFirst() {
  if (IsFirst())
    return true;
  // Never through a planted link, and nothing but a regular file.
  UniqueFd file = OpenRegularFile(LockFileName(), O_RDWR | O_CREAT | O_NOFOLLOW, 0600);
  if (file.Valid()) {
    struct flock lock = WholeFileLock();
    if (fcntl(file.Get(), F_OFD_SETLK, &lock) != 0) {
      // Only a lock that another open file holds means another game; any other failure leaves
      // the decision to the checks below.
      if (errno == EAGAIN || errno == EACCES)
        return false;
      file.Reset();
    }
  }
  // The socket's name can be bound by one process only: a game whose lock file was deleted or
  // replaced under it still holds it.
  UniqueFd server = NewSocket();
  if (server.Valid()) {
    sockaddr_un address{};
    const socklen_t size = ServerAddress(&address);
    if (::bind(server.Get(), reinterpret_cast<const sockaddr*>(&address), size) != 0) {
      if (errno == EADDRINUSE)
        return false;
      server.Reset();
    } else if (::listen(server.Get(), 16) != 0) {
      server.Reset();
    }
  }
  // A game started with another runtime folder (or none) has other names; on the same display its
  // window, shown or minimised, still tells.
  if (GameWindowOnDisplay())
    return false;
  lock_ = std::move(file);
  server_ = std::move(server);
  first_ = true;
  return true;
}

bool SingleInstance::Listen(std::function<void()> on_raise_request) {
  if (!IsFirst())
    return false;
  on_raise_request_ = std::move(on_raise_request);
  if (!server_.Valid())
    return false;
  if (notifier_ == nullptr) {
    // Requests made before now wait in the backlog and are answered from here on.
    notifier_ = new QSocketNotifier(server_.Get(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::OnNewConnection);
  }
  return true;
}

void SingleInstance::Release() {
  delete notifier_;
  notifier_ = nullptr;
  server_.Reset();
  // The file stays: removing it could let a later start lock a new file while an earlier one
  // still holds the old.
  lock_.Reset();
  first_ = false;
}

bool SingleInstance::IsFirst() const {
  return first_;
}

void SingleInstance::OnNewConnection() {
  for (;;) {
    UniqueFd client(::accept4(server_.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (!client.Valid())
      return;
    new Connection(std::move(client), this);
  }
}

bool ServeMainWindow(SingleInstance& instance, QWidget* main_window) {
  if (!instance.TryBecomeFirst())
    return false;
  QPointer<QWidget> window(main_window);
  instance.Listen([window] {
    if (window)
      RaiseWindow(window);
  });
  return true;
}

bool AskRunningInstanceToRaise(int timeout_ms) {
  std::optional<std::string> answer = Ask(kRequestRaise, timeout_ms);
  return answer && *answer == kReplyDone;
}

bool IsGameRunning() {
  UniqueFd file = OpenRegularFile(LockFileName(), O_RDONLY | O_NOFOLLOW);
  if (file.Valid()) {
    struct flock probe = WholeFileLock();
    if (fcntl(file.Get(), F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK)
      return true;
  }
  return GameWindowOnDisplay();
}

void RaiseWindow(QWidget* window) {
  if (window == nullptr)
    return;
  if (window->isMinimized()) {
    window->showNormal();
  }
  window->raise();
  window->activateWindow();
  // Without a window manager activateWindow() does not move the keyboard focus; ask X directly.
  if (QGuiApplication::platformName() == QLatin1String("xcb") && window->isVisible()) {
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
      xcb_connection_t* connection = x11->connection();
      xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT,
                          static_cast<xcb_window_t>(window->winId()), XCB_CURRENT_TIME);
      xcb_flush(connection);
    }
  }
}

}  // namespace orbello::platform
