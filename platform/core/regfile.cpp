#include "platform/core/regfile.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

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
  int number() const { return number_; }

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
  if (value.type != 1 || value.data.empty() || value.data.back() != 0)
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

// Parses the whole hive; with `keep` only the key `*keep` and its subkeys are stored, while the
// rest is still checked.
std::optional<Document> ParseHive(std::string_view text, std::string_view root,
                                  const std::string_view* keep, std::string* error) {
  auto fail = [&](int line, const char* why) -> std::optional<Document> {
    if (error != nullptr)
      *error = "line " + std::to_string(line) + ": " + why;
    return std::nullopt;
  };
  if (text.substr(0, 3) == "\xEF\xBB\xBF")
    text.remove_prefix(3);
  LineReader reader(text);
  std::string_view line;
  bool header = false;
  while (reader.Next(&line)) {
    SkipBlanks(line);
    while (!line.empty() && IsBlank(line.back()))
      line.remove_suffix(1);
    if (line.empty())
      continue;
    if (line != "REGEDIT4")
      return fail(reader.number(), "the first line must be REGEDIT4");
    header = true;
    break;
  }
  if (!header)
    return fail(reader.number(), "no REGEDIT4 line");

  Document doc;
  // Value indexes of the keys that have many values, by key position.
  std::unordered_map<long, std::unordered_map<std::string, size_t>> value_indexes;
  // Index of the current key in doc.keys; -1 before the first section or in the root section,
  // kSkipped in a key that is checked but not kept.
  constexpr long kSkipped = -2;
  long current = -1;
  // Reused for every value, so that the values of skipped keys cost no allocations.
  Value value;
  while (reader.Next(&line)) {
    SkipBlanks(line);
    if (line.empty() || line.front() == ';')
      continue;
    const int number = reader.number();
    if (line.front() == '[') {
      size_t close = line.rfind(']');
      if (close == std::string_view::npos)
        return fail(number, "section without ']'");
      std::string_view rest = line.substr(close + 1);
      SkipBlanks(rest);
      if (!rest.empty())
        return fail(number, "text after the section");
      std::string_view full = line.substr(1, close - 1);
      if (!full.empty() && full.front() == '-')
        return fail(number, "key deletion in a hive");
      if (!IsSameOrBelow(full, root))
        return fail(number, "section outside this hive");
      std::string_view below = full.substr(root.size());
      if (below.empty()) {
        current = -1;
        continue;
      }
      std::optional<std::string> path = NormaliseKeyPath(below);
      if (!path)
        return fail(number, "bad key path");
      if (keep != nullptr && !IsSameOrBelow(*path, *keep)) {
        current = kSkipped;
        continue;
      }
      Key& key = doc.AddKey(*path);
      current = &key - doc.keys.data();
      continue;
    }
    if (line.front() != '"' && line.front() != '@')
      return fail(number, "unexpected line");
    if (current == -1)
      return fail(number, "value outside a key");

    value.name.clear();
    value.data.clear();
    if (line.front() == '@') {
      line.remove_prefix(1);
    } else if (!ParseQuoted(line, &value.name)) {
      return fail(number, "unterminated value name");
    }
    SkipBlanks(line);
    if (line.empty() || line.front() != '=')
      return fail(number, "'=' expected");
    line.remove_prefix(1);
    SkipBlanks(line);

    if (!line.empty() && line.front() == '"') {
      std::string data;
      if (!ParseQuoted(line, &data))
        return fail(number, "unterminated string");
      if (!OnlyTrailer(line))
        return fail(number, "text after the string");
      value.type = 1;
      value.data.assign(data.begin(), data.end());
      value.data.push_back(0);
    } else if (StartsWithNoCase(line, "dword:")) {
      line.remove_prefix(6);
      size_t digits = 0;
      while (digits < line.size() && HexDigit(line[digits]) >= 0)
        ++digits;
      uint32_t v = 0;
      if (!ParseHexNumber(line.substr(0, digits), &v))
        return fail(number, "bad dword");
      if (!OnlyTrailer(line.substr(digits)))
        return fail(number, "text after the dword");
      value.type = 4;
      value.data = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                    static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    } else if (StartsWithNoCase(line, "hex")) {
      line.remove_prefix(3);
      value.type = 3;
      if (!line.empty() && line.front() == '(') {
        size_t close = line.find(')');
        if (close == std::string_view::npos ||
            !ParseHexNumber(line.substr(1, close - 1), &value.type)) {
          return fail(number, "bad hex type");
        }
        line.remove_prefix(close + 1);
      }
      if (line.empty() || line.front() != ':')
        return fail(number, "':' expected");
      line.remove_prefix(1);
      // Bytes separated by commas; a final '\' continues the list on the next line.
      bool need_byte = false;  // after a comma
      for (;;) {
        SkipBlanks(line);
        if (line.empty() || line.front() == ';') {
          if (need_byte)
            return fail(reader.number(), "hex list ends with ','");
          break;
        }
        if (line.front() == '\\') {
          line.remove_prefix(1);
          if (!OnlyTrailer(line))
            return fail(reader.number(), "text after '\\'");
          if (!reader.Next(&line))
            return fail(reader.number(), "hex list continues past the end");
          continue;
        }
        if (!value.data.empty() && !need_byte) {
          if (line.front() != ',')
            return fail(reader.number(), "',' expected");
          line.remove_prefix(1);
          need_byte = true;
          continue;
        }
        size_t digits = 0;
        while (digits < line.size() && digits < 3 && HexDigit(line[digits]) >= 0)
          ++digits;
        if (digits == 0 || digits > 2)
          return fail(reader.number(), "bad hex byte");
        value.data.push_back(static_cast<unsigned char>(
            digits == 1 ? HexDigit(line[0]) : HexDigit(line[0]) * 16 + HexDigit(line[1])));
        line.remove_prefix(digits);
        need_byte = false;
      }
    } else {
      return fail(number, "unknown value data");
    }

    if (current == kSkipped)
      continue;
    // A name given twice in a key keeps its first place and its last data.
    Key& key = doc.keys[static_cast<size_t>(current)];
    std::unordered_map<std::string, size_t>* index =
        key.values.size() < kLinearValues ? nullptr : &value_indexes[current];
    if (Value* same = FindValue(key, value.name, index)) {
      same->type = value.type;
      same->data = std::move(value.data);
    } else {
      if (index != nullptr)
        index->try_emplace(LowerCopy(value.name), key.values.size());
      key.values.push_back(std::move(value));
    }
  }
  return doc;
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
      } else if (value.type == 4 && value.data.size() == 4) {
        uint32_t v = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                     static_cast<uint32_t>(value.data[3]) << 24;
        std::snprintf(buffer, sizeof buffer, "dword:%08x", v);
        line += buffer;
      } else {
        if (value.type == 3) {
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
