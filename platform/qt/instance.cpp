#include "platform/qt/instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
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

// A folder that only this user can enter: a real folder (no link), owned by this user, that
// nobody else may read, write or search. Others can then neither take the socket's name, nor
// connect to it, nor touch the lock file.
bool IsPrivateFolder(const QString& folder) {
  struct stat status {};
  return !folder.isEmpty() && QDir::isAbsolutePath(folder) &&
         ::lstat(QFile::encodeName(folder).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

// The user's runtime folder when it is private; else a private folder of our own in the temporary
// folder, made when missing. Empty when neither can be had (another user took the name): the game
// then runs without the lock and the socket rather than not at all.
QString RuntimeFolder() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (IsPrivateFolder(runtime))
    return runtime;
  const QString own =
      QDir(QDir::tempPath())
          .filePath(QStringLiteral("corvane-orbello-%1").arg(static_cast<qulonglong>(::getuid())));
  ::mkdir(QFile::encodeName(own).constData(), 0700);
  return IsPrivateFolder(own) ? own : QString();
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

// How long a client may take to send its request, how many are served at once, and how soon the
// socket is looked at again after the process ran out of descriptors.
constexpr int kInstanceRequestDeadlineMs = 1000;
constexpr int kMaxInstanceConnections = 8;
constexpr int kInstanceRetryMs = 250;

// The socket's address: a file in the private runtime folder. False when there is none or the
// path does not fit.
bool ServerAddress(sockaddr_un* address, socklen_t* size) {
  const QByteArray path = QFile::encodeName(InstanceServerName());
  std::memset(address, 0, sizeof *address);
  address->sun_family = AF_UNIX;
  if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address->sun_path)
    return false;
  std::memcpy(address->sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  *size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
  return true;
}

// Whether the process at the other end of `fd` runs as this user.
bool PeerIsThisUser(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
         peer.uid == ::getuid();
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

// A connection to the running game's socket: only to a process of this user, within the deadline.
UniqueFd ConnectToGame(std::chrono::steady_clock::time_point deadline) {
  sockaddr_un address{};
  socklen_t size = 0;
  if (!ServerAddress(&address, &size))
    return UniqueFd();
  UniqueFd socket = NewSocket();
  if (!socket.Valid())
    return UniqueFd();
  if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), size) != 0) {
    // A full backlog: the game is busy; wait for room like any client.
    if (errno != EAGAIN && errno != EINPROGRESS)
      return UniqueFd();
    if (!WaitFor(socket.Get(), POLLOUT, deadline))
      return UniqueFd();
    int error = 0;
    socklen_t error_size = sizeof error;
    if (::getsockopt(socket.Get(), SOL_SOCKET, SO_ERROR, &error, &error_size) != 0 || error != 0)
      return UniqueFd();
  }
  // Whoever else listens there is no game of ours and hears nothing from us.
  if (!PeerIsThisUser(socket.Get()))
    return UniqueFd();
  return socket;
}

// Whether a game of this user listens at `address`, answering or not: it takes the connection, or
// its backlog is full (only this user can make a socket in the private folder).
bool GameListens(const sockaddr_un& address, socklen_t size) {
  UniqueFd socket = NewSocket();
  if (!socket.Valid())
    return false;
  if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), size) != 0)
    return errno == EAGAIN;
  return PeerIsThisUser(socket.Get());
}

// Sends one request line and returns the one-line answer, or nothing when nobody answers in time.
std::optional<std::string> Ask(const char* request, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  UniqueFd socket = ConnectToGame(deadline);
  if (!socket.Valid())
    return std::nullopt;
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

// One client of the game's socket: reads its one request line within a deadline, answers it and
// closes.
class SingleInstance::Connection : public QObject {
 public:
  Connection(UniqueFd fd, SingleInstance* owner)
      : QObject(owner),
        owner_(owner),
        fd_(std::move(fd)),
        notifier_(fd_.Get(), QSocketNotifier::Read, this) {
    ++owner_->connections_;
    connect(&notifier_, &QSocketNotifier::activated, this, [this] { OnReadable(); });
    // A client that connects and says nothing holds a descriptor of ours: not for long.
    QTimer::singleShot(kInstanceRequestDeadlineMs, this, [this] { Finish(); });
  }

 private:
  void OnReadable() {
    char buffer[128];
    const ssize_t n = ::recv(fd_.Get(), buffer, sizeof buffer, 0);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
      return;
    if (n <= 0) {
      Finish();
      return;
    }
    request_.append(buffer, static_cast<std::size_t>(n));
    const std::size_t end = request_.find('\n');
    if (end == std::string::npos) {
      if (request_.size() > kMaxRequestBytes)
        Finish();
      return;
    }
    std::string line = request_.substr(0, end);
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line == kRequestRaise) {
      if (owner_->on_raise_request_)
        owner_->on_raise_request_();
      const std::string reply = std::string(kReplyDone) + "\n";
      // A client that asked and went away is no concern of ours.
      [[maybe_unused]] ssize_t written =
          ::send(fd_.Get(), reply.data(), reply.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    Finish();
  }

  void Finish() {
    if (!fd_.Valid())
      return;
    notifier_.setEnabled(false);
    fd_.Reset();
    --owner_->connections_;
    owner_->AcceptAgain();
    deleteLater();
  }

  SingleInstance* owner_;
  UniqueFd fd_;
  QSocketNotifier notifier_;
  std::string request_;
};

QString InstanceServerName() {
  const QString folder = RuntimeFolder();
  if (folder.isEmpty())
    return QString();
  return QDir(folder).filePath(QStringLiteral("%1-%2.socket")
                                   .arg(QLatin1String(kInstanceName))
                                   .arg(static_cast<qulonglong>(::getuid())));
}

QString InstanceLockPath() {
  const QString folder = RuntimeFolder();
  if (folder.isEmpty())
    return QString();
  return QDir(folder).filePath(QStringLiteral("%1-%2.lock")
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
  UniqueFd file;
  if (const std::string lock_name = LockFileName(); !lock_name.empty())
    file = OpenRegularFile(lock_name, O_RDWR | O_CREAT | O_NOFOLLOW, 0600);
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
  // A game whose lock file was deleted or replaced under it still listens on its socket: one of
  // this user that takes a connection, answering or not, is a game. What else is there (a socket
  // left by a crash) is removed and the name taken anew.
  UniqueFd server;
  sockaddr_un address{};
  socklen_t size = 0;
  if (ServerAddress(&address, &size)) {
    if (GameListens(address, size))
      return false;
    ::unlink(address.sun_path);
    server = NewSocket();
    struct stat bound {};
    if (!server.Valid() ||
        ::bind(server.Get(), reinterpret_cast<const sockaddr*>(&address), size) != 0 ||
        ::listen(server.Get(), 16) != 0 || ::lstat(address.sun_path, &bound) != 0) {
      server.Reset();
    } else {
      socket_path_ = address.sun_path;
      socket_file_ = {bound.st_dev, bound.st_ino};
    }
  }
  // A game started with another runtime folder (or none) has other names; on the same display its
  // window, shown or minimised, still tells.
  if (GameWindowOnDisplay()) {
    Release();
    return false;
  }
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
  // The name goes with the socket, unless another file has taken its place meanwhile.
  struct stat now {};
  if (!socket_path_.empty() && ::lstat(socket_path_.c_str(), &now) == 0 &&
      std::pair(now.st_dev, now.st_ino) == socket_file_) {
    ::unlink(socket_path_.c_str());
  }
  socket_path_.clear();
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
  while (connections_ < kMaxInstanceConnections) {
    UniqueFd client(::accept4(server_.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (!client.Valid()) {
      if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == ECONNABORTED)
        return;
      // Out of descriptors or memory: the waiting client stays in the backlog and the socket
      // stays readable. Look again a little later instead of at once, over and over.
      notifier_->setEnabled(false);
      QTimer::singleShot(kInstanceRetryMs, this, [this] { AcceptAgain(); });
      return;
    }
    if (!PeerIsThisUser(client.Get()))
      continue;
    new Connection(std::move(client), this);
  }
  // As many clients as we serve at once: the rest wait in the backlog until one is done.
  notifier_->setEnabled(false);
}

void SingleInstance::AcceptAgain() {
  if (notifier_ != nullptr && connections_ < kMaxInstanceConnections)
    notifier_->setEnabled(true);
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
  UniqueFd file;
  if (const std::string lock_name = LockFileName(); !lock_name.empty())
    file = OpenRegularFile(lock_name, O_RDONLY | O_NOFOLLOW);
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
