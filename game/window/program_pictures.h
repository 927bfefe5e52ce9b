// The pictures the program carries for its window: the faces of the buttons, the game-type menu's
// band, the backdrop and the labels of the game types, each at the window's scale. The pictures
// with words are the player's language's where it has them, else English.
#pragma once

#include <QImage>
#include <QString>

namespace orbello::window {

// The window's icon; null when missing.
QImage ProgramIcon();

class ProgramPictures {
 public:
  // `language` as platform::UiLanguage() gives it; "" for English.
  ProgramPictures(int scale, const QString& language);

  // The four pictures of the buttons and the menu; false when any of them is missing.
  bool LoadInterface();
  // The backdrop: its picture of double density where the window has that scale and it exists,
  // otherwise the ordinary one enlarged. False when there is none.
  bool LoadBackdrop();
  // The band picture of the game-type labels; null when missing.
  QImage GameTypeLabels() const;
  void Release();

  // At 1x whatever the scale: the buttons' shapes are logical at every scale.
  const QImage& ButtonShapes() const { return button_shapes_; }
  const QImage& ButtonFaces() const { return button_faces_; }
  const QImage& NewDisable() const { return new_disable_; }
  const QImage& CaptionButtons() const { return caption_buttons_; }
  const QImage& BarMenu() const { return bar_menu_; }
  const QImage& Backdrop() const { return backdrop_; }

 private:
  // The resource folder of a picture with words: the language's (":/game/de/") where it has the
  // picture, else English (":/game/"); its double-density picture comes from the same folder.
  QString FolderOf(const QString& file) const;

  int scale_;
  QString language_folder_;  // empty for English or when the language's pictures are missing
  QImage button_shapes_;
  QImage button_faces_;
  QImage new_disable_;
  QImage caption_buttons_;
  QImage bar_menu_;
  QImage backdrop_;
};

}  // namespace orbello::window
