// The programs find and raise the running game, close the help viewer by its title, shape their
// windows and place them through X11. A Wayland session keeps all of that from its clients, so
// there the programs run through the session's X11 server (XWayland) instead.
#pragma once

namespace orbello::platform {

// Call before the QApplication exists. On a Wayland session (WAYLAND_DISPLAY, XDG_SESSION_TYPE or
// a QT_QPA_PLATFORM that asks for Wayland) with an X11 display, selects Qt's xcb platform and makes
// the programs this one starts (the help viewer) X11 clients too. Any other QT_QPA_PLATFORM is
// kept. Without an X11 display the window stays on Wayland and `program` says on stderr what the
// player loses.
void ChooseX11OnWayland(const char* program);

// Call after ChooseX11OnWayland, before the QApplication exists. When Qt is left only the X11
// platform and the X11 server cannot be reached (DISPLAY unset, or naming no server that answers),
// `program` says so on stderr and the result is false: the program then ends with status 1, where
// Qt itself would abort. True otherwise, also for any other platform Qt is asked to use.
bool DisplayReachable(const char* program);

// Both of the above, as each program's first step: false when the program must end with status 1.
bool PrepareDisplay(const char* program);

}  // namespace orbello::platform
