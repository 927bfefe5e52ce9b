#include "platform/qt/kit/kit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace orbello::kit {
namespace {

// One line of an edge: top and left in `top_left`, bottom and right in `bottom_right`.
void DrawBorder(QPainter& painter, const QRect& r, const QColor& top_left,
                const QColor& bottom_right) {
  if (r.width() <= 0 || r.height() <= 0)
    return;
  painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), top_left);
  painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), top_left);
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottom_right);
  painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottom_right);
}

// Read when drawn, so that the edges follow the desktop's colour scheme.
struct ThreeDColors {
  QColor highlight, light, shadow, dark_shadow;
};

ThreeDColors SystemColors() {
  const QPalette palette = QApplication::palette();
  return {palette.color(QPalette::Light), palette.color(QPalette::Midlight),
          palette.color(QPalette::Dark), palette.color(QPalette::Shadow)};
}

}  // namespace

QFont GuiFont(FontWidth width) {
  if (width == FontWidth::kSemiCondensed) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStretch(QFont::SemiCondensed);
    font.setPixelSize(11);
    return font;
  }
  // The condensed face comes closest to the widths the layouts were made for; the plain one
  // stands in where it is not installed.
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(11);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QColor WindowTextColor() {
  return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

QImage DarkenImage(const QImage& image, int percent, QColor color) {
  QImage out = image.convertToFormat(QImage::Format_RGB888);
  const int other = 100 - percent;
  const int add[3] = {other * color.red(), other * color.green(), other * color.blue()};
  for (int y = 0; y < out.height(); ++y) {
    uchar* pixel = out.scanLine(y);
    for (int x = 0; x < out.width(); ++x, pixel += 3) {
      for (int c = 0; c < 3; ++c)
        pixel[c] = static_cast<uchar>((percent * pixel[c] + add[c]) / 100);
    }
  }
  return out;
}

void DrawPushFrame(QPainter& painter, const QRect& rect, bool pushed, PushedEdge pushed_edge) {
  const ThreeDColors c = SystemColors();
  if (!pushed) {
    DrawBorder(painter, rect, c.highlight, c.dark_shadow);
    DrawBorder(painter, rect.adjusted(1, 1, -1, -1), c.light, c.shadow);
    return;
  }
  const bool dark_outside = pushed_edge == PushedEdge::kDarkShadowOutside;
  DrawBorder(painter, rect, dark_outside ? c.dark_shadow : c.shadow, c.highlight);
  DrawBorder(painter, rect.adjusted(1, 1, -1, -1), dark_outside ? c.shadow : c.dark_shadow,
             c.light);
}

void DrawEtchedEdge(QPainter& painter, const QRect& rect) {
  const ThreeDColors c = SystemColors();
  DrawBorder(painter, rect, c.shadow, c.highlight);
  DrawBorder(painter, rect.adjusted(1, 1, -1, -1), c.highlight, c.shadow);
}

void DrawSunkenEdge(QPainter& painter, const QRect& rect) {
  const ThreeDColors c = SystemColors();
  DrawBorder(painter, rect, c.shadow, c.highlight);
  DrawBorder(painter, rect.adjusted(1, 1, -1, -1), c.dark_shadow, c.light);
}

void DrawFocusRect(QPainter& painter, const QRect& rect, FocusDots dots) {
  if (rect.width() <= 0 || rect.height() <= 0)
    return;
  painter.save();
  if (dots == FocusDots::kButtonText) {
    painter.setPen(QPen(QApplication::palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
    return;
  }
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  auto dot = [&painter](int x, int y) { painter.fillRect(QRect(x, y, 1, 1), Qt::white); };
  // Every other pixel along the outline, going round from the top left corner.
  int step = 0;
  for (int x = rect.left(); x <= rect.right(); ++x, ++step) {
    if (step % 2 == 0)
      dot(x, rect.top());
  }
  for (int y = rect.top() + 1; y <= rect.bottom(); ++y, ++step) {
    if (step % 2 == 0)
      dot(rect.right(), y);
  }
  for (int x = rect.right() - 1; x >= rect.left(); --x, ++step) {
    if (step % 2 == 0)
      dot(x, rect.bottom());
  }
  for (int y = rect.bottom() - 1; y > rect.top(); --y, ++step) {
    if (step % 2 == 0)
      dot(rect.left(), y);
  }
  painter.restore();
}

void DrawButton(QPainter& painter, const QRect& rect, const QString& caption,
                const QImage& background, const ButtonFace& face, const ButtonLook& look,
                bool deep) {
  if (!background.isNull())
    painter.drawImage(rect.topLeft(), background);
  DrawPushFrame(painter, rect, face.pressed, look.pushed_edge);
  const QRect face_rect = rect.adjusted(look.face[0], look.face[1], -look.face[2], -look.face[3]);
  const QRect under = face_rect.translated(-rect.topLeft());
  if (face.disabled && deep && !background.isNull()) {
    // Only the face goes darker, so that the edge keeps its relief.
    painter.drawImage(face_rect.topLeft(), DarkenImage(background.copy(under), 85, Qt::black));
  } else if (!background.isNull()) {
    painter.drawImage(face_rect.topLeft(), background, under);
  }
  painter.setFont(GuiFont());
  const QRect text_rect = face.pressed ? rect.adjusted(look.pressed_text[0], look.pressed_text[1],
                                                       -look.pressed_text[2], -look.pressed_text[3])
                                       : rect;
  const int flags = Qt::AlignCenter | Qt::TextSingleLine;
  const QPalette palette = QApplication::palette();
  if (face.disabled) {
    painter.setPen(palette.color(QPalette::Light));
    painter.drawText(text_rect.translated(1, 1), flags, caption);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawText(text_rect.translated(-1, 0), flags, caption);
  } else {
    painter.setPen(palette.color(QPalette::ButtonText));
    painter.drawText(text_rect, flags, caption);
  }
  if (face.focused)
    DrawFocusRect(painter, rect.adjusted(4, 4, -4, -4), look.focus_dots);
}

void CentreOver(QWidget* window, const QRect& area) {
  if (window != nullptr)
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void CentreOnWorkArea(QWidget* window) {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    CentreOver(window, screen->availableGeometry());
}

void CentreOnMonitor(QWidget* window, QSize designed_outer) {
  if (window == nullptr)
    return;
  QSize outer = window->frameGeometry().size();
  if (designed_outer.isValid() && outer == window->size())
    outer = designed_outer;
  QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center());
  if (screen == nullptr)
    screen = window->screen();
  if (screen == nullptr)
    screen = QGuiApplication::primaryScreen();
  if (screen == nullptr)
    return;
  const QRect monitor = screen->geometry();  // the whole monitor, not its work area
  window->move(monitor.left() + (monitor.width() - outer.width()) / 2,
               monitor.top() + (monitor.height() - outer.height()) / 2);
}

bool MoveFocusInCycle(const std::vector<QWidget*>& cycle, const QWidget* from, bool backward) {
  const int count = static_cast<int>(cycle.size());
  const auto found = std::find(cycle.begin(), cycle.end(), from);
  int index =
      found == cycle.end() ? (backward ? 0 : count - 1) : static_cast<int>(found - cycle.begin());
  for (int step = 0; step < count; ++step) {
    index = (index + (backward ? count - 1 : 1)) % count;
    QWidget* stop = cycle[static_cast<size_t>(index)];
    if (stop != nullptr && stop->isEnabled() && stop->isVisibleTo(stop->window())) {
      stop->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
      return true;
    }
  }
  return false;
}

std::optional<bool> TabKeyBackward(const QKeyEvent& event) {
  if (event.modifiers().testFlag(Qt::AltModifier))
    return std::nullopt;
  if (event.key() == Qt::Key_Backtab)
    return true;
  if (event.key() == Qt::Key_Tab)
    return event.modifiers().testFlag(Qt::ShiftModifier);
  return std::nullopt;
}

}  // namespace orbello::kit
