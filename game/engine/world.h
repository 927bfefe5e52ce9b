// The two interfaces through which the engine reaches the world: the screen it draws on, and the
// rest (waits, sounds, the jump timer, the game type's label, the game clock, the Save command,
// message boxes, the high-score table, the best-results dialog and the end of the program).
//
// Every call is made on the user-interface thread, except DrawClock, which ClockTick makes on the
// clock's own thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/engine/high_score_rules.h"

namespace orbello {

// The two skin pictures cut into 32 x 32 frames: balls (24 columns, row = colour) and walk
// (4 columns in row 0: right, left, up, down).
enum class Picture { kBalls, kWalk };

enum class NumberDisplay { kScore, kChamp };

// What the engine tells the player, as a code: the world words it in the player's language.
enum class EngineMessage {
  kCongratulation,        // the score enters the best results (a message)
  kBeginNewGame,          // the question after the best results
  kGameOverBeginNewGame,  // the question when the score does not enter them
};

// What the engine draws on: the board's cells, the previews and the displays. The board view
// implements it; tests and the replay tool implement it with a recorder.
class BoardScreen {
 public:
  virtual ~BoardScreen() = default;

  // Copies frame `frame` of row `row` of the picture (32 x 32 at (32 frame, 32 row)) onto cell n
  // at (2, 2) and repaints that cell at once. The engine never asks for a frame outside the
  // picture.
  virtual void DrawBallFrame(int frame, int row, Picture picture, int n) = 0;
  // Draws the skin's empty-cell picture on cell n and repaints it at once.
  virtual void DrawEmptyCell(int n) = 0;

  // Draws frame 10 of `color` (balls picture) at (0, 0) of preview `slot` (0..2).
  virtual void DrawPreview(int slot, int color) = 0;
  virtual void SetPreviewVisible(int slot, bool visible) = 0;

  virtual void DrawNumber(NumberDisplay display, uint32_t value) = 0;
  // Shows `seconds` on the clock display. Also called on the clock's thread
  // (GameEngine::ClockTick).
  virtual void DrawClock(uint32_t seconds) = 0;
};

// What the engine needs of the world besides drawing.
class GameWorld {
 public:
  virtual ~GameWorld() = default;

  // Busy wait of `ms` milliseconds on the millisecond counter, handling no events; 0 returns at
  // once.
  virtual void WaitMs(uint32_t ms) = 0;

  // Plays the sound file named by a setting asynchronously, cutting off a sound that is playing.
  // No default sound when the file cannot be played.
  virtual void PlaySoundFile(const std::string& name) = 0;
  // The jump sound: played only when no other sound is playing.
  virtual void PlaySoundFileIfIdle(const std::string& name) = 0;
  // Plays a sound carried in the program (WIN_GAME), waiting for its end when `wait`.
  virtual void PlayResourceSound(const std::string& name, bool wait) = 0;
  virtual bool IsMinimized() = 0;

  // The jump timer (interval 3 x Delay_Jump ms, set by the window), which runs while a ball is
  // selected. The engine calls these only when the timer's state changes; each tick comes back as
  // GameEngine::JumpTick.
  virtual void StartJumpTimer() = 0;
  virtual void StopJumpTimer() = 0;

  // Draws the label of the variant; false after the failure has been reported.
  virtual bool DrawGameType(int32_t game_type) = 0;

  // The 1000 ms game clock, whose ticks call GameEngine::ClockTick on the clock's thread.
  // StartClock returns false when the clock cannot be created, after the failure has been reported.
  // The engine calls StopClock only while the clock runs.
  virtual bool StartClock() = 0;
  virtual void StopClock() = 0;

  virtual void SetSaveEnabled(bool enabled) = 0;

  // An information box with an OK button under the program's caption.
  virtual void ShowMessage(EngineMessage message) = 0;
  // A Yes/No question under the program's caption; true for Yes. `default_no`: No is the default
  // button.
  virtual bool AskYesNo(EngineMessage question, bool default_no) = 0;

  // Reads the table of `variant` (1..3) into the window's in-memory high-score table and returns
  // its points; false after the failure has been reported.
  virtual bool ReadHighScores(int32_t variant, HighScorePoints& points) = 0;
  // The modal best-results dialog of `variant`. A game end opens it with `new_record_mode` set
  // and the game's `score`, which the dialog then enters into the table.
  virtual void ShowBestResults(int32_t variant, bool new_record_mode, uint32_t score) = 0;

  // Ends the program with `status`. An implementation may return: the engine then leaves the
  // operation at once and ignores every later call (GameEngine::Exited()).
  virtual void ExitProgram(int status) = 0;
};

}  // namespace orbello
