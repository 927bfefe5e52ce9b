// The per-user installation, laid out by install.sh in a temporary home: files, folders, the
// registry hives as the game reads them, the desktop entries, and a second run over the first.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

#include "game/records/core/settings.h"
#include "installer/install_registry.h"
#include "platform/core/message.h"
#include "platform/core/registry.h"
#include "platform/qt/language.h"
#include "uninstaller/removal.h"

namespace orbello::installer {
namespace {

using platform::Hive;
using platform::RegistryKey;

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

// The game's settings reader, with any message it would show counted as a failure.
bool ReadSettingsQuietly(GameSettings& settings) {
  auto previous = platform::SetMessageHandler([](const platform::MessageRequest& r) {
    ADD_FAILURE() << r.caption << ": " << r.text;
    return platform::kIdOk;
  });
  const bool ok = ReadSettings(settings);
  platform::SetMessageHandler(previous);
  return ok;
}

class Installation : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    // A data folder with a space and a dollar sign: the desktop entries must quote them.
    config_ = home_.path() + "/config";
    data_ = home_.path() + "/my data $x";
    QDir().mkpath(config_);
    saved_ = {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_DATA_HOME")};
    // The registry stand-in of this process reads the same hives as the script writes.
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config_.toLocal8Bit());
    qputenv("XDG_DATA_HOME", data_.toLocal8Bit());
  }
  void TearDown() override {
    qputenv("HOME", saved_[0]);
    qputenv("XDG_CONFIG_HOME", saved_[1]);
    qputenv("XDG_DATA_HOME", saved_[2]);
  }

  // Runs the installer; returns its exit code and keeps its last output line.
  int Install() {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home_.path());
    env.insert("XDG_CONFIG_HOME", config_);
    env.insert("XDG_DATA_HOME", data_);
    p.setProcessEnvironment(env);
    p.start("bash", {ORBELLO_INSTALL_SH, ORBELLO_BUILD_DIR});
    if (!p.waitForFinished(120000))
      return -1;
    errors_ = QString::fromLocal8Bit(p.readAllStandardError());
    const QStringList lines =
        QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    last_line_ = lines.isEmpty() ? QString() : lines.last();
    return p.exitCode();
  }

  QString AppDir() const { return data_ + "/corvane/orbello"; }
  QString Group() const { return data_ + "/applications/Corvane Software/Orbello"; }

  QTemporaryDir home_;
  QString config_, data_, last_line_, errors_;
  std::array<QByteArray, 3> saved_;
};

TEST_F(Installation, LaysOutFilesFoldersAndTheHelp) {
  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  EXPECT_EQ(last_line_, AppDir());
  const QString app = AppDir();
  EXPECT_EQ(ReadAll(app + "/cvobhs.dat"), QByteArray(960, '\0'));
  EXPECT_TRUE(ReadAll(app + "/Corvane.url").contains("URL=https://"));
  EXPECT_EQ(ReadAll(app + "/cvob.chm"), ReadAll(ORBELLO_BUILD_DIR "/help/cvob.chm"));
  for (const QString& language : platform::ShippedLanguages()) {
    const QString book = "/cvob_" + language + ".chm";
    const QByteArray built = ReadAll(ORBELLO_BUILD_DIR "/help" + book);
    EXPECT_FALSE(built.isEmpty()) << book.toStdString();
    EXPECT_EQ(ReadAll(app + book), built) << book.toStdString();
  }
  EXPECT_TRUE(QDir(app + "/save").exists());
  EXPECT_TRUE(QDir(app + "/save").isEmpty());
  // Each skin with its pictures for screens of double density and its colour names beside it.
  for (const char* skin : {"classic.sf", "retro.sf", "gems.sf", "classic.sf2x", "retro.sf2x",
                           "gems.sf2x", "classic.sf.names", "retro.sf.names", "gems.sf.names"}) {
    EXPECT_EQ(ReadAll(app + "/skin/" + skin),
              ReadAll(QString(ORBELLO_BUILD_DIR "/art/skins/") + skin))
        << skin;
  }
  for (const char* sound : {"select", "move", "destroy", "nopath"}) {
    EXPECT_EQ(ReadAll(app + "/sound/" + sound + ".wav"),
              ReadAll(QString(ORBELLO_BUILD_DIR "/art/sounds/") + sound + ".wav"))
        << sound;
  }
  // Each program the build has made is installed and can be run.
  for (const char* program : {"game/window/cvob", "skincompiler/csfob", "uninstaller/uni_cvob"}) {
    const QFileInfo built(QString(ORBELLO_BUILD_DIR "/") + program);
    const QFileInfo installed(app + "/" + built.fileName());
    EXPECT_EQ(installed.exists(), built.exists()) << program;
    if (built.exists()) {
      EXPECT_TRUE(installed.isExecutable()) << program;
    }
  }
}

TEST_F(Installation, WritesTheSettingsTheGameReads) {
  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  // The game's own reader accepts the key: all sixteen values with their types.
  GameSettings settings;
  ASSERT_TRUE(ReadSettingsQuietly(settings));
  EXPECT_EQ(settings.Delay_Jump, 20);  // Timer1's 60 ms
  EXPECT_GE(settings.NextColors, 1);
  EXPECT_LE(settings.NextColors, 4);
  EXPECT_GE(settings.DefaultGame, 1);
  EXPECT_LE(settings.DefaultGame, 3);
  for (int32_t delay : {settings.Delay_Destroy, settings.Delay_Move, settings.Delay_Appearance}) {
    EXPECT_GE(delay, 0);
    EXPECT_LE(delay, 100);
  }
  for (int slot = 0; slot < kPathSlotCount; ++slot) {
    EXPECT_TRUE(QFileInfo(settings.Paths[slot]).isFile()) << settings.Paths[slot];
  }
  EXPECT_EQ(QString(settings.TitleSkin()), AppDir() + "/skin/classic.sf");

  auto key = RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath, platform::kRegQueryValue);
  ASSERT_TRUE(key);
  for (int slot = 0; slot < kPathSlotCount; ++slot) {
    uint32_t type = 0, size = 0;
    ASSERT_TRUE(key->QueryValue(PathValueName(slot), &type, nullptr, &size));
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(size, uint32_t(kPathSlotSize)) << PathValueName(slot);
  }
  EXPECT_EQ(key->GetString("AppPath"), (AppDir() + "/").toStdString());
  EXPECT_EQ(key->ValueNames().size(), 17u);
  EXPECT_TRUE(RegistryKey::Open(Hive::kLocalMachine, kUninstallKeyPath, platform::kRegQueryValue));
}

// The value of a key in a .desktop file, or an empty string.
QString DesktopValue(const QString& file, const QString& name) {
  for (const QByteArray& line : ReadAll(file).split('\n')) {
    if (line.startsWith(name.toUtf8() + "="))
      return QString::fromUtf8(line.mid(name.size() + 1));
  }
  return {};
}

TEST_F(Installation, CreatesTheShortcutAndTheProgramGroup) {
  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  const QString shortcut = home_.path() + "/Desktop/Corvane Orbello.desktop";
  ASSERT_TRUE(QFileInfo::exists(shortcut));
  // The folder "my data $x" comes back quoted, its dollar escaped for the entry's string rules.
  EXPECT_EQ(DesktopValue(shortcut, "Exec"),
            "\"" + QString(AppDir()).replace("$", "\\\\$") + "/cvob\"");
  EXPECT_EQ(DesktopValue(shortcut, "Icon"), "com.corvane.Orbello");
  const QStringList entries = QDir(Group()).entryList({"*.desktop"}, QDir::Files, QDir::Name);
  EXPECT_EQ(entries, QStringList({"Corvane Orbello.desktop", "Creator Skins for Orbello.desktop",
                                  "Orbello Help.desktop", "Uninstall Orbello.desktop"}));
  for (const QString& entry : entries) {
    EXPECT_EQ(DesktopValue(Group() + "/" + entry, "Type"), "Application") << entry.toStdString();
    // An icon of the theme, by name.
    const QString icon = DesktopValue(Group() + "/" + entry, "Icon");
    EXPECT_TRUE(QFileInfo::exists(data_ + "/icons/hicolor/48x48/apps/" + icon + ".png"))
        << icon.toStdString();
  }
  EXPECT_TRUE(DesktopValue(Group() + "/Orbello Help.desktop", "Exec").endsWith("cvob.chm\""));
}

// Runs a validator; its exit code, with what it said in `said`. -1 when it is not installed.
int Validate(const QString& tool, const QStringList& args, QString* said) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty())
    return -1;
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  if (!p.waitForFinished(60000))
    return -2;
  *said = QString::fromLocal8Bit(p.readAll());
  return p.exitCode();
}

struct NoRemovalView : uninstaller::RemovalView {
  void MarkItem(uninstaller::Item, uninstaller::ItemState) override {}
  void* MessageOwner() override { return nullptr; }
};

// The game's description passes the checker and points at the game's entry in the program
// group (`entry_id`) and at the screenshots this build took.
void ExpectValidMetainfo(const QString& metainfo, const QString& entry_id) {
  QString said;
  EXPECT_EQ(Validate("appstreamcli", {"validate", "--no-net", metainfo}, &said), 0)
      << said.toStdString();
  const QString xml = QString::fromUtf8(ReadAll(metainfo));
  for (const QString& language : platform::ShippedLanguages()) {
    for (const char* tag : {"name", "summary", "p", "li"}) {
      EXPECT_TRUE(xml.contains(QString("<%1 xml:lang=\"%2\">").arg(tag, language)))
          << tag << " " << language.toStdString();
    }
  }
  const QRegularExpressionMatch launchable =
      QRegularExpression("<launchable type=\"desktop-id\">([^<]+)<").match(xml);
  ASSERT_TRUE(launchable.hasMatch());
  EXPECT_EQ(launchable.captured(1), entry_id);
  int shots = 0;
  for (auto it = QRegularExpression("<image type=\"source\" width=\"(\\d+)\" height=\"(\\d+)\">"
                                    "https://[^<]*/([^/<]+)</image>")
                     .globalMatch(xml);
       it.hasNext(); ++shots) {
    const QRegularExpressionMatch m = it.next();
    const QImage shot(ORBELLO_BUILD_DIR "/installer/screenshots/" + m.captured(3));
    EXPECT_EQ(shot.size(), QSize(m.captured(1).toInt(), m.captured(2).toInt()))
        << m.captured(3).toStdString();
  }
  EXPECT_GE(shots, 1);
}

// The desktop's own checkers accept every entry and the game's description; each entry's icon is
// in the icon theme at every size, and the uninstaller takes exactly those files away again.
TEST_F(Installation, ValidEntriesAndMetainfoWithThemeIconsTheUninstallerRemoves) {
  // Another program's icon and description beside ours stay.
  const QString other_icon = data_ + "/icons/hicolor/48x48/apps/other.png";
  const QString other_info = data_ + "/metainfo/other.metainfo.xml";
  QDir().mkpath(QFileInfo(other_icon).path());
  QDir().mkpath(QFileInfo(other_info).path());
  WriteAll(other_icon, "png");
  WriteAll(other_info, "<component/>");
  ASSERT_EQ(Install(), 0) << errors_.toStdString();

  QStringList entries = {home_.path() + "/Desktop/Corvane Orbello.desktop"};
  for (QDirIterator it(data_ + "/applications", {"*.desktop"}, QDir::Files,
                       QDirIterator::Subdirectories);
       it.hasNext();) {
    entries << it.next();
  }
  ASSERT_GE(entries.size(), 5);
  QStringList icons;
  for (const QString& entry : entries) {
    QString said;
    EXPECT_EQ(Validate("desktop-file-validate", {entry}, &said), 0) << entry.toStdString() << "\n"
                                                                    << said.toStdString();
    if (!DesktopValue(entry, "Icon").isEmpty())
      icons << DesktopValue(entry, "Icon");
    // The menu's words in every shipped language (the hidden help viewer shows none).
    for (const QString& language : DesktopValue(entry, "NoDisplay") == "true"
                                       ? QStringList()
                                       : platform::ShippedLanguages()) {
      for (const char* key : {"Name", "GenericName", "Comment", "Keywords"}) {
        const QString localized = QString("%1[%2]").arg(key, language);
        EXPECT_FALSE(DesktopValue(entry, localized).isEmpty())
            << entry.toStdString() << ": " << localized.toStdString();
      }
    }
  }
  EXPECT_EQ(DesktopValue(entries[0], "StartupWMClass"), "TMainForm1");
  EXPECT_EQ(DesktopValue(Group() + "/Corvane Orbello.desktop", "StartupWMClass"), "TMainForm1");
  icons.removeDuplicates();
  EXPECT_EQ(icons.size(), int(std::size(uninstaller::kIconNames)));
  for (const QString& icon : icons) {
    for (int size : uninstaller::kIconSizes) {
      const QString file =
          QString("%1/icons/hicolor/%2x%2/apps/%3.png").arg(data_).arg(size).arg(icon);
      EXPECT_EQ(QImage(file).size(), QSize(size, size)) << file.toStdString();
    }
  }

  const QString metainfo = data_ + "/metainfo/com.corvane.Orbello.metainfo.xml";
  const QString id_path = QString(Group() + "/Corvane Orbello.desktop")
                              .mid(data_.size() + QString("/applications/").size())
                              .replace('/', '-');
  ExpectValidMetainfo(metainfo, id_path);

  NoRemovalView view;
  auto previous = platform::SetMessageHandler([](const platform::MessageRequest& r) {
    ADD_FAILURE() << r.text;
    return platform::kIdOk;
  });
  EXPECT_TRUE(uninstaller::RunRemoval(view));
  platform::SetMessageHandler(previous);
  EXPECT_FALSE(QFileInfo::exists(metainfo));
  // The help books of every language went with the rest of the folder.
  EXPECT_FALSE(QFileInfo::exists(AppDir()));
  EXPECT_TRUE(QFileInfo::exists(other_icon));
  EXPECT_TRUE(QFileInfo::exists(other_info));
  QStringList left;
  for (QDirIterator it(data_ + "/icons", QDir::AllEntries | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
       it.hasNext();) {
    left << it.next().mid(data_.size());
  }
  left.sort();
  EXPECT_EQ(left,
            QStringList({"/icons/hicolor", "/icons/hicolor/48x48", "/icons/hicolor/48x48/apps",
                         "/icons/hicolor/48x48/apps/other.png"}));
}

TEST_F(Installation, FollowsTheDesktopFolderOfUserDirs) {
  WriteAll(config_ + "/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  EXPECT_TRUE(QFileInfo::exists(home_.path() + "/Schreibtisch/Corvane Orbello.desktop"));
  EXPECT_FALSE(QFileInfo::exists(home_.path() + "/Desktop/Corvane Orbello.desktop"));
}

TEST_F(Installation, RunningAgainKeepsScoresSavesAndSettings) {
  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  const QString app = AppDir();
  QByteArray scores(960, '\0');
  scores[0] = char(0x2A);
  std::memcpy(scores.data() + 4, "Ada", 3);
  WriteAll(app + "/cvobhs.dat", scores);
  WriteAll(app + "/save/evening.osf", QByteArray(1348, '\1'));
  {
    auto key = RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath, platform::kRegSetValue);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->SetDword("Delay_Move", 77));
    ASSERT_TRUE(key->SetDword("NextColors", 4));
    const std::string retro = (app + "/skin/retro.sf").toStdString();
    char slot[kPathSlotSize] = {};
    std::memcpy(slot, retro.data(), retro.size());
    ASSERT_TRUE(key->SetValue("TitleSkin", platform::kRegSz, slot, kPathSlotSize));
    // A broken value: the game would stop at it, the installer mends it.
    ASSERT_TRUE(key->SetString("DefaultGame", "Lines"));
  }
  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  EXPECT_EQ(ReadAll(app + "/cvobhs.dat"), scores);
  EXPECT_EQ(ReadAll(app + "/save/evening.osf"), QByteArray(1348, '\1'));
  GameSettings settings;
  ASSERT_TRUE(ReadSettingsQuietly(settings));
  EXPECT_EQ(settings.Delay_Move, 77);
  EXPECT_EQ(settings.NextColors, 4);
  EXPECT_EQ(QString(settings.TitleSkin()), app + "/skin/retro.sf");
  EXPECT_EQ(settings.DefaultGame, 1);
}

// The game ends at start-up on a skin it cannot load, so a later installation replaces such a
// skin with the default one and keeps one that loads.
TEST_F(Installation, MendsASkinTheGameCannotLoad) {
  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  const QString own = home_.path() + "/own.sf";
  ASSERT_TRUE(QFile::copy(AppDir() + "/skin/retro.sf", own));
  const QString bad = home_.path() + "/bad.sf";
  WriteAll(bad, QByteArray(20, '\0'));
  const QString pipe = home_.path() + "/pipe.sf";
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  // Five pictures of four bytes each that are no bitmaps.
  QByteArray junk;
  for (int k = 0; k < 5; ++k)
    junk += QByteArray("\x04\0\0\0", 4);
  const QString no_bitmaps = home_.path() + "/junk.sf";
  WriteAll(no_bitmaps, junk + QByteArray(20, 'x'));

  const std::string app_dir = (AppDir() + "/").toStdString();
  const std::string fallback = app_dir + "skin/classic.sf";
  const std::vector<std::pair<QString, bool>> cases = {
      {own, true},   {"/nowhere/gone.sf", false}, {bad, false},
      {pipe, false}, {home_.path(), false},       {no_bitmaps, false},
  };
  for (const auto& [skin, loads] : cases) {
    SCOPED_TRACE(skin.toStdString());
    {
      auto key = RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath, platform::kRegSetValue);
      ASSERT_TRUE(key);
      ASSERT_TRUE(key->SetString("TitleSkin", QFile::encodeName(skin).toStdString()));
    }
    std::vector<std::string> report;
    std::string error;
    ASSERT_TRUE(WriteUserSettings(app_dir, &report, &error)) << error;
    auto key = RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath, platform::kRegQueryValue);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->GetString("TitleSkin"),
              loads ? QFile::encodeName(skin).toStdString() : fallback);
    EXPECT_NE(std::find(report.begin(), report.end(),
                        loads ? std::string("TitleSkin: kept") : "TitleSkin: " + fallback),
              report.end());
  }
}

// Numbers the game cannot work with are repaired like a broken value. The skin check needs no
// temporary folder: without one, the player's loadable skin stays and a missing one goes.
TEST_F(Installation, RepairsOutOfRangeNumbersAndKeepsALoadableSkinWithoutATemporaryFolder) {
  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  const std::string app_dir = (AppDir() + "/").toStdString();
  const QString own = home_.path() + "/own.sf";
  ASSERT_TRUE(QFile::copy(AppDir() + "/skin/gems.sf", own));
  const QByteArray saved_tmpdir = qgetenv("TMPDIR");
  qputenv("TMPDIR", (home_.path() + "/no such folder").toLocal8Bit());
  for (const auto& [skin, kept] :
       std::vector<std::pair<QString, bool>>{{own, true}, {home_.path() + "/gone.sf", false}}) {
    SCOPED_TRACE(skin.toStdString());
    {
      auto key = RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath, platform::kRegSetValue);
      ASSERT_TRUE(key);
      ASSERT_TRUE(key->SetDword("DefaultGame", 7));
      ASSERT_TRUE(key->SetDword("NextColors", 0));
      ASSERT_TRUE(key->SetDword("Delay_Destroy", 500));
      ASSERT_TRUE(key->SetDword("Delay_Move", 100));
      ASSERT_TRUE(key->SetString("TitleSkin", QFile::encodeName(skin).toStdString()));
    }
    std::vector<std::string> report;
    std::string error;
    ASSERT_TRUE(WriteUserSettings(app_dir, &report, &error)) << error;
    GameSettings settings;
    ASSERT_TRUE(ReadSettingsQuietly(settings));
    EXPECT_EQ(settings.DefaultGame, 1);
    EXPECT_EQ(settings.NextColors, 1);
    EXPECT_EQ(settings.Delay_Destroy, 35);
    EXPECT_EQ(settings.Delay_Move, 100);
    EXPECT_EQ(QFile::decodeName(settings.TitleSkin()), kept ? own : AppDir() + "/skin/classic.sf");
  }
  qputenv("TMPDIR", saved_tmpdir);
}

// A hive the registry cannot read (here saved in UTF-16 by an editor) stops the installer before
// it changes anything, with the hive's name in its message.
TEST_F(Installation, AnUnreadableHiveStopsItBeforeAnythingIsCopied) {
  const QString hive = config_ + "/corvane/HKEY_CURRENT_USER.reg";
  QDir().mkpath(config_ + "/corvane");
  QByteArray utf16("\xFF\xFE", 2);
  for (char c : QByteArray("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n")) {
    utf16 += c;
    utf16 += '\0';
  }
  WriteAll(hive, utf16);
  EXPECT_NE(Install(), 0);
  EXPECT_TRUE(errors_.contains(hive)) << errors_.toStdString();
  EXPECT_TRUE(errors_.contains("UTF-16")) << errors_.toStdString();
  EXPECT_FALSE(QFileInfo::exists(data_ + "/corvane"));
  EXPECT_FALSE(QFileInfo::exists(home_.path() + "/Desktop"));
  EXPECT_EQ(ReadAll(hive), utf16);
}

// The desktop's launcher reads the entries by their rules: a folder with a backslash and a
// per cent sign reaches the program as it is, both as its path and as its working folder.
TEST_F(Installation, EntriesStartTheProgramsFromAFolderWithBackslashAndPerCent) {
  const QString gio = QStandardPaths::findExecutable("gio");
  if (gio.isEmpty())
    GTEST_SKIP() << "gio is not installed";
  data_ = home_.path() + "/back\\slash 100%";
  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  const QString record = home_.path() + "/started";
  // A stand-in for the game that says how it was started.
  WriteAll(AppDir() + "/cvob",
           "#!/bin/sh\nprintf '%s|%s' \"$0\" \"$PWD\" > '" + QFile::encodeName(record) + "'\n");
  ASSERT_TRUE(QFile::setPermissions(AppDir() + "/cvob", QFile::ReadOwner | QFile::ExeOwner));
  QFile::remove(record);
  const QString shortcut = home_.path() + "/Desktop/Corvane Orbello.desktop";
  QString said;
  EXPECT_EQ(Validate("desktop-file-validate", {shortcut}, &said), 0) << said.toStdString();
  EXPECT_EQ(Validate("gio", {"launch", shortcut}, &said), 0) << said.toStdString();
  for (int waited = 0; waited < 100 && QFileInfo(record).size() == 0; ++waited)
    usleep(100 * 1000);
  EXPECT_EQ(ReadAll(record).toStdString(),
            QFile::encodeName(AppDir() + "/cvob|" + AppDir()).toStdString());
}

// The applications folder's mimeapps.list may be the player's link to a private dotfile: the
// installer writes the dotfile, keeps the link and leaves the dotfile's mode as it was.
TEST_F(Installation, KeepsALinkedMimeappsListAndItsMode) {
  if (QStandardPaths::findExecutable("xchm").isEmpty())
    GTEST_SKIP() << "xchm is not installed, so the help viewer is not registered";
  data_ = home_.path() + "/data";  // the launcher's path must be plain for the registration
  const QString dotfile = home_.path() + "/.mimeapps";
  const QString list = data_ + "/applications/mimeapps.list";
  ASSERT_TRUE(QDir().mkpath(data_ + "/applications"));
  WriteAll(dotfile, "[Default Applications]\ntext/plain=mine.desktop;\n");
  ASSERT_EQ(::chmod(QFile::encodeName(dotfile).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(dotfile, list));

  ASSERT_EQ(Install(), 0) << errors_.toStdString();
  EXPECT_EQ(QFileInfo(list).symLinkTarget().toStdString(), dotfile.toStdString())
      << "the link was replaced by a file";
  const QByteArray text = ReadAll(dotfile);
  EXPECT_TRUE(text.contains("text/plain=mine.desktop;")) << text.toStdString();
  EXPECT_TRUE(text.contains("application/x-chm=com.corvane.Orbello.HelpViewer.desktop;"))
      << text.toStdString();
  struct stat status {};
  ASSERT_EQ(::stat(QFile::encodeName(dotfile).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
}

TEST_F(Installation, RefusesAFolderTooLongForTheGame) {
  data_ = home_.path() + "/" + QString(240, 'd');
  EXPECT_NE(Install(), 0);
  EXPECT_TRUE(errors_.contains("260")) << errors_.toStdString();
  EXPECT_FALSE(RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath, platform::kRegQueryValue));
}

}  // namespace
}  // namespace orbello::installer
