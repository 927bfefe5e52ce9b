// The skins' shared plumbing: the ball colours, the frames laid out on their sheets, and the
// drawing every skin uses.
#include "skins.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "raster.h"
#include "skin_painters.h"

namespace orbello::art {

const BallPalette& HousePalette() {
  // Lightness steps keep red/green and blue/purple apart for protan, deutan and tritan vision
  // by the tests' coarse CIELAB distance. By the finer CIEDE2000 measure blue and purple are
  // only about 6 to 7 apart under protanopia; the classic skin, which new installations start
  // with, therefore has its own blue and purple, and only it is held to 10.
  static const BallPalette kPalette = {{{QColor(175, 15, 15), "red"},
                                        {QColor(38, 155, 108), "green"},
                                        {QColor(60, 50, 245), "blue"},
                                        {QColor(255, 240, 20), "yellow"},
                                        {QColor(125, 240, 255), "light blue"},
                                        {QColor(163, 73, 191), "purple"},
                                        {QColor(238, 138, 47), "orange"}}};
  return kPalette;
}

namespace {

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

SkinPictures Assemble(const SkinPainters& painters) {
  SkinPictures skin;
  skin.name = painters.name;
  skin.palette = painters.palette;
  skin.board = painters.board();
  skin.score = painters.score();
  skin.timer = painters.timer();
  const QImage inner = CellInner(skin.board);
  skin.balls = Canvas(kTile * kBallFrames, kTile * kBallColors, Qt::black);
  for (int row = 0; row < kBallColors; ++row) {
    const QColor c = skin.palette[row].color;
    PutTile(skin.balls, painters.rest(inner, c), kFrameRest, row);
    for (int f = 1; f <= 9; ++f)
      PutTile(skin.balls, painters.breaking(inner, c, f), f, row);
    PutTile(skin.balls, painters.preview(inner, c), kFramePreview, row);
    PutTile(skin.balls, painters.reserved(inner, c), kFrameReserved, row);
    for (int i = 0; i < 4; ++i)
      PutTile(skin.balls, painters.grow(inner, c, i), kFrameFirstGrow + i, row);
    for (int i = 0; i < 8; ++i) {
      PutTile(skin.balls, painters.bounce(inner, c, i), kFrameFirstBounce + i, row);
    }
  }
  skin.walk = Canvas(kTile * 4, kTile, Qt::black);
  for (int d = 0; d < 4; ++d)
    PutTile(skin.walk, painters.walk(inner, d), d, 0);
  return skin;
}

}  // namespace

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

void PaintSparkle(QPainter& p, QPointF at, qreal size, QColor color) {
  p.save();
  p.translate(at);
  QPainterPath star;
  star.moveTo(0, -size);
  star.quadTo(0, 0, size, 0);
  star.quadTo(0, 0, 0, size);
  star.quadTo(0, 0, -size, 0);
  star.quadTo(0, 0, 0, -size);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPath(star);
  QColor core(255, 255, 255, color.alpha());
  p.setBrush(core);
  p.drawEllipse(QPointF(0, 0), size * 0.22, size * 0.22);
  p.restore();
}

void PaintHalo(QPainter& p, QPointF centre, qreal radius, QColor glow, qreal solid_to) {
  QRadialGradient g(centre, radius);
  g.setColorAt(solid_to, glow);
  glow.setAlpha(0);
  g.setColorAt(1.0, glow);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
}

QImage WalkTile(const QImage& inner, int direction, void (*paint_right)(QPainter& p)) {
  static const qreal kAngle[4] = {0, 180, 270, 90};
  QImage t = inner;
  QPainter p(&t);
  Smooth(p);
  p.translate(16, 16);
  p.rotate(kAngle[direction]);
  paint_right(p);
  return t;
}

QImage DisplayStrip(int width, int height, QColor base, const QGradientStops& shades) {
  QImage strip = Canvas(width, height, base);
  QPainter p(&strip);
  QLinearGradient g(0, 0, 0, height);
  g.setStops(shades);
  p.fillRect(strip.rect(), g);
  return strip;
}

void PaintDigits(QPainter& p, int cell, qreal baseline, const QFont& font,
                 const QGradientStops& letters, QColor shadow) {
  const QFontMetricsF m(font);
  for (int d = 0; d < 10; ++d) {
    const qreal centre = cell * d + cell / 2.0;
    const QString digit = QString::number(d);
    HintedText(p, centre + 1, baseline + 1, digit, font, shadow);
    QLinearGradient lettering(0, baseline - m.capHeight(), 0, baseline);
    lettering.setStops(letters);
    HintedText(p, centre, baseline, digit, font, lettering);
  }
}

QImage LetteredScore(const LetteredDigits& look, const char* family) {
  QImage strip = DisplayStrip(160, 20, look.base, look.glass);
  QPainter p(&strip);
  Smooth(p);
  PaintDigits(p, 16, 16.5, ArtFont(family, 17, QFont::Bold), look.letters, look.shadow);
  return strip;
}

QImage LetteredTimer(const LetteredDigits& look, void (*paint_colon)(QPainter& p)) {
  QImage strip = DisplayStrip(99, 11, look.base, look.glass);
  QPainter p(&strip);
  Smooth(p);
  PaintDigits(p, 9, 9.0, ArtFont("DejaVu Sans Mono", 10, QFont::Bold), look.letters, look.shadow);
  paint_colon(p);
  return strip;
}

SkinPictures PaintClassicSkin() {
  return Assemble(ClassicPainters());
}

SkinPictures PaintRetroSkin() {
  return Assemble(RetroPainters());
}

SkinPictures PaintGemsSkin() {
  return Assemble(GemsPainters());
}

std::vector<SkinPictures> PaintAllSkins() {
  return {PaintClassicSkin(), PaintRetroSkin(), PaintGemsSkin()};
}

}  // namespace orbello::art
