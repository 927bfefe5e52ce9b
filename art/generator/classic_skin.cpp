// The classic skin: glossy balls on a blue board, gold digits on display glass.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "raster.h"
#include "skin_painters.h"

namespace orbello::art {

namespace {

constexpr qreal kRestRadius = 12.5;
const QPointF kRestCentre(16.0, 15.0);

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

// Where a still ball sits in its tile, and the shadow it casts on the floor.
struct Seat {
  QPointF centre;
  qreal radius;
  QPointF shadow;
  qreal shadow_rx, shadow_ry, shadow_strength;
};
const Seat kRestSeat = {kRestCentre, kRestRadius, QPointF(16.5, 27.2), 10.5, 3.4, 1.0};
// The announced ball: a little smaller, so that it reads as not yet on the board.
const Seat kPreviewSeat = {QPointF(16, 15.5), 11.0, QPointF(16.5, 26.5), 9.0, 3.0, 0.8};

QImage SeatedBall(const QImage& inner, QColor c, const Seat& seat) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  PaintShadow(p, seat.shadow, seat.shadow_rx, seat.shadow_ry, seat.shadow_strength);
  PaintGlossyBall(p, seat.centre, seat.radius, c);
  return t;
}

QImage ClassicRest(const QImage& inner, QColor c) {
  return SeatedBall(inner, c, kRestSeat);
}

QImage BallSprite(QColor c, qreal r) {
  QImage s = Canvas(kTile, kTile);
  QPainter p(&s);
  Smooth(p);
  PaintGlossyBall(p, kRestCentre, r, c);
  return s;
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
  const QColor spark_color = Shade(c, 1.55);
  for (int k = 0; k < 8; ++k) {
    const qreal a = (k * 45 + 22.5 * (k % 2)) * kPi / 180.0;
    const qreal born = 0.05 * (k % 3);
    const qreal life = std::clamp((s - born) / (1.0 - born), 0.0, 1.0);
    if (life <= 0.0)
      continue;
    const qreal dist = 4.0 + 11.0 * life * (k % 2 ? 0.8 : 1.0);
    const qreal size = 3.2 * (1.0 - life) + 0.6;
    QColor col = Mix(QColor(255, 255, 255), spark_color, life);
    col.setAlpha(int(255 * std::clamp(1.2 - life, 0.0, 1.0)));
    PaintSparkle(p, kRestCentre + QPointF(std::cos(a), std::sin(a)) * dist, size, col);
  }
  return t;
}

QImage ClassicPreview(const QImage& inner, QColor c) {
  return SeatedBall(inner, c, kPreviewSeat);
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
  QColor halo = Shade(c, 1.5);
  halo.setAlpha(int(120 * (1.0 - 0.2 * step)));
  PaintHalo(p, kRestCentre, r + 5.0, halo, 0.5);
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

// Trail of fading dots, then a glowing chevron.
void PaintGoldChevron(QPainter& p) {
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
}

QImage ClassicWalk(const QImage& inner, int direction) {
  return WalkTile(inner, direction, PaintGoldChevron);
}

// Digits as gold lettering on a dark display glass.
const LetteredDigits kGoldOnGlass = {
    .base = QColor(8, 16, 30),
    .glass = {{0.0, QColor(22, 38, 64)}, {0.5, QColor(10, 20, 38)}, {1.0, QColor(16, 28, 50)}},
    .letters = {{0.0, QColor(255, 246, 200)},
                {0.45, QColor(255, 208, 72)},
                {1.0, QColor(222, 146, 24)}},
    .shadow = QColor(0, 0, 0, 150)};

QImage ClassicScore() {
  return LetteredScore(kGoldOnGlass, "DejaVu Sans");
}

// The timer's colon: two round studs.
void PaintStudColon(QPainter& p) {
  p.setPen(Qt::NoPen);
  for (qreal y : {3.5, 7.5}) {
    QRadialGradient stud(QPointF(94.2, y - 0.4), 1.4);
    stud.setColorAt(0.0, QColor(255, 240, 180));
    stud.setColorAt(1.0, QColor(222, 146, 24));
    p.setBrush(stud);
    p.drawEllipse(QPointF(94.5, y), 1.15, 1.15);
  }
}

QImage ClassicTimer() {
  return LetteredTimer(kGoldOnGlass, PaintStudColon);
}

}  // namespace

SkinPainters ClassicPainters() {
  // The house colours with a darker blue and a lighter purple. Blue and purple differ mostly in
  // red, which protan players barely see, so lightness has to tell them apart; the default skin
  // is held to a wider gap than the house colours give.
  static const BallPalette kPalette = [] {
    BallPalette palette = HousePalette();
    palette[2].color = QColor(60, 40, 235);   // blue
    palette[5].color = QColor(173, 98, 191);  // purple
    return palette;
  }();
  return {.name = "classic",
          .palette = kPalette,
          .board = ClassicBoard,
          .score = ClassicScore,
          .timer = ClassicTimer,
          .rest = ClassicRest,
          .breaking = ClassicBreak,
          .preview = ClassicPreview,
          .reserved = ClassicReserved,
          .grow = ClassicGrow,
          .bounce = ClassicBounce,
          .walk = ClassicWalk};
}

}  // namespace orbello::art
