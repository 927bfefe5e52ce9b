#include "pictures.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orbello::window {

void CopyClipped(const QImage& source, const QRect& rect, QImage& target, QPoint at) {
  const QRect inside = rect & source.rect();
  if (inside.isEmpty())
    return;
  const QPoint shift = at - rect.topLeft();
  const QRect dest = inside.translated(shift) & target.rect();
  if (dest.isEmpty())
    return;
  if (target.format() != QImage::Format_RGB32)
    target = target.convertToFormat(QImage::Format_RGB32);
  const QImage src = source.format() == QImage::Format_RGB32
                         ? source
                         : source.convertToFormat(QImage::Format_RGB32);
  const size_t bytes = static_cast<size_t>(dest.width()) * sizeof(QRgb);
  for (int y = dest.top(); y <= dest.bottom(); ++y) {
    const auto* from =
        reinterpret_cast<const QRgb*>(src.constScanLine(y - shift.y())) + (dest.left() - shift.x());
    auto* to = reinterpret_cast<QRgb*>(target.scanLine(y)) + dest.left();
    std::memcpy(to, from, bytes);
  }
}

QImage BlankPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(qRgb(0, 0, 0));
  return image;
}

std::string FiveDigits(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%05u", static_cast<unsigned>(std::min<uint32_t>(value, 99999)));
  return text;
}

QImage ComposeNumber(const QImage& score_picture, uint32_t value) {
  QImage number = BlankPicture(80, 20);
  const std::string digits = FiveDigits(value);
  for (int i = 0; i < 5; ++i) {
    const int d = digits[i] - '0';
    // A fresh work picture per glyph: the parts of a glyph outside a small picture stay black.
    QImage glyph = BlankPicture(16, 20);
    CopyClipped(score_picture, QRect(16 * d, 0, 16, 20), glyph, QPoint(0, 0));
    CopyClipped(glyph, glyph.rect(), number, QPoint(16 * i, 0));
  }
  return number;
}

std::string ClockText(int seconds) {
  const int hours = seconds / 3600;
  const int minutes = (seconds - 3600 * hours) / 60;
  const int rest = seconds - 3600 * hours - 60 * minutes;
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, rest);
  return text;
}

QImage ComposeClock(const QImage& timer_picture, int seconds) {
  QImage clock = BlankPicture(99, 11);
  const std::string text = ClockText(seconds);
  for (size_t p = 0; p < text.size() && p < 11; ++p) {
    const int column = text[p] == ':' ? 10 : text[p] - '0';
    if (column < 0 || column > 10)
      continue;
    CopyClipped(timer_picture, QRect(9 * column, 0, 9, 11), clock,
                QPoint(9 * static_cast<int>(p), 0));
  }
  return clock;
}

QImage GameTypeBand(const QImage& type_picture, int game_type) {
  if (game_type < 1 || game_type > 3)
    return {};
  const QRect band(0, 11 * (game_type - 1), 72, 11);
  if (!type_picture.rect().contains(band))
    return {};
  return type_picture.copy(band).convertToFormat(QImage::Format_RGB32);
}

}  // namespace orbello::window
