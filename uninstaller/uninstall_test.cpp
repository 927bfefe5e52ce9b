#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <set>

#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/core/testing/message_check.h"
#include "platform/core/testing/test_support.h"
#include "platform/qt/kit/accessible_test_support.h"
#include "uninstaller/removal.h"
#include "uninstaller/uninstall_dialog.h"

namespace orbello::uninstaller {
namespace {

namespace fs = std::filesystem;
using platform::Hive;
using platform::RegistryKey;
using testing::MessageRecorder;
using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteFileBytes;

constexpr char kUninstallEntry[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvane Orbello 1.0.2";

// Every path below `root` (files, folders, links), relative to it.
std::set<std::string> Tree(const std::string& root) {
  std::set<std::string> paths;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(root, error); it != fs::end(it);
       it.increment(error)) {
    paths.insert(fs::relative(it->path(), root).string());
  }
  return paths;
}

bool Exists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

bool KeyExists(Hive hive, const std::string& path) {
  return RegistryKey::Open(hive, path, platform::kRegQueryValue).has_value();
}

// A temporary home with other programs' files and keys, into which each test lays out an
// installation of the same shape as the installer's.
class UninstallTest : public ::testing::Test {
 public:
  UninstallTest()
      : home_env_("HOME", home_.Path()),
        config_env_("XDG_CONFIG_HOME", home_.Path() + "/.config"),
        data_env_("XDG_DATA_HOME", home_.Path() + "/.local/share"),
        runtime_env_("XDG_RUNTIME_DIR", runtime_.path().toStdString()) {}

  void SetUp() override {
    desktop_ = platform::DesktopFolder();
    menu_ = platform::ApplicationsFolder();
    app_ = platform::DataHome() + "/corvane/orbello/";
    // What belongs to others and must survive.
    fs::create_directories(desktop_);
    fs::create_directories(menu_);
    WriteFileBytes(desktop_ + "/Editor.desktop", "[Desktop Entry]\n");
    WriteFileBytes(menu_ + "/editor.desktop", "[Desktop Entry]\n");
    WriteFileBytes(home_ / "notes.txt", "mine");
    ASSERT_TRUE(platform::CreateKey(Hive::kCurrentUser, "Software\\Other\\App"));
    ASSERT_TRUE(
        RegistryKey::Open(Hive::kCurrentUser, "Software\\Other\\App", platform::kRegSetValue)
            ->SetString("Path", "/opt/other"));
    ASSERT_TRUE(platform::CreateKey(
        Hive::kLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other"));
    others_ = Tree(home_.Path());
  }

  // Lays out a complete installation with AppPath `app_path` (default: the usual folder).
  void Install(std::optional<std::string> app_path = std::nullopt) {
    fs::create_directories(app_ + "save");
    fs::create_directories(app_ + "skin");
    fs::create_directories(app_ + "sound");
    for (const char* file : kProgramFiles)
      WriteFileBytes(app_ + file, "program");
    WriteFileBytes(app_ + kUninstallerProgram, "program");
    WriteFileBytes(app_ + kHelpLauncher, "#!/bin/sh\n");
    WriteFileBytes(menu_ + "/" + kHelpViewerEntry, "[Desktop Entry]\n");
    WriteFileBytes(
        menu_ + "/mimeapps.list",
        std::string("[Default Applications]\napplication/x-chm=") + kHelpViewerEntry + ";\n");
    WriteFileBytes(app_ + "skin/classic.sf", "skin");
    WriteFileBytes(app_ + "skin/retro.sf", "skin");
    WriteFileBytes(app_ + "sound/move.wav", "RIFF");
    WriteFileBytes(app_ + "save/game1.osf", "save");
    std::string manifest = std::string(kManifestHeader) + "\n";
    for (const char* file : kProgramFiles)
      manifest.append(file).append("\n");
    manifest.append(kUninstallerProgram).append("\n").append(kHelpLauncher).append("\n");
    manifest += "skin/classic.sf\nskin/retro.sf\nsound/move.wav\n";
    WriteFileBytes(app_ + kManifestName, manifest);
    WriteFileBytes(desktop_ + "/" + kShortcutName, "[Desktop Entry]\n");
    std::string group = menu_ + "/" + kGroupParent + "/" + kGroupFolder;
    fs::create_directories(group);
    for (const char* entry : {"Orbello.desktop", "Skin compiler.desktop", "Uninstall.desktop"}) {
      WriteFileBytes(group + "/" + entry, "[Desktop Entry]\n");
    }
    ASSERT_TRUE(platform::CreateKey(Hive::kCurrentUser, kSettingsKey));
    auto settings = RegistryKey::Open(Hive::kCurrentUser, kSettingsKey, platform::kRegSetValue);
    ASSERT_TRUE(settings->SetString(kAppPathValue, app_path.value_or(app_)));
    ASSERT_TRUE(settings->SetDword("Delay_Jump", 10));
    ASSERT_TRUE(platform::CreateKey(Hive::kLocalMachine, kUninstallEntry));
    RegistryKey::Open(Hive::kLocalMachine, kUninstallEntry, platform::kRegSetValue)
        ->SetString("DisplayName", kProductName);
  }

  void SetAppPath(const std::string& value) {
    ASSERT_TRUE(RegistryKey::Open(Hive::kCurrentUser, kSettingsKey, platform::kRegSetValue)
                    ->SetString(kAppPathValue, value));
  }

  // Everything of the installation is gone and everything else is still there.
  void ExpectCompletelyRemoved() {
    std::set<std::string> now = Tree(home_.Path());
    EXPECT_EQ(now, others_);
    EXPECT_FALSE(KeyExists(Hive::kCurrentUser, "Software\\Corvane\\OB"));
    EXPECT_FALSE(KeyExists(Hive::kLocalMachine, kUninstallEntry));
    EXPECT_EQ(
        RegistryKey::Open(Hive::kCurrentUser, "Software\\Other\\App", platform::kRegQueryValue)
            ->GetString("Path"),
        "/opt/other");
    EXPECT_TRUE(KeyExists(Hive::kLocalMachine,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other"));
  }

  // Shows the dialog (not modally), presses Uninstall and returns whether it is still open.
  bool PressUninstall(UninstallDialog& dialog) {
    dialog.show();
    dialog.uninstall_button()->click();
    return dialog.isVisible();
  }

  static QImage Icon(ItemState state) {
    return QImage(UninstallDialog::StateIconPath(state)).convertToFormat(QImage::Format_ARGB32);
  }
  static QImage Shown(UninstallDialog& dialog, Item item) {
    return dialog.state_icon(item)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  }

  TempDir home_;
  QTemporaryDir runtime_;
  ScopedEnv home_env_, config_env_, data_env_, runtime_env_;
  std::string desktop_, menu_, app_;
  std::set<std::string> others_;
  MessageRecorder messages_;
};

TEST_F(UninstallTest, FullRemovalLeavesOnlyWhatBelongsToOthers) {
  Install();
  UninstallDialog dialog([] { return false; });
  for (Item item : {Item::kShortcuts, Item::kFiles, Item::kRegistry}) {
    EXPECT_EQ(Shown(dialog, item), Icon(ItemState::kWaiting));
  }
  EXPECT_FALSE(dialog.done_label()->isVisibleTo(&dialog));

  EXPECT_TRUE(PressUninstall(dialog)) << "after success the dialog stays open";
  EXPECT_TRUE(messages_.messages.empty()) << messages_.messages.front().text;
  EXPECT_TRUE(dialog.Succeeded());
  ExpectCompletelyRemoved();
  for (Item item : {Item::kShortcuts, Item::kFiles, Item::kRegistry}) {
    EXPECT_EQ(Shown(dialog, item), Icon(ItemState::kDone));
  }
  EXPECT_TRUE(dialog.done_label()->isVisible());
  EXPECT_EQ(dialog.done_label()->text(), "Uninstall compete.");
  EXPECT_EQ(dialog.uninstall_button(), nullptr);
  EXPECT_EQ(dialog.cancel_button()->text(), "&OK");
  EXPECT_EQ(dialog.focusWidget(), dialog.cancel_button());

  // "&OK" closes at once, without the question.
  dialog.cancel_button()->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(UninstallTest, LeftoversInTheDataFoldersKeepTheirFoldersButTheRemovalSucceeds) {
  Install();
  fs::create_directories(app_ + "save/old");
  WriteFileBytes(app_ + "save/old/game.osf", "save");
  WriteFileBytes(app_ + "skin/.keep", "");
  fs::create_directories(menu_ + "/" + kGroupParent + "/Other");
  UninstallDialog dialog([] { return false; });
  EXPECT_TRUE(PressUninstall(dialog));
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_TRUE(dialog.Succeeded());
  EXPECT_EQ(Tree(app_),
            (std::set<std::string>{"save", "save/old", "save/old/game.osf", "skin", "skin/.keep"}));
  EXPECT_FALSE(Exists(menu_ + "/" + kGroupParent + "/" + kGroupFolder));
  EXPECT_TRUE(Exists(menu_ + "/" + kGroupParent + "/Other")) << "a non-empty parent stays";
  EXPECT_FALSE(KeyExists(Hive::kCurrentUser, kSettingsKey));
}

TEST_F(UninstallTest, MissingShortcutGroupAndUninstallEntryDoNotDisturbTheSuccess) {
  Install();
  fs::remove(desktop_ + "/" + kShortcutName);
  fs::remove_all(menu_ + "/" + kGroupParent);
  platform::DeleteKeyTree(Hive::kLocalMachine, kUninstallEntry);
  UninstallDialog dialog([] { return false; });
  EXPECT_TRUE(PressUninstall(dialog));
  EXPECT_TRUE(messages_.messages.empty());
  ExpectCompletelyRemoved();

  // Not even the machine's uninstall key: still a success.
  TempDir other_home;
  ScopedEnv home("HOME", other_home.Path());
  ScopedEnv config("XDG_CONFIG_HOME", other_home.Path() + "/.config");
  ScopedEnv data("XDG_DATA_HOME", other_home.Path() + "/.local/share");
  app_ = platform::DataHome() + "/corvane/orbello/";
  desktop_ = platform::DesktopFolder();
  menu_ = platform::ApplicationsFolder();
  Install();
  platform::DeleteKeyTree(Hive::kLocalMachine, "Software");
  UninstallDialog second([] { return false; });
  EXPECT_TRUE(PressUninstall(second));
  EXPECT_TRUE(second.Succeeded());
  EXPECT_FALSE(Exists(app_));
}

// A FIFO in place of the desktop's folder list must not block: the home's Desktop is used.
TEST_F(UninstallTest, FifoInPlaceOfTheFolderListFallsBackToTheHomeDesktop) {
  const std::string list = home_.Path() + "/.config/user-dirs.dirs";
  ASSERT_EQ(mkfifo(list.c_str(), 0600), 0);
  Install();
  UninstallDialog dialog([] { return false; });
  EXPECT_TRUE(PressUninstall(dialog));
  EXPECT_TRUE(dialog.Succeeded());
  EXPECT_FALSE(Exists(home_.Path() + "/Desktop/" + kShortcutName));
  EXPECT_FALSE(Exists(app_));
}

TEST_F(UninstallTest, GameRunningAtStartRefusesWithoutTheDialog) {
  Install();
  std::set<std::string> installed = Tree(home_.Path());
  EXPECT_EQ(RunUninstallProgram([] { return true; }), 0);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_TRUE(testing::IsMessage(
      messages_.messages.front(),
      {.text = "Corvane Orbello loaded.\nBefore uninstalling necessary to close Corvane Orbello.",
       .caption = "Warning!",
       .icon = platform::MessageIcon::kError}));
  EXPECT_EQ(Tree(home_.Path()), installed);
  EXPECT_TRUE(KeyExists(Hive::kCurrentUser, kSettingsKey));
}

TEST_F(UninstallTest, GameStartedMeanwhileClosesTheDialogAtUninstall) {
  Install();
  std::set<std::string> installed = Tree(home_.Path());
  bool running = false;
  UninstallDialog dialog([&] { return running; });
  dialog.show();
  running = true;
  EXPECT_FALSE(PressUninstall(dialog));
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].text,
            "Corvane Orbello loaded.\nBefore uninstalling necessary to close Orbello.");
  EXPECT_EQ(messages_.messages[0].caption, "Warning!");
  EXPECT_EQ(messages_.messages[0].owner, nullptr);
  EXPECT_EQ(Tree(home_.Path()), installed);
}

// The real check: a game that holds the instance but answers nothing, as inside a long turn, is
// seen both at start and at Uninstall; a second start of the game meanwhile stays the second.
TEST_F(UninstallTest, BusyGameCountsAsRunning) {
  Install();
  QProcess game;
  game.start(QStringLiteral(ORBELLO_INSTANCE_PROBE), {QStringLiteral("busy")});
  ASSERT_TRUE(game.waitForStarted(5000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return game.canReadLine(); }, 10000));
  ASSERT_EQ(game.readLine().trimmed(), "first");

  EXPECT_EQ(RunUninstallProgram(), 0);
  UninstallDialog dialog;
  EXPECT_FALSE(PressUninstall(dialog));
  EXPECT_EQ(messages_.Texts(),
            (std::vector<std::string>{kMsgGameLoadedAtStart, kMsgGameLoadedAtUninstall}));
  EXPECT_TRUE(Exists(app_ + "cvob"));

  // Had it become a game, it would show a window or a message and not end by itself.
  QProcess second;
  second.start(QStringLiteral(ORBELLO_CVOB), QStringList());
  ASSERT_TRUE(second.waitForStarted(5000));
  ASSERT_TRUE(second.waitForFinished(15000)) << "a second start must end";
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);

  game.closeWriteChannel();
  ASSERT_TRUE(game.waitForFinished(5000));
  UninstallDialog after;
  EXPECT_TRUE(PressUninstall(after));
  EXPECT_TRUE(after.Succeeded());
}

TEST_F(UninstallTest, BadAppPathStopsBeforeAnythingIsDeleted) {
  struct Case {
    const char* name;
    std::function<void(UninstallTest&)> spoil;
  };
  const std::vector<Case> cases = {
      {"value missing",
       [](UninstallTest&) {
         platform::DeleteKeyTree(Hive::kCurrentUser, kSettingsKey);
         platform::CreateKey(Hive::kCurrentUser, kSettingsKey);
       }},
      {"value of no bytes",
       [](UninstallTest&) {
         RegistryKey::Open(Hive::kCurrentUser, kSettingsKey, platform::kRegSetValue)
             ->SetValue(kAppPathValue, platform::kRegSz, nullptr, 0);
       }},
      {"empty", [](UninstallTest& t) { t.SetAppPath(""); }},
      {"relative", [](UninstallTest& t) { t.SetAppPath("corvane/orbello/"); }},
      {"too long for a path",
       [](UninstallTest& t) { t.SetAppPath(t.app_ + std::string(300, 'x')); }},
      {"the home folder",
       [](UninstallTest& t) {
         // Even with a game program lying there, the home folder is never emptied.
         WriteFileBytes(t.home_ / "cvob", "program");
         WriteFileBytes(t.home_ / "cvob.chm", "not the help");
         t.SetAppPath(t.home_.Path() + "/");
       }},
      {"a folder without the game", [](UninstallTest& t) { fs::remove(t.app_ + "cvob"); }},
      {"a folder that is not there",
       [](UninstallTest& t) { t.SetAppPath("/nonexistent/orbello/"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Install();
    c.spoil(*this);
    std::set<std::string> before = Tree(home_.Path());
    messages_.messages.clear();
    UninstallDialog dialog([] { return false; });
    EXPECT_FALSE(PressUninstall(dialog)) << "the dialog closes after the message";
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].text,
              "Couldn't get data from <Corvane\\OB> registry key.\nUninstall canceled.");
    EXPECT_EQ(messages_.messages[0].owner, static_cast<void*>(&dialog));
    EXPECT_EQ(Shown(dialog, Item::kShortcuts), Icon(ItemState::kInProgress));
    EXPECT_EQ(Shown(dialog, Item::kFiles), Icon(ItemState::kWaiting));
    // The shortcut and the program group too are still there.
    EXPECT_EQ(Tree(home_.Path()), before);
    EXPECT_TRUE(KeyExists(Hive::kCurrentUser, kSettingsKey));
    EXPECT_TRUE(KeyExists(Hive::kLocalMachine, kUninstallEntry));
  }
}

TEST_F(UninstallTest, UnreadableSettingsKeyIsReportedBeforeAnythingIsDeleted) {
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"key missing", [] { platform::DeleteKeyTree(Hive::kCurrentUser, "Software\\Corvane"); }},
      // A FIFO in place of the hive must neither block nor be read as a hive.
      {"hive is a FIFO",
       [] {
         const std::string hive = platform::HiveFilePath(Hive::kCurrentUser);
         fs::remove(hive);
         ASSERT_EQ(mkfifo(hive.c_str(), 0600), 0);
       }},
  };
  for (const auto& [name, spoil] : cases) {
    SCOPED_TRACE(name);
    Install();
    spoil();
    std::set<std::string> before = Tree(home_.Path());
    messages_.messages.clear();
    UninstallDialog dialog([] { return false; });
    EXPECT_FALSE(PressUninstall(dialog));
    EXPECT_EQ(
        messages_.Texts(),
        std::vector<std::string>{"Couldn't open <Corvane\\OB> registry key.\nUninstall canceled."});
    EXPECT_EQ(Tree(home_.Path()), before);
  }
}

// A folder is known as an installation by the list of files the installer put there: a folder
// without a valid list loses nothing, and from one with it only the listed files and the saved
// games go, not what the player added.
TEST_F(UninstallTest, OnlyWhatTheInstallerListedIsDeleted) {
  const std::string games = home_.Path() + "/Games/";
  const std::vector<std::pair<const char*, std::string>> refused = {
      {"foreign folder", ""},
      {"list with a path outside", std::string(kManifestHeader) + "\ncvob\n../notes.txt\n"},
      {"list without its header", "cvob\n"}};
  for (const auto& [name, manifest] : refused) {
    SCOPED_TRACE(name);
    Install(games);
    fs::create_directories(games + "save");
    fs::create_directories(games + "sound");
    WriteFileBytes(games + "cvob", "someone else's program");
    WriteFileBytes(games + "save/letter.doc", "mine");
    WriteFileBytes(games + "sound/song.wav", "mine");
    if (!manifest.empty())
      WriteFileBytes(games + kManifestName, manifest);
    const std::set<std::string> before = Tree(home_.Path());
    messages_.messages.clear();
    UninstallDialog dialog([] { return false; });
    EXPECT_FALSE(PressUninstall(dialog));
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{kMsgNoManifest});
    EXPECT_EQ(Tree(home_.Path()), before);
    EXPECT_TRUE(KeyExists(Hive::kCurrentUser, kSettingsKey));
  }

  fs::remove_all(games);
  Install();
  WriteFileBytes(app_ + "skin/mine.sf", "made with the skin compiler");
  WriteFileBytes(app_ + "sound/own.wav", "RIFF");
  WriteFileBytes(app_ + "save/notes.doc", "mine");
  WriteFileBytes(app_ + "save/LOUD.OSF", "save");
  WriteFileBytes(app_ + "readme.txt", "mine");
  messages_.messages.clear();
  UninstallDialog dialog([] { return false; });
  EXPECT_TRUE(PressUninstall(dialog));
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_EQ(Tree(app_), (std::set<std::string>{"readme.txt", "save", "save/notes.doc", "skin",
                                               "skin/mine.sf", "sound", "sound/own.wav"}));
  EXPECT_FALSE(KeyExists(Hive::kCurrentUser, kSettingsKey));
}

// A hive that cannot be changed would keep the key after everything else went, and every later
// run would then find no installation: it stops the removal before the first deletion. A run
// that finds only the keys left (an earlier run was stopped after the files went) removes them.
TEST_F(UninstallTest, TheKeyIsCheckedFirstAndALaterRunFinishesTheJob) {
  Install();
  const std::string lock = platform::HiveFilePath(Hive::kCurrentUser) + ".lock";
  fs::remove(lock);
  fs::create_directory(lock);
  std::set<std::string> before = Tree(home_.Path());
  {
    UninstallDialog dialog([] { return false; });
    EXPECT_FALSE(PressUninstall(dialog));
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{kMsgGameKeyNotDeleted});
    EXPECT_EQ(Tree(home_.Path()), before);
  }
  fs::remove(lock);

  // What an interrupted run leaves: files, shortcut and group gone, the keys still there.
  fs::remove_all(platform::DataHome() + "/corvane");
  fs::remove(desktop_ + "/" + kShortcutName);
  fs::remove_all(menu_ + "/" + kGroupParent);
  messages_.messages.clear();
  UninstallDialog dialog([] { return false; });
  EXPECT_TRUE(PressUninstall(dialog));
  EXPECT_TRUE(messages_.messages.empty()) << messages_.messages.front().text;
  ExpectCompletelyRemoved();
}

// Root may write into any folder, so the read-only configuration folder needs another user.
TEST_F(UninstallTest, AReadOnlyConfigurationFolderStopsBeforeAnythingIsDeleted) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root writes into read-only folders; run as an ordinary user";
  Install();
  const std::string config = platform::ConfigFolder();
  ASSERT_EQ(chmod(config.c_str(), 0555), 0);
  std::set<std::string> before = Tree(home_.Path());
  UninstallDialog dialog([] { return false; });
  EXPECT_FALSE(PressUninstall(dialog));
  chmod(config.c_str(), 0755);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{kMsgGameKeyNotDeleted});
  EXPECT_EQ(Tree(home_.Path()), before);
}

// Paths are bytes: folders whose names are not UTF-8 are found and removed as they are.
TEST_F(UninstallTest, FolderNamesThatAreNotUtf8AreRemovedByteForByte) {
  const std::string home = home_.Path() + "/caf\xe9";
  ScopedEnv home_env("HOME", home);
  ScopedEnv config("XDG_CONFIG_HOME", home + "/.config");
  ScopedEnv data("XDG_DATA_HOME", home + "/.local/\xc0share");
  fs::create_directories(home + "/.config");
  WriteFileBytes(home + "/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\xe9\"\n");
  desktop_ = platform::DesktopFolder();
  ASSERT_EQ(desktop_, home + "/Bureau\xe9");
  menu_ = platform::ApplicationsFolder();
  app_ = platform::DataHome() + "/corvane/orbello/";
  fs::create_directories(desktop_);
  Install();
  WriteFileBytes(app_ + "save/\xe9t\xe9.osf", "save");
  UninstallDialog dialog([] { return false; });
  EXPECT_TRUE(PressUninstall(dialog));
  EXPECT_TRUE(messages_.messages.empty()) << messages_.messages.front().text;
  EXPECT_FALSE(Exists(desktop_ + "/" + kShortcutName));
  EXPECT_FALSE(Exists(menu_ + "/" + kGroupParent));
  EXPECT_FALSE(Exists(platform::DataHome() + "/corvane"));
  EXPECT_TRUE(Exists(desktop_));
  EXPECT_FALSE(KeyExists(Hive::kCurrentUser, "Software\\Corvane\\OB"));
}

TEST_F(UninstallTest, AppPathWithoutClosingSlashStillNamesTheFolder) {
  Install(app_.substr(0, app_.size() - 1));
  UninstallDialog dialog([] { return false; });
  EXPECT_TRUE(PressUninstall(dialog));
  EXPECT_TRUE(messages_.messages.empty());
  ExpectCompletelyRemoved();
}

TEST_F(UninstallTest, LinksAreRemovedAsLinksAndTheirTargetsStay) {
  Install();
  TempDir outside;
  WriteFileBytes(outside / "precious.osf", "keep");
  WriteFileBytes(outside / "help.chm", "keep");
  fs::remove_all(app_ + "save");
  fs::create_directory_symlink(outside.Path(), app_ + "save");
  fs::remove(app_ + "cvob.chm");
  fs::create_symlink(outside / "help.chm", app_ + "cvob.chm");
  fs::remove(app_ + "sound/move.wav");
  fs::create_symlink(outside / "precious.osf", app_ + "sound/move.wav");
  UninstallDialog dialog([] { return false; });
  EXPECT_TRUE(PressUninstall(dialog));
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_EQ(Tree(outside.Path()), (std::set<std::string>{"help.chm", "precious.osf"}));
  EXPECT_FALSE(Exists(app_)) << "the links went, so the folder emptied";
}

TEST_F(UninstallTest, CancelAsksUntilTheEndAndOnlyYesCloses) {
  Install();
  std::set<std::string> installed = Tree(home_.Path());
  UninstallDialog dialog([] { return false; });
  dialog.show();
  messages_.answers = {platform::kIdNo, platform::kIdYes};
  dialog.cancel_button()->click();
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_TRUE(testing::IsMessage(
      messages_.messages[0], {.text = "The uninstall in not finished! Do you really want to abort?",
                              .caption = "Confirm Action",
                              .icon = platform::MessageIcon::kQuestion,
                              .buttons = platform::MessageButtons::kYesNo,
                              .owner = &dialog}));
  dialog.cancel_button()->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(messages_.messages.size(), 2u);
  EXPECT_EQ(Tree(home_.Path()), installed);
}

TEST_F(UninstallTest, CloseBoxActsAsCancelAndEscapeDoesNothing) {
  UninstallDialog dialog([] { return false; });
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(messages_.messages.empty());
  messages_.answers = {platform::kIdNo};
  dialog.close();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{kMsgAbortQuestion});
  messages_.answers = {platform::kIdYes};
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(UninstallTest, DialogLayoutAndSlideIn) {
  UninstallDialog dialog([] { return false; });
  EXPECT_EQ(dialog.windowTitle(), "Corvane Orbello 1.0.2 Uninstall");
  EXPECT_EQ(dialog.size(), QSize(408, 276)) << "272 x 170 dialog units";
  EXPECT_EQ(dialog.uninstall_button()->geometry(), QRect(240, 247, 75, 23));
  EXPECT_EQ(dialog.cancel_button()->geometry(), QRect(329, 247, 75, 23));
  EXPECT_TRUE(dialog.cancel_button()->isDefault());
  EXPECT_EQ(dialog.state_icon(Item::kFiles)->pos(), QPoint(143, 114));
  EXPECT_FALSE(dialog.windowIcon().isNull());
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(dialog.pos(), area.center() - QPoint(204, 138)) << "centred on the work area";
  dialog.show();
  EXPECT_LT(dialog.Content()->x(), 0) << "the sheet starts outside, on the left";
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Content()->x() == 0; }, 2000));
  // Tab and Shift+Tab run between the two buttons only.
  EXPECT_EQ(dialog.focusWidget(), dialog.uninstall_button());
  QTest::keyClick(dialog.uninstall_button(), Qt::Key_Tab);
  EXPECT_EQ(dialog.focusWidget(), dialog.cancel_button());
  QTest::keyClick(dialog.cancel_button(), Qt::Key_Tab);
  EXPECT_EQ(dialog.focusWidget(), dialog.uninstall_button());
  QTest::keyClick(dialog.uninstall_button(), Qt::Key_Backtab);
  EXPECT_EQ(dialog.focusWidget(), dialog.cancel_button());
  // Held with Control, as without it.
  QTest::keyClick(dialog.cancel_button(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(dialog.focusWidget(), dialog.uninstall_button());
  QTest::keyClick(dialog.uninstall_button(), Qt::Key_Backtab,
                  Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(dialog.focusWidget(), dialog.cancel_button());
  // A reader hears the dialog, its buttons and each item with its state.
  EXPECT_EQ(kit::testing::ReadRole(&dialog), QAccessible::Dialog);
  EXPECT_EQ(kit::testing::ReadName(dialog.cancel_button()), "Cancel");
  EXPECT_EQ(kit::testing::ReadName(dialog.state_icon(Item::kFiles)),
            "Program files, folders and directories: not yet removed");
}

// The help launcher's lines leave the list of default handlers; another program's stay, and a
// list left with nothing in it goes.
TEST_F(UninstallTest, TheHelpViewerLeavesTheDefaultHandlersOfOthers) {
  const std::string list = menu_ + "/mimeapps.list";
  const std::string ours = std::string("=") + kHelpViewerEntry + ";\n";
  WriteFileBytes(menu_ + "/" + kHelpViewerEntry, "[Desktop Entry]\n");
  WriteFileBytes(list,
                 "[Added Associations]\ntext/plain=editor.desktop;\n\n"
                 "[Default Applications]\napplication/vnd.ms-htmlhelp" +
                     ours + "text/html=browser.desktop\napplication/x-chm" + ours);
  RemoveHelpViewerEntry(menu_);
  EXPECT_FALSE(Exists(menu_ + "/" + kHelpViewerEntry));
  EXPECT_EQ(testing::ReadFileBytes(list),
            "[Added Associations]\ntext/plain=editor.desktop;\n\n"
            "[Default Applications]\ntext/html=browser.desktop\n");

  WriteFileBytes(list, "\n[Default Applications]\napplication/x-chm" + ours);
  RemoveHelpViewerEntry(menu_);
  EXPECT_FALSE(Exists(list));
}

// An installation made by the installer from this build is removed without a trace.
TEST_F(UninstallTest, RemovesWhatTheInstallerLaidOut) {
  const std::string build = ORBELLO_BUILD_DIR;
  // The desktop's cache of its menu folder, which the installer refreshes, belongs to the desktop.
  WriteFileBytes(menu_ + "/mimeinfo.cache", "[MIME Cache]\n");
  others_ = Tree(home_.Path());
  QProcess installer;
  installer.start(QStringLiteral(ORBELLO_INSTALL_SH), {QString::fromStdString(build)});
  ASSERT_TRUE(installer.waitForFinished(60000));
  ASSERT_EQ(installer.exitCode(), 0) << installer.readAllStandardError().toStdString();
  QList<QByteArray> lines = installer.readAllStandardOutput().trimmed().split('\n');
  std::string app_dir = lines.back().toStdString();
  ASSERT_TRUE(Exists(app_dir + "/cvob"));
  ASSERT_TRUE(Exists(desktop_ + "/" + kShortcutName));
  ASSERT_TRUE(KeyExists(Hive::kLocalMachine, kUninstallEntry));

  UninstallDialog dialog([] { return false; });
  EXPECT_TRUE(PressUninstall(dialog));
  EXPECT_TRUE(messages_.messages.empty()) << messages_.messages.front().text;
  ExpectCompletelyRemoved();
}

}  // namespace
}  // namespace orbello::uninstaller
