// The gems skin: cut stones on velvet, silver digits.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "raster.h"
#include "skin_painters.h"

namespace orbello::art {

namespace {

// Each colour has its own cut, so that the stones are told apart by shape as well as colour.
QPolygonF GemOutline(int color, QPointF c, qreal r) {
  QPolygonF poly;
  const auto regular = [&](int n, qreal start_deg, qreal rx, qreal ry) {
    for (int i = 0; i < n; ++i) {
      const qreal a = (start_deg + 360.0 * i / n) * kPi / 180.0;
      poly << c + QPointF(std::cos(a) * rx, std::sin(a) * ry);
    }
  };
  switch (color) {
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
void PaintGem(QPainter& p, int color, QColor base, QPointF c, qreal r, qreal opacity = 1.0,
              qreal glint = -1.0) {
  p.save();
  p.setOpacity(opacity);
  const QPolygonF outer = GemOutline(color, c, r);
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

int ColorIndex(QColor c) {
  const auto& colors = HousePalette();
  for (int i = 0; i < kBallColors; ++i) {
    if (colors[i].color == c)
      return i;
  }
  return 0;
}

QImage GemsRest(const QImage& inner, QColor c) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  GemShadow(p, 1.0);
  PaintGem(p, ColorIndex(c), c, kGemCentre, kGemRadius);
  return t;
}

// Shattering: the facets fly apart as splinters, turning and fading, with sparks.
QImage GemsBreak(const QImage& inner, QColor c, int step) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  const qreal s = (step - 1) / 8.0;
  const int color = ColorIndex(c);
  if (step == 1) {
    GemShadow(p, 1.0);
    PaintGem(p, color, Shade(c, 1.3), kGemCentre, kGemRadius);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
    const QPolygonF outer = GemOutline(color, kGemCentre, kGemRadius);
    for (const QPointF& pt : outer)
      p.drawLine(kGemCentre, kGemCentre + (pt - kGemCentre) * 0.8);
    return t;
  }
  const QPolygonF outer = GemOutline(color, kGemCentre, kGemRadius);
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
  PaintGem(p, ColorIndex(c), c, QPointF(16, 16), 10.0);
  return t;
}

QImage GemsReserved(const QImage& inner, QColor c) {
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  QColor glow = Shade(c, 1.4);
  glow.setAlpha(90);
  PaintHalo(p, QPointF(16, 16), 8, glow, 0.0);
  PaintGem(p, ColorIndex(c), c, QPointF(16, 16), 4.2);
  return t;
}

QImage GemsGrow(const QImage& inner, QColor c, int step) {
  static const qreal kRadius[4] = {3.6, 6.4, 9.0, 11.6};
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  const qreal r = kRadius[step];
  QColor halo = Shade(c, 1.5);
  halo.setAlpha(int(80 * (1.0 - 0.2 * step)));
  PaintHalo(p, kGemCentre, r + 3, halo, 0.4);
  GemShadow(p, r / kGemRadius);
  PaintGem(p, ColorIndex(c), c, kGemCentre, r);
  return t;
}

// The hop of a selected stone: up and down while a glint runs across its facets.
QImage GemsBounce(const QImage& inner, QColor c, int step) {
  static const qreal kLift[8] = {0.0, 1.6, 3.0, 3.6, 3.0, 1.6, 0.4, 0.0};
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  GemShadow(p, 1.0, kLift[step]);
  PaintGem(p, ColorIndex(c), c, kGemCentre - QPointF(0, kLift[step]), kGemRadius, 1.0, step / 7.0);
  return t;
}

// Three silver beads growing towards a small pointed head.
void PaintSilverBeads(QPainter& p) {
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
}

QImage GemsWalk(const QImage& inner, int direction) {
  return WalkTile(inner, direction, PaintSilverBeads);
}

// Digits as silver lettering on velvet.
const LetteredDigits kSilverOnVelvet = {
    .base = QColor(30, 10, 36),
    .glass = {{0.0, QColor(52, 20, 60)}, {1.0, QColor(24, 8, 30)}},
    .letters = {{0.0, QColor(255, 255, 255)},
                {0.5, QColor(206, 200, 224)},
                {0.52, QColor(160, 150, 186)},
                {1.0, QColor(226, 220, 240)}},
    .shadow = QColor(0, 0, 0, 160)};

QImage GemsScore() {
  return LetteredScore(kSilverOnVelvet, "DejaVu Serif");
}

// The timer's colon: two small diamonds.
void PaintDiamondColon(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 230, 248));
  for (qreal y : {3.5, 7.5}) {
    QPolygonF diamond;
    diamond << QPointF(94.5, y - 1.3) << QPointF(95.8, y) << QPointF(94.5, y + 1.3)
            << QPointF(93.2, y);
    p.drawPolygon(diamond);
  }
}

QImage GemsTimer() {
  return LetteredTimer(kSilverOnVelvet, PaintDiamondColon);
}

}  // namespace

SkinPainters GemsPainters() {
  return {.name = "gems",
          .palette = HousePalette(),
          .board = GemsBoard,
          .score = GemsScore,
          .timer = GemsTimer,
          .rest = GemsRest,
          .breaking = GemsBreak,
          .preview = GemsPreview,
          .reserved = GemsReserved,
          .grow = GemsGrow,
          .bounce = GemsBounce,
          .walk = GemsWalk};
}

}  // namespace orbello::art
