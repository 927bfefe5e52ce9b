#include "picture_decoding.h"

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <QtEndian>

#include "platform/core/bytes.h"
#include "skinfile/skinfile.h"

namespace orbello::window {

namespace {

// The little-endian field of type T at `at`; the caller has checked that it is there.
template <typename T>
T Field(std::string_view bytes, size_t at) {
  return platform::GetLittleEndian<T>(reinterpret_cast<const unsigned char*>(bytes.data()) + at);
}

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;

// The layout of an uncompressed 24-bit picture with the plain 40-byte header and the pixels right
// behind it, as every bitmap program writes them, and whole; nothing for any other.
struct Plain24 {
  int32_t width;
  int32_t height;  // negative: the rows are stored from the top down
  size_t stride;
};

std::optional<Plain24> Plain24Layout(std::string_view bmp) {
  if (bmp.size() < kFileHeader + kInfoHeader || bmp[0] != 'B' || bmp[1] != 'M' ||
      Field<uint32_t>(bmp, 10) != kFileHeader + kInfoHeader ||
      Field<uint32_t>(bmp, 14) != kInfoHeader || Field<uint16_t>(bmp, 26) != 1 ||
      Field<uint16_t>(bmp, 28) != 24 || Field<uint32_t>(bmp, 30) != 0) {
    return std::nullopt;
  }
  const auto width = static_cast<int32_t>(Field<uint32_t>(bmp, 18));
  const auto height = static_cast<int32_t>(Field<uint32_t>(bmp, 22));
  // Within the skin's bound, so no size arithmetic below can overflow.
  if (width <= 0 || height == 0 || height == INT32_MIN || width > 2 * skinfile::kMaxPictureWidth ||
      std::abs(height) > 2 * skinfile::kMaxPictureHeight) {
    return std::nullopt;
  }
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  if (bmp.size() < kFileHeader + kInfoHeader + stride * static_cast<size_t>(std::abs(height)))
    return std::nullopt;
  return Plain24{width, height, stride};
}

// The usual kind is decoded here; anything else is left to Qt's reader (null here).
QImage DecodePlain24(std::string_view bmp) {
  const std::optional<Plain24> layout = Plain24Layout(bmp);
  if (!layout)
    return {};
  const auto [width, height, stride] = *layout;
  const int rows = std::abs(height);
  QImage image(width, rows, QImage::Format_RGB32);
  if (image.isNull())
    return {};
  const auto* pixels =
      reinterpret_cast<const unsigned char*>(bmp.data()) + kFileHeader + kInfoHeader;
  for (int y = 0; y < rows; ++y) {
    // Rows are stored from the bottom up unless the height is negative.
    const unsigned char* in = pixels + stride * static_cast<size_t>(height > 0 ? rows - 1 - y : y);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    int x = 0;
    // Four pixels from three little-endian words: b0 g0 r0 b1 | g1 r1 b2 g2 | r2 b3 g3 r3.
    for (; x + 4 <= width; x += 4, in += 12) {
      uint32_t w[3];
      std::memcpy(w, in, sizeof w);
      w[0] = qFromLittleEndian(w[0]);
      w[1] = qFromLittleEndian(w[1]);
      w[2] = qFromLittleEndian(w[2]);
      out[x] = 0xff000000u | (w[0] & 0xffffffu);
      out[x + 1] = 0xff000000u | (w[0] >> 24) | ((w[1] & 0xffffu) << 8);
      out[x + 2] = 0xff000000u | (w[1] >> 16) | ((w[2] & 0xffu) << 16);
      out[x + 3] = 0xff000000u | (w[2] >> 8);
    }
    for (; x < width; ++x, in += 3)
      out[x] = qRgb(in[2], in[1], in[0]);
  }
  image.setDotsPerMeterX(static_cast<int32_t>(Field<uint32_t>(bmp, 38)));
  image.setDotsPerMeterY(static_cast<int32_t>(Field<uint32_t>(bmp, 42)));
  return image;
}

}  // namespace

std::optional<QSize> DirectlyDecodedSize(std::string_view bmp) {
  const std::optional<Plain24> layout = Plain24Layout(bmp);
  if (!layout)
    return std::nullopt;
  return QSize(layout->width, std::abs(layout->height));
}

QImage DecodeBitmap(std::string_view bmp) {
  QImage image = DecodePlain24(bmp);
  if (image.isNull()) {
    image.loadFromData(reinterpret_cast<const uchar*>(bmp.data()), static_cast<int>(bmp.size()),
                       "BMP");
  }
  return image.convertToFormat(QImage::Format_RGB32);
}

namespace {

// Larger pictures than these are no picture of the program's; they are refused before anything
// is allocated for them.
constexpr int kMaxDecodedSide = 8192;

struct JpegFailure {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

bool ReadJpeg(jpeg_decompress_struct& info, std::string_view jpeg, QImage& image) {
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.data()),
               static_cast<unsigned long>(jpeg.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
    return false;
  if (info.jpeg_color_space != JCS_YCbCr && info.jpeg_color_space != JCS_RGB &&
      info.jpeg_color_space != JCS_GRAYSCALE) {
    return false;
  }
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxDecodedSide ||
      info.image_height > kMaxDecodedSide) {
    return false;
  }
  // Blue, green, red and an opaque fourth byte: a pixel of Format_RGB32 as it lies in memory.
  info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB32);
  if (image.isNull())
    return false;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

// Nothing with a destructor lives in this frame, across which the library jumps back on an error;
// the picture is the caller's.
bool DecodeJpegInto(std::string_view jpeg, QImage* image) {
  jpeg_decompress_struct info{};
  JpegFailure failure{};
  info.err = jpeg_std_error(&failure.manager);
  failure.manager.error_exit = JumpOnJpegError;
  failure.manager.output_message = IgnoreJpegMessage;
  if (setjmp(failure.jump) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  const bool decoded = ReadJpeg(info, jpeg, *image);
  jpeg_destroy_decompress(&info);
  return decoded;
}

}  // namespace

QImage DecodeJpeg(std::string_view jpeg) {
  QImage image;
  return DecodeJpegInto(jpeg, &image) ? image : QImage();
}

QImage DecodePng(std::string_view png) {
  png_image info{};
  info.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&info, png.data(), png.size()))
    return {};
  if (info.width == 0 || info.height == 0 || info.width > kMaxDecodedSide ||
      info.height > kMaxDecodedSide) {
    png_image_free(&info);
    return {};
  }
  // Blue, green, red, alpha: a pixel of Format_ARGB32 as it lies in memory.
  info.format = PNG_FORMAT_BGRA;
  QImage image(static_cast<int>(info.width), static_cast<int>(info.height), QImage::Format_ARGB32);
  if (image.isNull() ||
      !png_image_finish_read(&info, nullptr, image.bits(),
                             static_cast<png_int_32>(image.bytesPerLine()), nullptr)) {
    png_image_free(&info);
    return {};
  }
  return image;
}

}  // namespace orbello::window
