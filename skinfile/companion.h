// The double-density companion of a skin: the same five pictures at twice the pixels in each
// direction, in a file of its own beside the skin file ("classic.sf" -> "classic.sf2x"), so that
// the skin file stays exactly as it is. Only the shipped skins have one; a game on a screen of
// double density draws from it.
//
// A companion names the skin file it belongs to by that file's length and a hash of its bytes:
// a skin replaced under the same name never shows the old skin's pictures. It begins with a
// signature where a skin file has its five lengths, so a companion chosen as a skin fails to load
// (its first picture is no bitmap) instead of being drawn as a skin of the wrong size.
//
// Layout, numbers little-endian:
//    0  20  kCompanionSignature
//   20   4  version, 1
//   24   8  length of the skin file
//   32   8  FNV-1a (64 bits) of the skin file's bytes
//   40  20  the five picture lengths, as in a skin file's header
//   60      the five BMP files back to back, in the skin's picture order
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "skinfile/skinfile.h"

namespace orbello::skinfile {

inline constexpr char kCompanionSignature[] = "Orbello skin @2x\r\n\x1a";  // 20 bytes with its 0
inline constexpr int kCompanionHeaderSize = 60;
// A companion is read whole; anything larger is none.
inline constexpr size_t kMaxCompanionBytes = size_t{64} << 20;

// "<skin path>2x".
std::string CompanionPath(const std::string& skin_path);

// FNV-1a, 64 bits.
uint64_t Fnv1a64(const std::string& bytes);

// Writes the companion of the skin file at `skin_path` (which must exist) to `companion_path`
// from five BMP files in picture order. False with a reason in *error.
bool WriteCompanion(const std::string& companion_path, const std::string& skin_path,
                    const std::array<std::string, kPictureCount>& bmp_paths, std::string* error);

// The five pictures' bytes of the companion beside `skin_path`. False, quietly, when there is
// none, when it is damaged or cut short, or when it belongs to other bytes than the skin file's
// present ones; the caller then does without.
bool ReadCompanion(const std::string& skin_path, std::array<std::string, kPictureCount>* pictures);

}  // namespace orbello::skinfile
