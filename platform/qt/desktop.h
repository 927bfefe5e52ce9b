// Top-level windows of the X11 desktop, of this and of other programs. Without an X11 display
// (offscreen or another platform) every function does nothing and returns false / empty.
#pragma once

#include <sys/types.h>

#include <QString>
#include <vector>

namespace orbello::platform {

// The help viewer's window title begins with this (the skin compiler closes it by that title).
inline constexpr char kHelpWindowTitlePrefix[] = "Corvane Orbello Help";

struct TopLevelWindow {
  unsigned long id = 0;       // X11 window id
  QString title;              // _NET_WM_NAME, else WM_NAME
  QString wm_class;           // class part of WM_CLASS
  bool this_process = false;  // _NET_WM_PID and WM_CLIENT_MACHINE name this process
};

// Which top-level windows count: those shown, or also those minimised (iconic: unmapped, with the
// window manager's WM_STATE saying so).
enum class WindowShowing { kShown, kShownOrMinimised };

// True when the functions below can reach an X11 display.
bool HasX11Desktop();

// The viewable (or also the minimised) top-level (client) windows in stacking or client-list
// order.
std::vector<TopLevelWindow> ListTopLevelWindows(WindowShowing showing = WindowShowing::kShown);

// Asks the first viewable top-level window whose title is longer than `prefix` and begins with
// exactly `prefix` to close (as its close box would) and stops there. Windows without a title are
// skipped. Returns true when a window was asked to close.
bool CloseWindowsWithTitlePrefix(const QString& prefix);

// True when a viewable (or also a minimised) top-level window with this WM_CLASS class and
// exactly this title exists.
bool FindTopLevelWindow(const QString& wm_class, const QString& title,
                        WindowShowing showing = WindowShowing::kShown);

// True when a viewable or minimised top-level window of another process of this user on this
// machine (by _NET_WM_PID, WM_CLIENT_MACHINE and the process's owner) has this WM_CLASS class and
// exactly this title. A window whose owner cannot be told does not count.
bool OtherProcessHasTopLevelWindow(const QString& wm_class, const QString& title);

// Brings the first top-level window of another process of this user (as above) with this WM_CLASS
// class and exactly this title, shown or minimised, to the front: through the window manager when
// there is one, else directly. True when such a window was found.
bool RaiseTopLevelWindow(const QString& wm_class, const QString& title);

// The windows, shown or minimised, of this user's processes in process group `group` on this
// machine (by _NET_WM_PID, WM_CLIENT_MACHINE and /proc): raises the first (true when there was
// one), or asks all of them to close (true when there was one).
bool RaiseWindowOfProcessGroup(pid_t group);
bool CloseWindowsOfProcessGroup(pid_t group);

}  // namespace orbello::platform
