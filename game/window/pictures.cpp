#include "pictures.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orbello::window {

int ScaleOf(const QImage& picture) {
  return std::max(1, qRound(picture.devicePixelRatio()));
}

QRect LogicalRect(const QImage& picture) {
  const int scale = ScaleOf(picture);
  return QRect(0, 0, picture.width() / scale, picture.height() / scale);
}

int PictureScale(qreal device_pixel_ratio) {
  return device_pixel_ratio >= 2.0 ? 2 : 1;
}

void CopyClipped(const QImage& source, const QRect& logical, QImage& target, QPoint logical_at) {
  const int scale = ScaleOf(source);
  const QRect rect(logical.topLeft() * scale, logical.size() * scale);
  const QPoint at = logical_at * scale;
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

QImage BlankPicture(int width, int height, int scale) {
  QImage image(width * scale, height * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(qRgb(0, 0, 0));
  return image;
}

QImage ScalePicture(const QImage& picture, int scale, QSize piece) {
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  if (scale == 1 || source.isNull() || piece.isEmpty())
    return source;
  QImage scaled = BlankPicture(source.width(), source.height(), scale);
  for (int top = 0; top < source.height(); top += piece.height()) {
    for (int left = 0; left < source.width(); left += piece.width()) {
      // A piece cut short by the picture's edge is enlarged as far as it goes.
      const QImage part = source.copy(QRect(QPoint(left, top), piece) & source.rect());
      QImage big =
          part.scaled(part.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      big.setDevicePixelRatio(scale);
      CopyClipped(big, QRect(QPoint(0, 0), part.size()), scaled, QPoint(left, top));
    }
  }
  return scaled;
}

std::string FiveDigits(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%05u", static_cast<unsigned>(std::min<uint32_t>(value, 99999)));
  return text;
}

QImage ComposeNumber(const QImage& score_picture, uint32_t value) {
  const int scale = ScaleOf(score_picture);
  QImage number = BlankPicture(80, 20, scale);
  const std::string digits = FiveDigits(value);
  for (int i = 0; i < 5; ++i) {
    const int d = digits[i] - '0';
    // A fresh work picture per glyph: the parts of a glyph outside a small picture stay black.
    QImage glyph = BlankPicture(16, 20, scale);
    CopyClipped(score_picture, QRect(16 * d, 0, 16, 20), glyph, QPoint(0, 0));
    CopyClipped(glyph, LogicalRect(glyph), number, QPoint(16 * i, 0));
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
  QImage clock = BlankPicture(99, 11, ScaleOf(timer_picture));
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
  const int scale = ScaleOf(type_picture);
  const QRect band(0, 11 * (game_type - 1) * scale, 72 * scale, 11 * scale);
  if (!type_picture.rect().contains(band))
    return {};
  return type_picture.copy(band).convertToFormat(QImage::Format_RGB32);
}

}  // namespace orbello::window
