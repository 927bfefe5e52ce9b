// The names of a skin's seven ball colours, as a sighted player would say them, for the screen
// reader. They come from a names file beside the skin ("classic.sf" -> "classic.sf.names"),
// which names the skin file it belongs to by its length and a hash of its bytes, so a skin
// replaced under the same name is never described with the old skin's colours.
//
// UTF-8 text, LF line ends:
//   orbello-color-names 1 <skin file length, decimal> <FNV-1a 64 of the skin file, 16 hex digits>
//   seven lines: the names of colours 0..6, each a word or two of letters (of any script), parted
//   by single spaces or hyphens, 1..24 characters
// Without a usable file, or with one name that is not such, the colours are "colour 1" to
// "colour 7".
#pragma once

#include <array>
#include <string>

namespace orbello::skinfile {

inline constexpr int kColorNameCount = 7;
inline constexpr size_t kMaxColorNameChars = 24;

using ColorNames = std::array<std::string, kColorNameCount>;

// "<skin path>.names".
std::string ColorNamesPath(const std::string& skin_path);

// The names "colour 1" to "colour 7".
ColorNames NumberedColorNames();

// The names for the skin at `skin_path`: those of its names file when that file is well formed and
// belongs to the skin file's present bytes, else the numbered names.
ColorNames ReadColorNames(const std::string& skin_path);

// The names in `text` when it is a well-formed names file for a skin of these bytes; false
// otherwise, leaving *names alone.
bool ParseColorNames(const std::string& text, const std::string& skin_bytes, ColorNames* names);

}  // namespace orbello::skinfile
