// The single running game: a lock decides which process is first, and a local socket lets later
// processes talk to it ("raise your window", "is your main window open?").
//
// The lock file lives in the user's runtime folder and the socket in the abstract namespace; both
// names carry CORVANE_ORBELLO and the user id, because /tmp and abstract socket names are shared
// between the users of a machine. A holder that crashed leaves a stale lock that the next start
// takes over at once.
#ifndef ORBELLO_PLATFORM_QT_INSTANCE_H_
#define ORBELLO_PLATFORM_QT_INSTANCE_H_

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;
class QWidget;

namespace orbello::platform {

inline constexpr char kInstanceName[] = "CORVANE_ORBELLO";
// The game's main window as others look for it.
inline constexpr char kMainWindowClass[] = "TMainForm1";
inline constexpr char kMainWindowTitle[] = "Corvane Orbello";

// How long a client waits for the running game's answer.
inline constexpr int kInstanceReplyTimeoutMs = 1500;

// Name of the local socket and path of the lock file for this user (and runtime folder).
QString InstanceServerName();
QString InstanceLockPath();

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process now holds the lock: it is the first instance. The lock stays held until
  // Release() or destruction. Calling it again after success returns true.
  bool TryBecomeFirst();

  // Starts answering other processes (only after TryBecomeFirst() returned true; returns false
  // otherwise or when the socket cannot be opened). `on_raise_request` runs on this object's thread
  // when a later start asks for the window; `is_main_window_open` answers the uninstaller.
  bool Listen(std::function<void()> on_raise_request, std::function<bool()> is_main_window_open);

  // Stops answering and gives up the lock.
  void Release();

  bool IsFirst() const;

 private:
  void OnNewConnection();

  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
  std::function<void()> on_raise_request_;
  std::function<bool()> is_main_window_open_;
};

// The game's side in one call: takes the lock and, when this is the first instance, answers
// requests for `main_window` (raise: RaiseWindow; open: the window exists and carries the title
// "Corvane Orbello"). Returns false when another instance runs (then nothing is listening).
bool ServeMainWindow(SingleInstance& instance, QWidget* main_window);

// A second start: asks the running instance to bring its window to the front. Returns true when it
// acknowledged the request in time.
bool AskRunningInstanceToRaise(int timeout_ms = kInstanceReplyTimeoutMs);

// True when a running game answers that its main window is open; false when no game runs or it
// does not answer in time.
bool IsGameMainWindowOpen(int timeout_ms = kInstanceReplyTimeoutMs);

// Restores a minimised window, raises it and gives it the keyboard focus (also without a window
// manager on X11).
void RaiseWindow(QWidget* window);

}  // namespace orbello::platform

#endif  // ORBELLO_PLATFORM_QT_INSTANCE_H_
