#include "platform/qt/display_depth.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// Xlib defines macros (None, Bool, Status) that clash with Qt: it comes after every Qt header.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace orbello::platform {
namespace {

// A message box drawn with the core protocol only, in black and white, on a connection of its
// own: Qt's own box would be as black as the window. Returns when the player presses a key, clicks
// OK or closes it.
void ShowPlainMessageBox(Display* display, const std::string& caption,
                         const std::vector<std::string>& lines) {
  XFontStruct* font = XLoadQueryFont(display, "fixed");
  if (font == nullptr)
    return;
  const int screen = DefaultScreen(display);
  const unsigned long black = BlackPixel(display, screen);
  const unsigned long white = WhitePixel(display, screen);
  const int line_height = font->ascent + font->descent + 4;
  int text_width = 0;
  for (const std::string& line : lines) {
    text_width =
        std::max(text_width, XTextWidth(font, line.c_str(), static_cast<int>(line.size())));
  }
  const int width = text_width + 40;
  const int height = static_cast<int>(lines.size()) * line_height + 70;
  const int button_width = 80;
  const int button_height = line_height + 8;
  const int button_x = (width - button_width) / 2;
  const int button_y = height - button_height - 16;
  const Window window = XCreateSimpleWindow(
      display, RootWindow(display, screen), (DisplayWidth(display, screen) - width) / 2,
      (DisplayHeight(display, screen) - height) / 2, static_cast<unsigned>(width),
      static_cast<unsigned>(height), 1, black, white);
  XStoreName(display, window, caption.c_str());
  long pid = ::getpid();
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<unsigned char*>(&pid), 1);
  Atom close = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, window, &close, 1);
  XSelectInput(display, window, ExposureMask | KeyPressMask | ButtonPressMask);
  const GC gc = XCreateGC(display, window, 0, nullptr);
  XSetFont(display, gc, font->fid);
  XSetForeground(display, gc, black);
  XMapRaised(display, window);
  for (bool done = false; !done;) {
    XEvent event{};
    XNextEvent(display, &event);
    switch (event.type) {
      case Expose:
        if (event.xexpose.count == 0) {
          for (std::size_t i = 0; i < lines.size(); ++i) {
            XDrawString(display, window, gc, 20,
                        20 + font->ascent + static_cast<int>(i) * line_height, lines[i].c_str(),
                        static_cast<int>(lines[i].size()));
          }
          XDrawRectangle(display, window, gc, button_x, button_y, button_width, button_height);
          XDrawString(display, window, gc,
                      button_x + (button_width - XTextWidth(font, "OK", 2)) / 2,
                      button_y + 4 + font->ascent, "OK", 2);
        }
        break;
      case KeyPress:
        done = true;
        break;
      case ButtonPress:
        done = event.xbutton.x >= button_x && event.xbutton.x < button_x + button_width &&
               event.xbutton.y >= button_y && event.xbutton.y < button_y + button_height;
        break;
      case ClientMessage:
        done = static_cast<Atom>(event.xclient.data.l[0]) == close;
        break;
      default:
        break;
    }
  }
  XFreeGC(display, gc);
  XDestroyWindow(display, window);
  XFreeFont(display, font);
  XSync(display, False);
}

}  // namespace

bool DisplayDepthSupported() {
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    return true;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr)
    return true;
  const int depth = DefaultDepth(display, DefaultScreen(display));
  if (depth >= kLeastDisplayDepth) {
    XCloseDisplay(display);
    return true;
  }
  const std::string program =
      QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
  const std::string said =
      QString("This display shows %1 bits per pixel; its colour depth is not supported.")
          .arg(depth)
          .toStdString();
  const std::string needed =
      QString("Corvane Orbello needs a display of at least %1 bits per pixel.")
          .arg(kLeastDisplayDepth)
          .toStdString();
  std::fprintf(stderr, "%s: %s %s\n", program.c_str(), said.c_str(), needed.c_str());
  std::fflush(stderr);
  ShowPlainMessageBox(display, "Corvane Orbello", {said, needed});
  XCloseDisplay(display);
  return false;
}

}  // namespace orbello::platform
