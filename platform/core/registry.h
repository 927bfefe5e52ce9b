// The registry stand-in: two hive files in REGEDIT4 text under ConfigFolder():
// HKEY_CURRENT_USER.reg and HKEY_LOCAL_MACHINE.reg.
//
// Every value keeps its type and its exact data bytes. Key and value names compare without
// regard to ASCII case. Opening a key never creates it; only CreateKey (the installer) does.
// Each change re-reads the hive, applies itself and replaces the file atomically (ReplaceFile: a
// link to the hive is kept and its target replaced) while holding an exclusive lock on "<hive
// file>.lock", so concurrent writers never lose each other's changes. A hive that is not a regular
// file (a FIFO, a device) or is larger than 64 MiB counts as broken; reading it never blocks. A
// hive file that cannot be parsed is never overwritten: every operation on it fails.
//
// Key paths are given below the hive root with '\' separators, e.g.
// "Software\\Corvane\\OB\\Settings".
//
// Typical use:
//   auto key = RegistryKey::Open(Hive::kCurrentUser, kSettingsKeyPath, kRegQueryValue);
//   if (!key) ...;                                  // key or hive missing or broken
//   uint32_t type = 0, size = 0;
//   key->QueryValue("AppPath", &type, nullptr, &size);            // type and size only
//   std::vector<unsigned char> buf(size);
//   key->QueryValue("AppPath", &type, buf.data(), &size);         // the data
//   key->SetDword("Count", 10);                     // needs kRegSetValue access
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orbello::platform {

namespace regfile {
class Document;
}

enum class Hive { kCurrentUser, kLocalMachine };

// Value types, the same numbers as the system's.
inline constexpr uint32_t kRegNone = 0;
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;
inline constexpr uint32_t kRegMultiSz = 7;

// Access rights of an opened key (may be or-ed).
inline constexpr unsigned kRegQueryValue = 1;
inline constexpr unsigned kRegSetValue = 2;

// "HKEY_CURRENT_USER" / "HKEY_LOCAL_MACHINE".
const char* HiveRootName(Hive hive);
// ConfigFolder() + "/HKEY_CURRENT_USER.reg" (or the machine hive).
std::string HiveFilePath(Hive hive);

class RegistryKey {
 public:
  // Opens an existing key. Fails (nullopt) when the hive file is missing, unreadable or cannot
  // be parsed, or the key does not exist. A key exists when the hive names it or one of its
  // subkeys.
  static std::optional<RegistryKey> Open(Hive hive, const std::string& path, unsigned access);

  // Opens an existing key for queries (kRegQueryValue) that all see the hive as it was when this
  // call read it: the file is read and parsed once, however many values are queried afterwards,
  // and later changes of the file are not seen. For reading a set of values in one go.
  static std::optional<RegistryKey> OpenSnapshot(Hive hive, const std::string& path);

  // Type and data of a value, like the system's query: with data == nullptr only *type and
  // *size are filled. With a buffer, *size is its capacity on entry; when the data fits it is
  // copied and *size becomes its length; when it does not fit the call fails and *size is set
  // to the length needed. Fails when the key (it may have been deleted meanwhile) or the value
  // does not exist, or the key was not opened with kRegQueryValue. type and size may not be null.
  bool QueryValue(const std::string& name, uint32_t* type, void* data, uint32_t* size) const;

  // Stores a value with exactly these bytes, replacing one of the same name (whose spelling is
  // kept). Name "" is the default value. Fails when the key no longer exists, the key was not
  // opened with kRegSetValue, or the hive cannot be locked, parsed or written.
  bool SetValue(const std::string& name, uint32_t type, const void* data, uint32_t size) const;

  // REG_DWORD of 4 little-endian bytes.
  bool SetDword(const std::string& name, uint32_t value) const;
  // REG_SZ: the text and one terminating zero.
  bool SetString(const std::string& name, const std::string& text) const;

  // Convenience reads: a REG_DWORD of 4 bytes; a REG_SZ/REG_EXPAND_SZ up to its first zero.
  std::optional<uint32_t> GetDword(const std::string& name) const;
  std::optional<std::string> GetString(const std::string& name) const;

  // Names of the values of the key, in the hive's order.
  std::vector<std::string> ValueNames() const;

  const std::string& Path() const { return path_; }

 private:
  RegistryKey(Hive hive, std::string path, unsigned access)
      : hive_(hive), path_(std::move(path)), access_(access) {}

  // The hive as read by OpenSnapshot, or the file as it is now.
  bool Load(std::shared_ptr<const regfile::Document>* doc) const;

  Hive hive_;
  std::string path_;
  unsigned access_;
  std::shared_ptr<const regfile::Document> snapshot_;  // null: every query reads the file
};

// Creates the key and every missing parent (the hive file too). True when it exists afterwards.
// Only the installer creates keys.
bool CreateKey(Hive hive, const std::string& path);

// True when a change of the hive can be made now: its lock can be taken, an existing hive file is
// read and parsed (a missing one is created by the change), and a file can be replaced in its
// folder. A hive whose folder does not exist yet counts as writable. Otherwise false with the
// hive file's path and the reason in *reason (when given). Changes nothing.
bool CheckHiveWritable(Hive hive, std::string* reason = nullptr);

// Deletes the key with all its subkeys and values. False when it did not exist or the hive
// could not be changed.
bool DeleteKeyTree(Hive hive, const std::string& path);

}  // namespace orbello::platform
