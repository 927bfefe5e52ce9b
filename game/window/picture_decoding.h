// Decoding of the picture files the window shows from start-up on. Each decoder reads one kind
// directly, to the same pixels as Qt's general reader but without Qt's image plug-ins: the first
// frame then never waits for the plug-ins to be looked up and loaded.
#pragma once

#include <QImage>
#include <QSize>
#include <optional>
#include <string_view>

namespace orbello::window {

// A BMP file image (a skin picture, one of the program's own bitmaps) in Format_RGB32; null when it
// is no loadable bitmap. The usual kind, uncompressed 24-bit, is decoded here directly, several
// times faster than the general reader; every other kind goes to Qt's reader.
QImage DecodeBitmap(std::string_view bmp);

// When `bmp` is of the usual kind, whole, which DecodeBitmap decodes directly (its decoding can
// then fail only for want of memory): the size of its picture.
std::optional<QSize> DirectlyDecodedSize(std::string_view bmp);

// A JPEG file image in Format_RGB32; null when it is no colour or grey JPEG.
QImage DecodeJpeg(std::string_view jpeg);

// A PNG file image in Format_ARGB32; null when it is no PNG.
QImage DecodePng(std::string_view png);

}  // namespace orbello::window
