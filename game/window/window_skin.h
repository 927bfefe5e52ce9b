// The skin the main window draws with: its five pictures at the window's scale, read straight from
// the skin file.
#pragma once

#include <QImage>
#include <mutex>
#include <string>

#include "skinfile/skinfile.h"

class QWidget;

namespace orbello::window {

class WindowSkin {
 public:
  // `timer_lock` guards the timer picture, which the clock's thread reads while it draws; messages
  // are owned by `owner`.
  WindowSkin(int scale, std::mutex& timer_lock, QWidget* owner);
  WindowSkin(const WindowSkin&) = delete;
  WindowSkin& operator=(const WindowSkin&) = delete;

  // Loads the pictures of the skin at `path`; on failure "Unable to load skin" is shown. A picture
  // larger than skinfile::kMaxPictureWidth x kMaxPictureHeight fails before it is decoded.
  bool Load(const std::string& path);
  // Loads the skin at `path` in place of the current one; false (after Load's message) leaves the
  // current skin's pictures as they were.
  bool Switch(const std::string& path);
  // Drops the pictures.
  void Release();

  const QImage& Board() const { return board_; }
  const QImage& Score() const { return score_; }
  // The largest picture by far, and the first frame shows no ball: it is decoded when first asked
  // for, from bytes that Load has checked to decode (the skin's, or at double density its
  // companion's).
  const QImage& Balls() const;
  const QImage& Walk() const { return walk_; }
  // Read under the timer lock.
  const QImage& Timer() const { return timer_; }

 private:
  int scale_;
  std::mutex& timer_lock_;
  QWidget* owner_;
  QImage board_;
  QImage score_;
  mutable QImage balls_;
  mutable std::string balls_bytes_;  // while balls_ waits to be decoded
  QImage timer_;
  QImage walk_;
};

}  // namespace orbello::window
