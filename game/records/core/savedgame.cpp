#include "game/records/core/savedgame.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <exception>
#include <random>

#include "platform/core/files.h"
#include "platform/core/message.h"
#include "platform/core/paths.h"

namespace orbello {
namespace {

constexpr size_t kBoardBytes = kCellCount * 16;  // 1296
constexpr size_t kNextBallsBytes = 3 * 12;       // 36

void Put(unsigned char*& out, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    *out++ = static_cast<unsigned char>(value >> (8 * i));
}

void Put(unsigned char*& out, int32_t value) {
  Put(out, static_cast<uint32_t>(value));
}

uint32_t GetU(const unsigned char*& in) {
  uint32_t value = in[0] | in[1] << 8 | in[2] << 16 | static_cast<uint32_t>(in[3]) << 24;
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

// The name the data really goes to: a link to a save is followed, as a write through it would.
std::string FinalTarget(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
    return path;
  char* resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr)
    return path;
  std::string target = resolved;
  free(resolved);
  return target;
}

// A new file "<folder>/.<name>.XXXXXX" beside the target (a shorter fixed name when the target's
// name is near the limit), created exclusively with the mode a plain save would get.
platform::UniqueFd CreateTemporaryBeside(const std::string& target, std::string* temp) {
  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  const std::string prefix =
      folder + "/." + (name.size() + 8 <= NAME_MAX ? name : std::string("osf")) + ".";
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device device;
  std::mt19937 random(device());
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp = prefix;
    for (int i = 0; i < 6; ++i)
      temp->push_back(kLetters[random() % (sizeof kLetters - 1)]);
    platform::UniqueFd fd(
        open(temp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (fd.Valid() || errno != EEXIST)
      return fd;
  }
  return platform::UniqueFd();
}

// Writes the five fields to a temporary file in the target's folder, flushes it and renames it
// over the target, so that a failure or a kill at any moment leaves the old save whole. The
// existing target is held "without sharing" meanwhile: a save that another process holds fails
// and stays untouched, as does one that may not be written.
bool ReplaceFileAtomically(const std::string& path, const SavedGameBytes& bytes) {
  const std::string target = FinalTarget(path);
  platform::UniqueFd old = platform::OpenUnshared(target, O_WRONLY);
  struct stat old_stat {};
  if (old.Valid()) {
    if (fstat(old.Get(), &old_stat) != 0)
      return false;
  } else if (errno != ENOENT) {
    return false;
  }
  std::string temp;
  platform::UniqueFd fd = CreateTemporaryBeside(target, &temp);
  if (!fd.Valid())
    return false;
  // An overwritten save keeps its permissions.
  bool ok = !old.Valid() || fchmod(fd.Get(), old_stat.st_mode & 07777) == 0;
  for (const Field& field : kFields) {
    if (!ok)
      break;
    ok = platform::WriteFull(fd.Get(), bytes.data() + field.offset, field.length);
  }
  ok = ok && fsync(fd.Get()) == 0;
  ok = fd.Reset() && ok;
  if (!ok || rename(temp.c_str(), target.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  platform::SyncFolderOf(target);
  return true;
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
  try {
    if (!ReplaceFileAtomically(path, EncodeSavedGame(state))) {
      platform::ShowError("Can't save current game.", owner);
      return false;
    }
    return true;
  } catch (const std::exception&) {
    platform::ShowError("Fatal Error", owner);
    return false;
  }
}

bool ReadSavedGame(const std::string& path, SavedGameState& state, void* owner) {
  try {
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
      platform::ShowError("Can't load selected game.", owner);
      return false;
    }
    state = loaded;
    return true;
  } catch (const std::exception&) {
    platform::ShowError("Fatal Error", owner);
    return false;
  }
}

bool ConfirmLoadOverCurrentGame(const TNextBalls& next_balls, void* owner) {
  if (next_balls[0].X == kNone)
    return true;
  int answer = platform::ShowMessage({kLoadQuestion, "Warning", platform::MessageIcon::kWarning,
                                      platform::MessageButtons::kYesNo, 1, owner});
  return answer == platform::kIdYes;
}

}  // namespace orbello
