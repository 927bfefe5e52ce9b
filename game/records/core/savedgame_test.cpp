#include "game/records/core/savedgame.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "game/records/core/savedgame_test_util.h"
#include "platform/core/paths.h"
#include "platform/core/testing/message_check.h"
#include "platform/core/testing/test_support.h"

namespace orbello {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

int32_t I32At(const std::string& bytes, size_t offset) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i)
    v = v << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return static_cast<int32_t>(v);
}

SavedGameState FreshGame() {
  SavedGameState state;
  state.GameType = kSquares;
  state.Score = 0x80000001u;
  for (int n = 0; n < kCellCount; ++n)
    state.Board[n] = {kEmpty, n, 0, 0};
  state.Board[CellNumber(2, 3)].Color = 6;
  state.Board[CellNumber(8, 8)].Color = 0;
  state.NextBalls = {TNextBall{1, 0, 4}, TNextBall{7, 5, 2}, TNextBall{kNone, 0, 0}};
  state.SelX = 2;
  state.SelY = 3;
  return state;
}

class SavedGameTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
  std::string path_ = dir_ / "game.osf";
  testing::MessageRecorder messages_;
};

TEST_F(SavedGameTest, FieldsLieAtTheirOffsets) {
  const SavedGameState state = FreshGame();
  ASSERT_TRUE(WriteSavedGame(path_, state));
  const std::string bytes = ReadFileBytes(path_);
  ASSERT_EQ(bytes.size(), 1348u);
  EXPECT_EQ(I32At(bytes, 0), kSquares);
  EXPECT_EQ(static_cast<uint32_t>(I32At(bytes, 4)), 0x80000001u);
  for (int n = 0; n < kCellCount; ++n) {
    const size_t cell = 8 + 16 * n;
    EXPECT_EQ(I32At(bytes, cell), state.Board[n].Color) << n;
    EXPECT_EQ(I32At(bytes, cell + 4), n);
    EXPECT_EQ(I32At(bytes, cell + 8), 0);
    EXPECT_EQ(I32At(bytes, cell + 12), 0);
  }
  EXPECT_EQ(I32At(bytes, 8 + 16 * 21), 6);  // cell (2, 3)
  EXPECT_EQ(I32At(bytes, 1304), 1);
  EXPECT_EQ(I32At(bytes, 1304 + 8), 4);
  EXPECT_EQ(I32At(bytes, 1316 + 4), 5);
  EXPECT_EQ(I32At(bytes, 1328), -2);
  EXPECT_EQ(I32At(bytes, 1340), 2);
  EXPECT_EQ(I32At(bytes, 1344), 3);
  EXPECT_EQ(bytes[0], 2);  // little-endian
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SavedGameTest, SaveReplacesAndLoadRestores) {
  WriteFileBytes(path_, std::string(5000, 'z'));
  SavedGameState state = FreshGame();
  state.Board[5].Reserved1 = 77;  // brought in by an earlier file: kept as it is
  ASSERT_TRUE(WriteSavedGame(path_, state));
  EXPECT_EQ(ReadFileBytes(path_).size(), 1348u);
  SavedGameState loaded;
  ASSERT_TRUE(ReadSavedGame(path_, loaded));
  EXPECT_TRUE(SameState(loaded, state));

  // Bytes after the record are ignored.
  WriteFileBytes(path_, ReadFileBytes(path_) + "trailing bytes");
  SavedGameState again;
  ASSERT_TRUE(ReadSavedGame(path_, again));
  EXPECT_TRUE(SameState(again, state));
  EXPECT_TRUE(messages_.messages.empty());
}

// A file that fails leaves the running game exactly as it was.
TEST_F(SavedGameTest, ShortOrUnplayableFilesLoadNothing) {
  const SavedGameBytes good = EncodeSavedGame(FreshGame());
  auto with = [&](size_t offset, int32_t value) {
    SavedGameBytes bytes = good;
    for (int i = 0; i < 4; ++i)
      bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    return std::string(bytes.begin(), bytes.end());
  };
  const std::pair<const char*, std::string> bad[] = {
      {"1347 bytes", std::string(good.begin(), good.end() - 1)},
      {"empty", ""},
      {"GameType 0", with(0, 0)},
      {"GameType 4", with(0, 4)},
      {"Color 7", with(8 + 16 * 10, 7)},
      {"Color -2", with(8 + 16 * 10, -2)},
      {"slot outside the board", with(1304, 9)},
      {"slot with colour 7", with(1304 + 8, 7)},
      {"selection outside the board", with(1340, -1)},
      {"selection on an empty cell", with(1344, 4)},
  };
  SavedGameState live;
  live.GameType = kBlocks;
  live.Score = 12345;
  const SavedGameBytes before = EncodeSavedGame(live);
  for (const auto& [what, bytes] : bad) {
    SCOPED_TRACE(what);
    WriteFileBytes(path_, bytes);
    messages_.messages.clear();
    EXPECT_FALSE(ReadSavedGame(path_, live));
    EXPECT_EQ(EncodeSavedGame(live), before);
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].text, "Can't load selected game.");
    EXPECT_EQ(messages_.messages[0].caption, "Error");
    EXPECT_EQ(messages_.messages[0].icon, platform::MessageIcon::kError);
  }
  // Number and the reserved fields are never used to index anything: any values load.
  std::string odd = with(8 + 4, 1000);
  WriteFileBytes(path_, odd);
  EXPECT_TRUE(ReadSavedGame(path_, live));
  EXPECT_EQ(live.Board[0].Number, 1000);
}

TEST_F(SavedGameTest, FilesThatCannotBeOpenedFail) {
  SavedGameState live = FreshGame();
  EXPECT_FALSE(ReadSavedGame(dir_ / "missing.osf", live));
  // Neither a folder nor a FIFO without a writer may stall or pass as a game.
  ASSERT_EQ(mkfifo((dir_ / "fifo.osf").c_str(), 0600), 0);
  EXPECT_FALSE(ReadSavedGame(dir_ / "fifo.osf", live));
  EXPECT_FALSE(ReadSavedGame(dir_.Path(), live));
  EXPECT_FALSE(ReadSavedGame("/dev/zero", live));
  EXPECT_FALSE(WriteSavedGame(dir_ / "fifo.osf", live));  // neither blocks nor replaces it
  EXPECT_EQ(std::filesystem::status(dir_ / "fifo.osf").type(), std::filesystem::file_type::fifo);
  EXPECT_FALSE(WriteSavedGame(dir_ / "no/such/folder/x.osf", live));
  ASSERT_TRUE(WriteSavedGame(path_, live));
  int fd = open(path_.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  EXPECT_FALSE(WriteSavedGame(path_, SavedGameState{}));
  EXPECT_FALSE(ReadSavedGame(path_, live));
  close(fd);
  EXPECT_EQ(ReadFileBytes(path_).size(), 1348u);  // the held file was not truncated
  EXPECT_EQ(messages_.Texts(),
            (std::vector<std::string>{"Can't load selected game.", "Can't load selected game.",
                                      "Can't load selected game.", "Can't load selected game.",
                                      "Can't save current game.", "Can't save current game.",
                                      "Can't save current game.", "Can't load selected game."}));
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A save over an old one is written beside it and renamed over it: a write that fails half-way
// (here a file size limit, as a full disk) leaves the old save whole and nothing else behind.
TEST_F(SavedGameTest, AFailedOverwriteLeavesTheOldSaveWhole) {
  ASSERT_TRUE(WriteSavedGame(path_, FreshGame()));
  ASSERT_EQ(chmod(path_.c_str(), 0640), 0);
  const std::string before = ReadFileBytes(path_);
  SavedGameState other = FreshGame();
  other.GameType = kLines;
  other.Score = 7;
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    bool failed = !WriteSavedGame(path_, other) &&
                  messages_.Texts() == std::vector<std::string>{"Can't save current game."};
    _exit(failed ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(ReadFileBytes(path_), before);
  EXPECT_EQ(FolderEntries(dir_.Path()), std::vector<std::string>{"game.osf"});

  // A successful overwrite keeps the file's permissions; a link to a save is followed.
  const std::string link = dir_ / "link.osf";
  std::filesystem::create_symlink(path_, link);
  ASSERT_TRUE(WriteSavedGame(link, other));
  const SavedGameBytes expected = EncodeSavedGame(other);
  EXPECT_EQ(ReadFileBytes(path_), std::string(expected.begin(), expected.end()));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  struct stat st {};
  ASSERT_EQ(stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(FolderEntries(dir_.Path()), (std::vector<std::string>{"game.osf", "link.osf"}));
  EXPECT_TRUE(messages_.messages.empty());
}

// A save killed half-way (here by the file size limit's signal) leaves its temporary beside the
// old save; the next save into the folder removes it, but not the live temporary of another
// process nor the player's own dot files.
TEST_F(SavedGameTest, ASaveRemovesWhatAKilledSaveLeftBehind) {
  ASSERT_TRUE(WriteSavedGame(path_, FreshGame()));
  const std::string before = ReadFileBytes(path_);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    WriteSavedGame(path_, SavedGameState{});
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the save was meant to be killed";
  EXPECT_EQ(ReadFileBytes(path_), before);
  std::vector<std::string> entries = FolderEntries(dir_.Path());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].rfind(".orbello-tmp.game.osf.", 0), 0u) << entries[0];

  const std::string live = dir_ / ".orbello-tmp.other.osf.Abc123";
  WriteFileBytes(live, "half");
  WriteFileBytes(dir_ / ".game.osf.backup", "mine");
  int live_fd = open(live.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(live_fd, 0);
  ASSERT_EQ(flock(live_fd, LOCK_EX), 0);
  ASSERT_TRUE(WriteSavedGame(path_, FreshGame()));
  close(live_fd);
  EXPECT_EQ(
      FolderEntries(dir_.Path()),
      (std::vector<std::string>{".game.osf.backup", ".orbello-tmp.other.osf.Abc123", "game.osf"}));
}

TEST_F(SavedGameTest, TheQuestionComesOnlyWhenSlotZeroHoldsACell) {
  TNextBalls none = {TNextBall{kNone, 0, 0}, TNextBall{3, 3, 1}, TNextBall{4, 4, 1}};
  EXPECT_TRUE(ConfirmLoadOverCurrentGame(none));
  EXPECT_TRUE(messages_.messages.empty());

  TNextBalls running = {TNextBall{0, 0, 1}, TNextBall{kNone, 0, 0}, TNextBall{kNone, 0, 0}};
  messages_.answers = {platform::kIdNo, platform::kIdYes};
  EXPECT_FALSE(ConfirmLoadOverCurrentGame(running));
  EXPECT_TRUE(ConfirmLoadOverCurrentGame(running));
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_TRUE(testing::IsMessage(messages_.messages[0], kLoadOverGameQuestion));
  EXPECT_EQ(SaveFolder(), platform::ProgramFolder() + "/save");
}

}  // namespace
}  // namespace orbello
