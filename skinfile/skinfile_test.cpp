#include "skinfile/skinfile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <regex>
#include <set>

#include "platform/core/testing/test_support.h"

namespace orbello::skinfile {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// A 24-bit bottom-up BMP whose pixel bytes count up.
std::string Bmp24(int width, int height) {
  const int row = (width * 3 + 3) / 4 * 4;
  const uint32_t size = 54 + static_cast<uint32_t>(row * height);
  std::string bmp(size, '\0');
  auto put = [&](size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i)
      bmp[at + i] = static_cast<char>(v >> (8 * i));
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put(2, size, 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(width), 4);
  put(22, static_cast<uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (size_t i = 54; i < bmp.size(); ++i)
    bmp[i] = static_cast<char>(i * 7);
  return bmp;
}

uint32_t U32At(const std::string& bytes, size_t at) {
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8 |
         static_cast<unsigned char>(bytes[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

class SkinFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(tmp_);
    for (int k = 0; k < kPictureCount; ++k) {
      sources_[k] = dir_ / ("picture" + std::to_string(k) + ".bmp");
      pictures_[k] = Bmp24(kPictureWidth[k], kPictureHeight[k]);
      WriteFileBytes(sources_[k], pictures_[k]);
    }
  }

  // Writes and keeps what the report said beside the result.
  WriteResult Write(const std::string& skin,
                    const std::array<std::string, kPictureCount>& sources) {
    const WriteReport report = WriteSkinFile(skin, sources);
    failures_.emplace_back(report.failure, report.source);
    return report.result;
  }
  using Failures = std::vector<std::pair<WriteFailure, std::string>>;

  std::vector<std::string> TempFolderEntries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(tmp_))
      names.push_back(e.path());
    return names;
  }

  testing::TempDir dir_;
  std::string tmp_ = dir_ / "tmp";
  testing::ScopedEnv tmpdir_{"TMPDIR", tmp_};
  std::array<std::string, kPictureCount> sources_;
  std::array<std::string, kPictureCount> pictures_;
  Failures failures_;
};

TEST_F(SkinFileTest, WriterPacksTheFiveFilesBehindTheirLengths) {
  const std::string skin = dir_ / "classic.sf";
  WriteFileBytes(skin, std::string(3'000'000, 'x'));  // replaced, not overwritten in place
  ASSERT_EQ(Write(skin, sources_), WriteResult::kSaved);
  const std::string bytes = ReadFileBytes(skin);
  std::string expected;
  for (int k = 0; k < kPictureCount; ++k) {
    EXPECT_EQ(U32At(bytes, 4 * k), pictures_[k].size()) << k;
    expected += pictures_[k];
  }
  EXPECT_EQ(bytes.substr(20), expected);
  const size_t balls_at = 20 + pictures_[0].size() + pictures_[1].size();
  EXPECT_EQ(bytes.substr(balls_at, 2), "BM");
  EXPECT_EQ(U32At(bytes, balls_at + 18), 768u);
  EXPECT_EQ(failures_, (Failures{{WriteFailure::kNone, ""}}));
}

TEST_F(SkinFileTest, WriterFailuresSayWhatFailedAndLeaveTheOldFileWhole) {
  const std::string skin = dir_ / "inuse.sf";
  ASSERT_EQ(Write(skin, sources_), WriteResult::kSaved);
  const std::string in_use = ReadFileBytes(skin);
  std::filesystem::remove(sources_[2]);
  EXPECT_EQ(Write(skin, sources_), WriteResult::kFailed);
  EXPECT_EQ(ReadFileBytes(skin), in_use);
  // A new name that could not be completed is not created at all.
  EXPECT_EQ(Write(dir_ / "new.sf", sources_), WriteResult::kFailed);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "new.sf"));

  EXPECT_EQ(Write(dir_ / "no/folder/x.sf", sources_), WriteResult::kFailed);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "no"));

  // A source that reads more than its recorded length.
  std::array<std::string, kPictureCount> growing = sources_;
  growing[2] = "/proc/self/status";
  WriteFileBytes(sources_[2], pictures_[2]);
  EXPECT_EQ(Write(skin, growing), WriteResult::kFailed);

  std::array<std::string, kPictureCount> folder = sources_;
  folder[4] = dir_.Path();
  EXPECT_EQ(Write(skin, folder), WriteResult::kFailed);
  EXPECT_EQ(ReadFileBytes(skin), in_use);

  EXPECT_EQ(failures_, (Failures{{WriteFailure::kNone, ""},
                                 {WriteFailure::kCannotOpen, sources_[2]},
                                 {WriteFailure::kCannotOpen, sources_[2]},
                                 {WriteFailure::kCannotCreate, ""},
                                 {WriteFailure::kCannotRead, "/proc/self/status"},
                                 {WriteFailure::kCannotOpen, dir_.Path()}}));
  std::set<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(dir_.Path()))
    left.insert(e.path().filename());
  EXPECT_EQ(left, (std::set<std::string>{"inuse.sf", "picture0.bmp", "picture1.bmp", "picture2.bmp",
                                         "picture3.bmp", "picture4.bmp", "tmp"}))
      << "no temporary is left behind";
}

TEST_F(SkinFileTest, ALinkStaysALinkAndAReplacedFileKeepsItsMode) {
  const std::string direct = dir_ / "direct.sf";
  ASSERT_EQ(Write(direct, sources_), WriteResult::kSaved);
  std::filesystem::create_directory(dir_ / "skins");
  const std::string target = dir_ / "skins/classic.sf";
  WriteFileBytes(target, "old");
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  const std::string link = dir_ / "classic.sf";
  std::filesystem::create_symlink("skins/classic.sf", link);
  ASSERT_EQ(Write(link, sources_), WriteResult::kSaved);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(target), ReadFileBytes(direct));
  struct stat st {};
  ASSERT_EQ(stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // A link to a file that does not exist yet creates that file.
  const std::string dangling = dir_ / "dangling.sf";
  std::filesystem::create_symlink("skins/fresh.sf", dangling);
  ASSERT_EQ(Write(dangling, sources_), WriteResult::kSaved);
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
  EXPECT_EQ(ReadFileBytes(dir_ / "skins/fresh.sf"), ReadFileBytes(direct));
}

TEST_F(SkinFileTest, AReadOnlySkinFileIsNotReplaced) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root writes read-only files; run as an ordinary user";
  const std::string skin = dir_ / "readonly.sf";
  WriteFileBytes(skin, "kept");
  ASSERT_EQ(chmod(skin.c_str(), 0444), 0);
  EXPECT_EQ(Write(skin, sources_), WriteResult::kFailed);
  EXPECT_EQ(ReadFileBytes(skin), "kept");
  EXPECT_EQ(failures_, (Failures{{WriteFailure::kCannotCreate, ""}}));
}

TEST_F(SkinFileTest, FilesHeldByAnotherProgramAreNotUsed) {
  const std::string skin = dir_ / "held.sf";
  ASSERT_EQ(Write(skin, sources_), WriteResult::kSaved);
  const std::string before = ReadFileBytes(skin);
  int fd = open(skin.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  EXPECT_EQ(Write(skin, sources_), WriteResult::kFailed);
  TempNames names;
  EXPECT_FALSE(UnpackSkin(skin, names));
  close(fd);
  EXPECT_EQ(ReadFileBytes(skin), before);  // not truncated while held

  fd = open(sources_[1].c_str(), O_RDONLY);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  EXPECT_EQ(Write(skin, sources_), WriteResult::kFailed);
  close(fd);
  EXPECT_EQ(failures_, (Failures{{WriteFailure::kNone, ""},
                                 {WriteFailure::kCannotCreate, ""},
                                 {WriteFailure::kCannotOpen, sources_[1]}}));
}

TEST_F(SkinFileTest, UnpackGivesBackEachPictureInAFreshPrivateFile) {
  const std::string skin = dir_ / "classic.sf";
  ASSERT_EQ(Write(skin, sources_), WriteResult::kSaved);
  WriteFileBytes(skin, ReadFileBytes(skin) + "bytes behind the fifth picture");
  TempNames names;
  ASSERT_TRUE(UnpackSkin(skin, names));
  const std::regex pattern(tmp_ + "/tlf[0-9]+\\.bmp");
  std::set<std::string> distinct;
  for (int k = 0; k < kPictureCount; ++k) {
    EXPECT_TRUE(std::regex_match(names[k], pattern)) << names[k];
    EXPECT_EQ(ReadFileBytes(names[k]), pictures_[k]) << k;
    struct stat st {};
    ASSERT_EQ(lstat(names[k].c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    distinct.insert(names[k]);
  }
  EXPECT_EQ(distinct.size(), 5u);
  EXPECT_EQ(TempFolderEntries().size(), 5u);
  DeleteTempFiles(names);
  EXPECT_TRUE(TempFolderEntries().empty());
  DeleteTempFiles(names);  // missing files are no error
}

TEST_F(SkinFileTest, ShortSkinFiles) {
  const TempNames old = {"old0", "old1", "old2", "old3", "old4"};
  TempNames names = old;

  WriteFileBytes(dir_ / "empty.sf", "");
  EXPECT_TRUE(UnpackSkin(dir_ / "empty.sf", names));
  EXPECT_EQ(names, old);
  EXPECT_TRUE(TempFolderEntries().empty());

  WriteFileBytes(dir_ / "nineteen.sf", std::string(19, '\x7f'));
  ASSERT_TRUE(UnpackSkin(dir_ / "nineteen.sf", names));
  for (int k = 0; k < kPictureCount; ++k) {
    EXPECT_NE(names[k], old[k]);
    EXPECT_EQ(ReadFileBytes(names[k]), "");
  }
  DeleteTempFiles(names);

  // Lengths beyond the data: shorter files, no error.
  SkinHeader header;
  header.lengths = {100, 100, 100, 100, 100};
  const auto head = EncodeHeader(header);
  WriteFileBytes(dir_ / "cut.sf", std::string(head.begin(), head.end()) + std::string(150, 'd'));
  ASSERT_TRUE(UnpackSkin(dir_ / "cut.sf", names));
  EXPECT_EQ(ReadFileBytes(names[0]).size(), 100u);
  EXPECT_EQ(ReadFileBytes(names[1]).size(), 50u);
  EXPECT_EQ(ReadFileBytes(names[2]).size(), 0u);
  EXPECT_EQ(ReadFileBytes(names[4]).size(), 0u);
  DeleteTempFiles(names);

  names = old;
  EXPECT_FALSE(UnpackSkin(dir_ / "missing.sf", names));
  ASSERT_EQ(mkfifo((dir_ / "fifo.sf").c_str(), 0600), 0);
  EXPECT_FALSE(UnpackSkin(dir_ / "fifo.sf", names));
  EXPECT_FALSE(UnpackSkin(dir_.Path(), names));
  EXPECT_EQ(names, old);
}

TEST_F(SkinFileTest, UnpackWithoutATemporaryFolderFails) {
  const std::string skin = dir_ / "classic.sf";
  ASSERT_EQ(Write(skin, sources_), WriteResult::kSaved);
  testing::ScopedEnv gone("TMPDIR", dir_ / "no-such-folder");
  TempNames names;
  EXPECT_FALSE(UnpackSkin(skin, names));
}

// Someone sharing the temporary folder plants links at the names the game will form next; the
// game must neither write through them nor create their targets.
TEST_F(SkinFileTest, PlantedLinksAreNeverWrittenThrough) {
  const std::string skin = dir_ / "classic.sf";
  ASSERT_EQ(Write(skin, sources_), WriteResult::kSaved);
  const std::string victim = dir_ / "victim";
  WriteFileBytes(victim, "precious");
  std::set<std::string> planted;
  const auto start = std::chrono::system_clock::now();
  for (int ms = 0; ms < 400; ++ms) {
    auto at = start + std::chrono::milliseconds(ms);
    std::time_t seconds = std::chrono::system_clock::to_time_t(at);
    std::tm local{};
    localtime_r(&seconds, &local);
    auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count() % 1000;
    const std::string name = tmp_ + "/tlf" + std::to_string(local.tm_hour) +
                             std::to_string(local.tm_min) + std::to_string(local.tm_sec) +
                             std::to_string(millis) + ".bmp";
    const std::string target = ms % 2 == 0 ? victim : dir_ / ("dangling" + std::to_string(ms));
    if (planted.insert(name).second) {
      ASSERT_EQ(symlink(target.c_str(), name.c_str()), 0);
    }
  }
  TempNames names;
  ASSERT_TRUE(UnpackSkin(skin, names));
  EXPECT_EQ(ReadFileBytes(victim), "precious");
  for (int k = 0; k < kPictureCount; ++k) {
    EXPECT_EQ(planted.count(names[k]), 0u) << names[k];
    struct stat st {};
    ASSERT_EQ(lstat(names[k].c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadFileBytes(names[k]), pictures_[k]);
  }
  for (const auto& e : std::filesystem::directory_iterator(dir_.Path())) {
    EXPECT_EQ(e.path().filename().string().rfind("dangling", 0), std::string::npos);
  }
}

// The game reads the pictures straight from the skin file, split as unpacking splits them, and
// refuses a picture whose declared size is beyond any use before anything decodes it: a 27 KB skin
// of RLE bitmaps declaring 5790 x 5790 pixels each would otherwise take gigabytes.
TEST_F(SkinFileTest, ReaderSplitsLikeUnpackingAndBoundsPicturesBeforeDecoding) {
  const std::string skin = dir_ / "read.sf";
  ASSERT_EQ(Write(skin, sources_), WriteResult::kSaved);
  SkinPictures read;
  ASSERT_TRUE(ReadSkinPictures(skin, &read));
  for (int k = 0; k < kPictureCount; ++k) {
    EXPECT_EQ(read[k], pictures_[k]) << k;
    EXPECT_TRUE(PictureWithinBounds(read[k])) << k;
  }
  SkinHeader header;
  header.lengths = {100, 100, 100, 100, 100};
  const auto head = EncodeHeader(header);
  WriteFileBytes(dir_ / "cut.sf", std::string(head.begin(), head.end()) + std::string(150, 'd'));
  ASSERT_TRUE(ReadSkinPictures(dir_ / "cut.sf", &read));
  EXPECT_EQ(read[0].size(), 100u);
  EXPECT_EQ(read[1].size(), 50u);
  EXPECT_EQ(read[4].size(), 0u);
  WriteFileBytes(dir_ / "empty.sf", "");
  EXPECT_FALSE(ReadSkinPictures(dir_ / "empty.sf", &read));
  header.lengths = {0xffffffffu, 0, 0, 0, 0};
  const auto huge = EncodeHeader(header);
  WriteFileBytes(dir_ / "huge.sf", std::string(huge.begin(), huge.end()) + "BM");
  EXPECT_FALSE(ReadSkinPictures(dir_ / "huge.sf", &read));

  auto with_size = [](std::string bmp, int width, int height) {
    for (int i = 0; i < 4; ++i) {
      bmp[18 + i] = static_cast<char>(static_cast<uint32_t>(width) >> (8 * i));
      bmp[22 + i] = static_cast<char>(static_cast<uint32_t>(height) >> (8 * i));
    }
    return bmp;
  };
  const std::string small = Bmp24(2, 2);
  EXPECT_TRUE(PictureWithinBounds(with_size(small, kMaxPictureWidth, kMaxPictureHeight)));
  EXPECT_TRUE(PictureWithinBounds(with_size(small, kMaxPictureWidth, -kMaxPictureHeight)));
  EXPECT_FALSE(PictureWithinBounds(with_size(small, 5790, 5790)));
  EXPECT_FALSE(PictureWithinBounds(with_size(small, kMaxPictureWidth + 1, 1)));
  EXPECT_FALSE(PictureWithinBounds(with_size(small, 1, -kMaxPictureHeight - 1)));
  EXPECT_FALSE(PictureWithinBounds(with_size(small, -1, 1)));
  EXPECT_TRUE(PictureWithinBounds(with_size(small, 2 * kMaxPictureWidth, 1), 2));
  EXPECT_FALSE(PictureWithinBounds(with_size(small, 2 * kMaxPictureWidth + 1, 1), 2));
  // The old core header has 16-bit sizes at other offsets.
  std::string core = small;
  core[14] = 12;
  core[18] = static_cast<char>(0xff);
  core[19] = static_cast<char>(0xff);
  EXPECT_FALSE(PictureWithinBounds(core));
  EXPECT_FALSE(PictureWithinBounds(small.substr(0, 20)));
  EXPECT_FALSE(PictureWithinBounds("XX" + small.substr(2)));
}

}  // namespace
}  // namespace orbello::skinfile
