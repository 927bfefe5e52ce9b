#include "skin_density.h"

#include <cstdint>
#include <cstdlib>

#include "game/window/pictures.h"
#include "skinfile/companion.h"

namespace orbello::window {
namespace {

uint32_t Le(const std::string& bytes, size_t at, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
  return value;
}

// Uncompressed 24-bit pictures with the plain 40-byte header and the pixels right behind it, as
// every bitmap program writes them; anything else is left to Qt's reader (null here).
QImage DecodePlain24(const std::string& bmp) {
  constexpr size_t kFileHeader = 14;
  constexpr size_t kInfoHeader = 40;
  if (bmp.size() < kFileHeader + kInfoHeader || bmp[0] != 'B' || bmp[1] != 'M' ||
      Le(bmp, 10, 4) != kFileHeader + kInfoHeader || Le(bmp, 14, 4) != kInfoHeader ||
      Le(bmp, 26, 2) != 1 || Le(bmp, 28, 2) != 24 || Le(bmp, 30, 4) != 0) {
    return {};
  }
  const auto width = static_cast<int32_t>(Le(bmp, 18, 4));
  const auto height = static_cast<int32_t>(Le(bmp, 22, 4));
  // Within the skin's bound, so no size arithmetic below can overflow.
  if (width <= 0 || height == 0 || height == INT32_MIN || width > 2 * skinfile::kMaxPictureWidth ||
      std::abs(height) > 2 * skinfile::kMaxPictureHeight) {
    return {};
  }
  const int rows = std::abs(height);
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  if (bmp.size() < kFileHeader + kInfoHeader + stride * static_cast<size_t>(rows))
    return {};
  QImage image(width, rows, QImage::Format_RGB32);
  if (image.isNull())
    return {};
  const auto* pixels =
      reinterpret_cast<const unsigned char*>(bmp.data()) + kFileHeader + kInfoHeader;
  for (int y = 0; y < rows; ++y) {
    // Rows are stored from the bottom up unless the height is negative.
    const unsigned char* in = pixels + stride * static_cast<size_t>(height > 0 ? rows - 1 - y : y);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x, in += 3)
      out[x] = qRgb(in[2], in[1], in[0]);
  }
  image.setDotsPerMeterX(static_cast<int32_t>(Le(bmp, 38, 4)));
  image.setDotsPerMeterY(static_cast<int32_t>(Le(bmp, 42, 4)));
  return image;
}

}  // namespace

QImage DecodeBitmap(const std::string& bmp) {
  QImage image = DecodePlain24(bmp);
  if (image.isNull()) {
    image.loadFromData(reinterpret_cast<const uchar*>(bmp.data()), static_cast<int>(bmp.size()),
                       "BMP");
  }
  return image.convertToFormat(QImage::Format_RGB32);
}

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
