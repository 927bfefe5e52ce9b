// The game's main window TMainForm1: the shaped window that wires the engine, the board view, the
// command buttons and the skin together, and the engine's one window onto the world.
#pragma once

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "game/engine/engine.h"
#include "game/engine/world.h"
#include "game/records/core/highscores.h"
#include "game/records/core/settings.h"
#include "game/window/board_view.h"
#include "game/window/commands.h"
#include "game/window/game_clock.h"
#include "game/window/program_pictures.h"
#include "game/window/settings_application.h"
#include "game/window/widgets.h"
#include "game/window/window_skin.h"

namespace orbello::window {

// Who opened the game-type menu.
enum MenuOwner { kMenuOwnerNone = 0, kMenuOwnerScore = 1, kMenuOwnerNew = 2 };

inline constexpr int kButtonCount = 12;
inline constexpr int kSaveSlot = 3;

namespace testing {
class FormAccess;
}
class FormAccessibility;

class TMainForm1 : public QWidget, public GameWorld {
 public:
  using ExitHandler = std::function<void(int status)>;

  // `high_score_file` is the path of cvobhs.dat, by default in the program's folder.
  explicit TMainForm1(std::string high_score_file = HighScoreFilePath());
  ~TMainForm1() override;

  // Builds the window in its fixed order. 0 when the window is ready; otherwise the exit status
  // after the failure has been reported (the window must not be shown then).
  int Create();

  // What ExitProgram does; by default the application's event loops end with the status.
  void SetExitHandler(ExitHandler handler) { exit_handler_ = std::move(handler); }
  // The status asked for by the last ExitProgram, or -1.
  int ExitStatus() const { return exit_status_; }

  // The main window's command handling (button ids, menu items).
  void OnCommand(int id);

  GameEngine& Engine() { return *engine_; }
  const GameEngine& Engine() const { return *engine_; }
  FormAccessibility* Accessibility() const { return accessibility_.get(); }

  // ---- GameWorld; the board view is the engine's screen ----
  // Waits, and sounds, which the jump leaves out while the window is minimised.
  void WaitMs(uint32_t ms) override;
  bool IsMinimized() override;
  void PlaySoundFile(const std::string& name) override;
  void PlaySoundFileIfIdle(const std::string& name) override;
  void PlayResourceSound(const std::string& name, bool wait) override;
  // The timers, the Save command, and the label whose failure ends the program.
  void StartJumpTimer() override;
  void StopJumpTimer() override;
  bool StartClock() override;
  void StopClock() override;
  void SetSaveEnabled(bool enabled) override;
  bool DrawGameType(int32_t game_type) override;
  void ExitProgram(int status) override;
  // Dialogs and high scores.
  void ShowMessage(EngineMessage message) override;
  bool AskYesNo(EngineMessage question, bool default_no) override;
  bool ReadHighScores(int32_t variant, HighScorePoints& points) override;
  void ShowBestResults(int32_t variant, bool new_record_mode, uint32_t score) override;

  // The first show puts the window on the screen before its parts: see main_form.cpp.
  void setVisible(bool visible) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class testing::FormAccess;

  // The pieces of Create, in their order of use.
  void CreateGameMenu();
  bool CreateButtons();
  // The keys of the desktop's games for the commands: Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+H, F1, Ctrl+Q.
  void CreateShortcuts();
  void CellClick(int n);
  int Fatal(int status);
  void OpenGameMenu(int arrow_id);
  void Destroy();
  void SetJumpInterval(int interval);

  GameSettings settings_;
  HighScores high_scores_;

  // The jump of the selected ball: the timer's interval, and whether a ball jumps (the timer
  // stands still at an interval of 0 even then).
  QTimer jump_timer_;
  int jump_interval_ = 60;
  bool jump_timer_on_ = false;

  MenuOwner menu_owner_ = kMenuOwnerNone;
  TGameMenu* game_menu_ = nullptr;
  int menu_height_ = 0;
  std::array<TPictureButton*, kButtonCount> buttons_{};

  // The scale of every picture the window draws: 2 on a screen of double density, else 1.
  int scale_ = 1;

  std::unique_ptr<ProgramPictures> pictures_;
  std::unique_ptr<BoardView> view_;
  // Made once the view it draws on exists.
  std::unique_ptr<GameEngine> engine_;

  // The skin; its timer picture is read by the clock's thread and so is changed only under
  // ImageTime's lock.
  std::unique_ptr<WindowSkin> skin_;
  std::unique_ptr<SettingsApplication> settings_application_;

  std::unique_ptr<GameClock> clock_;
  std::unique_ptr<FormAccessibility> accessibility_;
  ExitHandler exit_handler_;
  int exit_status_ = -1;
  bool created_ = false;
  bool destroyed_ = false;
  bool shown_once_ = false;

  // Moving the window from its backdrop when no window manager does it.
  bool dragging_ = false;
  QPoint drag_offset_;
};

}  // namespace orbello::window
