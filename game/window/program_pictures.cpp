#include "game/window/program_pictures.h"

#include <QResource>
#include <string_view>

#include "game/window/picture_decoding.h"
#include "game/window/pictures.h"

namespace orbello::window {

namespace {

// A resource's bytes: read in place where stored uncompressed, as the build stores the program's.
QByteArray ReadResource(const QString& path) {
  const QResource resource(path);
  if (!resource.isValid())
    return {};
  if (resource.compressionAlgorithm() != QResource::NoCompression)
    return resource.uncompressedData();
  return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                 static_cast<qsizetype>(resource.size()));
}

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

// The program's bitmaps go through the same direct decoding as the skin's pictures.
QImage LoadResourceBitmap(const QString& path) {
  return DecodeBitmap(View(ReadResource(path)));
}

// A picture of the program at `scale`: at 2 its "@2x" resource (":/game/NAME@2x.bmp" beside
// ":/game/NAME.bmp"), or, should that be missing, the 1x picture `one` smoothly enlarged.
QImage ScaledResourceBitmap(const QImage& one, const char* name, int scale) {
  if (scale == 1 || one.isNull())
    return one;
  QImage picture = LoadResourceBitmap(QStringLiteral(":/game/%1@2x.bmp").arg(QLatin1String(name)));
  if (picture.size() != one.size() * scale)
    return ScalePicture(one, scale, one.size());
  picture.setDevicePixelRatio(scale);
  return picture;
}

}  // namespace

QImage ProgramIcon() {
  return DecodePng(View(ReadResource(QStringLiteral(":/game/MAINICON.png"))));
}

bool ProgramPictures::LoadInterface() {
  button_shapes_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_BTN.bmp"));
  new_disable_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_NEW_DISABLE.bmp"));
  caption_buttons_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_CAPTION_BTN.bmp"));
  bar_menu_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_BAR_MENU.bmp"));
  if (button_shapes_.isNull() || new_disable_.isNull() || caption_buttons_.isNull() ||
      bar_menu_.isNull()) {
    return false;
  }
  button_faces_ = ScaledResourceBitmap(button_shapes_, "BITMAP_BTN", scale_);
  new_disable_ = ScaledResourceBitmap(new_disable_, "BITMAP_NEW_DISABLE", scale_);
  caption_buttons_ = ScaledResourceBitmap(caption_buttons_, "BITMAP_CAPTION_BTN", scale_);
  bar_menu_ = ScaledResourceBitmap(bar_menu_, "BITMAP_BAR_MENU", scale_);
  return true;
}

bool ProgramPictures::LoadBackdrop() {
  if (scale_ > 1) {
    backdrop_ = DecodeJpeg(View(ReadResource(QStringLiteral(":/game/201@2x.jpg"))));
    if (!backdrop_.isNull()) {
      backdrop_.setDevicePixelRatio(scale_);
      return true;
    }
  }
  const QImage picture = DecodeJpeg(View(ReadResource(QStringLiteral(":/game/201.jpg"))));
  if (picture.isNull())
    return false;
  backdrop_ = ScalePicture(picture, scale_, picture.size());
  return !backdrop_.isNull();
}

QImage ProgramPictures::GameTypeLabels() const {
  return ScaledResourceBitmap(LoadResourceBitmap(QStringLiteral(":/game/BITMAP_TYPE_GAME.bmp")),
                              "BITMAP_TYPE_GAME", scale_);
}

void ProgramPictures::Release() {
  button_shapes_ = button_faces_ = new_disable_ = caption_buttons_ = bar_menu_ = QImage();
  backdrop_ = QImage();
}

}  // namespace orbello::window
