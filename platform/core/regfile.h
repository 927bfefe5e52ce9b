// The REGEDIT4 text form of one hive, parsed into memory and written back.
//
// Accepted input: an optional UTF-8 byte-order mark and blank lines, then the line "REGEDIT4";
// blank lines and lines starting with ';' anywhere; sections "[ROOT\key\path]"; values
//   "Name"="text"        REG_SZ whose data is the text and one zero; \\ and \" are escapes
//   "Name"=dword:1a      REG_DWORD, 1 to 8 hex digits
//   "Name"=hex:01,02     REG_BINARY
//   "Name"=hex(N):..     type N (hex), e.g. hex(1) for a REG_SZ with any other data
//   @=...                the key's default value
// with spaces or tabs around '=' and between hex bytes, a trailing ';' comment, and hex lists
// continued over lines by a final '\'. LF or CRLF line ends. Anything else is an error.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbello::platform::regfile {

struct Value {
  std::string name;  // "" = default value
  uint32_t type = 0;
  std::vector<unsigned char> data;
};

struct Key {
  std::string path;  // below the root, '\'-separated, as first spelled
  std::vector<Value> values;
};

// Keys are found through an index of their lower-cased paths, so a hive with thousands of keys
// is looked up in logarithmic time. Add and remove keys only through AddKey and RemoveKeyTree;
// an index that no longer matches `keys` is rebuilt (or, in the const lookups, bypassed).
class Document {
 public:
  std::vector<Key> keys;  // in file order; no two keys with equal paths (ignoring case)

  Key* FindKey(std::string_view path);
  const Key* FindKey(std::string_view path) const;
  // True when the key or one of its subkeys is present.
  bool KeyExists(std::string_view path) const;
  // The key, added at the end when missing (its parents are implied, not added).
  Key& AddKey(std::string_view path);
  // Removes the key and its subkeys; returns whether anything existed.
  bool RemoveKeyTree(std::string_view path);

 private:
  bool IndexMatches() const { return index_.size() == keys.size(); }
  void RebuildIndex();
  // Index in `keys` of the key whose path equals `path` ignoring case, or -1.
  long FindIndex(std::string_view path) const;

  std::map<std::string, size_t> index_;  // lower-cased path -> position in keys
};

// ASCII case-insensitive equality, as the registry compares names.
bool NamesEqual(std::string_view a, std::string_view b);

// Normalises a key path: separators collapsed, no leading/trailing '\'. nullopt for an empty
// path or one with an empty component it cannot repair.
std::optional<std::string> NormaliseKeyPath(std::string_view path);

// Parses a hive whose sections must all begin with `root` (e.g. "HKEY_CURRENT_USER").
// nullopt (and a reason in *error when given) for anything malformed.
std::optional<Document> Parse(std::string_view text, std::string_view root,
                              std::string* error = nullptr);

// Parse that keeps only the key `path` (normalised) and its subkeys; the rest of the hive is
// checked all the same, so it fails exactly when Parse fails. For reading one key of a hive
// that holds thousands of others.
std::optional<Document> ParseKeyTree(std::string_view text, std::string_view root,
                                     std::string_view path, std::string* error = nullptr);

// Writes the document; Parse(Serialise(d)) gives d back.
std::string Serialise(const Document& doc, std::string_view root);

}  // namespace orbello::platform::regfile
