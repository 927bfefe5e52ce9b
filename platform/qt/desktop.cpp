#include "platform/qt/desktop.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <xcb/xcb.h>

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

// The process that made `window`, when it runs on this machine: _NET_WM_PID, trusted only where
// WM_CLIENT_MACHINE names this host (a remote client's number names no process here).
std::optional<pid_t> LocalProcessOf(Display* display, Window window) {
  std::vector<unsigned char> bytes;
  unsigned long items = 0;
  if (!ReadProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    bytes, items) ||
      items == 0) {
    return std::nullopt;
  }
  const long pid = reinterpret_cast<const long*>(bytes.data())[0];
  char host[256] = {};
  if (pid <= 0 || ::gethostname(host, sizeof host - 1) != 0 ||
      !ReadProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, bytes, items) ||
      std::string(bytes.begin(), bytes.end()) != host) {
    return std::nullopt;
  }
  return static_cast<pid_t>(pid);
}

bool OfThisProcess(Display* display, Window window) {
  return LocalProcessOf(display, window) == ::getpid();
}

// A window of another process of this user on this machine. Others on the same display (another
// user's game) do not count, nor does a window whose owner cannot be told.
bool OfAnotherProcessOfThisUser(Display* display, Window window) {
  const std::optional<pid_t> pid = LocalProcessOf(display, window);
  if (!pid || *pid == ::getpid())
    return false;
  struct stat status {};
  return ::stat(("/proc/" + std::to_string(*pid)).c_str(), &status) == 0 &&
         status.st_uid == ::getuid();
}

// The process group of local process `pid` of this user, from /proc/PID/stat (its fifth field,
// after the command name in parentheses, which may itself hold blanks and parentheses).
std::optional<pid_t> ProcessGroupOf(pid_t pid) {
  const std::string folder = "/proc/" + std::to_string(pid);
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0 || status.st_uid != ::getuid())
    return std::nullopt;
  std::FILE* file = std::fopen((folder + "/stat").c_str(), "re");
  if (file == nullptr)
    return std::nullopt;
  char buffer[1024] = {};
  const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, file);
  std::fclose(file);
  const char* end = std::strrchr(buffer, ')');
  char state = 0;
  long parent = 0;
  long group = 0;
  if (n == 0 || end == nullptr || std::sscanf(end + 1, " %c %ld %ld", &state, &parent, &group) != 3)
    return std::nullopt;
  return static_cast<pid_t>(group);
}

bool InProcessGroup(Display* display, Window window, pid_t group) {
  const std::optional<pid_t> pid = LocalProcessOf(display, window);
  return pid && ProcessGroupOf(*pid) == group;
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

// The first client window of another process of this user with this class and title, shown or
// minimised.
// Each look is a round trip: the class, which almost every other window fails, comes first.
std::optional<Window> OtherProcessWindow(Display* d, const QString& wm_class,
                                         const QString& title) {
  for (Window window : ClientWindows(d)) {
    if (WindowClass(d, window) == wm_class && WindowTitle(d, window) == title &&
        (IsShown(d, window) || IsMinimised(d, window)) && OfAnotherProcessOfThisUser(d, window)) {
      return window;
    }
  }
  return std::nullopt;
}

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

// The reply to `cookie`, or null; an error (a window gone meanwhile) comes back here, not through
// the event queue, and is dropped.
template <typename T, typename Cookie>
XcbReply<T> Reply(T* (*get)(xcb_connection_t*, Cookie, xcb_generic_error_t**), xcb_connection_t* c,
                  Cookie cookie) {
  xcb_generic_error_t* error = nullptr;
  T* reply = get(c, cookie, &error);
  std::free(error);
  return XcbReply<T>(reply, &std::free);
}

xcb_get_property_cookie_t AskClass(xcb_connection_t* c, xcb_window_t window) {
  return xcb_get_property(c, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256);
}

// Whether the answer to AskClass names the class (WM_CLASS: the instance name, then the class
// name, each ending in a zero byte).
bool HasClass(xcb_connection_t* c, xcb_get_property_cookie_t cookie, const QByteArray& wm_class) {
  const XcbReply<xcb_get_property_reply_t> reply = Reply(xcb_get_property_reply, c, cookie);
  if (!reply || reply->format != 8)
    return false;
  const QByteArray value(static_cast<const char*>(xcb_get_property_value(reply.get())),
                         xcb_get_property_value_length(reply.get()));
  const qsizetype end = value.indexOf('\0');
  return end >= 0 && value.mid(end + 1).split('\0').value(0) == wm_class;
}

// Whether any window that can be a client window (a child of the root or of one of its children,
// or one in the window manager's client list) has this class: a superset of ClientWindows. The
// requests of each level go out together, so this takes three round trips however many windows
// the desktop has, where looking at the windows one by one takes two or three each. Nothing when
// the application has no X11 connection of its own to ask on.
std::optional<bool> MayHaveWindowOfClass(const QByteArray& wm_class) {
  auto* x11 = qGuiApp != nullptr && PlatformIsX11()
                  ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                  : nullptr;
  xcb_connection_t* c = x11 != nullptr ? x11->connection() : nullptr;
  Display* display = x11 != nullptr ? x11->display() : nullptr;
  if (c == nullptr || display == nullptr)
    return std::nullopt;
  const auto root = static_cast<xcb_window_t>(DefaultRootWindow(display));
  static constexpr char kClientList[] = "_NET_CLIENT_LIST";
  const xcb_intern_atom_cookie_t atom_cookie =
      xcb_intern_atom(c, 1, sizeof kClientList - 1, kClientList);
  const xcb_query_tree_cookie_t tree_cookie = xcb_query_tree(c, root);
  const XcbReply<xcb_intern_atom_reply_t> atom = Reply(xcb_intern_atom_reply, c, atom_cookie);
  const XcbReply<xcb_query_tree_reply_t> tree = Reply(xcb_query_tree_reply, c, tree_cookie);

  // The root's children, with their own children and the client list asked for at once.
  std::optional<xcb_get_property_cookie_t> list_cookie;
  if (atom && atom->atom != XCB_ATOM_NONE)
    list_cookie = xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1 << 16);
  std::vector<xcb_get_property_cookie_t> classes;
  std::vector<xcb_query_tree_cookie_t> subtrees;
  if (tree) {
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
      classes.push_back(AskClass(c, children[i]));
      subtrees.push_back(xcb_query_tree(c, children[i]));
    }
  }
  std::vector<xcb_window_t> next;
  if (list_cookie) {
    const XcbReply<xcb_get_property_reply_t> list = Reply(xcb_get_property_reply, c, *list_cookie);
    if (list && list->format == 32) {
      const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
      next.insert(next.end(), ids, ids + xcb_get_property_value_length(list.get()) / 4);
    }
  }
  bool found = false;
  // Every reply is taken, also after a match, so that none is left waiting on the connection.
  for (const xcb_get_property_cookie_t& cookie : classes)
    found = HasClass(c, cookie, wm_class) || found;
  for (const xcb_query_tree_cookie_t& cookie : subtrees) {
    if (const XcbReply<xcb_query_tree_reply_t> subtree = Reply(xcb_query_tree_reply, c, cookie)) {
      const xcb_window_t* children = xcb_query_tree_children(subtree.get());
      next.insert(next.end(), children, children + xcb_query_tree_children_length(subtree.get()));
    }
  }

  // Their children and the listed clients.
  classes.clear();
  for (xcb_window_t window : next)
    classes.push_back(AskClass(c, window));
  for (const xcb_get_property_cookie_t& cookie : classes)
    found = HasClass(c, cookie, wm_class) || found;
  return found;
}

}  // namespace

bool OtherProcessHasTopLevelWindow(const QString& wm_class, const QString& title) {
  // On almost every start no window of the class exists at all, which is settled at once.
  if (MayHaveWindowOfClass(wm_class.toLocal8Bit()) == false)
    return false;
  DisplayPtr display = DisplayForReading();
  if (!display)
    return false;
  ErrorHandlerScope errors;
  return OtherProcessWindow(display.get(), wm_class, title).has_value();
}

namespace {

// Restores and raises `window` of another client: through the window manager when there is one,
// else directly.
void Activate(Display* d, Window window) {
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
}

// The client windows, shown or minimised, of this user's processes in process group `group`.
std::vector<Window> WindowsOfProcessGroup(Display* d, pid_t group) {
  std::vector<Window> found;
  for (Window window : ClientWindows(d)) {
    if ((IsShown(d, window) || IsMinimised(d, window)) && InProcessGroup(d, window, group))
      found.push_back(window);
  }
  return found;
}

}  // namespace

bool RaiseTopLevelWindow(const QString& wm_class, const QString& title) {
  DisplayPtr display = OpenDisplay();
  if (!display)
    return false;
  ErrorHandlerScope errors;
  const std::optional<Window> found = OtherProcessWindow(display.get(), wm_class, title);
  if (!found)
    return false;
  Activate(display.get(), *found);
  return true;
}

bool RaiseWindowOfProcessGroup(pid_t group) {
  DisplayPtr display = OpenDisplay();
  if (!display)
    return false;
  ErrorHandlerScope errors;
  const std::vector<Window> windows = WindowsOfProcessGroup(display.get(), group);
  if (windows.empty())
    return false;
  Activate(display.get(), windows.front());
  return true;
}

bool CloseWindowsOfProcessGroup(pid_t group) {
  DisplayPtr display = OpenDisplay();
  if (!display)
    return false;
  ErrorHandlerScope errors;
  const std::vector<Window> windows = WindowsOfProcessGroup(display.get(), group);
  for (Window window : windows)
    AskToClose(display.get(), window);
  return !windows.empty();
}

}  // namespace orbello::platform
