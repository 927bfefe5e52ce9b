#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/core/message.h"
#include "platform/core/paths.h"
#include "platform/core/testing/test_support.h"

namespace orbello::platform {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

TEST(Paths, FollowTheEnvironment) {
  TempDir dir;
  ScopedEnv home("HOME", dir.path() + "/home/");
  ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
  ScopedEnv data("XDG_DATA_HOME", std::nullopt);
  ScopedEnv tmp("TMPDIR", std::nullopt);
  EXPECT_EQ(ConfigFolder(), dir.path() + "/home/.config/corvane");
  EXPECT_EQ(DataHome(), dir.path() + "/home/.local/share");
  EXPECT_EQ(ApplicationsFolder(), dir.path() + "/home/.local/share/applications");
  EXPECT_EQ(DesktopFolder(), dir.path() + "/home/Desktop");
  EXPECT_EQ(TempFolder(), "/tmp");
  {
    ScopedEnv config2("XDG_CONFIG_HOME", dir.path() + "/cfg");
    ScopedEnv data2("XDG_DATA_HOME", dir.path() + "/data");
    ScopedEnv tmp2("TMPDIR", dir.path() + "/t/");
    EXPECT_EQ(ConfigFolder(), dir.path() + "/cfg/corvane");
    EXPECT_EQ(ApplicationsFolder(), dir.path() + "/data/applications");
    EXPECT_EQ(TempFolder(), dir.path() + "/t");
  }
}

TEST(Paths, DesktopComesFromUserDirs) {
  TempDir dir;
  ScopedEnv home("HOME", dir.path());
  ScopedEnv config("XDG_CONFIG_HOME", dir.path() + "/cfg");
  std::filesystem::create_directories(dir.path() + "/cfg");
  testing::WriteFileBytes(dir.path() + "/cfg/user-dirs.dirs",
                          "# written by xdg-user-dirs-update\n"
                          "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
                          "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(DesktopFolder(), dir.path() + "/Schreibtisch");
  testing::WriteFileBytes(dir.path() + "/cfg/user-dirs.dirs",
                          "XDG_DESKTOP_DIR=\"/srv/desk top/\"\n");
  EXPECT_EQ(DesktopFolder(), "/srv/desk top");
  testing::WriteFileBytes(dir.path() + "/cfg/user-dirs.dirs", "XDG_DESKTOP_DIR=relative\n");
  EXPECT_EQ(DesktopFolder(), dir.path() + "/Desktop");
}

TEST(Paths, ProgramFolderIsTheExecutablesFolderAsSpelled) {
  const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
  EXPECT_EQ(ProgramFolder(), exe.substr(0, exe.rfind('/')));
  EXPECT_NE(ProgramFolder().back(), '/');
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
