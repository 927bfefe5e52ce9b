#include "game/window/window_skin.h"

#include "game/window/picture_decoding.h"
#include "game/window/skin_density.h"
#include "platform/core/message.h"
#include "platform/qt/translation.h"

namespace orbello::window {

WindowSkin::WindowSkin(int scale, std::mutex& timer_lock, QWidget* owner)
    : scale_(scale), timer_lock_(timer_lock), owner_(owner) {}

bool WindowSkin::Load(const std::string& path) {
  // The pictures are decoded straight from the skin file's bytes: no temporary files, so neither
  // the temporary folder nor files left behind by a killed game play any part. They are taken only
  // once all five have loaded, so a failure leaves the ones held.
  skinfile::SkinPictures bytes;
  bool loaded = skinfile::ReadSkinPictures(path, &bytes);
  SkinPictureSet pictures;
  std::string later_balls;
  for (int k = 0; loaded && k < skinfile::kPictureCount; ++k) {
    if (!skinfile::PictureWithinBounds(bytes[k])) {
      loaded = false;
    } else if (k == skinfile::kBalls && DirectlyDecodedSize(bytes[k])) {
      later_balls = std::move(bytes[k]);
    } else {
      pictures[k] = DecodeBitmap(bytes[k]);
      loaded = !pictures[k].isNull();
    }
  }
  if (!loaded) {
    const QString text =
        platform::Translate("GameWindow", "Unable to load skin: [%1]")
            .arg(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
    platform::ShowMessage({text.toLocal8Bit().toStdString(), "Error", platform::MessageIcon::kError,
                           platform::MessageButtons::kOk, 0, owner_});
    return false;
  }
  ScaleSkinPictures(path, scale_, pictures, &later_balls);
  board_ = std::move(pictures[skinfile::kBoard]);
  score_ = std::move(pictures[skinfile::kScore]);
  balls_ = std::move(pictures[skinfile::kBalls]);
  balls_bytes_ = std::move(later_balls);
  walk_ = std::move(pictures[skinfile::kWalk]);
  std::lock_guard guard(timer_lock_);
  timer_ = std::move(pictures[skinfile::kTimer]);
  return true;
}

bool WindowSkin::Switch(const std::string& path) {
  // Load takes the new pictures only once all have loaded; a failed attempt leaves the old ones.
  return Load(path);
}

const QImage& WindowSkin::Balls() const {
  if (!balls_bytes_.empty()) {
    balls_ = DecodeBitmap(balls_bytes_);
    balls_.setDevicePixelRatio(scale_);
    balls_bytes_ = std::string();
  }
  return balls_;
}

void WindowSkin::Release() {
  board_ = score_ = balls_ = walk_ = QImage();
  balls_bytes_ = std::string();
  std::lock_guard guard(timer_lock_);
  timer_ = QImage();
}

}  // namespace orbello::window
