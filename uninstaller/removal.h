// What the uninstaller removes, and how: the shortcuts, the program group, the data folders and
// program files of the installation named in the registry, and the game's registry keys.
#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orbello::uninstaller {

inline constexpr char kProductName[] = "Corvane Orbello 1.0.2";

inline constexpr char kShortcutName[] = "Corvane Orbello.desktop";
inline constexpr char kGroupParent[] = "Corvane Software";
inline constexpr char kGroupFolder[] = "Orbello";
inline constexpr char kSettingsKey[] = "Software\\Corvane\\OB\\Settings";
inline constexpr char kAppPathValue[] = "AppPath";
inline constexpr char kCompanyKey[] = "Software\\Corvane";
inline constexpr char kGameSubkey[] = "OB";
inline constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr char kGameProgram[] = "cvob";
// The data folders and the program files, each in the order they are removed.
inline constexpr const char* kDataFolders[] = {"save", "skin", "sound"};
inline constexpr const char* kProgramFiles[] = {"cvob.chm", "cvob", "cvobhs.dat", "Corvane.url",
                                                "csfob"};
// This program's own file in the installation folder. It can be deleted while it runs, and the
// folder can only go when it has gone too.
inline constexpr char kUninstallerProgram[] = "uni_cvob";
// The help launcher beside the programs, and its desktop entry in the applications folder, which
// the installer made the default handler of compiled help files in that folder's mimeapps.list.
inline constexpr char kHelpLauncher[] = "orbello-help";
inline constexpr char kHelpViewerEntry[] = "com.corvane.Orbello.HelpViewer.desktop";
// The maker's folder that holds the installation folder; removed too when that leaves it empty.
inline constexpr char kMakerFolder[] = "corvane";
// The programs' icons in the desktop's icon theme below the data folder, one file for each name
// and size, and the game's description for software centres.
inline constexpr char kIconTheme[] = "icons/hicolor";
inline constexpr const char* kIconNames[] = {
    "com.corvane.Orbello", "com.corvane.Orbello.SkinCompiler", "com.corvane.Orbello.Uninstall",
    "com.corvane.Orbello.Help"};
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
inline constexpr char kMetainfoFolder[] = "metainfo";
inline constexpr char kMetainfoFile[] = "com.corvane.Orbello.metainfo.xml";
// The list of what the installer put into the installation folder, written there by install.sh
// from what it copies: the line kManifestHeader, then one path a line relative to the folder,
// either a program file or a file directly inside one of kDataFolders. Nothing that it does not
// name is deleted, except the player's saved games (save/*.osf).
inline constexpr char kManifestName[] = "install.manifest";
inline constexpr char kManifestHeader[] = "# Orbello installation manifest 1";
inline constexpr char kSavedGameExtension[] = ".osf";
// The buffer for "AppPath": a string of more bytes than this, terminating zero included, does not
// fit.
inline constexpr unsigned kPathBufferSize = 260;

inline constexpr char kWarningCaption[] = "Warning!";
inline constexpr const char* kMsgGameLoadedAtStart = QT_TRANSLATE_NOOP(
    "Uninstaller",
    "Corvane Orbello loaded.\nBefore uninstalling necessary to close Corvane Orbello.");
inline constexpr const char* kMsgGameLoadedAtUninstall = QT_TRANSLATE_NOOP(
    "Uninstaller", "Corvane Orbello loaded.\nBefore uninstalling necessary to close Orbello.");
inline constexpr const char* kMsgNoDesktop =
    QT_TRANSLATE_NOOP("Uninstaller", "Unable to determine <Desktop> folder.\nUninstall canceled.");
inline constexpr const char* kMsgNoStartMenu = QT_TRANSLATE_NOOP(
    "Uninstaller", "Unable to determine <Start Menu> folder.\nUninstall canceled.");
inline constexpr const char* kMsgSettingsKeyNotOpened = QT_TRANSLATE_NOOP(
    "Uninstaller", "Couldn't open <Corvane\\OB> registry key.\nUninstall canceled.");
inline constexpr const char* kMsgNoAppPath = QT_TRANSLATE_NOOP(
    "Uninstaller", "Couldn't get data from <Corvane\\OB> registry key.\nUninstall canceled.");
inline constexpr const char* kMsgCompanyKeyNotOpened =
    QT_TRANSLATE_NOOP("Uninstaller", "Couldn't open <Corvane> registry key.\nUninstall canceled.");
inline constexpr const char* kMsgGameKeyNotDeleted = QT_TRANSLATE_NOOP(
    "Uninstaller", "Couldn't delete <Corvane\\OB> registry key.\nUninstall canceled.");
inline constexpr const char* kMsgNoManifest = QT_TRANSLATE_NOOP(
    "Uninstaller",
    "The folder of the installation holds no valid list of installed files (install.manifest), "
    "so it may not be an installation of Corvane Orbello, and nothing was deleted.\n"
    "To remove an installation made by an older installer, install Corvane Orbello again and "
    "then uninstall it.\nUninstall canceled.");
inline constexpr char kConfirmCaption[] = "Confirm Action";
inline constexpr const char* kMsgAbortQuestion =
    QT_TRANSLATE_NOOP("Uninstaller", "The uninstall in not finished! Do you really want to abort?");

// The three progress items of the dialog and their states.
enum class Item { kShortcuts = 0, kFiles = 1, kRegistry = 2 };
enum class ItemState { kWaiting, kInProgress, kDone };

// What the removal needs from its dialog.
class RemovalView {
 public:
  virtual ~RemovalView() = default;
  virtual void MarkItem(Item item, ItemState state) = 0;
  // Owner of the failure messages (a QWidget*), or nullptr.
  virtual void* MessageOwner() = 0;
};

// Runs the removal from the first item to the last; on a failure shows its message (owned by the
// view) and returns false at once. Nothing is undone.
bool RunRemoval(RemovalView& view);

// The folder-emptying rule on the folder `relative` below `base`: deletes the files directly
// inside it whose names do not begin with a dot (and, when `deletable` is given, for which it is
// true), then removes the folder if that left it empty.
// Subfolders and dot files stay. `base` is taken as it is; below it symbolic links are never
// followed: a link in place of the folder (or of a folder on the way to it) is removed as a link,
// a link inside the folder is deleted as a link. A missing folder is left alone.
void EmptyAndRemoveFolder(const std::string& base, const std::string& relative,
                          const std::function<bool(const std::string&)>& deletable = nullptr);

// The paths that the manifest in `folder` names, in its order; nothing when it is missing,
// unreadable or holds anything but the header and paths of the kinds above.
std::optional<std::vector<std::string>> ReadManifest(const std::string& folder);

// Deletes exactly the icon files and the metainfo file named above from below `data_home`; other
// programs' icons beside them stay. Folders on their way that this leaves empty are removed, up to
// `data_home` itself (excluded), as the installer made them.
void RemoveIconsAndMetainfo(const std::string& data_home);

// Deletes the help launcher's desktop entry from `applications` and the lines of its
// mimeapps.list that name it; the list goes too when nothing but section headers is left in it.
void RemoveHelpViewerEntry(const std::string& applications);

// The installation folder recorded in the registry, exactly as stored (it ends with '/'), or
// nothing when the key does not open (`*key_opened` false) or the value is missing, empty,
// unreadable or too long for a path.
std::optional<std::string> ReadAppPath(bool* key_opened);

// True when `app_path` can safely be treated as the installation: an absolute path of an existing
// folder that holds the game program, and neither the root nor the home folder nor a folder
// above it.
bool IsPlausibleInstallation(const std::string& app_path);

}  // namespace orbello::uninstaller
