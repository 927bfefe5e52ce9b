// What each skin gives: its board cell, its two digit strips and the painters of its frames.
// Every frame painter draws on a copy of `inner`, the part of the empty cell a tile covers.
#pragma once

#include <QColor>
#include <QFont>
#include <QGradient>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include "skins.h"

namespace orbello::art {

inline constexpr qreal kPi = 3.14159265358979323846;

struct SkinPainters {
  const char* name;
  BallPalette palette;  // ball rows 0..6
  QImage (*board)();
  QImage (*score)();
  QImage (*timer)();
  QImage (*rest)(const QImage& inner, QColor c);
  QImage (*breaking)(const QImage& inner, QColor c, int step);  // step 1..9
  QImage (*preview)(const QImage& inner, QColor c);
  QImage (*reserved)(const QImage& inner, QColor c);
  QImage (*grow)(const QImage& inner, QColor c, int step);    // step 0..3
  QImage (*bounce)(const QImage& inner, QColor c, int step);  // step 0..7
  QImage (*walk)(const QImage& inner, int direction);         // right, left, up, down
};

SkinPainters ClassicPainters();
SkinPainters RetroPainters();
SkinPainters GemsPainters();

// Drawing shared by the skins: a soft elliptic shadow under a ball, and a four-pointed sparkle.
void PaintShadow(QPainter& p, QPointF centre, qreal rx, qreal ry, qreal strength);
void PaintSparkle(QPainter& p, QPointF at, qreal size, QColor color);
// A round glow of `glow` out to `radius`, solid up to `solid_to` of it, then fading out.
void PaintHalo(QPainter& p, QPointF centre, qreal radius, QColor glow, qreal solid_to);
// A walk tile: `paint_right` draws the mark pointing right around the tile's centre (0, 0), and
// the tile turns it to face `direction` (right, left, up, down).
QImage WalkTile(const QImage& inner, int direction, void (*paint_right)(QPainter& p));

// How a skin letters its two digit strips: `letters` over a `shadow` on a `glass` gradient laid
// over `base`.
struct LetteredDigits {
  QColor base;
  QGradientStops glass;
  QGradientStops letters;
  QColor shadow;
};
// The score strip (160 x 20) lettered in the bold face `family`.
QImage LetteredScore(const LetteredDigits& look, const char* family);
// The timer strip (99 x 11) in a bold monospaced face, with the skin's own colon drawn by
// `paint_colon` at the right end.
QImage LetteredTimer(const LetteredDigits& look, void (*paint_colon)(QPainter& p));

// A display strip: `base` under a vertical gradient of `shades`.
QImage DisplayStrip(int width, int height, QColor base, const QGradientStops& shades);
// The digits 0..9 side by side in cells `cell` wide, each centred with its baseline at
// `baseline`, lettered with a gradient of `letters` from cap height down to the baseline over a
// `shadow` one pixel down and to the right.
void PaintDigits(QPainter& p, int cell, qreal baseline, const QFont& font,
                 const QGradientStops& letters, QColor shadow);

}  // namespace orbello::art
