#include "game/records/core/savedgame.h"

#include <fcntl.h>

#include "game/records/core/fatal_error.h"
#include "game/records/core/records_messages.h"
#include "platform/core/bytes.h"
#include "platform/core/files.h"
#include "platform/core/message.h"
#include "platform/core/paths.h"

namespace orbello {
namespace {

constexpr size_t kBoardBytes = kCellCount * 16;  // 1296
constexpr size_t kNextBallsBytes = 3 * 12;       // 36

void Put(unsigned char*& out, uint32_t value) {
  platform::PutLittleEndian(out, value);
  out += 4;
}

void Put(unsigned char*& out, int32_t value) {
  Put(out, static_cast<uint32_t>(value));
}

uint32_t GetU(const unsigned char*& in) {
  const uint32_t value = platform::GetLittleEndian<uint32_t>(in);
  in += 4;
  return value;
}

int32_t GetI(const unsigned char*& in) {
  return static_cast<int32_t>(GetU(in));
}

// The file's five fields, each written or read in one piece.
struct Field {
  size_t offset;
  size_t length;
};
constexpr Field kFields[] = {{0, 4}, {4, 4}, {8, kBoardBytes}, {1304, kNextBallsBytes}, {1340, 8}};

// Writes the five fields, each in one write, through the replace-file helper: a failure or a kill
// at any moment leaves the old save whole, and the temporary of a killed save goes on the next
// save into that folder. The existing save is held "without sharing" meanwhile: a save that
// another process holds fails and stays untouched, as does one that may not be written. An
// overwritten save keeps its permissions; a new one gets those of a plain create.
bool ReplaceSave(const std::string& path, const SavedGameBytes& bytes) {
  platform::ReplaceOptions options;
  options.hold_existing = true;
  return platform::ReplaceFile(
      path,
      [&](int fd) {
        for (const Field& field : kFields) {
          if (!platform::WriteFull(fd, bytes.data() + field.offset, field.length))
            return false;
        }
        return true;
      },
      options);
}

}  // namespace

SavedGameBytes EncodeSavedGame(const SavedGameState& state) {
  SavedGameBytes bytes{};
  unsigned char* out = bytes.data();
  Put(out, state.GameType);
  Put(out, state.Score);
  for (const TBoardCell& cell : state.Board) {
    Put(out, cell.Color);
    Put(out, cell.Number);
    Put(out, cell.Reserved1);
    Put(out, cell.Reserved2);
  }
  for (const TNextBall& ball : state.NextBalls) {
    Put(out, ball.X);
    Put(out, ball.Y);
    Put(out, ball.Color);
  }
  Put(out, state.SelX);
  Put(out, state.SelY);
  return bytes;
}

bool DecodeSavedGame(const unsigned char* bytes, size_t count, SavedGameState& state) {
  if (bytes == nullptr || count < kSavedGameSize)
    return false;
  const unsigned char* in = bytes;
  state.GameType = GetI(in);
  state.Score = GetU(in);
  for (TBoardCell& cell : state.Board) {
    cell.Color = GetI(in);
    cell.Number = GetI(in);
    cell.Reserved1 = GetI(in);
    cell.Reserved2 = GetI(in);
  }
  for (TNextBall& ball : state.NextBalls) {
    ball.X = GetI(in);
    ball.Y = GetI(in);
    ball.Color = GetI(in);
  }
  state.SelX = GetI(in);
  state.SelY = GetI(in);
  return true;
}

std::string SaveFolder() {
  return platform::ProgramFolder() + "/save";
}

bool WriteSavedGame(const std::string& path, const SavedGameState& state, void* owner) {
  return FailingOnException(owner, [&] {
    if (!ReplaceSave(path, EncodeSavedGame(state))) {
      platform::ShowError(records_message::kCantSaveGame, owner);
      return false;
    }
    return true;
  });
}

bool ReadSavedGame(const std::string& path, SavedGameState& state, void* owner) {
  return FailingOnException(owner, [&] {
    platform::UniqueFd fd = platform::OpenUnshared(path, O_RDONLY);
    SavedGameBytes bytes{};
    bool ok = fd.Valid();
    for (const Field& field : kFields) {
      if (!ok)
        break;
      ok = platform::ReadFull(fd.Get(), bytes.data() + field.offset, field.length) ==
           static_cast<ssize_t>(field.length);
    }
    fd.Reset();
    // The live state changes only when the whole file was read and every value can be drawn.
    SavedGameState loaded;
    if (!ok || !DecodeSavedGame(bytes.data(), bytes.size(), loaded) || !IsPlayableState(loaded)) {
      platform::ShowError(records_message::kCantLoadGame, owner);
      return false;
    }
    state = loaded;
    return true;
  });
}

bool ConfirmLoadOverCurrentGame(const TNextBalls& next_balls, void* owner) {
  if (next_balls[0].X == kNone)
    return true;
  int answer = platform::ShowMessage({kLoadQuestion, records_message::kWarningCaption,
                                      platform::MessageIcon::kWarning,
                                      platform::MessageButtons::kYesNo, 1, owner});
  return answer == platform::kIdYes;
}

}  // namespace orbello
