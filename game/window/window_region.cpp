#include "window_region.h"

#include <QList>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace orbello::window {

QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipse_w, int ellipse_h) {
  if (right <= left || bottom <= top)
    return {};
  const double rx = std::min(ellipse_w, right - left) / 2.0;
  const double ry = std::min(ellipse_h, bottom - top) / 2.0;
  QList<QRect> rows;
  rows.reserve(bottom - top);
  for (int y = top; y < bottom; ++y) {
    const double cy = y + 0.5;
    double dy = 0.0;
    if (cy < top + ry) {
      dy = top + ry - cy;
    } else if (cy > bottom - ry) {
      dy = cy - (bottom - ry);
    }
    double dx = rx;
    if (dy > 0.0 && ry > 0.0) {
      const double t = dy / ry;
      dx = t >= 1.0 ? 0.0 : rx * std::sqrt(1.0 - t * t);
    }
    const double xl = left + rx - dx;
    const double xr = right - rx + dx;
    // Pixel x belongs to the row when its centre lies inside [xl, xr].
    const int first = static_cast<int>(std::ceil(xl - 0.5));
    const int last = static_cast<int>(std::floor(xr - 0.5));
    if (last >= first)
      rows.append(QRect(first, y, last - first + 1, 1));
  }
  QRegion region;
  region.setRects(rows.constData(), static_cast<int>(rows.size()));
  return region;
}

QRegion MakeWindowRegion() {
  const QRegion gold = RoundRectRegion(0, 0, 376, 376, 374, 374);
  const QRegion blue = RoundRectRegion(111, 0, 591, 480, 479, 479);
  if (gold.isEmpty() || blue.isEmpty())
    return {};
  return gold.united(blue);
}

QRegion RegionFromBitmap(const QImage& picture, QRgb key, QRgb tolerance) {
  if (picture.isNull())
    return {};
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  auto range = [](int key_value, int tolerance_value) {
    return std::pair<int, int>(key_value, std::min(255, key_value + tolerance_value));
  };
  const auto [r_lo, r_hi] = range(qRed(key), qRed(tolerance));
  const auto [g_lo, g_hi] = range(qGreen(key), qGreen(tolerance));
  const auto [b_lo, b_hi] = range(qBlue(key), qBlue(tolerance));
  auto see_through = [&](QRgb p) {
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    return r >= r_lo && r <= r_hi && g >= g_lo && g <= g_hi && b >= b_lo && b <= b_hi;
  };
  QList<QRect> runs;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    int x = 0;
    while (x < image.width()) {
      while (x < image.width() && see_through(line[x]))
        ++x;
      const int start = x;
      while (x < image.width() && !see_through(line[x]))
        ++x;
      if (x > start)
        runs.append(QRect(start, y, x - start, 1));
    }
  }
  QRegion region;
  region.setRects(runs.constData(), static_cast<int>(runs.size()));
  return region;
}

}  // namespace orbello::window
