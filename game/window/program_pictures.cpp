#include "game/window/program_pictures.h"

#include <QResource>
#include <QStringList>
#include <string_view>

#include "game/window/picture_decoding.h"
#include "game/window/pictures.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"

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

// A picture of the program at `scale`: at 2 its "@2x" resource (FOLDER/NAME@2x.bmp beside
// FOLDER/NAME.bmp), or, should that be missing, the 1x picture `one` smoothly enlarged.
QImage ScaledResourceBitmap(const QImage& one, const QString& folder, const char* name, int scale) {
  if (scale == 1 || one.isNull())
    return one;
  QImage picture = LoadResourceBitmap(folder + QLatin1String(name) + QLatin1String("@2x.bmp"));
  if (picture.size() != one.size() * scale)
    return ScalePicture(one, scale, one.size());
  picture.setDevicePixelRatio(scale);
  return picture;
}

// A language's pictures take under 1 MB; anything far larger is not ours.
constexpr size_t kMaxLanguagePicturesBytes = 16 << 20;

// Maps the language's resource file, pictures_LANGUAGE.rcc beside the program, once: only the
// pictures of the player's language are ever registered. False when it is not there.
bool RegisterLanguagePictures(const QString& language) {
  static QStringList registered;
  if (registered.contains(language))
    return true;
  // By the folder's bytes (its name need not be text), and only a regular file: a FIFO or a
  // device in its place must neither stall nor end the start.
  const std::string file =
      platform::ProgramFolder() + "/pictures_" + language.toStdString() + ".rcc";
  size_t size = 0;
  const unsigned char* data = platform::MapRegularFile(file, kMaxLanguagePicturesBytes, &size);
  if (data == nullptr || !QResource::registerResource(data))
    return false;
  registered.append(language);
  return true;
}

}  // namespace

ProgramPictures::ProgramPictures(int scale, const QString& language) : scale_(scale) {
  if (!language.isEmpty() && RegisterLanguagePictures(language))
    language_folder_ = QLatin1String(":/game/") + language + QLatin1Char('/');
}

QString ProgramPictures::FolderOf(const QString& file) const {
  if (!language_folder_.isEmpty() && QResource(language_folder_ + file).isValid())
    return language_folder_;
  return QStringLiteral(":/game/");
}

QImage ProgramIcon() {
  return DecodePng(View(ReadResource(QStringLiteral(":/game/MAINICON.png"))));
}

bool ProgramPictures::LoadInterface() {
  const QString buttons = FolderOf(QStringLiteral("BITMAP_BTN.bmp"));
  const QString disabled = FolderOf(QStringLiteral("BITMAP_NEW_DISABLE.bmp"));
  button_shapes_ = LoadResourceBitmap(buttons + QLatin1String("BITMAP_BTN.bmp"));
  new_disable_ = LoadResourceBitmap(disabled + QLatin1String("BITMAP_NEW_DISABLE.bmp"));
  caption_buttons_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_CAPTION_BTN.bmp"));
  bar_menu_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_BAR_MENU.bmp"));
  if (button_shapes_.isNull() || new_disable_.isNull() || caption_buttons_.isNull() ||
      bar_menu_.isNull()) {
    return false;
  }
  const QString english = QStringLiteral(":/game/");
  button_faces_ = ScaledResourceBitmap(button_shapes_, buttons, "BITMAP_BTN", scale_);
  new_disable_ = ScaledResourceBitmap(new_disable_, disabled, "BITMAP_NEW_DISABLE", scale_);
  caption_buttons_ = ScaledResourceBitmap(caption_buttons_, english, "BITMAP_CAPTION_BTN", scale_);
  bar_menu_ = ScaledResourceBitmap(bar_menu_, english, "BITMAP_BAR_MENU", scale_);
  return true;
}

bool ProgramPictures::LoadBackdrop() {
  const QString folder = FolderOf(QStringLiteral("201.jpg"));
  if (scale_ > 1) {
    backdrop_ = DecodeJpeg(View(ReadResource(folder + QLatin1String("201@2x.jpg"))));
    if (!backdrop_.isNull()) {
      backdrop_.setDevicePixelRatio(scale_);
      return true;
    }
  }
  const QImage picture = DecodeJpeg(View(ReadResource(folder + QLatin1String("201.jpg"))));
  if (picture.isNull())
    return false;
  backdrop_ = ScalePicture(picture, scale_, picture.size());
  return !backdrop_.isNull();
}

QImage ProgramPictures::GameTypeLabels() const {
  const QString folder = FolderOf(QStringLiteral("BITMAP_TYPE_GAME.bmp"));
  return ScaledResourceBitmap(LoadResourceBitmap(folder + QLatin1String("BITMAP_TYPE_GAME.bmp")),
                              folder, "BITMAP_TYPE_GAME", scale_);
}

void ProgramPictures::Release() {
  button_shapes_ = button_faces_ = new_disable_ = caption_buttons_ = bar_menu_ = QImage();
  backdrop_ = QImage();
}

}  // namespace orbello::window
