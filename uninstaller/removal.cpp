#include "uninstaller/removal.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/core/files.h"
#include "platform/core/message.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"

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

// Deletes the files of the open folder whose names do not begin with a dot. Directories fail to
// unlink and so stay, as do dot files.
void DeleteFilesIn(int folder_fd) {
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
    if (entry->d_name[0] != '.')
      names.emplace_back(entry->d_name);
  }
  closedir(dir);
  for (const std::string& name : names)
    unlinkat(folder_fd, name.c_str(), 0);
}

bool Fail(RemovalView& view, const char* text) {
  platform::MessageRequest request;
  request.text = text;
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

void EmptyAndRemoveFolder(const std::string& base, const std::string& relative) {
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
  DeleteFilesIn(folder.Get());
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
  // The rest is written beside and renamed over the list, so that the list is never half there.
  std::string temporary = list + ".XXXXXX";
  UniqueFd out(mkostemp(temporary.data(), O_CLOEXEC));
  if (!out.Valid())
    return;
  const bool written = fchmod(out.Get(), 0644) == 0 &&
                       platform::WriteFull(out.Get(), kept.data(), kept.size()) &&
                       fsync(out.Get()) == 0 && out.Reset();
  if (!written || rename(temporary.c_str(), list.c_str()) != 0)
    unlink(temporary.c_str());
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
  // Files are deleted by name inside this folder: a value that does not name a real installation
  // (empty, relative, the home folder, a folder without the game) must not lead anywhere.
  if (!app_path || !IsPlausibleInstallation(*app_path))
    return Fail(view, kMsgNoAppPath);
  if (!RegistryKey::Open(Hive::kCurrentUser, kCompanyKey,
                         platform::kRegQueryValue | platform::kRegSetValue)) {
    return Fail(view, kMsgCompanyKeyNotOpened);
  }

  std::string shortcut = WithSlash(desktop) + kShortcutName;
  struct stat info {};
  if (lstat(shortcut.c_str(), &info) == 0)
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
  std::string folder = WithSlash(*app_path);
  for (const char* data_folder : kDataFolders)
    EmptyAndRemoveFolder(folder, data_folder);
  {
    UniqueFd app(open(folder.c_str(), kDirectoryFlags));
    if (app.Valid()) {
      for (const char* file : kProgramFiles)
        unlinkat(app.Get(), file, 0);
      unlinkat(app.Get(), kUninstallerProgram, 0);
      unlinkat(app.Get(), kHelpLauncher, 0);
    }
  }
  if (rmdir(folder.c_str()) == 0) {
    std::string parent = fs::path(folder).parent_path().parent_path().string();
    if (fs::path(parent).filename() == kMakerFolder)
      rmdir(parent.c_str());
  }
  // A group folder inside the installation is cleaned the same way as the menu's.
  EmptyAndRemoveFolder(folder, std::string(kGroupParent) + "/" + kGroupFolder);
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
