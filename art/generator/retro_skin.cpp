// The retro skin: pixel art at twice the size, seven-segment digits.

#include <algorithm>
#include <cmath>

#include "raster.h"
#include "skin_painters.h"

namespace orbello::art {

namespace {

constexpr int kPix = 2;  // one art pixel is 2 x 2 screen pixels
constexpr int kGrid = kTile / kPix;

// A 16 x 16 sprite canvas, blown up without smoothing when drawn: pixel art stays pixel art at
// every density.
QImage Sprite() {
  QImage sprite(kGrid, kGrid, QImage::Format_ARGB32_Premultiplied);
  sprite.fill(Qt::transparent);
  return sprite;
}

void DrawSprite(QImage& tile, const QImage& sprite, int dx = 0, int dy = 0) {
  const int scale = qRound(tile.devicePixelRatio());
  QImage blown = sprite.scaled(sprite.width() * kPix * scale, sprite.height() * kPix * scale,
                               Qt::IgnoreAspectRatio, Qt::FastTransformation);
  blown.setDevicePixelRatio(scale);
  QPainter p(&tile);
  p.drawImage(QPoint(dx * kPix, dy * kPix), blown);
}

// Four-tone pixel ball with a black outline, lit from the top left. Radii in art pixels.
void PixelBall(QImage& sprite, qreal cx, qreal cy, qreal rx, qreal ry, QColor c) {
  const QColor tones[4] = {Shade(c, 0.42), Shade(c, 0.72), c, Shade(c, 1.45)};
  for (int y = 0; y < sprite.height(); ++y) {
    for (int x = 0; x < sprite.width(); ++x) {
      const qreal nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
      const qreal d2 = nx * nx + ny * ny;
      if (d2 > 1.0)
        continue;
      const qreal edge = std::sqrt(d2);
      if (edge > 1.0 - 1.0 / std::max(rx, ry)) {
        sprite.setPixelColor(x, y, QColor(20, 16, 24));
        continue;
      }
      const qreal nz = std::sqrt(std::max(0.0, 1.0 - d2));
      const qreal light = -0.5 * nx - 0.6 * ny + 0.62 * nz;
      int tone = light > 0.78 ? 3 : light > 0.38 ? 2 : light > 0.02 ? 1 : 0;
      sprite.setPixelColor(x, y, tones[tone]);
    }
  }
  // The glint: a 2-pixel white step.
  const int gx = int(std::floor(cx - 0.42 * rx)), gy = int(std::floor(cy - 0.5 * ry));
  if (rx >= 3.0) {
    sprite.setPixelColor(gx, gy, QColor(255, 255, 255));
    if (rx >= 5.0)
      sprite.setPixelColor(gx + 1, gy, QColor(255, 255, 255));
    if (rx >= 5.0)
      sprite.setPixelColor(gx, gy + 1, QColor(255, 255, 255));
  }
}

void PixelShadow(QImage& sprite, qreal cx, qreal cy, qreal rx, qreal ry) {
  for (int y = 0; y < sprite.height(); ++y) {
    for (int x = 0; x < sprite.width(); ++x) {
      const qreal nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
      if (nx * nx + ny * ny <= 1.0)
        sprite.setPixelColor(x, y, QColor(96, 96, 104));
    }
  }
}

QImage RetroBoard() {
  QImage cell = Canvas(kCell, kCell, QColor(192, 192, 192));
  QPainter p(&cell);
  // Raised tile: two-pixel light and dark bevels, a dark seam between tiles.
  p.fillRect(0, 0, 36, 36, QColor(72, 72, 80));
  p.fillRect(1, 1, 34, 34, QColor(236, 236, 236));
  p.fillRect(3, 3, 32, 32, QColor(120, 120, 128));
  p.fillRect(3, 3, 30, 30, QColor(192, 192, 196));
  // A sunken playing square inside.
  p.fillRect(5, 5, 26, 1, QColor(150, 150, 156));
  p.fillRect(5, 5, 1, 26, QColor(150, 150, 156));
  p.fillRect(6, 30, 25, 1, QColor(216, 216, 220));
  p.fillRect(30, 6, 1, 25, QColor(216, 216, 220));
  return cell;
}

QImage RetroRest(const QImage& inner, QColor c) {
  QImage t = inner;
  QImage s = Sprite();
  PixelShadow(s, 8.5, 13.6, 5.5, 1.4);
  PixelBall(s, 8.0, 7.6, 6.5, 6.5, c);
  DrawSprite(t, s);
  return t;
}

QImage RetroBreak(const QImage& inner, QColor c, int step) {
  QImage t = inner;
  QImage s = Sprite();
  if (step == 1) {
    // A white flash outline around the intact ball.
    PixelBall(s, 8.0, 7.6, 7.3, 7.3, QColor(255, 255, 255));
    QImage ball = Sprite();
    PixelBall(ball, 8.0, 7.6, 6.5, 6.5, Shade(c, 1.3));
    QPainter p(&s);
    p.drawImage(0, 0, ball);
    DrawSprite(t, s);
    return t;
  }
  // The ball falls apart into four quarters that drift out and crumble, then into single
  // pixels that fly off and thin out.
  QImage whole = Sprite();
  PixelBall(whole, 8.0, 7.6, 6.5, 6.5, c);
  const int k = step - 1;  // 1..8
  if (k <= 4) {
    static const int kSpread[5] = {0, 1, 1, 2, 2};
    QPainter p(&s);
    const QRect quarters[4] = {QRect(0, 0, 8, 8), QRect(8, 0, 8, 8), QRect(0, 8, 8, 8),
                               QRect(8, 8, 8, 8)};
    const QPoint moves[4] = {QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1)};
    for (int q = 0; q < 4; ++q) {
      QImage piece = whole.copy(quarters[q]);
      // Crumbling: a growing share of the pixels drops out.
      for (int y = 0; y < piece.height(); ++y) {
        for (int x = 0; x < piece.width(); ++x) {
          if (k >= 3 && (x + y + q) % 2 == 0)
            piece.setPixelColor(x, y, Qt::transparent);
          if (k >= 4 && (x * 3 + y + q) % 3 == 0)
            piece.setPixelColor(x, y, Qt::transparent);
        }
      }
      p.drawImage(quarters[q].topLeft() + moves[q] * kSpread[k] + QPoint(0, k / 3), piece);
    }
  }
  // Debris: pixels on fixed rays, flying out and thinning out, always inside the cell.
  const QColor bright = Shade(c, 1.5);
  for (int i = 0; i < 12; ++i) {
    if (k < 2)
      break;
    const qreal a = (i * 30.0 + 15.0) * kPi / 180.0;
    const qreal dist = 3.0 + 0.75 * k + (i % 3) * 0.5;
    const int x = std::clamp(int(std::lround(8.0 + std::cos(a) * dist)), 1, kGrid - 2);
    const int y =
        std::clamp(int(std::lround(7.6 + std::sin(a) * dist + 0.06 * k * k)), 1, kGrid - 2);
    if (k >= 5 && (i + k) % 3 == 0)
      continue;  // fewer and fewer
    if (k >= 7 && i % 2 == 0)
      continue;
    s.setPixelColor(x, y, (i + k) % 2 ? bright : QColor(255, 255, 255));
  }
  DrawSprite(t, s);
  return t;
}

QImage RetroPreview(const QImage& inner, QColor c) {
  QImage t = inner;
  QImage s = Sprite();
  PixelBall(s, 8.0, 8.0, 6.0, 6.0, c);
  DrawSprite(t, s);
  return t;
}

QImage RetroReserved(const QImage& inner, QColor c) {
  QImage t = inner;
  QImage s = Sprite();
  // A small round gem of the colour with a dark outline.
  const int cx = 8, cy = 8;
  const char* kMark[6] = {"..##..", ".#hc#.", "#hcco#", "#ccoo#", ".#oo#.", "..##.."};
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      const char m = kMark[y][x];
      QColor col;
      if (m == '#')
        col = QColor(20, 16, 24);
      if (m == 'h')
        col = Shade(c, 1.5);
      if (m == 'c')
        col = c;
      if (m == 'o')
        col = Shade(c, 0.7);
      if (m != '.')
        s.setPixelColor(cx - 3 + x, cy - 3 + y, col);
    }
  }
  DrawSprite(t, s);
  return t;
}

QImage RetroGrow(const QImage& inner, QColor c, int step) {
  static const qreal kRadius[4] = {2.6, 3.9, 5.3, 6.8};
  QImage t = inner;
  QImage s = Sprite();
  const qreal r = kRadius[step];
  PixelShadow(s, 8.5, 7.6 + r + 0.2, r * 0.85, std::max(0.8, r * 0.22));
  PixelBall(s, 8.0, 7.6, r, r, c);
  DrawSprite(t, s);
  return t;
}

QImage RetroBounce(const QImage& inner, QColor c, int step) {
  // Lift in art pixels and the squash of the landing frames.
  static const int kLift[8] = {0, 1, 2, 2, 2, 1, 0, 0};
  static const qreal kRx[8] = {6.9, 6.2, 6.4, 6.5, 6.4, 6.2, 6.6, 7.4};
  static const qreal kRy[8] = {6.1, 6.8, 6.6, 6.5, 6.6, 6.8, 6.4, 5.6};
  QImage t = inner;
  QImage s = Sprite();
  const qreal bottom = 14.1 - kLift[step];
  if (kLift[step] == 0)
    PixelShadow(s, 8.5, 13.6, 5.5, 1.4);
  else
    PixelShadow(s, 8.5, 14.2, 5.5 - kLift[step], 1.0);
  PixelBall(s, 8.0, bottom - kRy[step], kRx[step], kRy[step], c);
  DrawSprite(t, s);
  return t;
}

QImage RetroWalk(const QImage& inner, int direction) {
  // A right-pointing arrow; the other directions turn it.
  static const char* const kArrow[9] = {"....#....", "....##...", "#####c#..",
                                        "#cccccc#.", "#ccccccc#", "#cccccc#.",
                                        "#####c#..", "....##...", "....#...."};
  QImage s = Sprite();
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      const char m = kArrow[y][x];
      if (m == '.')
        continue;
      const int lx = x - 4, ly = y - 4;
      int rx = lx, ry = ly;
      if (direction == 1)
        rx = -lx;
      if (direction == 2) {
        rx = ly;
        ry = -lx;
      }
      if (direction == 3) {
        rx = -ly;
        ry = lx;
      }
      s.setPixelColor(7 + rx + (direction == 1 || direction == 3 ? 1 : 0),
                      7 + ry + (direction == 2 ? 1 : 0),
                      m == '#' ? QColor(20, 16, 24) : QColor(224, 32, 32));
    }
  }
  QImage t = inner;
  DrawSprite(t, s);
  return t;
}

// Seven-segment digits drawn on whole pixels.
constexpr uint8_t kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void SevenSegment(QImage& strip, int left, int top, int w, int h, int thick, int digit, QColor on,
                  QColor off) {
  QPainter p(&strip);
  const int mid = top + (h - thick) / 2;
  const QRect seg[7] = {
      QRect(left + thick, top, w - 2 * thick, thick),                          // a
      QRect(left + w - thick, top + thick, thick, mid - top - thick),          // b
      QRect(left + w - thick, mid + thick, thick, top + h - mid - 2 * thick),  // c
      QRect(left + thick, top + h - thick, w - 2 * thick, thick),              // d
      QRect(left, mid + thick, thick, top + h - mid - 2 * thick),              // e
      QRect(left, top + thick, thick, mid - top - thick),                      // f
      QRect(left + thick, mid, w - 2 * thick, thick)};                         // g
  for (int i = 0; i < 7; ++i) {
    p.fillRect(seg[i], (kSegments[digit] >> i) & 1 ? on : off);
  }
}

QImage RetroScore() {
  QImage strip = Canvas(160, 20, QColor(0, 0, 0));
  for (int d = 0; d < 10; ++d) {
    SevenSegment(strip, 16 * d + 3, 2, 10, 16, 2, d, QColor(255, 40, 32), QColor(52, 6, 6));
  }
  return strip;
}

QImage RetroTimer() {
  QImage strip = Canvas(99, 11, QColor(0, 0, 0));
  for (int d = 0; d < 10; ++d) {
    SevenSegment(strip, 9 * d + 2, 1, 5, 9, 1, d, QColor(255, 40, 32), QColor(60, 8, 8));
  }
  QPainter p(&strip);
  p.fillRect(94, 3, 1, 2, QColor(255, 40, 32));
  p.fillRect(94, 7, 1, 2, QColor(255, 40, 32));
  return strip;
}

}  // namespace

SkinPainters RetroPainters() {
  return {.name = "retro",
          .palette = HousePalette(),
          .board = RetroBoard,
          .score = RetroScore,
          .timer = RetroTimer,
          .rest = RetroRest,
          .breaking = RetroBreak,
          .preview = RetroPreview,
          .reserved = RetroReserved,
          .grow = RetroGrow,
          .bounce = RetroBounce,
          .walk = RetroWalk};
}

}  // namespace orbello::art
