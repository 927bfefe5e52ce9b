// A GameWorld and BoardScreen that writes every call as one line of text instead of drawing,
// waiting or playing, answers questions from a setting and serves high-score tables from memory.
// Used by the engine tests and by orbello-replay.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/engine/world.h"

namespace orbello {

class RecordingWorld : public GameWorld, public BoardScreen {
 public:
  // Receives each line as it is recorded; `report` is true for the lines that show what the
  // player sees as a dialog (message, bestresults) and for the end of the program (exit).
  using Listener = std::function<void(const std::string& line, bool report)>;

  // Every call made so far, in order.
  std::vector<std::string> calls;
  Listener listener;

  // The answer to every Yes/No question.
  bool answer_yes = false;
  // High-score points of the variants 1..3; other variants cannot be read.
  std::array<HighScorePoints, 3> tables{};
  bool minimized = false;
  bool fail_read_scores = false;
  bool fail_start_clock = false;
  bool fail_draw_game_type = false;
  // The status the program ended with, or -1.
  int exit_status = -1;
  bool clock_running = false;
  bool jump_timer_running = false;

  void DrawBallFrame(int frame, int row, Picture picture, int n) override;
  void DrawEmptyCell(int n) override;
  void DrawPreview(int slot, int color) override;
  void SetPreviewVisible(int slot, bool visible) override;
  void WaitMs(uint32_t ms) override;
  void PlaySoundFile(const std::string& name) override;
  void PlaySoundFileIfIdle(const std::string& name) override;
  void PlayResourceSound(const std::string& name, bool wait) override;
  bool IsMinimized() override;
  void StartJumpTimer() override;
  void StopJumpTimer() override;
  void DrawNumber(NumberDisplay display, uint32_t value) override;
  void DrawClock(uint32_t seconds) override;
  bool DrawGameType(int32_t game_type) override;
  bool StartClock() override;
  void StopClock() override;
  void SetSaveEnabled(bool enabled) override;
  void ShowMessage(EngineMessage message) override;
  bool AskYesNo(EngineMessage question, bool default_no) override;
  bool ReadHighScores(int32_t variant, HighScorePoints& points) override;
  void ShowBestResults(int32_t variant, bool new_record_mode, uint32_t score) override;
  void ExitProgram(int status) override;

  // Records a line of the caller's own (e.g. a message shown outside the engine).
  void Record(const std::string& line, bool report = false);
  // The recorded calls whose text starts with `prefix`, in order.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
};

// The English words of an engine message, as transcripts show them.
const char* EnglishText(EngineMessage message);

// "x,y" of cell n.
std::string CellText(int n);

}  // namespace orbello
