#include "game/window/window_skin.h"

#include <QFile>

#include "game/window/skin_density.h"
#include "platform/core/message.h"

namespace orbello::window {

WindowSkin::WindowSkin(int scale, std::mutex& timer_lock, QWidget* owner)
    : scale_(scale), timer_lock_(timer_lock), owner_(owner) {}

bool WindowSkin::Load(const std::string& path) {
  bool loaded = skinfile::UnpackSkin(path, temp_names_);
  if (loaded) {
    QImage* targets[skinfile::kPictureCount] = {&board_, &score_, &balls_, &timer_, &walk_};
    SkinPictureSet pictures;
    int count = 0;
    for (; count < skinfile::kPictureCount; ++count) {
      QImage& picture = pictures[count];
      if (!picture.load(QFile::decodeName(temp_names_[count].c_str()), "BMP")) {
        loaded = false;
        break;
      }
      picture = picture.convertToFormat(QImage::Format_RGB32);
    }
    // Every picture the window holds is at its scale, those of a failed attempt included.
    ScaleSkinPictures(path, scale_, pictures, count);
    for (int k = 0; k < count; ++k) {
      if (k == skinfile::kTimer) {
        std::lock_guard guard(timer_lock_);
        timer_ = std::move(pictures[k]);
      } else {
        *targets[k] = std::move(pictures[k]);
      }
    }
  }
  if (!loaded) {
    platform::ShowMessage({skinfile::UnableToLoadSkinMessage(path), "Error",
                           platform::MessageIcon::kError, platform::MessageButtons::kOk, 0,
                           owner_});
  }
  return loaded;
}

bool WindowSkin::Switch(const std::string& path) {
  // The new skin is unpacked and loaded beside the old one, whose files go only once the new one
  // has loaded whole; a failed attempt leaves the old skin's pictures and files as they were.
  const skinfile::TempNames old_names = temp_names_;
  const QImage board = board_, score = score_, balls = balls_, walk = walk_;
  QImage timer;
  {
    std::lock_guard guard(timer_lock_);
    timer = timer_;
  }
  temp_names_ = {};
  if (Load(path)) {
    skinfile::DeleteTempFiles(old_names);
    return true;
  }
  skinfile::DeleteTempFiles(temp_names_);
  temp_names_ = old_names;
  board_ = board;
  score_ = score;
  balls_ = balls;
  walk_ = walk;
  {
    std::lock_guard guard(timer_lock_);
    timer_ = timer;
  }
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
