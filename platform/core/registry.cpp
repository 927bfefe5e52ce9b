#include "platform/core/registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include "platform/core/bytes.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/regfile.h"

namespace orbello::platform {
namespace {

enum class HiveState { kOk, kMissing, kBroken };

// Our hives hold a few kilobytes; one with ten thousand foreign keys about 600 KB. 64 MiB is a
// hundred times that and still parses in well under a second; anything larger is not a hive.
constexpr size_t kMaxHiveSize = 64 << 20;

// Reads the hive; with `only_key` only that key and its subkeys are kept (readers of one key
// need no more, and a hive with thousands of foreign keys is then read without building them).
HiveState LoadHive(Hive hive, regfile::Document* doc, const std::string* only_key = nullptr) {
  std::string text;
  int error = 0;
  // A FIFO or device in place of the hive is refused without blocking.
  if (!ReadRegularFile(HiveFilePath(hive), kMaxHiveSize, &text, &error))
    return error == ENOENT ? HiveState::kMissing : HiveState::kBroken;
  std::optional<regfile::Document> parsed =
      only_key != nullptr ? regfile::ParseKeyTree(text, HiveRootName(hive), *only_key)
                          : regfile::Parse(text, HiveRootName(hive));
  if (!parsed)
    return HiveState::kBroken;
  *doc = std::move(*parsed);
  return HiveState::kOk;
}

bool MakeFolders(const std::string& folder) {
  std::string partial;
  size_t pos = 0;
  while (pos != std::string::npos) {
    pos = folder.find('/', pos + 1);
    partial = folder.substr(0, pos);
    if (!partial.empty() && mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
      return false;
  }
  struct stat st {};
  return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Opens the lock file without ever creating anything through a link: a link in its place is
// followed only to a file that exists (a dotfile manager may keep the lock file elsewhere too).
UniqueFd OpenLockFile(const std::string& path) {
  UniqueFd fd = OpenRegularFile(path, O_RDWR | O_CREAT | O_NOFOLLOW, 0600);
  if (!fd.Valid() && errno == ELOOP)
    fd = OpenRegularFile(path, O_RDWR);
  return fd;
}

// Holds the hive's lock file exclusively; writers take it for a whole read-change-write.
class HiveLock {
 public:
  explicit HiveLock(Hive hive) {
    fd_ = OpenLockFile(HiveFilePath(hive) + ".lock");
    if (!fd_.Valid())
      return;
    // Writers hold the lock for milliseconds; a holder that never lets go is given up on.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (flock(fd_.Get(), LOCK_EX | LOCK_NB) != 0) {
      if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline) {
        fd_.Reset();
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    locked_ = true;
  }
  bool Locked() const { return locked_; }

 private:
  UniqueFd fd_;
  bool locked_ = false;
};

// Only this user may read the settings; a hive reached through a link has its target replaced.
bool ReplaceHiveFile(Hive hive, const std::string& text) {
  return ReplaceFile(HiveFilePath(hive), text, ReplaceOptions{0600, false});
}

// Re-reads the hive under its lock, lets `change` edit it and writes it back when the change
// asks for it. A missing hive counts as empty only when `create` is set.
bool ModifyHive(Hive hive, bool create, const std::function<bool(regfile::Document&)>& change) {
  if (create) {
    if (!MakeFolders(ConfigFolder()))
      return false;
  } else {
    struct stat st {};
    if (stat(HiveFilePath(hive).c_str(), &st) != 0)
      return false;
  }
  HiveLock lock(hive);
  if (!lock.Locked())
    return false;
  regfile::Document doc;
  HiveState state = LoadHive(hive, &doc);
  if (state == HiveState::kBroken || (state == HiveState::kMissing && !create))
    return false;
  if (!change(doc))
    return false;
  return ReplaceHiveFile(hive, regfile::Serialise(doc, HiveRootName(hive)));
}

bool ValidValueName(const std::string& name) {
  return name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace

const char* HiveRootName(Hive hive) {
  return hive == Hive::kCurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

std::string HiveFilePath(Hive hive) {
  return ConfigFolder() + "/" + HiveRootName(hive) + ".reg";
}

std::optional<RegistryKey> RegistryKey::Open(Hive hive, const std::string& path, unsigned access) {
  std::optional<std::string> normal = regfile::NormaliseKeyPath(path);
  if (!normal)
    return std::nullopt;
  regfile::Document doc;
  if (LoadHive(hive, &doc, &*normal) != HiveState::kOk || !doc.KeyExists(*normal))
    return std::nullopt;
  return RegistryKey(hive, *normal, access);
}

std::optional<RegistryKey> RegistryKey::OpenSnapshot(Hive hive, const std::string& path) {
  std::optional<std::string> normal = regfile::NormaliseKeyPath(path);
  if (!normal)
    return std::nullopt;
  auto doc = std::make_shared<regfile::Document>();
  if (LoadHive(hive, doc.get(), &*normal) != HiveState::kOk || !doc->KeyExists(*normal))
    return std::nullopt;
  RegistryKey key(hive, *normal, kRegQueryValue);
  key.snapshot_ = std::move(doc);
  return key;
}

bool RegistryKey::Load(std::shared_ptr<const regfile::Document>* doc) const {
  if (snapshot_) {
    *doc = snapshot_;
    return true;
  }
  auto fresh = std::make_shared<regfile::Document>();
  if (LoadHive(hive_, fresh.get(), &path_) != HiveState::kOk)
    return false;
  *doc = std::move(fresh);
  return true;
}

bool RegistryKey::QueryValue(const std::string& name, uint32_t* type, void* data,
                             uint32_t* size) const {
  if (type == nullptr || size == nullptr || (access_ & kRegQueryValue) == 0)
    return false;
  std::shared_ptr<const regfile::Document> doc;
  if (!Load(&doc))
    return false;
  const regfile::Key* key = doc->FindKey(path_);
  if (key == nullptr)
    return false;
  auto value = std::find_if(key->values.begin(), key->values.end(), [&](const regfile::Value& v) {
    return regfile::NamesEqual(v.name, name);
  });
  if (value == key->values.end())
    return false;
  const auto length = static_cast<uint32_t>(value->data.size());
  *type = value->type;
  if (data == nullptr) {
    *size = length;
    return true;
  }
  if (*size < length) {
    *size = length;
    return false;
  }
  if (length > 0)
    std::memcpy(data, value->data.data(), length);
  *size = length;
  return true;
}

bool RegistryKey::SetValue(const std::string& name, uint32_t type, const void* data,
                           uint32_t size) const {
  if ((access_ & kRegSetValue) == 0 || !ValidValueName(name) || (data == nullptr && size > 0)) {
    return false;
  }
  const auto* bytes = static_cast<const unsigned char*>(data);
  return ModifyHive(hive_, false, [&](regfile::Document& doc) {
    // The key may have been deleted since it was opened.
    if (!doc.KeyExists(path_))
      return false;
    regfile::Key& key = doc.AddKey(path_);
    auto value = std::find_if(key.values.begin(), key.values.end(), [&](const regfile::Value& v) {
      return regfile::NamesEqual(v.name, name);
    });
    if (value == key.values.end()) {
      key.values.push_back(regfile::Value{name, type, {}});
      value = key.values.end() - 1;
    }
    value->type = type;
    value->data.assign(bytes, bytes + size);
    return true;
  });
}

bool RegistryKey::SetDword(const std::string& name, uint32_t value) const {
  unsigned char bytes[4] = {};
  PutLittleEndian(bytes, value);
  return SetValue(name, kRegDword, bytes, 4);
}

bool RegistryKey::SetString(const std::string& name, const std::string& text) const {
  return SetValue(name, kRegSz, text.c_str(), static_cast<uint32_t>(text.size() + 1));
}

std::optional<uint32_t> RegistryKey::GetDword(const std::string& name) const {
  unsigned char bytes[4] = {};
  uint32_t type = 0;
  uint32_t size = sizeof bytes;
  if (!QueryValue(name, &type, bytes, &size) || type != kRegDword || size != 4) {
    return std::nullopt;
  }
  return GetLittleEndian<uint32_t>(bytes);
}

std::optional<std::string> RegistryKey::GetString(const std::string& name) const {
  uint32_t type = 0;
  uint32_t size = 0;
  if (!QueryValue(name, &type, nullptr, &size) || (type != kRegSz && type != kRegExpandSz)) {
    return std::nullopt;
  }
  std::string data(size, '\0');
  if (!QueryValue(name, &type, data.data(), &size) || (type != kRegSz && type != kRegExpandSz)) {
    return std::nullopt;
  }
  data.resize(std::min<size_t>(size, data.size()));
  return data.substr(0, data.find('\0'));
}

std::vector<std::string> RegistryKey::ValueNames() const {
  std::vector<std::string> names;
  std::shared_ptr<const regfile::Document> doc;
  if (!Load(&doc))
    return names;
  if (const regfile::Key* key = doc->FindKey(path_)) {
    for (const regfile::Value& value : key->values)
      names.push_back(value.name);
  }
  return names;
}

bool CreateKey(Hive hive, const std::string& path) {
  std::optional<std::string> normal = regfile::NormaliseKeyPath(path);
  if (!normal)
    return false;
  return ModifyHive(hive, true, [&](regfile::Document& doc) {
    doc.AddKey(*normal);
    return true;
  });
}

bool CheckHiveWritable(Hive hive, std::string* reason) {
  const std::string file = HiveFilePath(hive);
  auto fail = [&](const std::string& why) {
    if (reason != nullptr)
      *reason = file + ": " + why;
    return false;
  };
  struct stat st {};
  if (stat(ConfigFolder().c_str(), &st) != 0 && errno == ENOENT)
    return true;
  HiveLock lock(hive);
  if (!lock.Locked())
    return fail(std::string("its lock file cannot be taken (") + std::strerror(errno) + ")");
  std::string text;
  int error = 0;
  if (!ReadRegularFile(file, kMaxHiveSize, &text, &error)) {
    if (error != ENOENT)
      return fail(std::string("cannot be read (") + std::strerror(error) + ")");
  } else {
    std::string why;
    if (!regfile::Parse(text, HiveRootName(hive), &why)) {
      const bool utf16 = text.size() >= 2 && ((text[0] == '\xFF' && text[1] == '\xFE') ||
                                              (text[0] == '\xFE' && text[1] == '\xFF'));
      return fail("not a registry file of this kind (" + why + ")" +
                  (utf16 ? "; it is written in UTF-16: save it as UTF-8 or ANSI" : ""));
    }
  }
  if (!CanReplaceIn(file))
    return fail(std::string("cannot be replaced in its folder (") + std::strerror(errno) + ")");
  return true;
}

bool DeleteKeyTree(Hive hive, const std::string& path) {
  std::optional<std::string> normal = regfile::NormaliseKeyPath(path);
  if (!normal)
    return false;
  return ModifyHive(hive, false,
                    [&](regfile::Document& doc) { return doc.RemoveKeyTree(*normal); });
}

}  // namespace orbello::platform
