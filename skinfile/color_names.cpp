#include "skinfile/color_names.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>
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

// The letters of the scripts colour names are written in, with their combining marks: Latin,
// Greek, Cyrillic, Armenian, Hebrew, Arabic, the Indic scripts, Thai, Lao, Myanmar, Khmer,
// Georgian, Ethiopic, Hangul, kana and the CJK ideographs. Digits, punctuation, symbols, spaces
// other than the plain one, and every format or control character (bidi controls, zero-width
// characters, the byte order mark, line separators) are not among them.
struct CodeRange {
  char32_t first;
  char32_t last;
};
constexpr CodeRange kLetters[] = {
    {0x41, 0x5A},       {0x61, 0x7A},     {0xAA, 0xAA},     {0xB5, 0xB5},     {0xBA, 0xBA},
    {0xC0, 0xD6},       {0xD8, 0xF6},     {0xF8, 0x2C1},    {0x2C6, 0x2D1},   {0x2E0, 0x2E4},
    {0x2EC, 0x2EC},     {0x2EE, 0x2EE},   {0x300, 0x373},   {0x376, 0x377},   {0x37A, 0x37D},
    {0x37F, 0x37F},     {0x386, 0x386},   {0x388, 0x3F5},   {0x3F7, 0x481},   {0x483, 0x52F},
    {0x531, 0x556},     {0x559, 0x559},   {0x560, 0x588},   {0x591, 0x5BD},   {0x5BF, 0x5BF},
    {0x5C1, 0x5C2},     {0x5C4, 0x5C5},   {0x5C7, 0x5C7},   {0x5D0, 0x5EA},   {0x5EF, 0x5F2},
    {0x610, 0x61A},     {0x620, 0x65F},   {0x66E, 0x6D3},   {0x6D5, 0x6DC},   {0x6DF, 0x6E8},
    {0x6EA, 0x6EF},     {0x6FA, 0x6FC},   {0x6FF, 0x6FF},   {0x750, 0x77F},   {0x900, 0x963},
    {0x971, 0x9E3},     {0xA00, 0xA63},   {0xA80, 0xAE3},   {0xB00, 0xB63},   {0xB80, 0xBE3},
    {0xC00, 0xC63},     {0xC80, 0xCE3},   {0xD00, 0xD63},   {0xD80, 0xDE3},   {0xE01, 0xE3A},
    {0xE40, 0xE4E},     {0xE81, 0xECE},   {0xEDC, 0xEDF},   {0x1000, 0x103F}, {0x1050, 0x108F},
    {0x109A, 0x109D},   {0x10A0, 0x10FA}, {0x10FC, 0x10FF}, {0x1100, 0x11FF}, {0x1200, 0x135A},
    {0x1780, 0x17D3},   {0x17D7, 0x17D7}, {0x17DC, 0x17DD}, {0x1E00, 0x1F15}, {0x1F18, 0x1FBC},
    {0x1FBE, 0x1FBE},   {0x1FC2, 0x1FCC}, {0x1FD0, 0x1FDB}, {0x1FE0, 0x1FEC}, {0x1FF2, 0x1FFC},
    {0x2C60, 0x2C7F},   {0x3041, 0x3096}, {0x3099, 0x309A}, {0x309D, 0x309F}, {0x30A1, 0x30FA},
    {0x30FC, 0x30FF},   {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xA722, 0xA788}, {0xA78B, 0xA7FF},
    {0xAC00, 0xD7A3},   {0xF900, 0xFAFF}, {0xFF21, 0xFF3A}, {0xFF41, 0xFF5A}, {0xFF66, 0xFF9F},
    {0x20000, 0x2A6DF},
};

bool IsLetter(char32_t code) {
  const CodeRange* end = std::end(kLetters);
  const CodeRange* range = std::lower_bound(
      std::begin(kLetters), end, code,
      [](const CodeRange& candidate, char32_t wanted) { return candidate.last < wanted; });
  return range != end && range->first <= code;
}

// Decodes the next character of well-formed UTF-8 at `*at`, moving past it; false for anything
// that is not (cut or overlong forms, surrogates, values past Unicode).
bool NextCharacter(const std::string& text, size_t* at, char32_t* code) {
  const auto lead = static_cast<unsigned char>(text[*at]);
  size_t length = 0;
  if (lead < 0x80) {
    length = 1;
    *code = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    *code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    *code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    *code = lead & 0x07;
  } else {
    return false;
  }
  if (text.size() - *at < length)
    return false;
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[*at + k]);
    if ((next & 0xC0) != 0x80)
      return false;
    *code = (*code << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (*code < kSmallest[length] || (*code >= 0xD800 && *code <= 0xDFFF) || *code > 0x10FFFF)
    return false;
  *at += length;
  return true;
}

// A colour name is read out between a cell's name and "ball": a word or two of letters, the words
// parted by one space or hyphen, at most kMaxColorNameChars characters. Nothing else may reach the
// screen reader.
bool IsColorName(const std::string& name) {
  size_t chars = 0;
  bool after_letter = false;
  for (size_t at = 0; at < name.size();) {
    char32_t code = 0;
    if (!NextCharacter(name, &at, &code) || ++chars > kMaxColorNameChars)
      return false;
    if (code == ' ' || code == '-') {
      if (!after_letter)
        return false;
      after_letter = false;
    } else if (IsLetter(code)) {
      after_letter = true;
    } else {
      return false;
    }
  }
  return after_letter;
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
    if (!IsColorName(lines[1 + k]))
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
