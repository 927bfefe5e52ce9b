// What the main window's tests share: a private installation in a temporary folder (registry
// hive, a generated skin whose every pixel tells where it came from, cvobhs.dat), a scripted
// message responder and a watchdog for modal windows.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "game/records/core/settings.h"
#include "game/window/main_form.h"
#include "platform/core/message.h"

namespace orbello::window::testing {

// Pixel (lx, ly) of tile (frame, row) of the generated balls picture, and of walk tile t.
QRgb BallPixel(int frame, int row, int lx, int ly);
QRgb WalkPixel(int tile, int lx, int ly);
QRgb BoardPixel(int x, int y);
QImage MakeBalls();
QImage MakeWalk();
QImage MakeBoard();
QImage MakeScoreDigits();  // glyph d: red 20 d, green 100
QImage MakeTimerDigits();  // glyph d: red 20 d, green 150; colon red 200

// The main window's parts as the tests look at them.
class FormAccess {
 public:
  explicit FormAccess(TMainForm1& form) : form_(form) {}
  BoardCell* Cell(int n) const { return form_.view_->Cell(n); }
  BoardView& View() const { return *form_.view_; }
  // 2 when the window draws from pictures of double density, else 1.
  int PictureScale() const { return form_.scale_; }
  BoardPanel* Panel() const { return form_.view_->Panel(); }
  TPictureImage* ImageScore() const { return form_.view_->ImageScore(); }
  TPictureImage* ImageChamp() const { return form_.view_->ImageChamp(); }
  TPictureImage* ImageTime() const { return form_.view_->ImageTime(); }
  TPictureImage* ImageGame() const { return form_.view_->ImageGame(); }
  TPictureImage* ImagePrev(int slot) const { return form_.view_->ImagePrev(slot); }
  TPictureButton* Button(int slot) const { return form_.buttons_[slot]; }
  TGameMenu* GameMenu() const { return form_.game_menu_; }
  MenuOwner MenuOwnerValue() const { return form_.menu_owner_; }
  bool JumpTimerActive() const { return form_.jump_timer_.isActive(); }
  int JumpInterval() const { return form_.jump_interval_; }
  bool ClockRunning() const { return form_.clock_->Running(); }
  GameSettings& Settings() const { return form_.settings_; }
  // What follows an Ok in the Settings dialog, as SettingsApplication::Apply.
  void ApplyChangedSettings(const GameSettings& before) const {
    form_.settings_application_->Apply(before);
  }

 private:
  TMainForm1& form_;
};

inline FormAccess Access(TMainForm1& form) {
  return FormAccess(form);
}

// Records every message and answers it with `answer` (by default the default button).
class ScriptedMessages {
 public:
  ScriptedMessages();
  ~ScriptedMessages();
  std::vector<platform::MessageRequest> seen;
  std::function<int(const platform::MessageRequest&)> answer;
  QStringList Texts() const;
  bool Saw(const std::string& text) const;

 private:
  platform::MessageHandler previous_;
};

// Closes every modal window that opens (after `delay_ms`) and remembers its title.
class ModalWatchdog {
 public:
  explicit ModalWatchdog(int delay_ms = 30);
  QStringList titles;

 private:
  QTimer timer_;
  QWidget* seen_ = nullptr;
  int age_ = 0;
  int delay_ms_;
};

// A private installation: XDG_CONFIG_HOME, TMPDIR and HOME point into a temporary folder for the
// life of the object.
class TestInstallation {
 public:
  TestInstallation();
  ~TestInstallation();
  bool Ok() const { return dir_.isValid(); }

  QString Path(const QString& relative) const { return dir_.filePath(relative); }
  // The folder of the skins' temporary files.
  QString TempFolder() const { return Path("tmp"); }
  QStringList TempFiles() const;

  // Settings as installed: Lines, previews and marks, no path display, sounds on with missing
  // files, all waits 0, jump 10.
  GameSettings DefaultSettings() const;
  // Creates the registry key and stores `settings` in it.
  bool WriteSettings(const GameSettings& settings);
  // Writes the generated skin (or the given pictures) to `name` in the installation.
  std::string WriteSkin(const QString& name, const QImage& balls = MakeBalls());
  // cvobhs.dat with the given Points for the three tables (rest zeros).
  std::string WriteHighScores(const std::vector<uint32_t>& lines = {},
                              const std::vector<uint32_t>& squares = {},
                              const std::vector<uint32_t>& blocks = {});
  std::string HighScorePath() const { return Path("cvobhs.dat").toStdString(); }

  // Everything at once: settings with the generated skin and an all-zero high-score file.
  bool WriteDefault();

 private:
  QTemporaryDir dir_;
  QByteArray old_config_, old_tmp_, old_home_;
};

}  // namespace orbello::window::testing
