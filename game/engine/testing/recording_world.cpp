#include "game/engine/testing/recording_world.h"

#include "game/engine/board.h"

namespace orbello {

std::string CellText(int n) {
  return std::to_string(CellX(n)) + "," + std::to_string(CellY(n));
}

void RecordingWorld::Record(const std::string& line, bool report) {
  calls.push_back(line);
  if (listener) {
    listener(line, report);
  }
}

std::vector<std::string> RecordingWorld::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> result;
  for (const std::string& call : calls) {
    if (call.compare(0, prefix.size(), prefix) == 0) {
      result.push_back(call);
    }
  }
  return result;
}

void RecordingWorld::DrawBallFrame(int frame, int row, Picture picture, int n) {
  if (picture == Picture::kBalls) {
    Record("DrawBallFrame " + CellText(n) + " balls frame " + std::to_string(frame) + " colour " +
           std::to_string(row));
  } else {
    Record("DrawBallFrame " + CellText(n) + " walk frame " + std::to_string(frame));
  }
}

void RecordingWorld::DrawEmptyCell(int n) {
  Record("DrawEmptyCell " + CellText(n));
}

void RecordingWorld::DrawPreview(int slot, int color) {
  Record("DrawPreview " + std::to_string(slot) + " colour " + std::to_string(color));
}

void RecordingWorld::SetPreviewVisible(int slot, bool visible) {
  Record("SetPreviewVisible " + std::to_string(slot) + (visible ? " 1" : " 0"));
}

void RecordingWorld::WaitMs(uint32_t ms) {
  Record("WaitMs " + std::to_string(ms));
}

void RecordingWorld::PlaySoundFile(const std::string& name) {
  Record("PlaySoundFile " + name);
}

void RecordingWorld::PlaySoundFileIfIdle(const std::string& name) {
  Record("PlaySoundFileIfIdle " + name);
}

void RecordingWorld::PlayResourceSound(const std::string& name, bool wait) {
  Record("PlayResourceSound " + name + (wait ? " wait" : " async"));
}

bool RecordingWorld::IsMinimized() {
  Record(std::string("IsMinimized ") + (minimized ? "1" : "0"));
  return minimized;
}

// The lines keep the timer's old name: the golden transcripts hold them.
void RecordingWorld::StartJumpTimer() {
  jump_timer_running = true;
  Record("StartTimer1");
}

void RecordingWorld::StopJumpTimer() {
  jump_timer_running = false;
  Record("StopTimer1");
}

void RecordingWorld::DrawNumber(NumberDisplay display, uint32_t value) {
  Record(std::string("DrawNumber ") + (display == NumberDisplay::kScore ? "score " : "champ ") +
         std::to_string(value));
}

void RecordingWorld::DrawClock(uint32_t seconds) {
  Record("DrawClock " + std::to_string(seconds));
}

bool RecordingWorld::DrawGameType(int32_t game_type) {
  Record("DrawGameType " + std::to_string(game_type));
  if (fail_draw_game_type) {
    Record("message Fatal Error", true);
    return false;
  }
  return true;
}

bool RecordingWorld::StartClock() {
  Record("StartClock");
  if (fail_start_clock) {
    Record("message Can't create timer object", true);
    return false;
  }
  clock_running = true;
  return true;
}

void RecordingWorld::StopClock() {
  clock_running = false;
  Record("StopClock");
}

void RecordingWorld::SetSaveEnabled(bool enabled) {
  Record(std::string("SetSaveEnabled ") + (enabled ? "1" : "0"));
}

const char* EnglishText(EngineMessage message) {
  switch (message) {
    case EngineMessage::kCongratulation:
      return "Congratulation!";
    case EngineMessage::kBeginNewGame:
      return "Begin new game?";
    case EngineMessage::kGameOverBeginNewGame:
      return "Game Over. Begin new game?";
  }
  return "";
}

void RecordingWorld::ShowMessage(EngineMessage message) {
  Record(std::string("message ") + EnglishText(message), true);
}

bool RecordingWorld::AskYesNo(EngineMessage question, bool /*default_no*/) {
  Record(std::string("message ") + EnglishText(question), true);
  return answer_yes;
}

bool RecordingWorld::ReadHighScores(int32_t variant, HighScorePoints& points) {
  Record("ReadHighScores " + std::to_string(variant));
  if (fail_read_scores || variant < 1 || variant > 3) {
    Record("message Can't read data from cvobhs.dat", true);
    return false;
  }
  points = tables[variant - 1];
  return true;
}

void RecordingWorld::ShowBestResults(int32_t variant, bool, uint32_t) {
  Record("bestresults " + std::to_string(variant), true);
}

void RecordingWorld::ExitProgram(int status) {
  exit_status = status;
  Record("exit " + std::to_string(status), true);
}

}  // namespace orbello
