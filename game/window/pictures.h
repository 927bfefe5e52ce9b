// Cutting the skin's pictures and composing the digit displays. Every copy is clipped to its
// source: a picture smaller than the cutting rules expect never causes a read outside it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <string>

namespace orbello::window {

// Copies the part of `rect` that lies inside `source` to `target` at `at` (the top left corner of
// `rect` lands on `at`); pixels of `rect` outside `source` leave `target` as it was. Both images
// are expected in Format_RGB32; others are converted.
void CopyClipped(const QImage& source, const QRect& rect, QImage& target, QPoint at);

// A new 32-bit picture, black, of the given size (the state of a freshly made work picture).
QImage BlankPicture(int width, int height);

// The value as five digits with leading zeros. Values above 99999 do not fit the five places
// and show as 99999.
std::string FiveDigits(uint32_t value);

// 80 x 20: the five digit glyphs (16 x 20 each) cut from the score picture.
QImage ComposeNumber(const QImage& score_picture, uint32_t value);

// "hh:mm:ss" for seconds in 0..359999.
std::string ClockText(int seconds);

// 99 x 11: the eight characters of ClockText cut from the timer picture (digits 9 x 11 at 9d,
// the colon at 90).
QImage ComposeClock(const QImage& timer_picture, int seconds);

// The 72 x 11 band of the game-type picture for game type 1..3; a null image for other types or
// when the band does not lie inside the picture.
QImage GameTypeBand(const QImage& type_picture, int game_type);

}  // namespace orbello::window
