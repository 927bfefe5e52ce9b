#include "game/records/core/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "game/records/core/settings_test_util.h"
#include "platform/core/regfile.h"
#include "platform/core/registry.h"
#include "platform/core/testing/test_support.h"

namespace orbello {
namespace {

using platform::Hive;
using platform::RegistryKey;

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::CreateKey(Hive::kCurrentUser, kSettingsKeyPath));
    installed_ = SampleSettings();
    ASSERT_TRUE(StoreSettings(installed_));
  }

  RegistryKey Key() {
    return *RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath,
                              platform::kRegQueryValue | platform::kRegSetValue);
  }

  testing::TempDir dir_;
  testing::ScopedEnv config_{"XDG_CONFIG_HOME", dir_.Path()};
  GameSettings installed_;
};

TEST_F(SettingsTest, StoredHiveHoldsTheSixteenValuesInOrderWithTheirTypes) {
  const std::string text = testing::ReadFileBytes(platform::HiveFilePath(Hive::kCurrentUser));
  std::optional<platform::regfile::Document> doc =
      platform::regfile::Parse(text, "HKEY_CURRENT_USER");
  ASSERT_TRUE(doc);
  const platform::regfile::Key* key = doc->FindKey(kSettingsKeyPath);
  ASSERT_NE(key, nullptr);
  const std::vector<std::string> order = {
      "NextColors", "DefaultGame",   "ShowWalk",      "TitleSkin",
      "Sound_Jump", "Sound_Destroy", "Sound_Move",    "Sound_NoPath",
      "CheckJump",  "CheckMove",     "CheckDestroy",  "CheckNoPath",
      "Delay_Jump", "Delay_Move",    "Delay_Destroy", "Delay_Appearance"};
  ASSERT_EQ(key->values.size(), order.size());
  for (size_t i = 0; i < order.size(); ++i) {
    const auto& value = key->values[i];
    EXPECT_EQ(value.name, order[i]);
    const bool is_path = i >= 3 && i <= 7;
    EXPECT_EQ(value.type, is_path ? platform::kRegSz : platform::kRegDword) << value.name;
    EXPECT_EQ(value.data.size(), is_path ? 261u : 4u) << value.name;
  }
  // The skin path, its zero and zeros up to 261 bytes; read back as text by a person.
  std::string skin(key->values[3].data.begin(), key->values[3].data.end());
  EXPECT_EQ(skin, std::string("/opt/orbello/skin/classic.sf") + std::string(261 - 28, '\0'));
  EXPECT_NE(text.find("\"Delay_Jump\"=dword:0000001e"), std::string::npos);
}

TEST_F(SettingsTest, ReadGivesBackWhatWasStored) {
  GameSettings read;
  testing::MessageRecorder messages;
  ASSERT_TRUE(ReadSettings(read));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(read == installed_);
  EXPECT_STREQ(read.Sound_NoPath(), "/opt/orbello/sound/nopath.wav");
}

TEST_F(SettingsTest, OutOfRangeNumbersAreTakenUnchanged) {
  RegistryKey key = Key();
  ASSERT_TRUE(key.SetDword("NextColors", 0));
  ASSERT_TRUE(key.SetDword("DefaultGame", 7));
  ASSERT_TRUE(key.SetDword("Delay_Move", 500));
  ASSERT_TRUE(key.SetDword("Delay_Jump", static_cast<uint32_t>(-2)));
  GameSettings read;
  ASSERT_TRUE(ReadSettings(read));
  EXPECT_EQ(read.NextColors, 0);
  EXPECT_EQ(read.DefaultGame, 7);
  EXPECT_EQ(read.Delay_Move, 500);
  EXPECT_EQ(read.Delay_Jump, -2);
}

TEST_F(SettingsTest, MissingKeyOrHive) {
  ASSERT_TRUE(platform::DeleteKeyTree(Hive::kCurrentUser, "Software\\Corvane"));
  testing::MessageRecorder messages;
  GameSettings read;
  EXPECT_FALSE(ReadSettings(read));
  std::filesystem::remove(platform::HiveFilePath(Hive::kCurrentUser));
  EXPECT_FALSE(ReadSettings(read));
  ASSERT_EQ(messages.messages.size(), 2u);
  for (const auto& m : messages.messages) {
    EXPECT_EQ(m.text, "Can't read registry key.");
    EXPECT_EQ(m.caption, "Error");
    EXPECT_EQ(m.icon, platform::MessageIcon::kError);
  }
}

// Each failing value stops the read there; values read before it are already in the record.
TEST_F(SettingsTest, AValueOfTheWrongKindStopsTheReadWhereItStands) {
  struct Case {
    const char* what;
    std::function<void(RegistryKey&)> spoil;
    std::function<void(const GameSettings&)> check;
  };
  const Case cases[] = {
      {"DefaultGame as a string",
       [](RegistryKey& k) { ASSERT_TRUE(k.SetString("DefaultGame", "1")); },
       [](const GameSettings& s) {
         EXPECT_EQ(s.NextColors, 3);
         EXPECT_EQ(s.DefaultGame, 99);
       }},
      {"TitleSkin as a DWORD", [](RegistryKey& k) { ASSERT_TRUE(k.SetDword("TitleSkin", 1)); },
       [](const GameSettings& s) {
         EXPECT_EQ(s.ShowWalk, 1);
         EXPECT_STREQ(s.TitleSkin(), "old");
       }},
      {"a DWORD of -1", [](RegistryKey& k) { ASSERT_TRUE(k.SetDword("CheckMove", 0xffffffffu)); },
       [](const GameSettings& s) {
         EXPECT_EQ(s.CheckJump, 0);
         EXPECT_EQ(s.CheckMove, 99);
       }},
      {"a DWORD of two bytes",
       [](RegistryKey& k) {
         const unsigned char two[2] = {1, 0};
         ASSERT_TRUE(k.SetValue("Delay_Jump", platform::kRegDword, two, 2));
       },
       [](const GameSettings& s) { EXPECT_EQ(s.Delay_Jump, 99); }},
      {"an expandable string",
       [](RegistryKey& k) {
         ASSERT_TRUE(k.SetValue("Sound_Move", platform::kRegExpandSz, "x", 2));
       },
       [](const GameSettings& s) {
         EXPECT_STREQ(s.Sound_Destroy(), "/opt/orbello/sound/destroy.wav");
         EXPECT_STREQ(s.Sound_Move(), "old");
       }},
      {"a missing last value",
       [](RegistryKey&) {
         const std::string path = platform::HiveFilePath(Hive::kCurrentUser);
         auto doc = platform::regfile::Parse(testing::ReadFileBytes(path), "HKEY_CURRENT_USER");
         ASSERT_TRUE(doc);
         auto& values = doc->FindKey(kSettingsKeyPath)->values;
         ASSERT_EQ(values.back().name, "Delay_Appearance");
         values.pop_back();
         testing::WriteFileBytes(path, platform::regfile::Serialise(*doc, "HKEY_CURRENT_USER"));
       },
       [](const GameSettings& s) {
         EXPECT_EQ(s.Delay_Destroy, 20);
         EXPECT_EQ(s.Delay_Appearance, 99);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();  // the installed values again
    RegistryKey key = Key();
    c.spoil(key);
    GameSettings read;
    read = GameSettings{};
    read.DefaultGame = read.CheckMove = read.Delay_Jump = read.Delay_Appearance = 99;
    for (int slot = 0; slot < kPathSlotCount; ++slot)
      read.SetPath(slot, "old");
    testing::MessageRecorder messages;
    EXPECT_FALSE(ReadSettings(read));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Can't read from registry."});
    c.check(read);
  }
}

TEST_F(SettingsTest, APathLongerThanItsSlotIsCutToFit) {
  RegistryKey key = Key();
  const std::string long_path = "/" + std::string(400, 'p');
  ASSERT_TRUE(key.SetString("TitleSkin", long_path));
  // Stored without any zero at all.
  ASSERT_TRUE(key.SetValue("Sound_Jump", platform::kRegSz, "abc", 3));
  ASSERT_TRUE(key.SetValue("Sound_Move", platform::kRegSz, nullptr, 0));
  GameSettings read;
  read.SetPath(kSlotMove, "old");
  ASSERT_TRUE(ReadSettings(read));
  EXPECT_STREQ(read.Sound_Move(), "");
  EXPECT_EQ(std::string(read.TitleSkin()), long_path.substr(0, 260));
  EXPECT_STREQ(read.Sound_Jump(), "abc");
  EXPECT_STREQ(read.Sound_Destroy(), "/opt/orbello/sound/destroy.wav");
}

// Paths are bytes, not text: Latin-1 names, broken UTF-8 and the escaped characters pass
// through the hive unchanged, in the padded hex(1) form and in the plain "text" form alike.
TEST_F(SettingsTest, PathsThatAreNotUtf8PassByteForByte) {
  GameSettings odd = installed_;
  odd.SetPath(kSlotSkin, "/home/caf\xe9/skin.sf");
  odd.SetPath(kSlotJump, "/x/\xff\xfe\x80\"q\"\\.wav");
  odd.SetPath(kSlotMove, "/x/\xc3(\xed\xa0\x80.wav");
  ASSERT_TRUE(StoreSettings(odd));
  GameSettings read;
  ASSERT_TRUE(ReadSettings(read));
  EXPECT_TRUE(read == odd);
  EXPECT_EQ(std::string(read.TitleSkin()), "/home/caf\xe9/skin.sf");

  const std::string plain = "/home/caf\xe9/no \"path\".wav";
  ASSERT_TRUE(Key().SetString("Sound_NoPath", plain));
  const std::string text = testing::ReadFileBytes(platform::HiveFilePath(Hive::kCurrentUser));
  EXPECT_NE(text.find("\"Sound_NoPath\"=\"/home/caf\xe9/no \\\"path\\\".wav\"\n"),
            std::string::npos);
  ASSERT_TRUE(ReadSettings(read));
  EXPECT_EQ(std::string(read.Sound_NoPath()), plain);
  EXPECT_EQ(std::string(read.TitleSkin()), "/home/caf\xe9/skin.sf");
}

TEST_F(SettingsTest, StoreWithoutTheKeyReportsAndCreatesNothing) {
  ASSERT_TRUE(platform::DeleteKeyTree(Hive::kCurrentUser, kSettingsKeyPath));
  testing::MessageRecorder messages;
  EXPECT_FALSE(StoreSettings(installed_));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Can't open registry key."});
  EXPECT_FALSE(RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath, platform::kRegQueryValue));
}

TEST_F(SettingsTest, StoreThatCannotWriteReportsOnceAndKeepsTheHive) {
  const std::string before = testing::ReadFileBytes(platform::HiveFilePath(Hive::kCurrentUser));
  // A lock file that cannot be opened: no value can be written.
  const std::string lock = platform::HiveFilePath(Hive::kCurrentUser) + ".lock";
  std::filesystem::remove(lock);
  ASSERT_EQ(mkdir(lock.c_str(), 0700), 0);
  GameSettings changed = installed_;
  changed.NextColors = 4;
  testing::MessageRecorder messages;
  EXPECT_FALSE(StoreSettings(changed));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Can't write into registry."});
  EXPECT_EQ(testing::ReadFileBytes(platform::HiveFilePath(Hive::kCurrentUser)), before);
}

TEST(GameSettingsRecord, SetPathCutsAndPads) {
  GameSettings s;
  std::memset(s.Paths, 'x', sizeof s.Paths);
  s.SetPath(kSlotMove, std::string(300, 'm'));
  EXPECT_EQ(std::string(s.Sound_Move()), std::string(260, 'm'));
  EXPECT_EQ(s.Paths[kSlotNoPath][0], 'x');  // the next slot is untouched
  s.SetPath(kSlotMove, "ab");
  EXPECT_EQ(std::string(s.Paths[kSlotMove], kPathSlotSize), "ab" + std::string(259, '\0'));
  EXPECT_STREQ(PathValueName(kSlotSkin), "TitleSkin");
  EXPECT_STREQ(PathValueName(kSlotNoPath), "Sound_NoPath");
}

}  // namespace
}  // namespace orbello
