#include "platform/core/regfile.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <utility>

#include "platform/core/bytes.h"
#include "platform/core/registry.h"

namespace orbello::platform::regfile {
namespace {

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCopy(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = Lower(c);
  return lower;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && NamesEqual(text.substr(0, prefix.size()), prefix);
}

// True when `path` is `key` or lies below it.
bool IsSameOrBelow(std::string_view path, std::string_view key) {
  if (!StartsWithNoCase(path, key)) {
    return false;
  }
  return path.size() == key.size() || path[key.size()] == '\\';
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Reads lines one at a time; a CR before the LF belongs to the line end.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool Next(std::string_view* line) {
    if (pos_ >= text_.size()) {
      return false;
    }
    size_t end = text_.find('\n', pos_);
    size_t next = end == std::string_view::npos ? text_.size() : end + 1;
    if (end == std::string_view::npos)
      end = text_.size();
    std::string_view result = text_.substr(pos_, end - pos_);
    if (!result.empty() && result.back() == '\r')
      result.remove_suffix(1);
    pos_ = next;
    ++number_;
    *line = result;
    return true;
  }
  int Number() const { return number_; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
  int number_ = 0;
};

void SkipBlanks(std::string_view& s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
}

// The rest of a line after a value: blanks, optionally a ';' comment.
bool OnlyTrailer(std::string_view s) {
  SkipBlanks(s);
  return s.empty() || s.front() == ';';
}

// A double-quoted string with the escapes \\ and \"; any other backslash stands for itself.
bool ParseQuoted(std::string_view& s, std::string* out) {
  if (s.empty() || s.front() != '"')
    return false;
  s.remove_prefix(1);
  out->clear();
  while (!s.empty()) {
    // Plain runs are copied whole.
    size_t special = 0;
    while (special < s.size() && s[special] != '"' && s[special] != '\\')
      ++special;
    if (special == s.size())
      break;
    out->append(s.data(), special);
    char c = s[special];
    s.remove_prefix(special + 1);
    if (c == '"')
      return true;
    if (!s.empty() && (s.front() == '\\' || s.front() == '"')) {
      c = s.front();
      s.remove_prefix(1);
    }
    out->push_back(c);
  }
  return false;
}

bool ParseHexNumber(std::string_view digits, uint32_t* value) {
  if (digits.empty() || digits.size() > 8)
    return false;
  uint32_t v = 0;
  for (char c : digits) {
    int d = HexDigit(c);
    if (d < 0)
      return false;
    v = (v << 4) | static_cast<uint32_t>(d);
  }
  *value = v;
  return true;
}

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (char c : text) {
    if (c == '\\' || c == '"')
      out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

// Data that reads back the same when written as "text": the text, then exactly one zero, and no
// line-break characters inside.
bool IsPlainString(const Value& value) {
  if (value.type != kRegSz || value.data.empty() || value.data.back() != 0)
    return false;
  for (size_t i = 0; i + 1 < value.data.size(); ++i) {
    unsigned char c = value.data[i];
    if (c == 0 || c == '\r' || c == '\n')
      return false;
  }
  return true;
}

}  // namespace

bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i]))
      return false;
  }
  return true;
}

std::optional<std::string> NormaliseKeyPath(std::string_view path) {
  // Most paths are normal already.
  bool normal = !path.empty() && path.front() != '\\' && path.back() != '\\';
  for (size_t i = 0; normal && i < path.size(); ++i) {
    char c = path[i];
    normal = c != '\0' && c != '\r' && c != '\n' && (c != '\\' || path[i - 1] != '\\');
  }
  if (normal)
    return std::string(path);
  std::string result;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos)
      end = path.size();
    std::string_view part = path.substr(start, end - start);
    if (!part.empty()) {
      for (char c : part) {
        if (c == '\0' || c == '\r' || c == '\n')
          return std::nullopt;
      }
      if (!result.empty())
        result.push_back('\\');
      result.append(part);
    }
    start = end + 1;
  }
  if (result.empty())
    return std::nullopt;
  return result;
}

void Document::RebuildIndex() {
  index_.clear();
  for (size_t i = 0; i < keys.size(); ++i)
    index_.emplace(LowerCopy(keys[i].path), i);
}

long Document::FindIndex(std::string_view path) const {
  if (IndexMatches()) {
    auto found = index_.find(LowerCopy(path));
    if (found == index_.end())
      return -1;
    if (found->second < keys.size() && NamesEqual(keys[found->second].path, path))
      return static_cast<long>(found->second);
  }
  // `keys` was changed behind the index's back: a plain search is still right.
  for (size_t i = 0; i < keys.size(); ++i) {
    if (NamesEqual(keys[i].path, path))
      return static_cast<long>(i);
  }
  return -1;
}

Key* Document::FindKey(std::string_view path) {
  if (!IndexMatches())
    RebuildIndex();
  long i = FindIndex(path);
  return i < 0 ? nullptr : &keys[static_cast<size_t>(i)];
}

const Key* Document::FindKey(std::string_view path) const {
  long i = FindIndex(path);
  return i < 0 ? nullptr : &keys[static_cast<size_t>(i)];
}

bool Document::KeyExists(std::string_view path) const {
  if (FindIndex(path) >= 0)
    return true;
  if (IndexMatches()) {
    // Subkeys sort right after "<path>\\" among the lower-cased paths.
    std::string below = LowerCopy(path);
    below.push_back('\\');
    auto next = index_.lower_bound(below);
    if (next == index_.end() || next->first.compare(0, below.size(), below) != 0)
      return false;
    if (next->second < keys.size() && IsSameOrBelow(keys[next->second].path, path))
      return true;
  }
  return std::any_of(keys.begin(), keys.end(),
                     [&](const Key& key) { return IsSameOrBelow(key.path, path); });
}

Key& Document::AddKey(std::string_view path) {
  if (!IndexMatches())
    RebuildIndex();
  auto [position, added] = index_.try_emplace(LowerCopy(path), keys.size());
  if (!added && position->second < keys.size() && NamesEqual(keys[position->second].path, path))
    return keys[position->second];
  if (!added) {
    // A stale entry: rebuild and look again.
    RebuildIndex();
    if (Key* key = FindKey(path))
      return *key;
    index_.emplace(LowerCopy(path), keys.size());
  }
  keys.push_back(Key{std::string(path), {}});
  return keys.back();
}

bool Document::RemoveKeyTree(std::string_view path) {
  size_t before = keys.size();
  std::erase_if(keys, [&](const Key& key) { return IsSameOrBelow(key.path, path); });
  RebuildIndex();
  return keys.size() != before;
}

namespace {

// Places of the values of one key by lower-cased name, made once a key has many values so that
// a key with thousands of them still parses in linear time.
constexpr size_t kLinearValues = 16;

Value* FindValue(Key& key, std::string_view name, std::unordered_map<std::string, size_t>* index) {
  if (index == nullptr) {
    for (Value& v : key.values) {
      if (NamesEqual(v.name, name))
        return &v;
    }
    return nullptr;
  }
  if (index->empty()) {
    for (size_t i = 0; i < key.values.size(); ++i)
      index->try_emplace(LowerCopy(key.values[i].name), i);
  }
  auto found = index->find(LowerCopy(name));
  return found == index->end() ? nullptr : &key.values[found->second];
}

// Parses a whole hive; with `keep` only the key `*keep` and its subkeys are stored, while the
// rest is still checked. Each part of the format has its parser; each parser reports the first
// fault through Fail and returns false.
class HiveParser {
 public:
  HiveParser(std::string_view text, std::string_view root, const std::string_view* keep)
      : reader_(text), root_(root), keep_(keep) {}

  std::optional<Document> Run(std::string* error) {
    bool ok = ParseHeader();
    std::string_view line;
    while (ok && reader_.Next(&line))
      ok = ParseLine(line);
    if (!ok) {
      if (error != nullptr)
        *error = std::move(error_);
      return std::nullopt;
    }
    return std::move(doc_);
  }

 private:
  // Index of the current key in doc_.keys; -1 before the first section or in the root section,
  // kSkipped in a key that is checked but not kept.
  static constexpr long kOutsideKeys = -1;
  static constexpr long kSkipped = -2;

  bool Fail(int line, const char* why) {
    error_ = "line " + std::to_string(line) + ": " + why;
    return false;
  }

  // Blank lines, then "REGEDIT4".
  bool ParseHeader() {
    std::string_view line;
    while (reader_.Next(&line)) {
      SkipBlanks(line);
      while (!line.empty() && IsBlank(line.back()))
        line.remove_suffix(1);
      if (line.empty())
        continue;
      if (line != "REGEDIT4")
        return Fail(reader_.Number(), "the first line must be REGEDIT4");
      return true;
    }
    return Fail(reader_.Number(), "no REGEDIT4 line");
  }

  bool ParseLine(std::string_view line) {
    SkipBlanks(line);
    if (line.empty() || line.front() == ';')
      return true;
    if (line.front() == '[')
      return ParseSection(line);
    if (line.front() != '"' && line.front() != '@')
      return Fail(reader_.Number(), "unexpected line");
    if (current_ == kOutsideKeys)
      return Fail(reader_.Number(), "value outside a key");
    if (!ParseValue(line))
      return false;
    if (current_ != kSkipped)
      StoreValue();
    return true;
  }

  // "[ROOT\key\path]": makes the key current.
  bool ParseSection(std::string_view line) {
    const int number = reader_.Number();
    size_t close = line.rfind(']');
    if (close == std::string_view::npos)
      return Fail(number, "section without ']'");
    std::string_view rest = line.substr(close + 1);
    SkipBlanks(rest);
    if (!rest.empty())
      return Fail(number, "text after the section");
    std::string_view full = line.substr(1, close - 1);
    if (!full.empty() && full.front() == '-')
      return Fail(number, "key deletion in a hive");
    if (!IsSameOrBelow(full, root_))
      return Fail(number, "section outside this hive");
    std::string_view below = full.substr(root_.size());
    if (below.empty()) {
      current_ = kOutsideKeys;
      return true;
    }
    std::optional<std::string> path = NormaliseKeyPath(below);
    if (!path)
      return Fail(number, "bad key path");
    if (keep_ != nullptr && !IsSameOrBelow(*path, *keep_)) {
      current_ = kSkipped;
      return true;
    }
    Key& key = doc_.AddKey(*path);
    current_ = &key - doc_.keys.data();
    return true;
  }

  // "Name"=data or @=data, into value_.
  bool ParseValue(std::string_view line) {
    const int number = reader_.Number();
    value_.name.clear();
    value_.data.clear();
    if (line.front() == '@') {
      line.remove_prefix(1);
    } else if (!ParseQuoted(line, &value_.name)) {
      return Fail(number, "unterminated value name");
    }
    SkipBlanks(line);
    if (line.empty() || line.front() != '=')
      return Fail(number, "'=' expected");
    line.remove_prefix(1);
    SkipBlanks(line);
    if (!line.empty() && line.front() == '"')
      return ParseString(line);
    if (StartsWithNoCase(line, "dword:"))
      return ParseDword(line.substr(6));
    if (StartsWithNoCase(line, "hex"))
      return ParseHex(line.substr(3));
    return Fail(number, "unknown value data");
  }

  bool ParseString(std::string_view line) {
    std::string data;
    if (!ParseQuoted(line, &data))
      return Fail(reader_.Number(), "unterminated string");
    if (!OnlyTrailer(line))
      return Fail(reader_.Number(), "text after the string");
    value_.type = kRegSz;
    value_.data.assign(data.begin(), data.end());
    value_.data.push_back(0);
    return true;
  }

  // The hex digits after "dword:".
  bool ParseDword(std::string_view line) {
    size_t digits = 0;
    while (digits < line.size() && HexDigit(line[digits]) >= 0)
      ++digits;
    uint32_t v = 0;
    if (!ParseHexNumber(line.substr(0, digits), &v))
      return Fail(reader_.Number(), "bad dword");
    if (!OnlyTrailer(line.substr(digits)))
      return Fail(reader_.Number(), "text after the dword");
    value_.type = kRegDword;
    value_.data.assign(4, 0);
    PutLittleEndian(value_.data.data(), v);
    return true;
  }

  // What follows "hex": an optional "(type)", then ':' and the bytes.
  bool ParseHex(std::string_view line) {
    value_.type = kRegBinary;
    if (!line.empty() && line.front() == '(') {
      size_t close = line.find(')');
      if (close == std::string_view::npos ||
          !ParseHexNumber(line.substr(1, close - 1), &value_.type)) {
        return Fail(reader_.Number(), "bad hex type");
      }
      line.remove_prefix(close + 1);
    }
    if (line.empty() || line.front() != ':')
      return Fail(reader_.Number(), "':' expected");
    line.remove_prefix(1);
    return ParseHexBytes(line);
  }

  // Bytes separated by commas; a final '\' continues the list on the next line.
  bool ParseHexBytes(std::string_view line) {
    bool need_byte = false;  // after a comma
    for (;;) {
      SkipBlanks(line);
      if (line.empty() || line.front() == ';') {
        if (need_byte)
          return Fail(reader_.Number(), "hex list ends with ','");
        return true;
      }
      if (line.front() == '\\') {
        line.remove_prefix(1);
        if (!OnlyTrailer(line))
          return Fail(reader_.Number(), "text after '\\'");
        if (!reader_.Next(&line))
          return Fail(reader_.Number(), "hex list continues past the end");
        continue;
      }
      if (!value_.data.empty() && !need_byte) {
        if (line.front() != ',')
          return Fail(reader_.Number(), "',' expected");
        line.remove_prefix(1);
        need_byte = true;
        continue;
      }
      size_t digits = 0;
      while (digits < line.size() && digits < 3 && HexDigit(line[digits]) >= 0)
        ++digits;
      if (digits == 0 || digits > 2)
        return Fail(reader_.Number(), "bad hex byte");
      value_.data.push_back(static_cast<unsigned char>(
          digits == 1 ? HexDigit(line[0]) : HexDigit(line[0]) * 16 + HexDigit(line[1])));
      line.remove_prefix(digits);
      need_byte = false;
    }
  }

  // A name given twice in a key keeps its first place and its last data.
  void StoreValue() {
    Key& key = doc_.keys[static_cast<size_t>(current_)];
    std::unordered_map<std::string, size_t>* index =
        key.values.size() < kLinearValues ? nullptr : &value_indexes_[current_];
    if (Value* same = FindValue(key, value_.name, index)) {
      same->type = value_.type;
      same->data = std::move(value_.data);
    } else {
      if (index != nullptr)
        index->try_emplace(LowerCopy(value_.name), key.values.size());
      key.values.push_back(std::move(value_));
    }
  }

  LineReader reader_;
  std::string_view root_;
  const std::string_view* keep_;
  std::string error_;
  Document doc_;
  // Value indexes of the keys that have many values, by key position.
  std::unordered_map<long, std::unordered_map<std::string, size_t>> value_indexes_;
  long current_ = kOutsideKeys;
  // Reused for every value, so that the values of skipped keys cost no allocations.
  Value value_;
};

std::optional<Document> ParseHive(std::string_view text, std::string_view root,
                                  const std::string_view* keep, std::string* error) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF")
    text.remove_prefix(3);
  return HiveParser(text, root, keep).Run(error);
}

}  // namespace

std::optional<Document> Parse(std::string_view text, std::string_view root, std::string* error) {
  return ParseHive(text, root, nullptr, error);
}

std::optional<Document> ParseKeyTree(std::string_view text, std::string_view root,
                                     std::string_view path, std::string* error) {
  return ParseHive(text, root, &path, error);
}

std::string Serialise(const Document& doc, std::string_view root) {
  std::string out = "REGEDIT4\n\n";
  char buffer[32];
  for (const Key& key : doc.keys) {
    out += '[';
    out += root;
    out += '\\';
    out += key.path;
    out += "]\n";
    for (const Value& value : key.values) {
      std::string line =
          value.name.empty() ? std::string("@=") : "\"" + Escape(value.name).append("\"=");
      if (IsPlainString(value)) {
        line += '"';
        line += Escape(std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                        value.data.size() - 1));
        line += '"';
      } else if (value.type == kRegDword && value.data.size() == 4) {
        const uint32_t v = GetLittleEndian<uint32_t>(value.data.data());
        std::snprintf(buffer, sizeof buffer, "dword:%08x", v);
        line += buffer;
      } else {
        if (value.type == kRegBinary) {
          line += "hex:";
        } else {
          std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
          line += buffer;
        }
        // Wrapped like the system's editor: lines under 80 columns, continued by ",\".
        for (size_t i = 0; i < value.data.size(); ++i) {
          std::snprintf(buffer, sizeof buffer, "%02x", value.data[i]);
          if (i > 0) {
            line += ',';
            if (line.size() + 3 > 77) {
              out += line;
              out += "\\\n";
              line = "  ";
            }
          }
          line += buffer;
        }
      }
      out += line;
      out += '\n';
    }
    out += '\n';
  }
  return out;
}

}  // namespace orbello::platform::regfile
