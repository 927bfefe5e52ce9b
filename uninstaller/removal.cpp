#include "uninstaller/removal.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <set>
#include <vector>

#include "platform/core/files.h"
#include "platform/core/message.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/qt/translation.h"

namespace orbello::uninstaller {
namespace {

using platform::Hive;
using platform::RegistryKey;
using platform::UniqueFd;
namespace fs = std::filesystem;

constexpr int kDirectoryFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

std::vector<std::string> SplitPath(const std::string& relative) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : relative) {
    if (c == '/') {
      if (!part.empty())
        parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty())
    parts.push_back(part);
  return parts;
}

// Deletes the files of the open folder whose names do not begin with a dot and that `deletable`
// (when given) allows. Directories fail to unlink and so stay, as do dot files.
void DeleteFilesIn(int folder_fd, const std::function<bool(const std::string&)>& deletable) {
  int listing_fd = fcntl(folder_fd, F_DUPFD_CLOEXEC, 0);
  if (listing_fd < 0)
    return;
  DIR* dir = fdopendir(listing_fd);
  if (dir == nullptr) {
    close(listing_fd);
    return;
  }
  // Names are collected first: deleting while the listing is read may skip entries.
  std::vector<std::string> names;
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] != '.' && (!deletable || deletable(entry->d_name)))
      names.emplace_back(entry->d_name);
  }
  closedir(dir);
  for (const std::string& name : names)
    unlinkat(folder_fd, name.c_str(), 0);
}

bool Fail(RemovalView& view, const char* text) {
  platform::MessageRequest request;
  request.text = platform::Translate("Uninstaller", text).toLocal8Bit().toStdString();
  request.caption = kWarningCaption;
  request.icon = platform::MessageIcon::kError;
  request.buttons = platform::MessageButtons::kOk;
  request.owner = view.MessageOwner();
  platform::ShowMessage(request);
  return false;
}

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/')
    folder += '/';
  return folder;
}

std::optional<std::string> Canonical(const std::string& path) {
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) == nullptr)
    return std::nullopt;
  return std::string(resolved);
}

}  // namespace

void EmptyAndRemoveFolder(const std::string& base, const std::string& relative,
                          const std::function<bool(const std::string&)>& deletable) {
  std::vector<std::string> parts = SplitPath(relative);
  if (parts.empty())
    return;
  UniqueFd parent(open(base.c_str(), kDirectoryFlags));
  if (!parent.Valid())
    return;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    UniqueFd next(openat(parent.Get(), parts[i].c_str(), kDirectoryFlags | O_NOFOLLOW));
    if (!next.Valid())
      return;
    parent = std::move(next);
  }
  const char* name = parts.back().c_str();
  struct stat info {};
  if (fstatat(parent.Get(), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
    return;
  if (S_ISLNK(info.st_mode)) {
    // Whatever the link points at lies outside the installation: only the link goes.
    unlinkat(parent.Get(), name, 0);
    return;
  }
  if (!S_ISDIR(info.st_mode))
    return;
  // An existing folder always lists at least itself, so the search finds something and the
  // folder is removed afterwards when it ends up empty.
  UniqueFd folder(openat(parent.Get(), name, kDirectoryFlags | O_NOFOLLOW));
  if (!folder.Valid())
    return;
  DeleteFilesIn(folder.Get(), deletable);
  folder.Reset();
  unlinkat(parent.Get(), name, AT_REMOVEDIR);
}

void RemoveIconsAndMetainfo(const std::string& data_home) {
  const std::string theme = WithSlash(data_home) + kIconTheme;
  for (int size : kIconSizes) {
    const std::string size_folder = theme + "/" + std::to_string(size) + "x" + std::to_string(size);
    const std::string apps = size_folder + "/apps/";
    for (const char* name : kIconNames)
      unlink((apps + name + ".png").c_str());
    rmdir(apps.c_str());
    rmdir(size_folder.c_str());
  }
  rmdir(theme.c_str());
  rmdir(fs::path(theme).parent_path().c_str());
  const std::string metainfo = WithSlash(data_home) + kMetainfoFolder;
  unlink((metainfo + "/" + kMetainfoFile).c_str());
  rmdir(metainfo.c_str());
}

void RemoveHelpViewerEntry(const std::string& applications) {
  const std::string folder = WithSlash(applications);
  unlink((folder + kHelpViewerEntry).c_str());
  const std::string list = folder + "mimeapps.list";
  std::string text;
  if (!platform::ReadRegularFile(list, 1 << 20, &text))
    return;
  std::string kept;
  bool changed = false;
  bool entries = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    const std::string line = text.substr(start, end - start);
    start = end;
    const std::size_t equals = line.find('=');
    std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
    while (!value.empty() && std::strchr("\r\n;", value.back()) != nullptr)
      value.pop_back();
    if (value == kHelpViewerEntry) {
      changed = true;
      continue;
    }
    if (line.find_first_not_of(" \t\r\n") != std::string::npos && line[0] != '[')
      entries = true;
    kept += line;
  }
  if (!changed)
    return;
  if (!entries) {
    unlink(list.c_str());
    return;
  }
  // Replaced as a whole, so that the list is never half there.
  platform::ReplaceFile(list, kept, platform::ReplaceOptions{0644, false});
}

std::optional<std::vector<std::string>> ReadManifest(const std::string& folder) {
  std::string text;
  if (!platform::ReadRegularFile(WithSlash(folder) + kManifestName, 1 << 20, &text))
    return std::nullopt;
  auto plain_name = [](const std::string& name) {
    return !name.empty() && name[0] != '.' && name != kManifestName &&
           name.find('\0') == std::string::npos;
  };
  std::vector<std::string> paths;
  std::size_t start = 0;
  bool header = true;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (header) {
      if (line != kManifestHeader)
        return std::nullopt;
      header = false;
      continue;
    }
    const std::size_t slash = line.find('/');
    if (slash == std::string::npos) {
      if (!plain_name(line))
        return std::nullopt;
    } else {
      const std::string folder_name = line.substr(0, slash);
      const std::string name = line.substr(slash + 1);
      const bool data_folder = std::any_of(std::begin(kDataFolders), std::end(kDataFolders),
                                           [&](const char* known) { return folder_name == known; });
      if (!data_folder || !plain_name(name) || name.find('/') != std::string::npos)
        return std::nullopt;
    }
    paths.push_back(line);
  }
  if (header)
    return std::nullopt;
  return paths;
}

std::optional<std::string> ReadAppPath(bool* key_opened) {
  std::optional<RegistryKey> key =
      RegistryKey::Open(Hive::kCurrentUser, kSettingsKey, platform::kRegQueryValue);
  *key_opened = key.has_value();
  if (!key)
    return std::nullopt;
  uint32_t type = 0;
  uint32_t size = 0;
  if (!key->QueryValue(kAppPathValue, &type, nullptr, &size) || size == 0)
    return std::nullopt;
  std::vector<char> buffer(kPathBufferSize, '\0');
  uint32_t capacity = kPathBufferSize;
  if (!key->QueryValue(kAppPathValue, &type, buffer.data(), &capacity))
    return std::nullopt;
  return std::string(buffer.data(), strnlen(buffer.data(), capacity));
}

bool IsPlausibleInstallation(const std::string& app_path) {
  if (app_path.empty() || app_path.front() != '/')
    return false;
  std::optional<std::string> folder = Canonical(app_path);
  if (!folder || *folder == "/")
    return false;
  struct stat info {};
  if (stat(folder->c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
    return false;
  if (stat((*folder + "/" + kGameProgram).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return false;
  }
  // Never the home folder or anything above it, whatever it holds.
  if (std::optional<std::string> home = Canonical(platform::HomeFolder())) {
    if (*home == *folder || home->rfind(*folder + "/", 0) == 0)
      return false;
  }
  return true;
}

namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

bool IsSavedGame(const std::string& name) {
  const std::size_t length = sizeof kSavedGameExtension - 1;
  return name.size() > length &&
         strcasecmp(name.c_str() + name.size() - length, kSavedGameExtension) == 0;
}

// Deletes what the manifest names in the installation folder, the player's saved games, then the
// manifest and the folder when that left it empty.
void RemoveInstalledFiles(const std::string& folder, const std::vector<std::string>& manifest) {
  const std::set<std::string> listed(manifest.begin(), manifest.end());
  for (const char* data_folder : kDataFolders) {
    const std::string prefix = std::string(data_folder) + "/";
    const bool saves = prefix == "save/";
    EmptyAndRemoveFolder(folder, data_folder, [&](const std::string& name) {
      return listed.count(prefix + name) > 0 || (saves && IsSavedGame(name));
    });
  }
  UniqueFd app(open(folder.c_str(), kDirectoryFlags));
  if (app.Valid()) {
    // The program files in their fixed order, then whatever else the installer put there.
    std::vector<std::string> programs(std::begin(kProgramFiles), std::end(kProgramFiles));
    programs.push_back(kUninstallerProgram);
    programs.push_back(kHelpLauncher);
    for (const std::string& entry : manifest) {
      if (entry.find('/') == std::string::npos &&
          std::find(programs.begin(), programs.end(), entry) == programs.end()) {
        programs.push_back(entry);
      }
    }
    for (const std::string& file : programs) {
      if (listed.count(file) > 0)
        unlinkat(app.Get(), file.c_str(), 0);
    }
    unlinkat(app.Get(), kManifestName, 0);
  }
  if (rmdir(folder.c_str()) == 0) {
    std::string parent = fs::path(folder).parent_path().parent_path().string();
    if (fs::path(parent).filename() == kMakerFolder)
      rmdir(parent.c_str());
  }
}

}  // namespace

bool RunRemoval(RemovalView& view) {
  view.MarkItem(Item::kShortcuts, ItemState::kInProgress);
  // Everything that can refuse is asked before the first deletion, so that a refusal leaves the
  // installation whole, shortcuts included, and the uninstaller can be run again.
  std::string desktop = platform::DesktopFolder();
  if (desktop.empty())
    return Fail(view, kMsgNoDesktop);
  std::string programs = platform::ApplicationsFolder();
  if (programs.empty())
    return Fail(view, kMsgNoStartMenu);
  bool key_opened = false;
  std::optional<std::string> app_path = ReadAppPath(&key_opened);
  if (!key_opened)
    return Fail(view, kMsgSettingsKeyNotOpened);
  const std::string shortcut = WithSlash(desktop) + kShortcutName;
  const std::string group = WithSlash(programs) + kGroupParent + "/" + kGroupFolder;
  // A run that was stopped after the files went (killed, or by an older uninstaller that failed
  // at the key) left only the keys: nothing is left to delete but them.
  const bool only_keys_left =
      app_path && !app_path->empty() && app_path->front() == '/' && !Exists(shortcut) &&
      !Exists(group) &&
      (!Exists(*app_path) || (!Exists(WithSlash(*app_path) + kGameProgram) &&
                              !Exists(WithSlash(*app_path) + kManifestName)));
  std::optional<std::vector<std::string>> manifest;
  if (!only_keys_left) {
    // Files are deleted by name inside this folder: a value that does not name a real
    // installation (empty, relative, the home folder, a folder without the game) must not lead
    // anywhere, nor one that holds no list of what the installer put there.
    if (!app_path || !IsPlausibleInstallation(*app_path))
      return Fail(view, kMsgNoAppPath);
    manifest = ReadManifest(*app_path);
    if (!manifest)
      return Fail(view, kMsgNoManifest);
  }
  if (!RegistryKey::Open(Hive::kCurrentUser, kCompanyKey,
                         platform::kRegQueryValue | platform::kRegSetValue)) {
    return Fail(view, kMsgCompanyKeyNotOpened);
  }
  // The key goes last: were it kept by a hive that cannot be changed, nothing else may go first.
  if (!platform::CheckHiveWritable(Hive::kCurrentUser))
    return Fail(view, kMsgGameKeyNotDeleted);

  if (Exists(shortcut))
    unlink(shortcut.c_str());
  EmptyAndRemoveFolder(programs, std::string(kGroupParent) + "/" + kGroupFolder);
  programs = platform::ApplicationsFolder();
  if (programs.empty())
    return Fail(view, kMsgNoStartMenu);
  rmdir((WithSlash(programs) + kGroupParent).c_str());
  RemoveHelpViewerEntry(programs);
  RemoveIconsAndMetainfo(platform::DataHome());
  view.MarkItem(Item::kShortcuts, ItemState::kDone);

  view.MarkItem(Item::kFiles, ItemState::kInProgress);
  if (manifest) {
    const std::string folder = WithSlash(*app_path);
    RemoveInstalledFiles(folder, *manifest);
    // A group folder inside the installation holds nothing of the installer's: only an empty
    // one goes.
    rmdir((folder + kGroupParent + "/" + kGroupFolder).c_str());
  }
  if (platform::ApplicationsFolder().empty())
    return Fail(view, kMsgNoStartMenu);
  view.MarkItem(Item::kFiles, ItemState::kDone);

  view.MarkItem(Item::kRegistry, ItemState::kInProgress);
  std::optional<RegistryKey> company = RegistryKey::Open(
      Hive::kCurrentUser, kCompanyKey, platform::kRegQueryValue | platform::kRegSetValue);
  if (!company)
    return Fail(view, kMsgCompanyKeyNotOpened);
  if (!platform::DeleteKeyTree(Hive::kCurrentUser, std::string(kCompanyKey) + "\\" + kGameSubkey)) {
    return Fail(view, kMsgGameKeyNotDeleted);
  }
  if (RegistryKey::Open(Hive::kLocalMachine, kUninstallKey,
                        platform::kRegQueryValue | platform::kRegSetValue)) {
    platform::DeleteKeyTree(Hive::kLocalMachine, std::string(kUninstallKey) + "\\" + kProductName);
  }
  view.MarkItem(Item::kRegistry, ItemState::kDone);
  return true;
}

}  // namespace orbello::uninstaller
