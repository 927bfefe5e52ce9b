#include "extras.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "raster.h"
#include "skins.h"
#include "window_art.h"

namespace orbello::art {

QImage PaintCompilerTile() {
  // Warm paper with a faint woven grid: calm behind labels and edit fields.
  QImage img = Canvas(128, 128, QColor(238, 234, 224));
  QPainter p(&img);
  Smooth(p);
  for (int i = 0; i < 128; i += 16) {
    p.setPen(QPen(QColor(222, 215, 200), 1.0));
    p.drawLine(QPointF(i + 0.5, 0), QPointF(i + 0.5, 128));
    p.drawLine(QPointF(0, i + 0.5), QPointF(128, i + 0.5));
  }
  // Small tinted balls at a few crossings, wrapped so the tile repeats without seams.
  static const QPointF kAt[] = {{32, 32}, {96, 64}, {48, 112}, {112, 16}};
  const auto& colors = HousePalette();
  int n = 0;
  for (const QPointF& at : kAt) {
    for (int dy = -128; dy <= 128; dy += 128) {
      for (int dx = -128; dx <= 128; dx += 128) {
        const QPointF c = at + QPointF(dx, dy);
        QColor tint = Mix(colors[(n * 2) % colors.size()].color, QColor(238, 234, 224), 0.72);
        QRadialGradient g(c + QPointF(-1.5, -1.8), 6.5);
        g.setColorAt(0.0, Shade(tint, 1.3));
        g.setColorAt(1.0, Shade(tint, 0.92));
        p.setPen(QPen(Shade(tint, 0.85), 0.8));
        p.setBrush(g);
        p.drawEllipse(c, 4.5, 4.5);
      }
    }
    ++n;
  }
  return img;
}

QImage PaintUninstallSide() {
  QImage img = Canvas(135, 236, QColor(20, 48, 92));
  QPainter p(&img);
  Smooth(p);
  QLinearGradient sky(0, 0, 0, 236);
  sky.setColorAt(0.0, QColor(58, 112, 178));
  sky.setColorAt(1.0, QColor(12, 30, 62));
  p.fillRect(img.rect(), sky);
  // The two balls of the game window, large and cut by the edges.
  PaintWindowBall(p, QRectF(-70, 40, 150, 150), true);
  PaintWindowBall(p, QRectF(10, 80, 190, 190), false);
  // Balls rolling away upward, getting smaller.
  const auto& colors = HousePalette();
  const QPointF at[5] = {{100, 56}, {72, 30}, {110, 20}, {44, 14}, {90, 6}};
  const qreal radius[5] = {11, 8, 6, 5, 3.5};
  for (int i = 0; i < 5; ++i) {
    const QColor c = colors[(i * 3) % colors.size()].color;
    QRadialGradient g(at[i] + QPointF(-radius[i] * 0.35, -radius[i] * 0.4), radius[i] * 1.4);
    g.setColorAt(0.0, Shade(c, 1.6));
    g.setColorAt(0.5, c);
    g.setColorAt(1.0, Shade(c, 0.4));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at[i], radius[i], radius[i]);
  }
  QFont font = ArtFont("DejaVu Serif", 22, QFont::Bold, false);
  QPainterPath title;
  title.addText(0, 0, font, "Orbello");
  const QRectF b = title.boundingRect();
  title.translate((135 - b.width()) / 2 - b.left(), 222);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 150));
  p.drawPath(title.translated(1.2, 1.5));
  QLinearGradient gold(0, 200, 0, 224);
  gold.setColorAt(0.0, QColor(255, 246, 200));
  gold.setColorAt(1.0, QColor(232, 160, 30));
  p.setBrush(gold);
  p.drawPath(title);
  return img;
}

QImage PaintMakerLogo() {
  // A gold crescent "C" round a blue ball: few, flat colours for a 16-colour picture, on the
  // light grey of the dialog band it stands in.
  QImage img = Canvas(32, 32, QColor(239, 239, 239));
  QPainter p(&img);
  Smooth(p);
  QPainterPath ring;
  ring.addEllipse(QPointF(16, 16), 14.5, 14.5);
  QPainterPath hole;
  hole.addEllipse(QPointF(18.5, 16), 10.5, 10.5);
  QPainterPath crescent = ring.subtracted(hole);
  p.setPen(QPen(QColor(120, 70, 0), 1.0));
  p.setBrush(QColor(236, 170, 30));
  p.drawPath(crescent);
  p.setPen(QPen(QColor(10, 30, 70), 1.0));
  p.setBrush(QColor(40, 92, 160));
  p.drawEllipse(QPointF(19, 16), 6.5, 6.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 200, 245));
  p.drawEllipse(QPointF(17, 13.5), 2.2, 1.6);
  return img;
}

QImage PaintCheckIcon(bool done) {
  QImage img = Canvas(32, 32);
  QPainter p(&img);
  Smooth(p);
  QPainterPath tick;
  tick.moveTo(5, 17);
  tick.lineTo(12.5, 25);
  tick.lineTo(27, 7);
  const QColor dark = done ? QColor(10, 90, 30) : QColor(96, 96, 100);
  const QColor light = done ? QColor(110, 220, 90) : QColor(196, 196, 200);
  const QColor mid = done ? QColor(34, 160, 50) : QColor(150, 150, 156);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 70), 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick.translated(0.8, 1.2));
  p.setPen(QPen(dark, 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  QLinearGradient g(0, 6, 0, 26);
  g.setColorAt(0.0, light);
  g.setColorAt(1.0, mid);
  p.setPen(QPen(QBrush(g), 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  return img;
}

QImage PaintFlagIcon() {
  QImage img = Canvas(32, 32);
  QPainter p(&img);
  Smooth(p);
  // Pole with a gold knob.
  QLinearGradient pole(7, 0, 10, 0);
  pole.setColorAt(0.0, QColor(150, 150, 156));
  pole.setColorAt(1.0, QColor(70, 70, 76));
  p.setPen(Qt::NoPen);
  p.setBrush(pole);
  p.drawRect(QRectF(7, 5, 2.6, 25));
  PaintWindowBall(p, QRectF(5.6, 1.6, 5.4, 5.4), true);
  // Waving red cloth.
  QPainterPath flag;
  flag.moveTo(9.6, 6);
  flag.cubicTo(15, 3.5, 20, 8.5, 29, 6);
  flag.lineTo(29, 18);
  flag.cubicTo(20, 20.5, 15, 15.5, 9.6, 18);
  flag.closeSubpath();
  QLinearGradient cloth(9, 0, 29, 0);
  cloth.setColorAt(0.0, QColor(160, 16, 12));
  cloth.setColorAt(0.4, QColor(236, 52, 36));
  cloth.setColorAt(0.7, QColor(196, 26, 18));
  cloth.setColorAt(1.0, QColor(236, 60, 44));
  p.setPen(QPen(QColor(96, 8, 4), 0.8));
  p.setBrush(cloth);
  p.drawPath(flag);
  return img;
}

}  // namespace orbello::art
