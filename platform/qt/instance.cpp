#include "platform/qt/instance.h"

#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QWidget>
#include <cerrno>
#include <optional>
#include <string>

#include "platform/qt/desktop.h"

namespace orbello::platform {
namespace {

constexpr char kRequestRaise[] = "raise";
constexpr char kReplyDone[] = "done";

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

// Sends one request line and returns the one-line answer, or nothing when nobody answers in time.
std::optional<QByteArray> Ask(const char* request, int timeout_ms) {
  QLocalSocket socket;
  socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  socket.connectToServer(InstanceServerName());
  if (!socket.waitForConnected(timeout_ms))
    return std::nullopt;
  socket.write(request);
  socket.write("\n");
  if (!socket.waitForBytesWritten(timeout_ms))
    return std::nullopt;
  QByteArray answer;
  QDeadlineTimer deadline(timeout_ms);
  while (!answer.contains('\n')) {
    if (deadline.hasExpired())
      return std::nullopt;
    if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
      answer += socket.readAll();
      if (answer.contains('\n'))
        break;
      return std::nullopt;
    }
    answer += socket.readAll();
  }
  socket.disconnectFromServer();
  return answer.left(answer.indexOf('\n'));
}

}  // namespace

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
  // A lock that cannot even be made (no usable runtime folder) must not keep the game from
  // starting.
  if (!file.Valid())
    return true;
  struct flock lock = WholeFileLock();
  if (fcntl(file.Get(), F_OFD_SETLK, &lock) == 0) {
    lock_ = std::move(file);
    return true;
  }
  // Only a lock that another open file holds means another game.
  return errno != EAGAIN && errno != EACCES;
}

bool SingleInstance::Listen(std::function<void()> on_raise_request) {
  if (!IsFirst())
    return false;
  on_raise_request_ = std::move(on_raise_request);
  if (server_ != nullptr)
    return server_->isListening();
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
  QLocalServer::removeServer(InstanceServerName());
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  return server_->listen(InstanceServerName());
}

void SingleInstance::Release() {
  if (server_ != nullptr) {
    server_->close();
    delete server_;
    server_ = nullptr;
  }
  // The file stays: removing it could let a later start lock a new file while an earlier one
  // still holds the old.
  lock_.Reset();
}

bool SingleInstance::IsFirst() const {
  return lock_.Valid();
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->canReadLine()) {
        QByteArray request = socket->readLine().trimmed();
        if (request == kRequestRaise) {
          if (on_raise_request_)
            on_raise_request_();
          socket->write(kReplyDone);
        } else {
          socket->abort();
          return;
        }
        socket->write("\n");
        socket->flush();
      }
      // A client that never ends its line is not served.
      if (socket->bytesAvailable() > 256)
        socket->abort();
    });
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
  std::optional<QByteArray> answer = Ask(kRequestRaise, timeout_ms);
  return answer && *answer == kReplyDone;
}

bool IsGameRunning() {
  UniqueFd file = OpenRegularFile(LockFileName(), O_RDONLY | O_NOFOLLOW);
  if (file.Valid()) {
    struct flock probe = WholeFileLock();
    if (fcntl(file.Get(), F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK)
      return true;
  }
  return FindTopLevelWindow(QLatin1String(kMainWindowClass), QLatin1String(kMainWindowTitle));
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
