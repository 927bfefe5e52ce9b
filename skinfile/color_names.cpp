#include "skinfile/color_names.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "platform/core/files.h"
#include "skinfile/companion.h"

namespace orbello::skinfile {

namespace {

// The names file of a shipped skin is some hundred bytes; anything much larger is not one.
constexpr size_t kMaxNamesBytes = 4096;
constexpr size_t kMaxSkinBytes = size_t{64} << 20;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = text.find('\n', at);
    if (end == std::string::npos) {
      lines.push_back(text.substr(at));
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

// Counts the characters of a name that is valid UTF-8 without control characters (C0, DEL, C1);
// -1 for anything else.
long PrintableChars(const std::string& name) {
  long count = 0;
  size_t i = 0;
  while (i < name.size()) {
    const auto lead = static_cast<unsigned char>(name[i]);
    size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      length = 1;
      code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      code = lead & 0x07;
    } else {
      return -1;
    }
    if (name.size() - i < length)
      return -1;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(name[i + k]);
      if ((next & 0xC0) != 0x80)
        return -1;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not text.
    constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
      return -1;
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
      return -1;
    i += length;
    ++count;
  }
  return count;
}

bool ParseDecimal(const std::string& text, uint64_t* value) {
  if (text.empty() || text.size() > 20)
    return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string ColorNamesPath(const std::string& skin_path) {
  return skin_path + ".names";
}

ColorNames NumberedColorNames() {
  ColorNames names;
  for (int k = 0; k < kColorNameCount; ++k)
    names[k] = "colour " + std::to_string(k + 1);
  return names;
}

bool ParseColorNames(const std::string& text, const std::string& skin_bytes, ColorNames* names) {
  std::vector<std::string> lines = SplitLines(text);
  if (lines.size() != 1 + kColorNameCount)
    return false;
  const std::string& header = lines[0];
  const std::string kSignature = "orbello-color-names 1 ";
  if (header.compare(0, kSignature.size(), kSignature) != 0)
    return false;
  const size_t space = header.find(' ', kSignature.size());
  if (space == std::string::npos)
    return false;
  uint64_t length = 0;
  if (!ParseDecimal(header.substr(kSignature.size(), space - kSignature.size()), &length) ||
      length != skin_bytes.size()) {
    return false;
  }
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a64(skin_bytes)));
  if (header.substr(space + 1) != hash)
    return false;
  ColorNames found;
  for (int k = 0; k < kColorNameCount; ++k) {
    const long chars = PrintableChars(lines[1 + k]);
    if (chars < 1 || chars > static_cast<long>(kMaxColorNameChars))
      return false;
    found[k] = std::move(lines[1 + k]);
  }
  *names = std::move(found);
  return true;
}

ColorNames ReadColorNames(const std::string& skin_path) {
  ColorNames names = NumberedColorNames();
  std::string text;
  if (!platform::ReadRegularFile(ColorNamesPath(skin_path), kMaxNamesBytes, &text))
    return names;
  // The skin is read only when there are names to check against it.
  std::string skin;
  if (!platform::ReadRegularFile(skin_path, kMaxSkinBytes, &skin))
    return names;
  ParseColorNames(text, skin, &names);
  return names;
}

}  // namespace orbello::skinfile
