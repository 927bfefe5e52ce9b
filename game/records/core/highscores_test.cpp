#include "game/records/core/highscores.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "platform/core/paths.h"
#include "platform/core/testing/test_support.h"

namespace orbello {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// An entry's 32 bytes: points little-endian, then the 28 name bytes.
std::string Entry(uint32_t points, const std::string& name_bytes) {
  std::string entry(32, '\0');
  for (int i = 0; i < 4; ++i)
    entry[i] = static_cast<char>(points >> (8 * i));
  entry.replace(4, name_bytes.size(), name_bytes);
  return entry;
}

std::string Table(const std::vector<uint32_t>& points, char tag) {
  std::string table;
  for (size_t i = 0; i < 10; ++i) {
    table += Entry(i < points.size() ? points[i] : 0,
                   std::string("P") + tag + std::to_string(i) + '\0' + "junk");
  }
  return table;
}

class HighScoresTest : public ::testing::Test {
 protected:
  void WriteFile(const std::string& bytes) { WriteFileBytes(path_, bytes); }

  testing::TempDir dir_;
  std::string path_ = dir_ / "cvobhs.dat";
  HighScores scores_{path_};
  testing::MessageRecorder messages_;
};

TEST_F(HighScoresTest, EachVariantReadsItsOwnTableByteForByte) {
  const std::string file = Table({500, 900, 0, 7}, 'L') + Table({1, 2}, 'S') + Table({3}, 'B');
  WriteFile(file);
  ASSERT_TRUE(scores_.ReadHighScores(2));
  EXPECT_EQ(scores_.Table()[1].Points, 2u);
  EXPECT_STREQ(scores_.Table()[1].PlayerName, "PS1");
  ASSERT_TRUE(scores_.ReadHighScores(1));
  auto bytes = EncodeHighScoreTable(scores_.Table());
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), file.substr(0, 320));  // junk after names too
  ASSERT_TRUE(scores_.ReadHighScores(3));
  EXPECT_EQ(scores_.Table()[0].Points, 3u);
  // Variants of 1 or less read the first table.
  ASSERT_TRUE(scores_.ReadHighScores(0));
  EXPECT_EQ(scores_.Table()[1].Points, 900u);
  ASSERT_TRUE(scores_.ReadHighScores(-5));
  EXPECT_EQ(scores_.Table()[0].Points, 500u);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(HighScoresTest, WritingAVariantLeavesTheOtherTablesAlone) {
  const std::string file = Table({1}, 'L') + Table({2}, 'S') + Table({3}, 'B');
  WriteFile(file);
  ASSERT_TRUE(scores_.ReadHighScores(2));
  scores_.Table()[9].Points = 0x01020304;
  SetPlayerName(scores_.Table()[9], "Zed");
  ASSERT_TRUE(scores_.WriteHighScores(2));
  std::string expected = file;
  expected.replace(320 + 9 * 32, 8, std::string("\x04\x03\x02\x01Zed\0", 8));
  EXPECT_EQ(ReadFileBytes(path_), expected);
}

TEST_F(HighScoresTest, ShortOrMissingFilesFail) {
  EXPECT_FALSE(scores_.ReadHighScores(1));  // missing
  EXPECT_FALSE(scores_.WriteHighScores(1));
  EXPECT_FALSE(std::filesystem::exists(path_));  // never created

  WriteFile(Table({5}, 'L'));  // 320 bytes: only Lines is there
  EXPECT_TRUE(scores_.ReadHighScores(1));
  EXPECT_TRUE(scores_.WriteHighScores(1));
  EXPECT_FALSE(scores_.ReadHighScores(2));
  EXPECT_EQ(EncodeHighScoreTable(scores_.Table()),
            EncodeHighScoreTable(HighScoreTable{}));  // cleared before the read
  EXPECT_FALSE(scores_.ReadHighScores(3));
  EXPECT_FALSE(scores_.ReadHighScores(4));
  EXPECT_FALSE(scores_.ReadHighScores(INT32_MAX));

  WriteFile(Table({5}, 'L').substr(0, 319));
  EXPECT_FALSE(scores_.ReadHighScores(1));
  ASSERT_EQ(messages_.messages.size(), 7u);
  EXPECT_EQ(messages_.messages[0].text, "Can't read data from cvobhs.dat");
  EXPECT_EQ(messages_.messages[1].text, "Can't write data into cvobhs.dat");
  EXPECT_EQ(messages_.messages[1].caption, "Error");
  EXPECT_EQ(messages_.messages[1].icon, platform::MessageIcon::kError);
  for (size_t i = 2; i < messages_.messages.size(); ++i) {
    EXPECT_EQ(messages_.messages[i].text, "Can't read data from cvobhs.dat");
  }

  // A FIFO (which would block) or a device in the file's place is refused at once.
  messages_.messages.clear();
  std::filesystem::remove(path_);
  ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
  EXPECT_FALSE(scores_.ReadHighScores(1));
  EXPECT_FALSE(scores_.WriteHighScores(1));
  std::filesystem::remove(path_);
  std::filesystem::create_symlink("/dev/zero", path_);
  EXPECT_FALSE(scores_.ReadHighScores(2));
  EXPECT_FALSE(scores_.WriteHighScores(2));
  EXPECT_EQ(messages_.Texts(),
            (std::vector<std::string>{
                "Can't read data from cvobhs.dat", "Can't write data into cvobhs.dat",
                "Can't read data from cvobhs.dat", "Can't write data into cvobhs.dat"}));
}

TEST_F(HighScoresTest, AFileHeldByAnotherProgramFails) {
  WriteFile(Table({1}, 'L') + Table({2}, 'S') + Table({3}, 'B'));
  int fd = open(path_.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  EXPECT_FALSE(scores_.ReadHighScores(1));
  EXPECT_FALSE(scores_.WriteHighScores(1));
  close(fd);
  EXPECT_TRUE(scores_.ReadHighScores(1));
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{"Can't read data from cvobhs.dat",
                                                         "Can't write data into cvobhs.dat"}));
}

TEST_F(HighScoresTest, NewRecordsGoBelowEqualScores) {
  const std::vector<uint32_t> lines = {100, 300, 200, 300, 0, 50, 0, 0, 0, 0};
  WriteFile(Table(lines, 'L') + Table({}, 'S') + Table({}, 'B'));

  ASSERT_TRUE(scores_.InsertNewRecord(1, true, 300));
  EXPECT_EQ(scores_.NewRecordRow(), 2);
  const uint32_t expected[10] = {300, 300, 300, 200, 100, 50, 0, 0, 0, 0};
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(scores_.Table()[i].Points, expected[i]) << i;
  EXPECT_STREQ(scores_.Table()[2].PlayerName, "Pretender");
  // The rows of equal score keep the file's order: the one from row 1 first.
  EXPECT_STREQ(scores_.Table()[0].PlayerName, "PL1");
  EXPECT_STREQ(scores_.Table()[1].PlayerName, "PL3");
  // Nothing reaches the file before the dialog's Ok.
  EXPECT_EQ(ReadFileBytes(path_).substr(0, 320), Table(lines, 'L'));

  ASSERT_TRUE(scores_.InsertNewRecord(1, false, 1000));
  EXPECT_EQ(scores_.NewRecordRow(), 99);
  EXPECT_EQ(scores_.Table()[0].Points, 100u);  // as read, unsorted

  ASSERT_TRUE(scores_.InsertNewRecord(2, true, 0));  // a score of 0 never enters
  EXPECT_EQ(scores_.NewRecordRow(), 99);
  ASSERT_TRUE(scores_.InsertNewRecord(2, true, 1));
  EXPECT_EQ(scores_.NewRecordRow(), 0);
}

TEST_F(HighScoresTest, InsertionDropsTheLastRow) {
  WriteFile(Table({10, 9, 8, 7, 6, 5, 4, 3, 2, 2}, 'L') + Table({}, 'S') + Table({}, 'B'));
  ASSERT_TRUE(scores_.InsertNewRecord(1, true, 2));  // rows 8 and 9 equal the score
  EXPECT_EQ(scores_.NewRecordRow(), 99);
  ASSERT_TRUE(scores_.InsertNewRecord(1, true, 3));
  EXPECT_EQ(scores_.NewRecordRow(), 8);
  EXPECT_EQ(scores_.Table()[7].Points, 3u);
  EXPECT_STREQ(scores_.Table()[7].PlayerName, "PL7");
  EXPECT_STREQ(scores_.Table()[8].PlayerName, "Pretender");
  EXPECT_EQ(scores_.Table()[9].Points, 2u);
  ASSERT_TRUE(scores_.InsertNewRecord(1, true, 0xFFFFFFFFu));  // compared unsigned
  EXPECT_EQ(scores_.NewRecordRow(), 0);
  EXPECT_EQ(scores_.Table()[0].Points, 0xFFFFFFFFu);
  EXPECT_EQ(scores_.Table()[9].Points, 2u);  // the table was read again: the 3 never reached it

  EXPECT_FALSE(scores_.InsertNewRecord(4, true, 5));
  EXPECT_EQ(scores_.NewRecordRow(), 99);
}

// Both questions on one table: the game end's check and the row the table then gives.
TEST_F(HighScoresTest, AFullTableOfEqualScoresPassesTheCheckButGivesNoRow) {
  const std::vector<uint32_t> equal(10, 500);
  WriteFile(Table(equal, 'L') + Table({}, 'S') +
            Table({900, 800, 700, 600, 600, 600, 600, 600, 500, 500}, 'B'));
  ASSERT_TRUE(scores_.ReadHighScores(1));
  EXPECT_TRUE(ScoreEntersTable(scores_.Points(), 500));
  EXPECT_FALSE(ScoreEntersTable(scores_.Points(), 499));
  ASSERT_TRUE(scores_.InsertNewRecord(1, true, 500));
  EXPECT_EQ(scores_.NewRecordRow(), kNoNewRecordRow);
  EXPECT_EQ(scores_.Points(), (HighScorePoints{500, 500, 500, 500, 500, 500, 500, 500, 500, 500}));
  ASSERT_TRUE(scores_.InsertNewRecord(1, true, 501));
  EXPECT_EQ(scores_.NewRecordRow(), 0);
  EXPECT_STREQ(scores_.Table()[9].PlayerName, "PL8");  // the file's row 9 dropped

  // Zeros and a 0: "Congratulation!" at the game end, yet no row.
  ASSERT_TRUE(scores_.ReadHighScores(2));
  EXPECT_TRUE(ScoreEntersTable(scores_.Points(), 0));
  ASSERT_TRUE(scores_.InsertNewRecord(2, true, 0));
  EXPECT_EQ(scores_.NewRecordRow(), kNoNewRecordRow);

  // Equal to rows 8 and 9 only: the check lets it in, the table has no row below them.
  ASSERT_TRUE(scores_.ReadHighScores(3));
  EXPECT_TRUE(ScoreEntersTable(scores_.Points(), 500));
  ASSERT_TRUE(scores_.InsertNewRecord(3, true, 500));
  EXPECT_EQ(scores_.NewRecordRow(), kNoNewRecordRow);

  // Naming without a row writes nothing; naming the row writes exactly that table.
  const std::string before = ReadFileBytes(path_);
  EXPECT_TRUE(scores_.NameNewRecord("Nobody"));
  EXPECT_EQ(ReadFileBytes(path_), before);
  ASSERT_TRUE(scores_.InsertNewRecord(3, true, 650));
  ASSERT_EQ(scores_.NewRecordRow(), 3);
  EXPECT_TRUE(scores_.NameNewRecord(""));
  EXPECT_EQ(ReadFileBytes(path_), before);  // an empty name gives the record up
  EXPECT_TRUE(scores_.NameNewRecord("Ann"));
  const auto written = EncodeHighScoreTable(scores_.Table());
  EXPECT_EQ(ReadFileBytes(path_),
            before.substr(0, 640) + std::string(written.begin(), written.end()));
  EXPECT_STREQ(scores_.Table()[3].PlayerName, "Ann");
}

TEST(HighScoreFile, LivesInTheProgramFolder) {
  EXPECT_EQ(HighScoreFilePath(), platform::ProgramFolder() + "/cvobhs.dat");
  THighScoreEntry entry;
  std::memset(entry.PlayerName, 'q', sizeof entry.PlayerName);
  SetPlayerName(entry, std::string(40, 'n'));
  EXPECT_EQ(std::string(entry.PlayerName), std::string(27, 'n'));
  SetPlayerName(entry, "Al");
  EXPECT_EQ(std::string(entry.PlayerName, 4), std::string("Al\0n", 4));
}

}  // namespace
}  // namespace orbello
