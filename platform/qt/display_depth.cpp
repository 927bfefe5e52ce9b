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

#include "platform/qt/translation.h"

// Xlib defines macros (None, Bool, Status) that clash with Qt: it comes after every Qt header.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace orbello::platform {
namespace {

// True when `font` has a glyph for every character of `text`.
bool Draws(const XFontStruct* font, const QString& text) {
  for (const QChar c : text) {
    const unsigned row = c.unicode() >> 8;
    const unsigned column = c.unicode() & 0xFF;
    if (c.isSurrogate() || row < font->min_byte1 || row > font->max_byte1 ||
        column < font->min_char_or_byte2 || column > font->max_char_or_byte2) {
      return false;
    }
    if (font->per_char != nullptr) {
      const unsigned columns = font->max_char_or_byte2 - font->min_char_or_byte2 + 1;
      const XCharStruct& glyph =
          font->per_char[(row - font->min_byte1) * columns + column - font->min_char_or_byte2];
      if (glyph.width == 0 && glyph.lbearing == 0 && glyph.rbearing == 0)
        return false;
    }
  }
  return true;
}

// The core font of the box, one that can draw `said` where the server has one: the usual fixed
// font's Unicode face first, then any other Unicode face (the server may have one with Chinese or
// Japanese). Else the server's own "fixed" (Latin-1), and `*drawable` false when that cannot.
XFontStruct* LoadBoxFont(Display* display, const std::vector<QString>& said, bool* drawable) {
  auto draws_all = [&](const XFontStruct* font) {
    return std::all_of(said.begin(), said.end(),
                       [font](const QString& line) { return Draws(font, line); });
  };
  std::vector<std::string> names = {"-misc-fixed-medium-r-semicondensed--13-*-*-*-*-*-iso10646-1"};
  int count = 0;
  if (char** listed =
          XListFonts(display, "-*-*-medium-r-normal--*-*-*-*-c-*-iso10646-1", 64, &count)) {
    names.insert(names.end(), listed, listed + count);
    XFreeFontNames(listed);
  }
  names.push_back("fixed");
  for (const std::string& name : names) {
    XFontStruct* font = XLoadQueryFont(display, name.c_str());
    if (font == nullptr)
      continue;
    if (draws_all(font) || name == "fixed") {
      *drawable = draws_all(font);
      return font;
    }
    XFreeFont(display, font);
  }
  return nullptr;
}

std::vector<XChar2b> Glyphs(const QString& text) {
  std::vector<XChar2b> glyphs;
  for (const QChar c : text) {
    glyphs.push_back({static_cast<unsigned char>(c.unicode() >> 8),
                      static_cast<unsigned char>(c.unicode() & 0xFF)});
  }
  return glyphs;
}

// A message box drawn with the core protocol only, in black and white, on a connection of its
// own: Qt's own box would be as black as the window. The lines are said in the player's language
// where the font can draw them, else in English. Returns when the player presses a key, clicks
// OK or closes it.
void ShowPlainMessageBox(Display* display, const std::string& caption,
                         const std::vector<QString>& said, const std::vector<QString>& english) {
  bool drawable = false;
  XFontStruct* font = LoadBoxFont(display, said, &drawable);
  if (font == nullptr)
    return;
  std::vector<std::vector<XChar2b>> lines;
  for (const QString& line : drawable ? said : english)
    lines.push_back(Glyphs(line));
  const std::vector<XChar2b> ok = Glyphs(QStringLiteral("OK"));
  const int screen = DefaultScreen(display);
  const unsigned long black = BlackPixel(display, screen);
  const unsigned long white = WhitePixel(display, screen);
  const int line_height = font->ascent + font->descent + 4;
  auto width_of = [font](const std::vector<XChar2b>& glyphs) {
    return XTextWidth16(font, glyphs.data(), static_cast<int>(glyphs.size()));
  };
  int text_width = 0;
  for (const std::vector<XChar2b>& line : lines)
    text_width = std::max(text_width, width_of(line));
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
            XDrawString16(display, window, gc, 20,
                          20 + font->ascent + static_cast<int>(i) * line_height, lines[i].data(),
                          static_cast<int>(lines[i].size()));
          }
          XDrawRectangle(display, window, gc, button_x, button_y, button_width, button_height);
          XDrawString16(display, window, gc, button_x + (button_width - width_of(ok)) / 2,
                        button_y + 4 + font->ascent, ok.data(), static_cast<int>(ok.size()));
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
  static constexpr const char* kUnsupported = QT_TRANSLATE_NOOP(
      "Display", "This display shows %1 bits per pixel; its colour depth is not supported.");
  static constexpr const char* kNeeded = QT_TRANSLATE_NOOP(
      "Display", "Corvane Orbello needs a display of at least %1 bits per pixel.");
  const std::vector<QString> english = {QString::fromLatin1(kUnsupported).arg(depth),
                                        QString::fromLatin1(kNeeded).arg(kLeastDisplayDepth)};
  const std::vector<QString> said = {Translate("Display", kUnsupported).arg(depth),
                                     Translate("Display", kNeeded).arg(kLeastDisplayDepth)};
  std::fprintf(stderr, "%s: %s %s\n", program.c_str(), said[0].toLocal8Bit().constData(),
               said[1].toLocal8Bit().constData());
  std::fflush(stderr);
  ShowPlainMessageBox(display, "Corvane Orbello", said, english);
  XCloseDisplay(display);
  return false;
}

}  // namespace orbello::platform
