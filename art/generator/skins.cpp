#include "skins.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "raster.h"

namespace orbello::art {

const std::array<QColor, kBallColours>& BallColours() {
  // Red, green, blue, yellow, cyan, purple, orange: lightness steps keep red/green and
  // blue/purple apart for protan, deutan and tritan vision too (checked by the tests).
  static const std::array<QColor, kBallColours> kColours = {
      QColor(175, 15, 15),   QColor(38, 155, 108), QColor(60, 50, 245), QColor(255, 240, 20),
      QColor(125, 240, 255), QColor(163, 73, 191), QColor(238, 138, 47)};
  return kColours;
}

namespace {

constexpr qreal kPi = 3.14159265358979323846;

// ---------------------------------------------------------------- shared frame plumbing

// The 32 x 32 tile a frame is painted on: the inner part of the skin's empty cell, since the
// game copies a tile over exactly those pixels.
QImage CellInner(const QImage& board) {
  return CopyLogical(board, QRect(2, 2, kTile, kTile))
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void PutTile(QImage& sheet, const QImage& tile, int column, int row) {
  QPainter p(&sheet);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(column * kTile, row * kTile, tile);
}

// ---------------------------------------------------------------- classic: glossy balls

constexpr qreal kRestRadius = 12.5;
const QPointF kRestCentre(16.0, 15.0);

void PaintShadow(QPainter& p, QPointF centre, qreal rx, qreal ry, qreal strength) {
  QRadialGradient g(centre, 1.0);
  g.setColorAt(0.0, QColor(0, 0, 0, int(150 * strength)));
  g.setColorAt(0.6, QColor(0, 0, 0, int(70 * strength)));
  g.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.save();
  p.translate(centre);
  p.scale(rx, ry);
  p.translate(-centre);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, 1.0, 1.0);
  p.restore();
}

// A glossy sphere of radius r around `centre`, squashed by sx/sy (1 = round).
void PaintGlossyBall(QPainter& p, QPointF centre, qreal r, QColor base, qreal sx = 1.0,
                     qreal sy = 1.0) {
  p.save();
  p.translate(centre);
  p.scale(sx, sy);
  p.setPen(Qt::NoPen);

  QRadialGradient body(QPointF(-0.3 * r, -0.38 * r), 1.5 * r, QPointF(-0.35 * r, -0.45 * r));
  body.setColorAt(0.00, Shade(base, 1.60));
  body.setColorAt(0.22, Shade(base, 1.18));
  body.setColorAt(0.50, base);
  body.setColorAt(0.80, Shade(base, 0.58));
  body.setColorAt(1.00, Shade(base, 0.32));
  p.setBrush(body);
  p.drawEllipse(QPointF(0, 0), r, r);

  // Light bounced back from the board under the ball.
  QRadialGradient bounce(QPointF(0, 0.78 * r), 0.75 * r);
  QColor glow = Shade(base, 1.35);
  glow.setAlpha(140);
  bounce.setColorAt(0.0, glow);
  glow.setAlpha(0);
  bounce.setColorAt(1.0, glow);
  QPainterPath clip;
  clip.addEllipse(QPointF(0, 0), r, r);
  p.setClipPath(clip);
  p.setBrush(bounce);
  p.drawEllipse(QPointF(0, 0.78 * r), 0.75 * r, 0.5 * r);
  p.setClipping(false);

  // Rim.
  QColor rim = Shade(base, 0.28);
  rim.setAlpha(170);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(rim, 0.9));
  p.drawEllipse(QPointF(0, 0), r - 0.45, r - 0.45);

  // Window highlight and its sparkle.
  p.setPen(Qt::NoPen);
  QLinearGradient shine(QPointF(0, -0.86 * r), QPointF(0, -0.2 * r));
  shine.setColorAt(0.0, QColor(255, 255, 255, 225));
  shine.setColorAt(1.0, QColor(255, 255, 255, 18));
  p.setBrush(shine);
  p.drawEllipse(QRectF(-0.64 * r, -0.84 * r, 0.98 * r, 0.62 * r));
  p.setBrush(QColor(255, 255, 255, 245));
  p.drawEllipse(QPointF(-0.38 * r, -0.56 * r), 0.11 * r, 0.09 * r);
  p.restore();
}

QImage ClassicBoard() {
  QImage cell = Canvas(kCell, kCell, QColor(12, 19, 34));
  QPainter p(&cell);
  Smooth(p);
  p.setPen(Qt::NoPen);
  QLinearGradient face(0, 1, 0, 35);
  face.setColorAt(0.0, QColor(66, 88, 124));
  face.setColorAt(1.0, QColor(42, 58, 88));
  p.setBrush(face);
  p.drawRoundedRect(QRectF(1, 1, 34, 34), 3, 3);
  // Bevel: lit from the top left.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 144, 182, 150), 1));
  p.drawLine(QPointF(3, 1.5), QPointF(33, 1.5));
  p.drawLine(QPointF(1.5, 3), QPointF(1.5, 33));
  p.setPen(QPen(QColor(16, 24, 40, 170), 1));
  p.drawLine(QPointF(3, 34.5), QPointF(33, 34.5));
  p.drawLine(QPointF(34.5, 3), QPointF(34.5, 33));
  // A shallow dish for the ball to sit in.
  QRadialGradient dish(QPointF(18, 19), 15, QPointF(18, 22));
  dish.setColorAt(0.0, QColor(36, 50, 78));
  dish.setColorAt(0.75, QColor(44, 61, 92));
  dish.setColorAt(1.0, QColor(54, 73, 107));
  p.setPen(Qt::NoPen);
  p.setBrush(dish);
  p.drawRoundedRect(QRectF(4.5, 4.5, 27, 27), 7, 7);
  QLinearGradient lip(0, 4, 0, 32);
  lip.setColorAt(0.0, QColor(14, 22, 40, 150));
  lip.setColorAt(0.5, QColor(14, 22, 40, 0));
  lip.setColorAt(1.0, QColor(150, 172, 206, 90));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(lip), 1.0));
  p.drawRoundedRect(QRectF(4.5, 4.5, 27, 27), 7, 7);
  return cell;
}

QImage ClassicRest(const QImage& inner, QColor c) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  PaintShadow(p, QPointF(16.5, 27.2), 10.5, 3.4, 1.0);
  PaintGlossyBall(p, kRestCentre, kRestRadius, c);
  return t;
}

QImage BallSprite(QColor c, qreal r) {
  QImage s = Canvas(kTile, kTile);
  QPainter p(&s);
  Smooth(p);
  PaintGlossyBall(p, kRestCentre, r, c);
  return s;
}

void PaintSparkle(QPainter& p, QPointF at, qreal size, QColor colour) {
  p.save();
  p.translate(at);
  QPainterPath star;
  star.moveTo(0, -size);
  star.quadTo(0, 0, size, 0);
  star.quadTo(0, 0, 0, size);
  star.quadTo(0, 0, -size, 0);
  star.quadTo(0, 0, 0, -size);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(star);
  QColor core(255, 255, 255, colour.alpha());
  p.setBrush(core);
  p.drawEllipse(QPointF(0, 0), size * 0.22, size * 0.22);
  p.restore();
}

// Breaking apart: a flash and cracks, then six shards flying out, turning and fading while
// sparks burst and die away.
QImage ClassicBreak(const QImage& inner, QColor c, int step) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  const qreal s = (step - 1) / 8.0;  // 0 at step 1, 1 at step 9
  const QImage whole = BallSprite(c, kRestRadius);
  if (step == 1) {
    PaintShadow(p, QPointF(16.5, 27.2), 10.5, 3.4, 0.9);
    p.drawImage(0, 0, whole);
    // Flash and crack lines.
    QRadialGradient flash(kRestCentre, kRestRadius);
    flash.setColorAt(0.0, QColor(255, 255, 255, 150));
    flash.setColorAt(1.0, QColor(255, 255, 255, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(flash);
    p.drawEllipse(kRestCentre, kRestRadius, kRestRadius);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 6; ++k) {
      const qreal a = (k * 60 + 15) * kPi / 180.0;
      const QPointF mid = kRestCentre + QPointF(std::cos(a + 0.25), std::sin(a + 0.25)) * 5.5;
      const QPointF end = kRestCentre + QPointF(std::cos(a), std::sin(a)) * (kRestRadius - 0.5);
      p.drawLine(kRestCentre, mid);
      p.drawLine(mid, end);
    }
    return t;
  }
  // Shards: wedges of the whole ball moving outwards.
  const int shards = 6;
  const qreal travel = 1.2 + 8.0 * std::pow(s, 0.8);
  const qreal scale = 1.0 - 0.62 * s;
  const qreal opacity = std::clamp(1.15 - 1.1 * s, 0.0, 1.0);
  if (opacity > 0.02) {
    for (int k = 0; k < shards; ++k) {
      const qreal a0 = (k * 60 + 15) * kPi / 180.0;
      const qreal mid = a0 + kPi / 6;
      QPainterPath wedge;
      wedge.moveTo(kRestCentre);
      wedge.arcTo(QRectF(kRestCentre.x() - 14, kRestCentre.y() - 14, 28, 28), -(k * 60 + 15), -60);
      wedge.closeSubpath();
      p.save();
      p.setOpacity(opacity);
      const QPointF dir(std::cos(mid), std::sin(mid));
      // Gravity pulls the shards down a little as they fly.
      p.translate(kRestCentre + dir * travel + QPointF(0, 3.0 * s * s));
      p.rotate((k % 2 ? 1 : -1) * 40.0 * s);
      p.scale(scale, scale);
      p.translate(-kRestCentre);
      p.setClipPath(wedge);
      p.drawImage(0, 0, whole);
      p.restore();
    }
  }
  // Sparks: bright where the ball was, then spreading and fading.
  const QColor spark_colour = Shade(c, 1.55);
  for (int k = 0; k < 8; ++k) {
    const qreal a = (k * 45 + 22.5 * (k % 2)) * kPi / 180.0;
    const qreal born = 0.05 * (k % 3);
    const qreal life = std::clamp((s - born) / (1.0 - born), 0.0, 1.0);
    if (life <= 0.0)
      continue;
    const qreal dist = 4.0 + 11.0 * life * (k % 2 ? 0.8 : 1.0);
    const qreal size = 3.2 * (1.0 - life) + 0.6;
    QColor col = Mix(QColor(255, 255, 255), spark_colour, life);
    col.setAlpha(int(255 * std::clamp(1.2 - life, 0.0, 1.0)));
    PaintSparkle(p, kRestCentre + QPointF(std::cos(a), std::sin(a)) * dist, size, col);
  }
  return t;
}

QImage ClassicPreview(const QImage& inner, QColor c) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  PaintShadow(p, QPointF(16.5, 26.5), 9.0, 3.0, 0.8);
  PaintGlossyBall(p, QPointF(16, 15.5), 11.0, c);
  return t;
}

// The mark of a reserved cell: a small seed of the colour in a faint ring.
QImage ClassicReserved(const QImage& inner, QColor c) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  QColor ring = Shade(c, 1.2);
  ring.setAlpha(110);
  p.setPen(QPen(ring, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(16, 16.5), 8.0, 8.0);
  PaintShadow(p, QPointF(16.3, 21.4), 4.8, 1.6, 0.8);
  PaintGlossyBall(p, QPointF(16, 16.5), 4.6, c);
  return t;
}

// Growing: a small glowing seed swells to full size with a slight overshoot.
QImage ClassicGrow(const QImage& inner, QColor c, int step) {
  static const qreal kRadius[4] = {4.2, 7.4, 10.4, 13.3};
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  const qreal r = kRadius[step];
  const qreal k = r / kRestRadius;
  QRadialGradient halo(kRestCentre, r + 5.0);
  QColor h = Shade(c, 1.5);
  h.setAlpha(int(120 * (1.0 - 0.2 * step)));
  halo.setColorAt(0.5, h);
  h.setAlpha(0);
  halo.setColorAt(1.0, h);
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(kRestCentre, r + 5.0, r + 5.0);
  PaintShadow(p, QPointF(16.5, 15.0 + r + 1.2 * k), 10.5 * k, 3.4 * k, 0.9);
  PaintGlossyBall(p, kRestCentre, r, c);
  return t;
}

// The bounce of a selected ball: rise with a stretch, hang at the top, fall, squash on landing.
struct BouncePose {
  qreal lift;  // pixels above rest
  qreal sx, sy;
};
constexpr BouncePose kBounce[8] = {{0.0, 1.06, 0.94}, {1.5, 0.96, 1.05}, {3.0, 0.98, 1.02},
                                   {3.6, 1.0, 1.0},   {3.0, 0.98, 1.02}, {1.5, 0.96, 1.05},
                                   {0.2, 1.02, 0.98}, {0.0, 1.12, 0.88}};

QImage ClassicBounce(const QImage& inner, QColor c, int step) {
  const BouncePose& pose = kBounce[step];
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  const qreal r = 12.0;
  const qreal shadow_k = 1.0 - pose.lift / 8.0;
  PaintShadow(p, QPointF(16.5, 28.0), 10.0 * shadow_k * pose.sx, 3.3 * shadow_k, 0.95 * shadow_k);
  // Squash keeps the bottom of the ball on the floor.
  const qreal bottom = 28.0 - pose.lift;
  const QPointF centre(16.0, bottom - r * pose.sy);
  PaintGlossyBall(p, centre, r, c, pose.sx, pose.sy);
  return t;
}

QImage ClassicWalk(const QImage& inner, int direction) {
  // direction: 0 right, 1 left, 2 up, 3 down
  static const qreal kAngle[4] = {0, 180, 270, 90};
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  p.translate(16, 16);
  p.rotate(kAngle[direction]);
  // Trail of fading dots, then a glowing chevron.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    p.setBrush(QColor(255, 214, 110, 60 + 45 * i));
    p.drawEllipse(QPointF(-11 + 4.0 * i, 0), 1.1 + 0.25 * i, 1.1 + 0.25 * i);
  }
  QPainterPath chevron;
  chevron.moveTo(-2, -8);
  chevron.lineTo(8, 0);
  chevron.lineTo(-2, 8);
  chevron.lineTo(1, 0);
  chevron.closeSubpath();
  QRadialGradient glow(QPointF(3, 0), 11);
  glow.setColorAt(0.0, QColor(255, 200, 80, 120));
  glow.setColorAt(1.0, QColor(255, 200, 80, 0));
  p.setBrush(glow);
  p.drawEllipse(QPointF(3, 0), 11, 11);
  QLinearGradient fill(QPointF(0, -8), QPointF(0, 8));
  fill.setColorAt(0.0, QColor(255, 246, 196));
  fill.setColorAt(0.5, QColor(255, 204, 64));
  fill.setColorAt(1.0, QColor(214, 140, 20));
  p.setBrush(fill);
  p.setPen(QPen(QColor(110, 62, 0, 200), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(chevron);
  return t;
}

// Digits as gold lettering on a dark display glass.
QImage GlassStrip(int width, int height) {
  QImage strip = Canvas(width, height, QColor(8, 16, 30));
  QPainter p(&strip);
  QLinearGradient glass(0, 0, 0, height);
  glass.setColorAt(0.0, QColor(22, 38, 64));
  glass.setColorAt(0.5, QColor(10, 20, 38));
  glass.setColorAt(1.0, QColor(16, 28, 50));
  p.fillRect(strip.rect(), glass);
  return strip;
}

void PaintGoldGlyph(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                    qreal baseline) {
  const QFontMetricsF m(font);
  HintedText(p, box.center().x() + 1, baseline + 1, text, font, QColor(0, 0, 0, 150));
  QLinearGradient gold(0, baseline - m.capHeight(), 0, baseline);
  gold.setColorAt(0.0, QColor(255, 246, 200));
  gold.setColorAt(0.45, QColor(255, 208, 72));
  gold.setColorAt(1.0, QColor(222, 146, 24));
  HintedText(p, box.center().x(), baseline, text, font, gold);
}

QImage ClassicScore() {
  QImage strip = GlassStrip(160, 20);
  QPainter p(&strip);
  Smooth(p);
  const QFont font = ArtFont("DejaVu Sans", 17, QFont::Bold);
  for (int d = 0; d < 10; ++d) {
    PaintGoldGlyph(p, QRectF(16 * d, 0, 16, 20), QString::number(d), font, 16.5);
  }
  return strip;
}

QImage ClassicTimer() {
  QImage strip = GlassStrip(99, 11);
  QPainter p(&strip);
  Smooth(p);
  const QFont font = ArtFont("DejaVu Sans Mono", 10, QFont::Bold);
  for (int d = 0; d < 10; ++d) {
    PaintGoldGlyph(p, QRectF(9 * d, 0, 9, 11), QString::number(d), font, 9.0);
  }
  // The colon: two round studs.
  p.setPen(Qt::NoPen);
  for (qreal y : {3.5, 7.5}) {
    QRadialGradient stud(QPointF(94.2, y - 0.4), 1.4);
    stud.setColorAt(0.0, QColor(255, 240, 180));
    stud.setColorAt(1.0, QColor(222, 146, 24));
    p.setBrush(stud);
    p.drawEllipse(QPointF(94.5, y), 1.15, 1.15);
  }
  return strip;
}

// ---------------------------------------------------------------- retro: pixel art at 2x

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

// ---------------------------------------------------------------- gems: cut stones on velvet

// Each colour has its own cut, so that the stones are told apart by shape as well as colour.
QPolygonF GemOutline(int colour, QPointF c, qreal r) {
  QPolygonF poly;
  const auto regular = [&](int n, qreal start_deg, qreal rx, qreal ry) {
    for (int i = 0; i < n; ++i) {
      const qreal a = (start_deg + 360.0 * i / n) * kPi / 180.0;
      poly << c + QPointF(std::cos(a) * rx, std::sin(a) * ry);
    }
  };
  switch (colour) {
    case 0:
      regular(8, 22.5, r, r);
      break;   // round brilliant
    case 1: {  // emerald cut
      const qreal w = r * 0.78, h = r, k = r * 0.3;
      poly << c + QPointF(-w + k, -h) << c + QPointF(w - k, -h) << c + QPointF(w, -h + k)
           << c + QPointF(w, h - k) << c + QPointF(w - k, h) << c + QPointF(-w + k, h)
           << c + QPointF(-w, h - k) << c + QPointF(-w, -h + k);
      break;
    }
    case 2:
      regular(4, 45, r * 1.22, r * 1.22);
      break;  // princess square
    case 3:
      regular(3, -90, r * 1.18, r * 1.18);
      break;  // trillion
    case 4:
      regular(4, 0, r * 0.82, r * 1.1);
      break;  // diamond
    case 5:
      regular(6, 0, r * 1.02, r * 1.02);
      break;    // hexagon
    default: {  // star
      for (int i = 0; i < 10; ++i) {
        const qreal a = (-90 + 36.0 * i) * kPi / 180.0;
        const qreal rr = i % 2 ? r * 0.55 : r * 1.12;
        poly << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
      }
      break;
    }
  }
  return poly;
}

// A faceted stone: bevel facets lit from the top left round a bright table.
void PaintGem(QPainter& p, int colour, QColor base, QPointF c, qreal r, qreal opacity = 1.0,
              qreal glint = -1.0) {
  p.save();
  p.setOpacity(opacity);
  const QPolygonF outer = GemOutline(colour, c, r);
  QPolygonF table;
  for (const QPointF& pt : outer)
    table << c + (pt - c) * 0.52 + QPointF(-0.04 * r, -0.06 * r);
  const QPointF light(-0.55, -0.83);
  for (int i = 0; i < outer.size(); ++i) {
    const QPointF a = outer[i], b = outer[(i + 1) % outer.size()];
    const QPointF mid = (a + b) / 2 - c;
    const qreal len = std::hypot(mid.x(), mid.y());
    const qreal lit = len > 0 ? (mid.x() * light.x() + mid.y() * light.y()) / len : 0;
    QPolygonF facet;
    facet << a << b << table[(i + 1) % table.size()] << table[i];
    p.setPen(QPen(Shade(base, 0.35), 0.5));
    p.setBrush(Shade(base, 0.78 + 0.5 * lit));
    p.drawPolygon(facet);
  }
  QLinearGradient top(table.boundingRect().topLeft(), table.boundingRect().bottomRight());
  top.setColorAt(0.0, Shade(base, 1.55));
  top.setColorAt(0.55, Shade(base, 1.1));
  top.setColorAt(1.0, Shade(base, 0.8));
  p.setBrush(top);
  p.setPen(QPen(Shade(base, 1.7), 0.6));
  p.drawPolygon(table);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Shade(base, 0.25), 0.9));
  p.drawPolygon(outer);
  // The glint: a small four-pointed star on the upper left facets, or where asked.
  const qreal g = glint < 0 ? 0.0 : glint;
  const QPointF at = c + QPointF(-0.45 * r + 0.9 * r * g, -0.5 * r + 0.25 * r * g);
  PaintSparkle(p, at, 0.32 * r, QColor(255, 255, 255, 235));
  p.restore();
}

QImage GemsBoard() {
  QImage cell = Canvas(kCell, kCell, QColor(14, 6, 18));
  QPainter p(&cell);
  Smooth(p);
  QRadialGradient velvet(QPointF(14, 13), 26);
  velvet.setColorAt(0.0, QColor(74, 34, 84));
  velvet.setColorAt(1.0, QColor(38, 14, 46));
  p.setPen(Qt::NoPen);
  p.setBrush(velvet);
  p.drawRoundedRect(QRectF(1, 1, 34, 34), 2.5, 2.5);
  // The pile of the velvet: a fine fixed grain.
  for (int y = 2; y < 34; ++y) {
    for (int x = 2; x < 34; ++x) {
      const qreal n = Hash01(uint32_t(x), uint32_t(y), 5u);
      if (n > 0.82)
        p.fillRect(QRectF(x, y, 1, 1), QColor(255, 220, 255, 10));
      if (n < 0.12)
        p.fillRect(QRectF(x, y, 1, 1), QColor(0, 0, 0, 22));
    }
  }
  // A thin gilt edge.
  QLinearGradient gilt(0, 0, 36, 36);
  gilt.setColorAt(0.0, QColor(214, 176, 96, 200));
  gilt.setColorAt(1.0, QColor(110, 78, 30, 200));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(gilt), 1.0));
  p.drawRoundedRect(QRectF(1.5, 1.5, 33, 33), 2.5, 2.5);
  return cell;
}

constexpr qreal kGemRadius = 11.0;
const QPointF kGemCentre(16.0, 15.5);

void GemShadow(QPainter& p, qreal k, qreal lift = 0) {
  PaintShadow(p, QPointF(16.5, 27.5), 9.5 * k * (1 - lift / 10), 2.6 * k, 0.9 * (1 - lift / 8));
}

int ColourIndex(QColor c) {
  const auto& colours = BallColours();
  for (int i = 0; i < kBallColours; ++i) {
    if (colours[i] == c)
      return i;
  }
  return 0;
}

QImage GemsRest(const QImage& inner, QColor c) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  GemShadow(p, 1.0);
  PaintGem(p, ColourIndex(c), c, kGemCentre, kGemRadius);
  return t;
}

// Shattering: the facets fly apart as splinters, turning and fading, with sparks.
QImage GemsBreak(const QImage& inner, QColor c, int step) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  const qreal s = (step - 1) / 8.0;
  const int colour = ColourIndex(c);
  if (step == 1) {
    GemShadow(p, 1.0);
    PaintGem(p, colour, Shade(c, 1.3), kGemCentre, kGemRadius);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
    const QPolygonF outer = GemOutline(colour, kGemCentre, kGemRadius);
    for (const QPointF& pt : outer)
      p.drawLine(kGemCentre, kGemCentre + (pt - kGemCentre) * 0.8);
    return t;
  }
  const QPolygonF outer = GemOutline(colour, kGemCentre, kGemRadius);
  const qreal travel = 1.0 + 7.5 * std::pow(s, 0.85);
  for (int i = 0; i < outer.size(); ++i) {
    const QPointF a = outer[i] - kGemCentre, b = outer[(i + 1) % outer.size()] - kGemCentre;
    QPointF dir = (a + b) / 2;
    const qreal len = std::hypot(dir.x(), dir.y());
    if (len > 0)
      dir /= len;
    QPolygonF shard;
    shard << a << b << QPointF(0, 0);
    p.save();
    p.translate(kGemCentre + dir * travel + QPointF(0, 2.5 * s * s));
    p.rotate((i % 2 ? 1 : -1) * 70.0 * s);
    p.scale(1.0 - 0.6 * s, 1.0 - 0.6 * s);
    p.setOpacity(std::clamp(1.15 - 1.1 * s, 0.0, 1.0));
    const qreal lit = (dir.x() * -0.55 + dir.y() * -0.83);
    p.setPen(QPen(Shade(c, 0.3), 0.5));
    p.setBrush(Shade(c, 0.9 + 0.5 * lit));
    p.drawPolygon(shard);
    p.restore();
  }
  for (int k = 0; k < 6; ++k) {
    const qreal a = (k * 60 + 30) * kPi / 180.0;
    const qreal life = std::clamp(s * 1.1, 0.0, 1.0);
    const qreal dist = 3.0 + 9.0 * life;
    QColor col = Mix(QColor(255, 255, 255), Shade(c, 1.5), life);
    col.setAlpha(int(255 * std::clamp(1.1 - life, 0.0, 1.0)));
    PaintSparkle(p, kGemCentre + QPointF(std::cos(a), std::sin(a)) * dist, 2.8 * (1 - life) + 0.6,
                 col);
  }
  return t;
}

QImage GemsPreview(const QImage& inner, QColor c) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  PaintGem(p, ColourIndex(c), c, QPointF(16, 16), 10.0);
  return t;
}

QImage GemsReserved(const QImage& inner, QColor c) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  QRadialGradient glow(QPointF(16, 16), 8);
  QColor g = Shade(c, 1.4);
  g.setAlpha(90);
  glow.setColorAt(0.0, g);
  g.setAlpha(0);
  glow.setColorAt(1.0, g);
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(16, 16), 8, 8);
  PaintGem(p, ColourIndex(c), c, QPointF(16, 16), 4.2);
  return t;
}

QImage GemsGrow(const QImage& inner, QColor c, int step) {
  static const qreal kRadius[4] = {3.6, 6.4, 9.0, 11.6};
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  const qreal r = kRadius[step];
  QRadialGradient halo(kGemCentre, r + 3);
  QColor h = Shade(c, 1.5);
  h.setAlpha(int(80 * (1.0 - 0.2 * step)));
  halo.setColorAt(0.4, h);
  h.setAlpha(0);
  halo.setColorAt(1.0, h);
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(kGemCentre, r + 3, r + 3);
  GemShadow(p, r / kGemRadius);
  PaintGem(p, ColourIndex(c), c, kGemCentre, r);
  return t;
}

// The hop of a selected stone: up and down while a glint runs across its facets.
QImage GemsBounce(const QImage& inner, QColor c, int step) {
  static const qreal kLift[8] = {0.0, 1.6, 3.0, 3.6, 3.0, 1.6, 0.4, 0.0};
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  GemShadow(p, 1.0, kLift[step]);
  PaintGem(p, ColourIndex(c), c, kGemCentre - QPointF(0, kLift[step]), kGemRadius, 1.0, step / 7.0);
  return t;
}

QImage GemsWalk(const QImage& inner, int direction) {
  static const qreal kAngle[4] = {0, 180, 270, 90};
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  p.translate(16, 16);
  p.rotate(kAngle[direction]);
  // Three silver beads growing towards a small pointed head.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    const QPointF at(-9 + 5.0 * i, 0);
    QRadialGradient bead(at + QPointF(-0.5, -0.6), 2.2 + 0.4 * i);
    bead.setColorAt(0.0, QColor(255, 255, 255, 140 + 40 * i));
    bead.setColorAt(1.0, QColor(170, 160, 190, 90 + 40 * i));
    p.setBrush(bead);
    p.drawEllipse(at, 1.2 + 0.35 * i, 1.2 + 0.35 * i);
  }
  QPainterPath head;
  head.moveTo(4, -5);
  head.lineTo(10, 0);
  head.lineTo(4, 5);
  head.closeSubpath();
  QLinearGradient silver(QPointF(0, -5), QPointF(0, 5));
  silver.setColorAt(0.0, QColor(255, 255, 255));
  silver.setColorAt(1.0, QColor(160, 150, 184));
  p.setBrush(silver);
  p.setPen(QPen(QColor(60, 40, 70), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(head);
  return t;
}

QImage VelvetStrip(int width, int height) {
  QImage strip = Canvas(width, height, QColor(30, 10, 36));
  QPainter p(&strip);
  QLinearGradient g(0, 0, 0, height);
  g.setColorAt(0.0, QColor(52, 20, 60));
  g.setColorAt(1.0, QColor(24, 8, 30));
  p.fillRect(strip.rect(), g);
  return strip;
}

void PaintSilverGlyph(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                      qreal baseline) {
  const QFontMetricsF m(font);
  HintedText(p, box.center().x() + 1, baseline + 1, text, font, QColor(0, 0, 0, 160));
  QLinearGradient silver(0, baseline - m.capHeight(), 0, baseline);
  silver.setColorAt(0.0, QColor(255, 255, 255));
  silver.setColorAt(0.5, QColor(206, 200, 224));
  silver.setColorAt(0.52, QColor(160, 150, 186));
  silver.setColorAt(1.0, QColor(226, 220, 240));
  HintedText(p, box.center().x(), baseline, text, font, silver);
}

QImage GemsScore() {
  QImage strip = VelvetStrip(160, 20);
  QPainter p(&strip);
  Smooth(p);
  const QFont font = ArtFont("DejaVu Serif", 17, QFont::Bold);
  for (int d = 0; d < 10; ++d) {
    PaintSilverGlyph(p, QRectF(16 * d, 0, 16, 20), QString::number(d), font, 16.5);
  }
  return strip;
}

QImage GemsTimer() {
  QImage strip = VelvetStrip(99, 11);
  QPainter p(&strip);
  Smooth(p);
  const QFont font = ArtFont("DejaVu Sans Mono", 10, QFont::Bold);
  for (int d = 0; d < 10; ++d) {
    PaintSilverGlyph(p, QRectF(9 * d, 0, 9, 11), QString::number(d), font, 9.0);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 230, 248));
  for (qreal y : {3.5, 7.5}) {
    QPolygonF diamond;
    diamond << QPointF(94.5, y - 1.3) << QPointF(95.8, y) << QPointF(94.5, y + 1.3)
            << QPointF(93.2, y);
    p.drawPolygon(diamond);
  }
  return strip;
}

// ---------------------------------------------------------------- assembling a skin

template <typename Rest, typename Break, typename Preview, typename Reserved, typename Grow,
          typename Bounce, typename Walk>
SkinPictures Assemble(const QString& name, QImage board, QImage score, QImage timer, Rest rest,
                      Break breaking, Preview preview, Reserved reserved, Grow grow, Bounce bounce,
                      Walk walk) {
  SkinPictures skin;
  skin.name = name;
  skin.board = board;
  skin.score = score;
  skin.timer = timer;
  const QImage inner = CellInner(board);
  skin.balls = Canvas(kTile * kBallFrames, kTile * kBallColours, Qt::black);
  for (int row = 0; row < kBallColours; ++row) {
    const QColor c = BallColours()[row];
    PutTile(skin.balls, rest(inner, c), kFrameRest, row);
    for (int f = 1; f <= 9; ++f)
      PutTile(skin.balls, breaking(inner, c, f), f, row);
    PutTile(skin.balls, preview(inner, c), kFramePreview, row);
    PutTile(skin.balls, reserved(inner, c), kFrameReserved, row);
    for (int i = 0; i < 4; ++i)
      PutTile(skin.balls, grow(inner, c, i), kFrameFirstGrow + i, row);
    for (int i = 0; i < 8; ++i) {
      PutTile(skin.balls, bounce(inner, c, i), kFrameFirstBounce + i, row);
    }
  }
  skin.walk = Canvas(kTile * 4, kTile, Qt::black);
  for (int d = 0; d < 4; ++d)
    PutTile(skin.walk, walk(inner, d), d, 0);
  return skin;
}

}  // namespace

SkinPictures PaintClassicSkin() {
  return Assemble("classic", ClassicBoard(), ClassicScore(), ClassicTimer(), ClassicRest,
                  ClassicBreak, ClassicPreview, ClassicReserved, ClassicGrow, ClassicBounce,
                  ClassicWalk);
}

SkinPictures PaintRetroSkin() {
  return Assemble("retro", RetroBoard(), RetroScore(), RetroTimer(), RetroRest, RetroBreak,
                  RetroPreview, RetroReserved, RetroGrow, RetroBounce, RetroWalk);
}

SkinPictures PaintGemsSkin() {
  return Assemble("gems", GemsBoard(), GemsScore(), GemsTimer(), GemsRest, GemsBreak, GemsPreview,
                  GemsReserved, GemsGrow, GemsBounce, GemsWalk);
}

std::vector<SkinPictures> PaintAllSkins() {
  return {PaintClassicSkin(), PaintRetroSkin(), PaintGemsSkin()};
}

}  // namespace orbello::art
