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

bool ScaleSkinPictures(const std::string& skin_path, int scale, SkinPictureSet& pictures,
                       std::string* later_balls) {
  constexpr int count = skinfile::kPictureCount;
  const bool balls_later = later_balls != nullptr && !later_balls->empty();
  if (scale == 1)
    return false;
  const QSize later_balls_size =
      balls_later ? DirectlyDecodedSize(*later_balls).value_or(QSize()) : QSize();
  auto one_size = [&](int k) {
    return k == skinfile::kBalls && balls_later ? later_balls_size : pictures[k].size();
  };
  std::array<std::string, skinfile::kPictureCount> bytes;
  if (scale == 2 && skinfile::ReadCompanion(skin_path, &bytes)) {
    SkinPictureSet doubles;
    bool fits = true;
    bool doubled_balls_later = false;
    for (int k = 0; k < count && fits; ++k) {
      // Bounded like the skin's own pictures, at their density, before anything is decoded.
      fits = skinfile::PictureWithinBounds(bytes[k], scale);
      if (!fits)
        break;
      if (k == skinfile::kBalls && balls_later) {
        if (const std::optional<QSize> size = DirectlyDecodedSize(bytes[k])) {
          fits = *size == one_size(k) * scale;
          doubled_balls_later = true;
          continue;
        }
      }
      doubles[k] = DecodeBitmap(bytes[k]);
      fits = !doubles[k].isNull() && doubles[k].size() == one_size(k) * scale;
    }
    if (fits) {
      for (int k = 0; k < count; ++k) {
        pictures[k] = std::move(doubles[k]);
        pictures[k].setDevicePixelRatio(scale);
      }
      // The companion's balls wait to be decoded too, unless decoded above.
      if (balls_later)
        *later_balls = doubled_balls_later ? std::move(bytes[skinfile::kBalls]) : std::string();
      return true;
    }
  }
  if (balls_later) {
    pictures[skinfile::kBalls] = DecodeBitmap(*later_balls);
    later_balls->clear();
  }
  for (int k = 0; k < count; ++k)
    pictures[k] = ScalePicture(pictures[k], scale, SkinPieceSize(k, pictures[k].size()));
  return false;
}

}  // namespace orbello::window
