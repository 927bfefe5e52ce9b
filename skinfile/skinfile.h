// The skin file: a 20-byte header of five little-endian 32-bit lengths, then the five BMP files
// (board, score, balls, timer, walk) back to back, byte for byte.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace orbello::skinfile {

inline constexpr int kPictureCount = 5;
inline constexpr int kHeaderSize = 20;
inline constexpr int kBlockSize = 4096;
inline constexpr int kMaxTempName = 260;  // characters of a temporary name, without its zero

enum Picture { kBoard = 0, kScore = 1, kBalls = 2, kTimer = 3, kWalk = 4 };

// Pixel sizes the skin compiler demands, by picture number.
inline constexpr std::array<int, kPictureCount> kPictureWidth = {36, 160, 768, 99, 128};
inline constexpr std::array<int, kPictureCount> kPictureHeight = {36, 20, 224, 11, 32};

struct SkinHeader {
  std::array<uint32_t, kPictureCount> lengths{};
};

// A picture that cannot be used for a skin; carries the words the skin compiler shows.
class EFOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class WriteResult {
  kSaved,   // the caller says "File <path> saved" ("Congratulation")
  kFailed,  // the caller says the failure ("Error"); the old file is untouched
  kFatal,   // the caller says "Fatal Error" and ends the program with exit code -1
};

// What went wrong, for the caller to put in the player's words:
enum class WriteFailure {
  kNone,
  kCannotCreate,  // creating or replacing the skin file: "Could not create skin file"
  kCannotOpen,    // opening a source or taking its length: "Could not open file: <source>"
  kCannotRead,    // a source ending before its length, or growing: "Could not read from file:"
  kUnexpected,    // anything else (out of memory): "Fatal Error"
};

struct WriteReport {
  WriteResult result = WriteResult::kSaved;
  WriteFailure failure = WriteFailure::kNone;
  std::string source;  // the picture file of kCannotOpen and kCannotRead
};

// Writes the skin file from five BMP files in picture order and shows nothing: the report says
// what the caller tells the player.
// The skin is assembled in memory and replaces the old file (a symbolic link's target) through
// platform::ReplaceFile only once every picture has been read, so any failure leaves an existing
// skin file whole and creates none. Every file is held under an exclusive advisory lock while
// open, so a file another process holds fails; an existing skin file must be writable.
WriteReport WriteSkinFile(const std::string& skin_path,
                          const std::array<std::string, kPictureCount>& bmp_paths);

// Temporary file names of an unpacked skin, slot k holding picture k.
using TempNames = std::array<std::string, kPictureCount>;

// Unpacks the skin into five new files "tlf<h><m><s><ms>.bmp" in platform::TempFolder() and
// records each name in `names` as soon as the file exists (slots not reached keep their old
// names). Each temporary file is created only where no entry of its name exists (never through a
// planted link), mode 0600; a taken name is formed again from the clock. A header shorter than
// 20 bytes counts its missing lengths as 0; an empty skin file makes no files at all; lengths
// beyond the data give shorter files without error. Shows no message: false when the skin file
// cannot be opened or locked, or a temporary file cannot be created or written; the caller then
// says that the skin could not be loaded. Loading the five files into pictures is the caller's.
bool UnpackSkin(const std::string& skin_path, TempNames& names);

// Deletes the files named in `names` (missing ones are no error) and leaves the names in place.
void DeleteTempFiles(const TempNames& names);
// The bytes of one unpacked picture, read by its name's bytes (the temporary folder's name need
// not be text) and bounded: a picture of a skin is a plain bitmap, and anything this large is
// none. False when the file cannot be read whole.
bool ReadUnpackedPicture(const std::string& name, std::string* bytes);

// The five pictures of a skin file, read straight from its bytes as unpacking would split them
// (a header shorter than 20 bytes counts its missing lengths as 0, lengths beyond the data give
// shorter pictures, bytes behind the fifth picture are ignored), with no temporary files. False,
// showing nothing, when the skin file cannot be opened or locked, is empty, or a picture is larger
// than any bitmap of a skin can be (kMaxPictureBytes); deciding whether the bytes are bitmaps is
// the caller's.
using SkinPictures = std::array<std::string, kPictureCount>;
inline constexpr size_t kMaxPictureBytes = size_t{64} << 20;
bool ReadSkinPictures(const std::string& skin_path, SkinPictures* pictures);

// The largest picture a skin may hold, per dimension: four times the largest the game draws (the
// balls, 768 x 224). Larger ones cost memory and time out of all proportion to what the window can
// show, so they are refused before they are decoded. A picture drawn for `density` times the
// pixels (the double-density companion) may be that much larger.
inline constexpr int kMaxPictureWidth = 4 * 768;
inline constexpr int kMaxPictureHeight = 4 * 224;

// Width and height that the BMP file image `bmp` declares in its header (core or info header);
// false when the bytes do not begin with such a header.
bool BmpDimensions(const std::string& bmp, int* width, int* height);
// True when `bmp` declares a size within the bounds above, times `density`.
bool PictureWithinBounds(const std::string& bmp, int density = 1);

// Header <-> 20 bytes, little-endian.
std::array<unsigned char, kHeaderSize> EncodeHeader(const SkinHeader& header);
SkinHeader DecodeHeader(const unsigned char* bytes, size_t count);  // missing bytes read as 0

}  // namespace orbello::skinfile
