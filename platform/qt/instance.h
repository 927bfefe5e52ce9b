// The single running game: a lock decides which process is first and is held for that process's
// whole life, and a local socket lets a later start ask it to raise its window.
//
// The lock is a kernel lock on a file in the user's runtime folder: it goes with its holder,
// however that process ends (a crash leaves nothing stale), and others can test it without taking
// it. So a game that is busy and answers nothing (inside a long turn) still counts as running.
// Both the lock file and the socket live in a folder only this user can enter (the runtime folder
// when it is private, else one of our own in the temporary folder), so no other user can take
// their names, answer in the game's place or ask it anything; both ends also check that the peer
// runs as this user. A game that still listens on its socket keeps a second game out when the lock
// file was deleted or replaced; where neither is shared (another runtime folder), the game's window
// on the X11 display, shown or minimised, does.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <utility>

#include "platform/core/files.h"

class QSocketNotifier;
class QWidget;

namespace orbello::platform {

inline constexpr char kInstanceName[] = "CORVANE_ORBELLO";
// The game's main window as others look for it.
inline constexpr char kMainWindowClass[] = "TMainForm1";
inline constexpr char kMainWindowTitle[] = "Corvane Orbello";

// How long a second start waits for the running game's answer.
inline constexpr int kInstanceReplyTimeoutMs = 1500;

// Paths of the local socket and of the lock file for this user; empty when no private folder could
// be had.
QString InstanceServerName();
QString InstanceLockPath();

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process is now the first instance: no other process holds the lock or the
  // socket's name, and no game window is on the X11 display. What could be taken stays held until
  // Release() or destruction. Calling it again after success returns true. A lock file that cannot
  // be used (no runtime folder, a folder or link in its place) does not keep the game from
  // starting; the other two checks then decide.
  bool TryBecomeFirst();

  // Starts answering other processes (only after TryBecomeFirst() returned true; returns false
  // otherwise or when the socket could not be opened). `on_raise_request` runs on this object's
  // thread when a later start asks for the window.
  bool Listen(std::function<void()> on_raise_request);

  // Stops answering and gives up the lock.
  void Release();

  bool IsFirst() const;

 private:
  class Connection;

  void OnNewConnection();
  void AcceptAgain();

  UniqueFd lock_;
  UniqueFd server_;
  QSocketNotifier* notifier_ = nullptr;
  bool first_ = false;
  int connections_ = 0;
  // The socket's file, removed on release while it is still ours.
  std::string socket_path_;
  std::pair<dev_t, ino_t> socket_file_{};
  std::function<void()> on_raise_request_;
};

// The game's side in one call: takes the lock and, when this is the first instance, answers
// raise requests for `main_window` with RaiseWindow. Returns false when another instance runs
// (then nothing is listening).
bool ServeMainWindow(SingleInstance& instance, QWidget* main_window);

// A second start: asks the running instance to bring its window to the front. Returns true when it
// acknowledged the request in time.
bool AskRunningInstanceToRaise(int timeout_ms = kInstanceReplyTimeoutMs);

// True when some process holds the lock, whether or not it answers, or when a top-level window of
// class "TMainForm1" titled "Corvane Orbello" is on the X11 desktop, shown or minimised. Never
// waits for the game.
bool IsGameRunning();

// Restores a minimised window, raises it and gives it the keyboard focus (also without a window
// manager on X11).
void RaiseWindow(QWidget* window);

}  // namespace orbello::platform
