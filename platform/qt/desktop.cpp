#include "platform/qt/desktop.h"

#include <unistd.h>

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

// Xlib defines macros (None, Bool, Status) that clash with Qt: it comes after every Qt header.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace orbello::platform {
namespace {

// Only a program that itself runs on X11 looks at the X11 desktop; an offscreen test must not
// touch whatever display DISPLAY happens to name.
bool PlatformIsX11() {
  if (QGuiApplication::instance() == nullptr)
    return qEnvironmentVariableIsSet("DISPLAY");
  return QGuiApplication::platformName() == QLatin1String("xcb");
}

struct DisplayCloser {
  bool owned = true;
  void operator()(Display* display) const {
    if (owned)
      XCloseDisplay(display);
  }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

DisplayPtr OpenDisplay() {
  if (!PlatformIsX11())
    return nullptr;
  return DisplayPtr(XOpenDisplay(nullptr));
}

// For requests that only read: the application's own connection when it has one, which spares a
// connection set-up (the single-instance check runs on every start, before the window is shown).
// Such requests all wait for their replies, so an error from a vanished window reaches the handler
// in scope and never the application's event queue.
DisplayPtr DisplayForReading() {
  if (!PlatformIsX11())
    return nullptr;
  if (auto* x11 =
          qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
    if (Display* display = x11->display())
      return DisplayPtr(display, DisplayCloser{false});
  }
  return DisplayPtr(XOpenDisplay(nullptr));
}

// Reads a whole property; returns false when it is missing or not of the expected format.
bool ReadProperty(Display* display, Window window, Atom property, Atom type, int format,
                  std::vector<unsigned char>& out, unsigned long& items) {
  Atom actual_type = None;
  int actual_format = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  items = 0;
  if (XGetWindowProperty(display, window, property, 0, 1 << 20, False, type, &actual_type,
                         &actual_format, &items, &remaining, &data) != Success) {
    return false;
  }
  bool ok = data != nullptr && actual_format == format &&
            (type == AnyPropertyType || actual_type == type);
  if (ok) {
    // Format 32 items are longs in Xlib's memory, whatever their wire size.
    std::size_t unit = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
    out.assign(data, data + items * unit);
  }
  if (data != nullptr)
    XFree(data);
  return ok;
}

QString WindowTitle(Display* display, Window window) {
  Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
  Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  std::vector<unsigned char> bytes;
  unsigned long items = 0;
  if (ReadProperty(display, window, net_wm_name, utf8, 8, bytes, items)) {
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size()));
  }
  XTextProperty text{};
  QString title;
  if (XGetWMName(display, window, &text) != 0 && text.value != nullptr) {
    char** list = nullptr;
    int count = 0;
    if (XmbTextPropertyToTextList(display, &text, &list, &count) >= Success && count > 0 &&
        list != nullptr) {
      title = QString::fromLocal8Bit(list[0]);
    } else {
      title = QString::fromLatin1(reinterpret_cast<const char*>(text.value),
                                  static_cast<qsizetype>(text.nitems));
    }
    if (list != nullptr)
      XFreeStringList(list);
    XFree(text.value);
  }
  return title;
}

QString WindowClass(Display* display, Window window) {
  XClassHint hint{};
  QString result;
  if (XGetClassHint(display, window, &hint) != 0) {
    if (hint.res_class != nullptr)
      result = QString::fromLocal8Bit(hint.res_class);
    if (hint.res_name != nullptr)
      XFree(hint.res_name);
    if (hint.res_class != nullptr)
      XFree(hint.res_class);
  }
  return result;
}

bool IsShown(Display* display, Window window) {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0)
    return false;
  return attributes.map_state == IsViewable;
}

bool OfThisProcess(Display* display, Window window) {
  std::vector<unsigned char> bytes;
  unsigned long items = 0;
  if (!ReadProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    bytes, items) ||
      items == 0 || reinterpret_cast<const long*>(bytes.data())[0] != ::getpid()) {
    return false;
  }
  char host[256] = {};
  if (::gethostname(host, sizeof host - 1) != 0 ||
      !ReadProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, bytes, items)) {
    return false;
  }
  return std::string(bytes.begin(), bytes.end()) == host;
}

// Minimised: the window manager unmapped the window and marked it iconic.
bool IsMinimised(Display* display, Window window) {
  Atom wm_state = XInternAtom(display, "WM_STATE", False);
  std::vector<unsigned char> bytes;
  unsigned long items = 0;
  if (!ReadProperty(display, window, wm_state, AnyPropertyType, 32, bytes, items) || items == 0)
    return false;
  return reinterpret_cast<const long*>(bytes.data())[0] == IconicState;
}

bool HasWmState(Display* display, Window window) {
  Atom wm_state = XInternAtom(display, "WM_STATE", False);
  std::vector<unsigned char> bytes;
  unsigned long items = 0;
  return ReadProperty(display, window, wm_state, AnyPropertyType, 32, bytes, items) && items > 0;
}

// Client windows: the window manager's list when there is one, else the children of the root (and
// one level below, where a reparenting manager without the list put them) that carry WM_STATE;
// without any window manager, the viewable children of the root.
std::vector<Window> ClientWindows(Display* display) {
  Window root = DefaultRootWindow(display);
  Atom client_list = XInternAtom(display, "_NET_CLIENT_LIST", False);
  std::vector<unsigned char> bytes;
  unsigned long items = 0;
  std::vector<Window> result;
  if (ReadProperty(display, root, client_list, XA_WINDOW, 32, bytes, items) && items > 0) {
    const long* ids = reinterpret_cast<const long*>(bytes.data());
    for (unsigned long i = 0; i < items; ++i)
      result.push_back(static_cast<Window>(ids[i]));
    return result;
  }
  Window root_return = 0;
  Window parent_return = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, root, &root_return, &parent_return, &children, &count) == 0) {
    return result;
  }
  std::vector<Window> top(children, children + count);
  if (children != nullptr)
    XFree(children);
  std::vector<Window> unmanaged;
  for (Window window : top) {
    if (HasWmState(display, window)) {
      result.push_back(window);
      continue;
    }
    Window* grand = nullptr;
    unsigned int grand_count = 0;
    bool found = false;
    if (XQueryTree(display, window, &root_return, &parent_return, &grand, &grand_count) != 0) {
      for (unsigned int i = 0; i < grand_count; ++i) {
        if (HasWmState(display, grand[i])) {
          result.push_back(grand[i]);
          found = true;
        }
      }
      if (grand != nullptr)
        XFree(grand);
    }
    if (!found)
      unmanaged.push_back(window);
  }
  // No window manager at all: nothing carries WM_STATE, so the root's children are the windows.
  if (result.empty())
    return unmanaged;
  return result;
}

bool WindowManagerSupports(Display* display, const char* atom_name) {
  Atom supported = XInternAtom(display, "_NET_SUPPORTED", False);
  Atom wanted = XInternAtom(display, atom_name, False);
  std::vector<unsigned char> bytes;
  unsigned long items = 0;
  if (!ReadProperty(display, DefaultRootWindow(display), supported, XA_ATOM, 32, bytes, items)) {
    return false;
  }
  const long* atoms = reinterpret_cast<const long*>(bytes.data());
  for (unsigned long i = 0; i < items; ++i) {
    if (static_cast<Atom>(atoms[i]) == wanted)
      return true;
  }
  return false;
}

void AskToClose(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.format = 32;
  if (WindowManagerSupports(display, "_NET_CLOSE_WINDOW")) {
    event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
    event.xclient.data.l[0] = CurrentTime;
    event.xclient.data.l[1] = 2;  // source: a pager, i.e. on behalf of the user
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
  } else {
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
  }
  XSync(display, False);
}

// A window may vanish while we look at it; its errors must not end the program.
int IgnoreXErrors(Display*, XErrorEvent*) {
  return 0;
}

class ErrorHandlerScope {
 public:
  ErrorHandlerScope() : previous_(XSetErrorHandler(IgnoreXErrors)) {}
  ~ErrorHandlerScope() { XSetErrorHandler(previous_); }
  ErrorHandlerScope(const ErrorHandlerScope&) = delete;
  ErrorHandlerScope& operator=(const ErrorHandlerScope&) = delete;

 private:
  XErrorHandler previous_;
};

}  // namespace

bool HasX11Desktop() {
  return OpenDisplay() != nullptr;
}

std::vector<TopLevelWindow> ListTopLevelWindows(WindowShowing showing) {
  std::vector<TopLevelWindow> result;
  DisplayPtr display = DisplayForReading();
  if (!display)
    return result;
  ErrorHandlerScope errors;
  for (Window window : ClientWindows(display.get())) {
    if (!IsShown(display.get(), window) &&
        !(showing == WindowShowing::kShownOrMinimised && IsMinimised(display.get(), window))) {
      continue;
    }
    result.push_back({window, WindowTitle(display.get(), window),
                      WindowClass(display.get(), window), OfThisProcess(display.get(), window)});
  }
  XSync(display.get(), False);
  return result;
}

bool CloseWindowsWithTitlePrefix(const QString& prefix) {
  DisplayPtr display = OpenDisplay();
  if (!display)
    return false;
  ErrorHandlerScope errors;
  for (Window window : ClientWindows(display.get())) {
    if (!IsShown(display.get(), window))
      continue;
    QString title = WindowTitle(display.get(), window);
    if (title.isEmpty())
      continue;
    if (title.size() > prefix.size() && title.startsWith(prefix, Qt::CaseSensitive)) {
      AskToClose(display.get(), window);
      return true;
    }
  }
  XSync(display.get(), False);
  return false;
}

bool FindTopLevelWindow(const QString& wm_class, const QString& title, WindowShowing showing) {
  for (const TopLevelWindow& window : ListTopLevelWindows(showing)) {
    if (window.wm_class == wm_class && window.title == title)
      return true;
  }
  return false;
}

namespace {

// The first client window of another process with this class and title, shown or minimised.
// Each look is a round trip: the class, which almost every other window fails, comes first.
std::optional<Window> OtherProcessWindow(Display* d, const QString& wm_class,
                                         const QString& title) {
  for (Window window : ClientWindows(d)) {
    if (WindowClass(d, window) == wm_class && WindowTitle(d, window) == title &&
        (IsShown(d, window) || IsMinimised(d, window)) && !OfThisProcess(d, window)) {
      return window;
    }
  }
  return std::nullopt;
}

}  // namespace

bool OtherProcessHasTopLevelWindow(const QString& wm_class, const QString& title) {
  DisplayPtr display = DisplayForReading();
  if (!display)
    return false;
  ErrorHandlerScope errors;
  return OtherProcessWindow(display.get(), wm_class, title).has_value();
}

bool RaiseTopLevelWindow(const QString& wm_class, const QString& title) {
  DisplayPtr display = OpenDisplay();
  if (!display)
    return false;
  ErrorHandlerScope errors;
  Display* d = display.get();
  const std::optional<Window> found = OtherProcessWindow(d, wm_class, title);
  if (!found)
    return false;
  const Window window = *found;
  if (WindowManagerSupports(d, "_NET_ACTIVE_WINDOW")) {
    // The window manager restores and raises it; source 2: on behalf of the user.
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.format = 32;
    event.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    event.xclient.data.l[0] = 2;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
  } else {
    XMapRaised(d, window);
    XSetInputFocus(d, window, RevertToParent, CurrentTime);
  }
  XSync(d, False);
  return true;
}

}  // namespace orbello::platform
