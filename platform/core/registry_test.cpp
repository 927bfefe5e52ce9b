#include "platform/core/registry.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/core/paths.h"
#include "platform/core/regfile.h"
#include "platform/core/testing/test_support.h"

namespace orbello::platform {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

constexpr const char* kKey = "Software\\Corvane\\OB\\Settings";

class RegistryTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
  testing::ScopedEnv config_{"XDG_CONFIG_HOME", dir_.Path()};
  testing::ScopedEnv home_{"HOME", dir_.Path()};

  std::optional<RegistryKey> OpenRw() {
    return RegistryKey::Open(Hive::kCurrentUser, kKey, kRegQueryValue | kRegSetValue);
  }
};

TEST_F(RegistryTest, HivesLiveInTheConfigFolder) {
  EXPECT_EQ(HiveFilePath(Hive::kCurrentUser), dir_.Path() + "/corvane/HKEY_CURRENT_USER.reg");
  EXPECT_EQ(HiveFilePath(Hive::kLocalMachine), dir_.Path() + "/corvane/HKEY_LOCAL_MACHINE.reg");
}

TEST_F(RegistryTest, OpeningNeverCreates) {
  EXPECT_FALSE(RegistryKey::Open(Hive::kCurrentUser, kKey, kRegQueryValue));
  EXPECT_FALSE(std::filesystem::exists(dir_.Path() + "/corvane"));
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, "Software\\Other"));
  EXPECT_FALSE(RegistryKey::Open(Hive::kCurrentUser, kKey, kRegQueryValue));
  EXPECT_FALSE(RegistryKey::Open(Hive::kLocalMachine, "Software\\Other", kRegQueryValue));
  EXPECT_EQ(std::filesystem::status(dir_.Path() + "/corvane/HKEY_CURRENT_USER.reg").permissions() &
                std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(RegistryTest, QueryGivesTypeAndSizeThenData) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  auto key = OpenRw();
  ASSERT_TRUE(key);
  std::string padded(261, '\0');
  padded.replace(0, 8, "/a/b.wav");
  ASSERT_TRUE(key->SetValue("Sound_Jump", kRegSz, padded.data(), 261));
  ASSERT_TRUE(key->SetDword("Delay_Jump", 0xffffffffu));

  auto reader =
      RegistryKey::Open(Hive::kCurrentUser, "SOFTWARE\\corvane\\ob\\settings", kRegQueryValue);
  ASSERT_TRUE(reader);
  uint32_t type = 0, size = 0;
  ASSERT_TRUE(reader->QueryValue("sound_jump", &type, nullptr, &size));
  EXPECT_EQ(type, kRegSz);
  EXPECT_EQ(size, 261u);
  std::string small(100, 'x');
  uint32_t small_size = 100;
  EXPECT_FALSE(reader->QueryValue("Sound_Jump", &type, small.data(), &small_size));
  EXPECT_EQ(small_size, 261u);
  std::string data(261, 'x');
  ASSERT_TRUE(reader->QueryValue("Sound_Jump", &type, data.data(), &size));
  EXPECT_EQ(data, padded);

  EXPECT_EQ(reader->GetDword("DELAY_JUMP"), 0xffffffffu);
  EXPECT_EQ(reader->GetString("Sound_Jump"), "/a/b.wav");
  EXPECT_FALSE(reader->GetDword("Sound_Jump"));
  EXPECT_FALSE(reader->GetString("Delay_Jump"));
  EXPECT_FALSE(reader->QueryValue("Missing", &type, nullptr, &size));

  // Read-only access cannot set; set-only access cannot query.
  EXPECT_FALSE(reader->SetDword("Delay_Jump", 1));
  auto writer = RegistryKey::Open(Hive::kCurrentUser, kKey, kRegSetValue);
  ASSERT_TRUE(writer);
  EXPECT_FALSE(writer->QueryValue("Delay_Jump", &type, nullptr, &size));
  EXPECT_EQ(reader->GetDword("Delay_Jump"), 0xffffffffu);
}

TEST_F(RegistryTest, SetKeepsTheFirstSpellingAndTheOrder) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  auto key = OpenRw();
  ASSERT_TRUE(key->SetDword("NextColors", 1));
  ASSERT_TRUE(key->SetDword("DefaultGame", 2));
  ASSERT_TRUE(key->SetString("NEXTCOLORS", "now text"));
  EXPECT_EQ(key->ValueNames(), (std::vector<std::string>{"NextColors", "DefaultGame"}));
  EXPECT_EQ(key->GetString("nextcolors"), "now text");
  EXPECT_FALSE(key->SetDword("bad\nname", 1));
}

TEST_F(RegistryTest, DeleteRemovesSubkeysAndLaterUseOfTheKeyFails) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, "Software\\Corvane\\OB\\Settings\\Deeper"));
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, "Software\\Keep"));
  auto key = OpenRw();
  ASSERT_TRUE(key->SetDword("NextColors", 1));

  ASSERT_TRUE(DeleteKeyTree(Hive::kCurrentUser, "software\\corvane"));
  uint32_t type = 0, size = 0;
  EXPECT_FALSE(key->QueryValue("NextColors", &type, nullptr, &size));
  EXPECT_FALSE(key->SetDword("NextColors", 2));  // never recreated by a write
  EXPECT_FALSE(RegistryKey::Open(Hive::kCurrentUser, "Software\\Corvane", kRegQueryValue));
  EXPECT_TRUE(RegistryKey::Open(Hive::kCurrentUser, "Software\\Keep", kRegQueryValue));
  EXPECT_TRUE(RegistryKey::Open(Hive::kCurrentUser, "Software", kRegQueryValue));
  EXPECT_FALSE(DeleteKeyTree(Hive::kCurrentUser, "Software\\Corvane"));
  EXPECT_FALSE(DeleteKeyTree(Hive::kLocalMachine, "Software"));
}

TEST_F(RegistryTest, ReadsAHiveTypedByAPerson) {
  std::filesystem::create_directories(dir_.Path() + "/corvane");
  WriteFileBytes(HiveFilePath(Hive::kCurrentUser),
                 "REGEDIT4\r\n\r\n; installed by hand\r\n"
                 "[HKEY_CURRENT_USER\\Software\\Corvane\\OB\\Settings]\r\n"
                 "\"AppPath\" = \"/opt/orbello\"\r\n"
                 "\"NextColors\"=dword:3\r\n");
  auto key = RegistryKey::Open(Hive::kCurrentUser, kKey, kRegQueryValue);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->GetString("AppPath"), "/opt/orbello");
  EXPECT_EQ(key->GetDword("NextColors"), 3u);
}

TEST_F(RegistryTest, ABrokenHiveIsNeverOverwritten) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  auto key = OpenRw();
  ASSERT_TRUE(key);
  const std::string broken =
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Corvane\\OB\\Settings]\n\"NextColors\"=dword:";
  WriteFileBytes(HiveFilePath(Hive::kCurrentUser), broken);
  EXPECT_FALSE(key->SetDword("NextColors", 1));
  EXPECT_FALSE(CreateKey(Hive::kCurrentUser, "Software\\New"));
  EXPECT_FALSE(DeleteKeyTree(Hive::kCurrentUser, kKey));
  EXPECT_FALSE(RegistryKey::Open(Hive::kCurrentUser, kKey, kRegQueryValue));
  EXPECT_EQ(ReadFileBytes(HiveFilePath(Hive::kCurrentUser)), broken);
}

TEST_F(RegistryTest, AWriteWaitsForTheLockAndLeavesNoTemporaryFiles) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  const std::string lock_path = HiveFilePath(Hive::kCurrentUser) + ".lock";
  int lock_fd = open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(lock_fd, 0);
  ASSERT_EQ(flock(lock_fd, LOCK_EX), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto key = RegistryKey::Open(Hive::kCurrentUser, kKey, kRegSetValue);
    _exit(key && key->SetDword("FromChild", 7) ? 0 : 1);
  }
  usleep(200 * 1000);
  // The child cannot have written while the lock is held.
  EXPECT_FALSE(OpenRw()->GetDword("FromChild"));
  flock(lock_fd, LOCK_UN);
  close(lock_fd);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(OpenRw()->GetDword("FromChild"), 7u);
  for (const auto& entry : std::filesystem::directory_iterator(dir_.Path() + "/corvane")) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "HKEY_CURRENT_USER.reg" || name == "HKEY_CURRENT_USER.reg.lock") << name;
  }
}

TEST_F(RegistryTest, ASnapshotIsReadOnceAndKeepsWhatItRead) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, "Software\\Other"));
  ASSERT_TRUE(OpenRw()->SetDword("NextColors", 1));
  auto snapshot = RegistryKey::OpenSnapshot(Hive::kCurrentUser, "software\\corvane\\OB\\settings");
  ASSERT_TRUE(snapshot);
  ASSERT_TRUE(OpenRw()->SetDword("NextColors", 2));
  ASSERT_TRUE(OpenRw()->SetDword("Later", 3));
  EXPECT_EQ(snapshot->GetDword("nextcolors"), 1u);
  EXPECT_FALSE(snapshot->GetDword("Later"));
  EXPECT_EQ(snapshot->ValueNames(), std::vector<std::string>{"NextColors"});
  EXPECT_EQ(OpenRw()->GetDword("NextColors"), 2u);
  EXPECT_FALSE(snapshot->SetDword("NextColors", 4));
  EXPECT_EQ(OpenRw()->GetDword("NextColors"), 2u);
  // Implied parents open; missing keys and hives do not.
  EXPECT_TRUE(RegistryKey::OpenSnapshot(Hive::kCurrentUser, "Software\\Corvane"));
  EXPECT_FALSE(RegistryKey::OpenSnapshot(Hive::kCurrentUser, "Software\\Corv"));
  EXPECT_FALSE(RegistryKey::OpenSnapshot(Hive::kLocalMachine, kKey));
  std::filesystem::remove(HiveFilePath(Hive::kCurrentUser));
  EXPECT_EQ(snapshot->GetDword("NextColors"), 1u);
}

// A FIFO without a writer would block a plain open for ever, /dev/zero never ends and a huge
// file would exhaust memory: each is a broken hive, refused at once (a child process with an
// alarm turns a hang into a failure).
TEST_F(RegistryTest, SpecialFilesInPlaceOfTheHiveAreRefusedAtOnce) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  auto key = OpenRw();
  ASSERT_TRUE(key);
  const std::string hive = HiveFilePath(Hive::kCurrentUser);
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"FIFO", [&] { ASSERT_EQ(mkfifo(hive.c_str(), 0600), 0); }},
      {"link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", hive); }},
      {"64 MiB and one byte", [&] {
         WriteFileBytes(hive, "REGEDIT4\n");
         std::filesystem::resize_file(hive, (64u << 20) + 1);
       }}};
  for (const auto& [what, make] : cases) {
    SCOPED_TRACE(what);
    std::filesystem::remove(hive);
    make();
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      alarm(10);
      bool all_failed = !RegistryKey::Open(Hive::kCurrentUser, kKey, kRegQueryValue) &&
                        !RegistryKey::OpenSnapshot(Hive::kCurrentUser, kKey) &&
                        !key->GetDword("NextColors") && !key->SetDword("NextColors", 1) &&
                        !CreateKey(Hive::kCurrentUser, "Software\\New") &&
                        !DeleteKeyTree(Hive::kCurrentUser, kKey);
      _exit(all_failed ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "hung or crashed";
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
  }
}

// A temporary that is not held by a live writer's flock was left by a killed one and goes on the
// next write. Only names that the writers make count as temporaries: a player's backups beside
// the hive, whatever their suffix, stay.
TEST_F(RegistryTest, AWriteRemovesTheTemporariesOfKilledWritersOnly) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  const std::string hive = HiveFilePath(Hive::kCurrentUser);
  const std::string folder = dir_.Path() + "/corvane/";
  const std::string stale = folder + ".orbello-tmp.HKEY_CURRENT_USER.reg.a1B2c3";
  const std::string live = folder + ".orbello-tmp.HKEY_CURRENT_USER.reg.Z9y8X7";
  const std::string others[] = {
      hive + ".lock",   hive + ".backup",   hive + ".2024ok",
      hive + ".a1B2c3", folder + ".2024ok", folder + ".orbello-tmp.HKEY_CURRENT_USER.reg.a1B2c"};
  WriteFileBytes(stale, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Soft");
  WriteFileBytes(live, "REGEDIT4\n");
  for (const std::string& other : others)
    WriteFileBytes(other, "keep");
  int live_fd = open(live.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(live_fd, 0);
  ASSERT_EQ(flock(live_fd, LOCK_EX), 0);
  ASSERT_TRUE(OpenRw()->SetDword("NextColors", 1));
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(live));
  for (const std::string& other : others)
    EXPECT_EQ(ReadFileBytes(other), "keep") << other;
  close(live_fd);
  ASSERT_TRUE(OpenRw()->SetDword("NextColors", 2));
  EXPECT_FALSE(std::filesystem::exists(live));
  EXPECT_EQ(OpenRw()->GetDword("NextColors"), 2u);
}

// Dotfile managers keep the hive elsewhere and link it in: the link stays and its target
// changes. A lock file that is a link is used where it points, but nothing is ever created
// through it.
TEST_F(RegistryTest, LinkedHiveAndLockFileStayLinks) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  const std::string hive = HiveFilePath(Hive::kCurrentUser);
  testing::TempDir dotfiles;
  WriteFileBytes(dotfiles / "user.reg", ReadFileBytes(hive));
  std::filesystem::remove(hive);
  std::filesystem::create_symlink(dotfiles / "user.reg", hive);
  std::filesystem::remove(hive + ".lock");
  std::filesystem::create_symlink(dotfiles / "user.lock", hive + ".lock");

  EXPECT_FALSE(OpenRw()->SetDword("NextColors", 3)) << "the lock's target is missing";
  EXPECT_FALSE(std::filesystem::exists(dotfiles / "user.lock"));
  WriteFileBytes(dotfiles / "user.lock", "");
  ASSERT_TRUE(OpenRw()->SetDword("NextColors", 3));
  EXPECT_TRUE(std::filesystem::is_symlink(hive));
  EXPECT_TRUE(std::filesystem::is_symlink(hive + ".lock"));
  EXPECT_NE(ReadFileBytes(dotfiles / "user.reg").find("\"NextColors\"=dword:00000003"),
            std::string::npos);
  EXPECT_EQ(OpenRw()->GetDword("NextColors"), 3u);
}

TEST_F(RegistryTest, ConcurrentWritersLoseNothing) {
  ASSERT_TRUE(CreateKey(Hive::kCurrentUser, kKey));
  constexpr int kWriters = 3;
  constexpr int kValues = 40;
  std::vector<pid_t> children;
  for (int w = 0; w < kWriters; ++w) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      auto key = RegistryKey::Open(Hive::kCurrentUser, kKey, kRegSetValue);
      bool ok = key.has_value();
      for (int i = 0; ok && i < kValues; ++i) {
        ok = key->SetDword("w" + std::to_string(w) + "_" + std::to_string(i),
                           static_cast<uint32_t>(w * 1000 + i));
      }
      _exit(ok ? 0 : 1);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  auto key = OpenRw();
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ValueNames().size(), static_cast<size_t>(kWriters * kValues));
  for (int w = 0; w < kWriters; ++w) {
    for (int i = 0; i < kValues; ++i) {
      std::string name = "w";
      name.append(std::to_string(w)).append("_").append(std::to_string(i));
      EXPECT_EQ(key->GetDword(name), static_cast<uint32_t>(w * 1000 + i));
    }
  }
}

}  // namespace
}  // namespace orbello::platform
