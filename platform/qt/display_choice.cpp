#include "platform/qt/display_choice.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QList>
#include <cstdio>

#include "platform/qt/translation.h"

namespace orbello::platform {
namespace {

void Say(const char* program, const QString& text) {
  std::fprintf(stderr, "%s: %s\n", program, text.toLocal8Bit().constData());
}

// "wayland", "wayland-egl", "wayland:options" or a list such as "wayland;xcb" whose first entry is
// one of these.
bool AsksForWayland(const QByteArray& platform) {
  return platform.trimmed().startsWith("wayland");
}

// Qt's choice when QT_QPA_PLATFORM is empty: X11, unless the session is Wayland's (which
// ChooseX11OnWayland has settled by then).
bool OnlyX11Left(const QByteArray& platform) {
  const QList<QByteArray> entries = platform.split(';');
  for (const QByteArray& entry : entries) {
    const QByteArray name = entry.trimmed();
    if (!name.isEmpty() && name != "xcb" && !name.startsWith("xcb:"))
      return false;  // another platform to try, or one that needs no X11 server
  }
  return true;
}

}  // namespace

bool DisplayReachable(const char* program) {
  if (!OnlyX11Left(qgetenv("QT_QPA_PLATFORM")))
    return true;
  const QByteArray display = qgetenv("DISPLAY");
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool reachable = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  if (!reachable) {
    if (display.isEmpty()) {
      Say(program,
          Translate("Display", "no X11 display to open the window on (DISPLAY is not set)"));
    } else {
      Say(program, Translate("Display", "cannot open the X11 display \"%1\"")
                       .arg(QString::fromLocal8Bit(display)));
    }
  }
  return reachable;
}

void ChooseX11OnWayland(const char* program) {
  const QByteArray requested = qgetenv("QT_QPA_PLATFORM");
  const bool wayland_requested = AsksForWayland(requested);
  if (!requested.trimmed().isEmpty() && !wayland_requested)
    return;  // offscreen in tests, or xcb chosen by the player
  const bool wayland_session = wayland_requested || !qgetenv("WAYLAND_DISPLAY").isEmpty() ||
                               qgetenv("XDG_SESSION_TYPE") == "wayland";
  if (!wayland_session)
    return;

  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    // Better a game without these than no game at all.
    Say(program,
        Translate("Display",
                  "this Wayland session has no X11 display (DISPLAY is not set), so the "
                  "window opens on Wayland: the compositor places it, draws it without its "
                  "shape and does not let a second start raise it, and the help window "
                  "stays open at the end. XWayland gives all of these back."));
    if (!wayland_requested)
      qputenv("QT_QPA_PLATFORM", "wayland");
    return;
  }
  // Should the X11 server not answer after all, Qt goes on with Wayland rather than not starting.
  qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  // The help viewer must be an X11 window too, or its title cannot be found to close it.
  const QByteArray gdk = qgetenv("GDK_BACKEND");
  if (gdk.isEmpty() || gdk.contains("wayland"))
    qputenv("GDK_BACKEND", "x11");
}

bool PrepareDisplay(const char* program) {
  ChooseX11OnWayland(program);
  return DisplayReachable(program);
}

}  // namespace orbello::platform
