// A loaded skin's pictures at the window's scale: on a screen of double density from the skin's
// companion file when it has one that belongs to it, else the 1x pictures smoothly enlarged.
#pragma once

#include <QImage>
#include <QSize>
#include <array>
#include <string>

#include "skinfile/skinfile.h"

namespace orbello::window {

using SkinPictureSet = std::array<QImage, skinfile::kPictureCount>;

// The grid along which picture k of a skin of this size is cut: the board whole, the digits
// glyph by glyph, balls and path marks tile by tile.
QSize SkinPieceSize(int k, QSize picture_size);

// Brings the five pictures of `pictures` (loaded at scale 1 from the skin at `skin_path`) to
// `scale`. The companion's pictures are taken only when each is exactly `scale` times the size of
// its 1x picture. True when the companion's pictures were taken.
// The balls picture may be left undecoded: `later_balls`, when not empty, holds its 1x bytes in
// place of pictures[kBalls] (bytes that DecodeBitmap decodes directly), and on return the bytes to
// decode at `scale` when the balls are first drawn (the companion's), or is empty with
// pictures[kBalls] decoded and brought to `scale`.
bool ScaleSkinPictures(const std::string& skin_path, int scale, SkinPictureSet& pictures,
                       std::string* later_balls = nullptr);

}  // namespace orbello::window
