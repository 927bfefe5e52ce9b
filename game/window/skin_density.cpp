#include "skin_density.h"

#include "game/window/picture_decoding.h"
#include "game/window/pictures.h"
#include "skinfile/companion.h"

namespace orbello::window {
QSize SkinPieceSize(int k, QSize picture_size) {
  switch (k) {
    case skinfile::kScore:
      return QSize(16, 20);
    case skinfile::kBalls:
    case skinfile::kWalk:
      return QSize(32, 32);
    case skinfile::kTimer:
      return QSize(9, 11);
    default:
      return picture_size;
  }
}

bool ScaleSkinPictures(const std::string& skin_path, int scale, SkinPictureSet& pictures) {
  constexpr int count = skinfile::kPictureCount;
  if (scale == 1)
    return false;
  std::array<std::string, skinfile::kPictureCount> bytes;
  if (scale == 2 && skinfile::ReadCompanion(skin_path, &bytes)) {
    SkinPictureSet doubles;
    bool fits = true;
    for (int k = 0; k < count && fits; ++k) {
      // Bounded like the skin's own pictures, at their density, before anything is decoded.
      fits = skinfile::PictureWithinBounds(bytes[k], scale);
      if (!fits)
        break;
      doubles[k] = DecodeBitmap(bytes[k]);
      fits = !doubles[k].isNull() && doubles[k].size() == pictures[k].size() * scale;
    }
    if (fits) {
      for (int k = 0; k < count; ++k) {
        pictures[k] = std::move(doubles[k]);
        pictures[k].setDevicePixelRatio(scale);
      }
      return true;
    }
  }
  for (int k = 0; k < count; ++k)
    pictures[k] = ScalePicture(pictures[k], scale, SkinPieceSize(k, pictures[k].size()));
  return false;
}

}  // namespace orbello::window
