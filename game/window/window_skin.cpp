#include "game/window/window_skin.h"

#include "game/window/skin_density.h"
#include "platform/core/message.h"

namespace orbello::window {

WindowSkin::WindowSkin(int scale, std::mutex& timer_lock, QWidget* owner)
    : scale_(scale), timer_lock_(timer_lock), owner_(owner) {}

bool WindowSkin::Load(const std::string& path) {
  // The pictures are taken only once all five have loaded, so a failure leaves the ones held.
  bool loaded = skinfile::UnpackSkin(path, temp_names_);
  SkinPictureSet pictures;
  for (int k = 0; loaded && k < skinfile::kPictureCount; ++k) {
    std::string bytes;
    loaded = skinfile::ReadUnpackedPicture(temp_names_[k], &bytes) &&
             pictures[k].loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                      static_cast<int>(bytes.size()), "BMP");
    pictures[k] = pictures[k].convertToFormat(QImage::Format_RGB32);
  }
  if (!loaded) {
    platform::ShowMessage({skinfile::UnableToLoadSkinMessage(path), "Error",
                           platform::MessageIcon::kError, platform::MessageButtons::kOk, 0,
                           owner_});
    return false;
  }
  ScaleSkinPictures(path, scale_, pictures);
  board_ = std::move(pictures[skinfile::kBoard]);
  score_ = std::move(pictures[skinfile::kScore]);
  balls_ = std::move(pictures[skinfile::kBalls]);
  walk_ = std::move(pictures[skinfile::kWalk]);
  std::lock_guard guard(timer_lock_);
  timer_ = std::move(pictures[skinfile::kTimer]);
  return true;
}

bool WindowSkin::Switch(const std::string& path) {
  // The new skin is unpacked beside the old one, whose files go only once the new one has loaded
  // whole; a failed attempt leaves the old skin's pictures and files as they were.
  const skinfile::TempNames old_names = temp_names_;
  temp_names_ = {};
  if (Load(path)) {
    skinfile::DeleteTempFiles(old_names);
    return true;
  }
  skinfile::DeleteTempFiles(temp_names_);
  temp_names_ = old_names;
  return false;
}

void WindowSkin::Release() {
  board_ = score_ = balls_ = walk_ = QImage();
  {
    std::lock_guard guard(timer_lock_);
    timer_ = QImage();
  }
  skinfile::DeleteTempFiles(temp_names_);
}

}  // namespace orbello::window
