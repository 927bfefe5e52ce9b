#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/core/bytes.h"
#include "platform/core/files.h"
#include "platform/core/message.h"
#include "platform/core/paths.h"
#include "platform/core/testing/test_support.h"

namespace orbello::platform {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

// High bytes set at every width: a byte widened through a signed type would smear its sign.
TEST(Bytes, LittleEndianAtEveryWidthRoundTrips) {
  std::string bytes;
  AppendLittleEndian<uint16_t>(bytes, 0xF102);
  AppendLittleEndian<uint32_t>(bytes, 0xF3040506u);
  AppendLittleEndian<uint64_t>(bytes, 0xF7080900'0A0B0C0Dull);
  ASSERT_EQ(bytes, std::string("\x02\xF1\x06\x05\x04\xF3\x0D\x0C\x0B\x0A\x00\x09\x08\xF7", 14));
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  EXPECT_EQ(GetLittleEndian<uint16_t>(in), 0xF102);
  EXPECT_EQ(GetLittleEndian<uint32_t>(in + 2), 0xF3040506u);
  EXPECT_EQ(GetLittleEndian<uint64_t>(in + 6), 0xF7080900'0A0B0C0Dull);
  unsigned char put[4] = {};
  PutLittleEndian<uint32_t>(put, 0xFFFFFFFEu);
  EXPECT_EQ(GetLittleEndian<uint32_t>(put), 0xFFFFFFFEu);
  EXPECT_EQ(put[0], 0xFE);
}

TEST(Paths, FollowTheEnvironment) {
  TempDir dir;
  ScopedEnv home("HOME", dir.Path() + "/home/");
  ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
  ScopedEnv data("XDG_DATA_HOME", std::nullopt);
  ScopedEnv tmp("TMPDIR", std::nullopt);
  EXPECT_EQ(ConfigFolder(), dir.Path() + "/home/.config/corvane");
  EXPECT_EQ(DataHome(), dir.Path() + "/home/.local/share");
  EXPECT_EQ(ApplicationsFolder(), dir.Path() + "/home/.local/share/applications");
  EXPECT_EQ(DesktopFolder(), dir.Path() + "/home/Desktop");
  EXPECT_EQ(TempFolder(), "/tmp");
  {
    ScopedEnv config2("XDG_CONFIG_HOME", dir.Path() + "/cfg");
    ScopedEnv data2("XDG_DATA_HOME", dir.Path() + "/data");
    ScopedEnv tmp2("TMPDIR", dir.Path() + "/t/");
    EXPECT_EQ(ConfigFolder(), dir.Path() + "/cfg/corvane");
    EXPECT_EQ(ApplicationsFolder(), dir.Path() + "/data/applications");
    EXPECT_EQ(TempFolder(), dir.Path() + "/t");
  }
}

TEST(Paths, DesktopComesFromUserDirs) {
  TempDir dir;
  ScopedEnv home("HOME", dir.Path());
  ScopedEnv config("XDG_CONFIG_HOME", dir.Path() + "/cfg");
  std::filesystem::create_directories(dir.Path() + "/cfg");
  testing::WriteFileBytes(dir.Path() + "/cfg/user-dirs.dirs",
                          "# written by xdg-user-dirs-update\n"
                          "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
                          "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(DesktopFolder(), dir.Path() + "/Schreibtisch");
  testing::WriteFileBytes(dir.Path() + "/cfg/user-dirs.dirs",
                          "XDG_DESKTOP_DIR=\"/srv/desk top/\"\n");
  EXPECT_EQ(DesktopFolder(), "/srv/desk top");
  testing::WriteFileBytes(dir.Path() + "/cfg/user-dirs.dirs", "XDG_DESKTOP_DIR=relative\n");
  EXPECT_EQ(DesktopFolder(), dir.Path() + "/Desktop");
}

TEST(Paths, ProgramFolderIsTheExecutablesFolderAsSpelled) {
  const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
  EXPECT_EQ(ProgramFolder(), exe.substr(0, exe.rfind('/')));
  EXPECT_NE(ProgramFolder().back(), '/');
}

// A FIFO without a writer would block a plain open or read forever; /dev/zero never ends.
TEST(Files, ReadersRefuseWhatIsNotARegularFileAndBoundTheSize) {
  TempDir dir;
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string out = "stale";
  int error = 0;
  for (const std::string& path : {fifo, std::string("/dev/zero"), dir.Path()}) {
    EXPECT_FALSE(ReadRegularFile(path, 1 << 20, &out, &error)) << path;
    EXPECT_EQ(error, EINVAL) << path;
    EXPECT_TRUE(out.empty()) << path;
    errno = 0;
    EXPECT_FALSE(OpenUnshared(path, O_RDONLY).Valid()) << path;
    EXPECT_EQ(errno, EINVAL) << path;
    size_t size = 1;
    EXPECT_EQ(MapRegularFile(path, 1 << 20, &size), nullptr) << path;
    EXPECT_EQ(size, 0u) << path;
  }
  EXPECT_FALSE(OpenUnshared(fifo, O_WRONLY).Valid());  // no reader: refused, not blocked

  EXPECT_FALSE(ReadRegularFile(dir / "missing", 10, &out, &error));
  EXPECT_EQ(error, ENOENT);

  const std::string file = dir / "file";
  testing::WriteFileBytes(file, std::string(5000, 'x') + std::string("\0end", 4));
  ASSERT_TRUE(ReadRegularFile(file, 5004, &out, &error));
  EXPECT_EQ(error, 0);
  EXPECT_EQ(out, std::string(5000, 'x') + std::string("\0end", 4));
  EXPECT_FALSE(ReadRegularFile(file, 5003, &out, &error));
  EXPECT_EQ(error, EFBIG);
  EXPECT_TRUE(out.empty());
  size_t size = 0;
  const unsigned char* mapped = MapRegularFile(file, 5004, &size);
  ASSERT_NE(mapped, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(mapped), size),
            std::string(5000, 'x') + std::string("\0end", 4));
  EXPECT_EQ(MapRegularFile(file, 5003, &size), nullptr);
  testing::WriteFileBytes(file, "");
  ASSERT_TRUE(ReadRegularFile(file, 0, &out, &error));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(MapRegularFile(file, 10, &size), nullptr) << "nothing to map";

  // What the open gives back blocks again like any file descriptor.
  UniqueFd fd = OpenRegularFile(file, O_RDONLY);
  ASSERT_TRUE(fd.Valid());
  EXPECT_EQ(fcntl(fd.Get(), F_GETFL) & O_NONBLOCK, 0);
  EXPECT_NE(fcntl(fd.Get(), F_GETFD) & FD_CLOEXEC, 0);
}

// A replace reaches the file a link names, even one that does not exist yet, and keeps the links;
// the mode asked for is set over the old one, and without one the old file's stays. A failed
// write leaves the old file and nothing else.
TEST(Files, ReplaceFollowsLinksAndSetsTheModeAskedFor) {
  TempDir dir;
  std::filesystem::create_directory(dir / "real");
  std::filesystem::create_symlink("real/data", dir / "relative");
  std::filesystem::create_symlink(dir / "relative", dir / "chain");
  ASSERT_TRUE(ReplaceFile(dir / "chain", "one", ReplaceOptions{0600, false}));
  EXPECT_EQ(testing::ReadFileBytes(dir / "real/data"), "one");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "chain"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "relative"));
  struct stat st {};
  ASSERT_EQ(stat((dir / "real/data").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);

  ASSERT_EQ(chmod((dir / "real/data").c_str(), 0640), 0);
  ASSERT_TRUE(ReplaceFile(dir / "chain", "two"));
  ASSERT_EQ(stat((dir / "real/data").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_FALSE(ReplaceFile(dir / "chain", [](int) { return false; }));
  EXPECT_EQ(testing::ReadFileBytes(dir / "real/data"), "two");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "real"),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(Message, DefaultHandlerAnswersTheDefaultButton) {
  MessageHandler previous = SetMessageHandler(nullptr);
  EXPECT_EQ(ShowMessage({"t", "c", MessageIcon::kQuestion, MessageButtons::kYesNo, 1, nullptr}),
            kIdNo);
  EXPECT_EQ(ShowMessage({"t", "c", MessageIcon::kQuestion, MessageButtons::kYesNo, 0, nullptr}),
            kIdYes);
  EXPECT_EQ(
      ShowMessage({"t", "c", MessageIcon::kQuestion, MessageButtons::kYesNoCancel, 2, nullptr}),
      kIdCancel);
  EXPECT_EQ(ShowMessage({"t", "c", MessageIcon::kNone, MessageButtons::kOkCancel, 1, nullptr}),
            kIdCancel);
  SetMessageHandler(previous);
}

TEST(Message, HandlersAreReplacedAndRestored) {
  std::vector<std::string> seen;
  MessageHandler first = SetMessageHandler([&](const MessageRequest& r) {
    seen.push_back(r.caption + "|" + r.text);
    return kIdCancel;
  });
  ShowError("Boom");
  MessageHandler mine = SetMessageHandler(first);
  EXPECT_EQ(seen, (std::vector<std::string>{"Error|Boom"}));
  ASSERT_TRUE(mine);
  EXPECT_EQ(mine({"x", "y", MessageIcon::kNone, MessageButtons::kOk, 0, nullptr}), kIdCancel);
}

}  // namespace
}  // namespace orbello::platform
