// Cutting the skin's pictures and composing the digit displays. Every copy is clipped to its
// source: a picture smaller than the cutting rules expect never causes a read outside it.
//
// On a screen of double density the window's pictures have twice the pixels in each direction
// and say so by their device pixel ratio (their scale, 1 or 2). Rectangles and points here are
// always in logical pixels, the window's coordinates, so the cutting rules hold at both scales.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <string>

namespace orbello::window {

// A picture's scale: its device pixel ratio as a whole number, at least 1.
int ScaleOf(const QImage& picture);

// The whole of a picture in logical pixels.
QRect LogicalRect(const QImage& picture);

// The scale at which the window draws on a screen of the given device pixel ratio: 2 from a
// ratio of 2 upwards, else 1.
int PictureScale(qreal device_pixel_ratio);

// Copies the part of `rect` that lies inside `source` to `target` at `at` (the top left corner of
// `rect` lands on `at`); pixels of `rect` outside `source` leave `target` as it was. Both images
// are expected at the same scale and in Format_RGB32; others are converted.
void CopyClipped(const QImage& source, const QRect& rect, QImage& target, QPoint at);

// A new 32-bit picture, black, of the given logical size at `scale` (the state of a freshly made
// work picture).
QImage BlankPicture(int width, int height, int scale = 1);

// `picture` (at scale 1) at `scale`, smoothly enlarged: for a skin that has no pictures of its own
// at that density. Each `piece` of the picture's grid, counted from its top left, is enlarged on
// its own, so that no tile or glyph takes colour from its neighbour at its edge.
QImage ScalePicture(const QImage& picture, int scale, QSize piece);

// The value as five digits with leading zeros. Values above 99999 do not fit the five places
// and show as 99999.
std::string FiveDigits(uint32_t value);

// 80 x 20: the five digit glyphs (16 x 20 each) cut from the score picture, at its scale.
QImage ComposeNumber(const QImage& score_picture, uint32_t value);

// "hh:mm:ss" for seconds in 0..359999.
std::string ClockText(int seconds);

// 99 x 11: the eight characters of ClockText cut from the timer picture (digits 9 x 11 at 9d,
// the colon at 90), at its scale.
QImage ComposeClock(const QImage& timer_picture, int seconds);

// The 72 x 11 band of the game-type picture for game type 1..3, at its scale; a null image for
// other types or when the band does not lie inside the picture.
QImage GameTypeBand(const QImage& type_picture, int game_type);

}  // namespace orbello::window
