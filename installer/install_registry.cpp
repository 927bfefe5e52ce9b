#include "install_registry.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QByteArray>
#include <QImage>
#include <cstring>

#include "game/records/core/settings.h"
#include "game/records/core/settings_schema.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "skinfile/skinfile.h"

namespace orbello::installer {

using platform::Hive;
using platform::RegistryKey;

namespace {

// True when the game could load the skin at `path`: the same reader and bound as the game, and
// each of the five pictures reads as a bitmap.
bool SkinLoads(const std::string& path) {
  skinfile::SkinPictures pictures;
  bool loads = skinfile::ReadSkinPictures(path, &pictures);
  for (const std::string& bytes : pictures) {
    QImage picture;
    loads = loads && skinfile::PictureWithinBounds(bytes) &&
            picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                 static_cast<int>(bytes.size()), "BMP");
  }
  return loads;
}

// The current text of a REG_SZ value up to its first zero; empty when unreadable.
std::string StoredText(const RegistryKey& key, const char* name) {
  const auto text = key.GetString(name);
  return text ? *text : std::string();
}

uint32_t RegistryType(const SettingSpec& setting) {
  return setting.type == SettingType::kNumber ? platform::kRegDword : platform::kRegSz;
}

bool HasType(const RegistryKey& key, const char* name, uint32_t wanted) {
  uint32_t type = 0, size = 0;
  if (!key.QueryValue(name, &type, nullptr, &size))
    return false;
  if (type != wanted)
    return false;
  if (wanted == platform::kRegDword) {
    // A DWORD with all bits set reads as a failure in the game.
    const auto value = key.GetDword(name);
    return size == 4 && value && *value != 0xFFFFFFFFu;
  }
  return size > 0;
}

// A stored number the game can work with: a value out of range leaves, e.g. with a DefaultGame
// of 7, no game to start.
bool InRange(const RegistryKey& key, const SettingSpec& setting) {
  if (setting.type != SettingType::kNumber)
    return true;
  const auto value = key.GetDword(setting.name);
  return value && setting.offered.Holds(static_cast<int32_t>(*value));
}

}  // namespace

bool CheckInstallFolder(const std::string& app_dir, std::string* error) {
  if (app_dir.empty() || app_dir.back() != '/') {
    *error = "the installation folder must end with '/'";
    return false;
  }
  for (const SettingSpec& s : kSettingsSchema) {
    if (s.installed_path && app_dir.size() + std::strlen(s.installed_path) > kPathSlotSize - 1) {
      *error = "the installation folder is too long: " + app_dir + s.installed_path +
               " does not fit the game's 260 characters";
      return false;
    }
  }
  // Found now, before anything is copied, a hive that cannot take the settings would leave an
  // installation without them.
  for (Hive hive : {Hive::kCurrentUser, Hive::kLocalMachine}) {
    std::string reason;
    if (!platform::CheckHiveWritable(hive, &reason)) {
      *error = "the registry file " + reason + "; nothing was installed";
      return false;
    }
  }
  return true;
}

bool WriteUserSettings(const std::string& app_dir, std::vector<std::string>* report,
                       std::string* error) {
  if (!CheckInstallFolder(app_dir, error))
    return false;
  if (!platform::CreateKey(Hive::kCurrentUser, kSettingsKeyPath)) {
    *error = std::string("cannot create the registry key ") + kSettingsKeyPath;
    return false;
  }
  auto key = RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath,
                               platform::kRegQueryValue | platform::kRegSetValue);
  if (!key) {
    *error = std::string("cannot open the registry key ") + kSettingsKeyPath;
    return false;
  }
  for (const SettingSpec& s : kSettingsSchema) {
    bool keep = HasType(*key, s.name, RegistryType(s)) && InRange(*key, s);
    // The game ends at start-up on a skin it cannot load; a new skin is better than no game.
    // The check reads the skin from its bytes, as the game does, so nothing but the skin decides.
    if (keep && s.type == SettingType::kPath && s.slot == kSlotSkin)
      keep = SkinLoads(StoredText(*key, s.name));
    if (keep) {
      report->push_back(std::string(s.name) + ": kept");
      continue;
    }
    bool written = false;
    if (s.type == SettingType::kNumber) {
      written = key->SetDword(s.name, static_cast<uint32_t>(s.installed_number));
      report->push_back(std::string(s.name) + ": " + std::to_string(s.installed_number));
    } else {
      // The whole 261-byte slot, zero-padded, as the game's Settings dialog stores it.
      const std::string path = app_dir + s.installed_path;
      char slot[kPathSlotSize] = {};
      std::memcpy(slot, path.data(), path.size());
      written = key->SetValue(s.name, platform::kRegSz, slot, kPathSlotSize);
      report->push_back(std::string(s.name) + ": " + path);
    }
    if (!written) {
      *error = std::string("cannot write the registry value ") + s.name;
      return false;
    }
  }
  if (!key->SetString("AppPath", app_dir)) {
    *error = "cannot write the registry value AppPath";
    return false;
  }
  report->push_back("AppPath: " + app_dir);
  return true;
}

bool WriteUninstallEntry(const std::string& app_dir, std::string* error) {
  if (!platform::CreateKey(Hive::kLocalMachine, kUninstallKeyPath)) {
    *error = std::string("cannot create the registry key ") + kUninstallKeyPath;
    return false;
  }
  auto key = RegistryKey::Open(Hive::kLocalMachine, kUninstallKeyPath, platform::kRegSetValue);
  const bool ok = key && key->SetString("DisplayName", kProductName) &&
                  key->SetString("DisplayVersion", "1.0.2") &&
                  key->SetString("Publisher", "Corvane") &&
                  key->SetString("InstallLocation", app_dir) &&
                  key->SetString("UninstallString", app_dir + "uni_cvob") &&
                  key->SetString("DisplayIcon", app_dir + "cvob");
  if (!ok)
    *error = std::string("cannot write the registry key ") + kUninstallKeyPath;
  return ok;
}

}  // namespace orbello::installer
