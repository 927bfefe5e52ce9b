#include "skinfile/skinfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <exception>
#include <vector>

#include "platform/core/files.h"
#include "platform/core/paths.h"

namespace orbello::skinfile {
namespace {

using platform::UniqueFd;

// "tlf" + hour, minute, second and millisecond of the local time, without leading zeros or
// separators.
std::string TempName(const std::string& folder) {
  auto now = std::chrono::system_clock::now();
  std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  return folder + "/tlf" + std::to_string(local.tm_hour) + std::to_string(local.tm_min) +
         std::to_string(local.tm_sec) + std::to_string(millis.count()) + ".bmp";
}

enum class NameState { kFree, kTaken, kError };

// A name is taken when any entry of that name exists, a dangling link included.
NameState CheckName(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0)
    return NameState::kTaken;
  return errno == ENOENT ? NameState::kFree : NameState::kError;
}

// Creates a fresh temporary file where no entry of its name exists, so that nothing planted in
// a shared folder is ever written through. Each taken name is formed again from the clock.
UniqueFd CreateTempFile(const std::string& folder, std::string* name) {
  for (;;) {
    std::string candidate = TempName(folder);
    if (candidate.size() > static_cast<size_t>(kMaxTempName))
      return UniqueFd();
    NameState state = CheckName(candidate);
    if (state == NameState::kError) {
      return UniqueFd();  // e.g. a folder that may not be searched
    }
    if (state == NameState::kTaken) {
      continue;
    }
    UniqueFd fd = platform::OpenUnshared(candidate, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW,
                                         S_IRUSR | S_IWUSR);
    if (fd.Valid()) {
      *name = candidate;
      return fd;
    }
    if (errno != EEXIST)
      return UniqueFd();
  }
}

}  // namespace

std::array<unsigned char, kHeaderSize> EncodeHeader(const SkinHeader& header) {
  std::array<unsigned char, kHeaderSize> bytes{};
  for (int k = 0; k < kPictureCount; ++k) {
    for (int i = 0; i < 4; ++i) {
      bytes[4 * k + i] = static_cast<unsigned char>(header.lengths[k] >> (8 * i));
    }
  }
  return bytes;
}

SkinHeader DecodeHeader(const unsigned char* bytes, size_t count) {
  unsigned char full[kHeaderSize] = {};
  for (size_t i = 0; i < count && i < kHeaderSize; ++i)
    full[i] = bytes[i];
  SkinHeader header;
  for (int k = 0; k < kPictureCount; ++k) {
    const unsigned char* p = full + 4 * k;
    header.lengths[k] = p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
  }
  return header;
}

namespace {

// One failure of the writer, with the source it concerns.
struct WriteFailed {
  WriteFailure failure;
  std::string source;
};

}  // namespace

WriteReport WriteSkinFile(const std::string& skin_path,
                          const std::array<std::string, kPictureCount>& bmp_paths) {
  UniqueFd held;
  UniqueFd source;
  try {
    // The skin is put together in memory and replaces the old file only once every picture has
    // been read: a source that went missing must not cost the skin already in use.
    const std::string target = platform::FinalTarget(skin_path);
    if (target.empty())
      throw WriteFailed{WriteFailure::kCannotCreate, {}};
    // An existing skin file is held, unshared and writable, until it is replaced: one that
    // another process holds, or that may not be written, stays as it is.
    struct stat target_st {};
    if (stat(target.c_str(), &target_st) == 0) {
      held = platform::OpenUnshared(target, O_WRONLY);
      if (!held.Valid())
        throw WriteFailed{WriteFailure::kCannotCreate, {}};
    } else {
      const size_t slash = target.rfind('/');
      const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
      struct stat folder_st {};
      if (stat(folder.c_str(), &folder_st) != 0 || !S_ISDIR(folder_st.st_mode))
        throw WriteFailed{WriteFailure::kCannotCreate, {}};
    }
    SkinHeader header;
    std::string body;
    std::vector<unsigned char> block(kBlockSize);
    for (int k = 0; k < kPictureCount; ++k) {
      const std::string& path = bmp_paths[k];
      source = platform::OpenUnshared(path, O_RDONLY);
      struct stat st {};
      // A length that does not fit the header's 32 bits cannot be recorded.
      if (!source.Valid() || fstat(source.Get(), &st) != 0 || !S_ISREG(st.st_mode) ||
          static_cast<uint64_t>(st.st_size) > UINT32_MAX) {
        throw WriteFailed{WriteFailure::kCannotOpen, path};
      }
      const auto length = static_cast<uint32_t>(st.st_size);
      header.lengths[k] = length;
      uint64_t copied = 0;
      for (;;) {
        ssize_t n = platform::ReadFull(source.Get(), block.data(), block.size());
        if (n < 0)
          throw WriteFailed{WriteFailure::kCannotRead, path};
        copied += static_cast<uint64_t>(n);
        if (n == 0) {
          if (copied != length)
            throw WriteFailed{WriteFailure::kCannotRead, path};
          break;
        }
        // More than the length taken: the source grows while it is read.
        if (copied > length)
          throw WriteFailed{WriteFailure::kCannotRead, path};
        body.append(reinterpret_cast<const char*>(block.data()), static_cast<size_t>(n));
      }
      source.Reset();
    }
    const auto head = EncodeHeader(header);
    std::string bytes(reinterpret_cast<const char*>(head.data()), head.size());
    bytes += body;
    if (!platform::ReplaceFile(target, bytes))
      throw WriteFailed{WriteFailure::kCannotCreate, {}};
    held.Reset();
    return {};
  } catch (const WriteFailed& failed) {
    return {WriteResult::kFailed, failed.failure, failed.source};
  } catch (const std::exception&) {
    return {WriteResult::kFatal, WriteFailure::kUnexpected, {}};
  }
}

bool UnpackSkin(const std::string& skin_path, TempNames& names) {
  try {
    UniqueFd skin = platform::OpenUnshared(skin_path, O_RDONLY);
    if (!skin.Valid())
      return false;
    unsigned char head[kHeaderSize] = {};
    ssize_t got = platform::ReadFull(skin.Get(), head, sizeof head);
    if (got < 0)
      return false;
    if (got == 0)
      return true;  // nothing to unpack; loading the old names then fails
    const SkinHeader header = DecodeHeader(head, static_cast<size_t>(got));
    const std::string folder = platform::TempFolder();
    if (folder.empty() || folder.size() > static_cast<size_t>(kMaxTempName))
      return false;
    std::vector<unsigned char> block(kBlockSize);
    for (int k = 0; k < kPictureCount; ++k) {
      std::string name;
      UniqueFd out = CreateTempFile(folder, &name);
      if (!out.Valid())
        return false;
      names[k] = name;
      uint32_t done = 0;
      while (done < header.lengths[k]) {
        size_t want = std::min<uint64_t>(kBlockSize, header.lengths[k] - done);
        ssize_t n = read(skin.Get(), block.data(), want);
        if (n < 0 && errno == EINTR)
          continue;
        if (n < 0)
          return false;
        if (n == 0)
          break;  // the data ends before the length: a shorter file
        // A short write is reported rather than left to the loading of a cut-off picture.
        if (!platform::WriteFull(out.Get(), block.data(), static_cast<size_t>(n)))
          return false;
        done += static_cast<uint32_t>(n);
      }
      if (!out.Reset())
        return false;
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool ReadUnpackedPicture(const std::string& name, std::string* bytes) {
  constexpr std::size_t kMaxPictureBytes = std::size_t{64} << 20;
  return !name.empty() && platform::ReadRegularFile(name, kMaxPictureBytes, bytes);
}

void DeleteTempFiles(const TempNames& names) {
  for (const std::string& name : names) {
    if (!name.empty())
      unlink(name.c_str());
  }
}

bool ReadSkinPictures(const std::string& skin_path, SkinPictures* pictures) {
  UniqueFd skin = platform::OpenUnshared(skin_path, O_RDONLY);
  if (!skin.Valid())
    return false;
  unsigned char head[kHeaderSize] = {};
  const ssize_t got = platform::ReadFull(skin.Get(), head, sizeof head);
  // An empty skin file holds no pictures at all.
  if (got <= 0)
    return false;
  const SkinHeader header = DecodeHeader(head, static_cast<size_t>(got));
  struct stat st {};
  if (fstat(skin.Get(), &st) != 0)
    return false;
  // Lengths are taken at their word only as far as the file has bytes for them.
  uint64_t left = static_cast<uint64_t>(st.st_size) - static_cast<uint64_t>(got);
  SkinPictures read;
  for (int k = 0; k < kPictureCount; ++k) {
    if (header.lengths[k] > kMaxPictureBytes)
      return false;
    std::string& bytes = read[k];
    bytes.resize(static_cast<size_t>(std::min<uint64_t>(header.lengths[k], left)));
    const ssize_t n = platform::ReadFull(skin.Get(), bytes.data(), bytes.size());
    if (n < 0)
      return false;
    bytes.resize(static_cast<size_t>(n));  // the data ends before the length: a shorter picture
    left -= std::min<uint64_t>(left, static_cast<uint64_t>(n));
  }
  *pictures = std::move(read);
  return true;
}

bool BmpDimensions(const std::string& bmp, int* width, int* height) {
  // File header (14 bytes), then the bitmap header, which starts with its own size.
  auto byte = [&bmp](size_t i) {
    return static_cast<uint32_t>(static_cast<unsigned char>(bmp[i]));
  };
  auto le16 = [&](size_t i) { return byte(i) | byte(i + 1) << 8; };
  auto le32 = [&](size_t i) { return le16(i) | le16(i + 2) << 16; };
  if (bmp.size() < 26 || bmp[0] != 'B' || bmp[1] != 'M')
    return false;
  const uint32_t header_size = le32(14);
  if (header_size == 12) {  // core header: unsigned 16-bit sizes
    *width = static_cast<int>(le16(18));
    *height = static_cast<int>(le16(20));
    return true;
  }
  if (header_size < 16 || bmp.size() < 26)
    return false;
  // Signed 32-bit sizes; a negative height is a top-down picture of that many rows.
  const auto w = static_cast<int32_t>(le32(18));
  const auto h = static_cast<int32_t>(le32(22));
  if (w < 0 || h == INT32_MIN)
    return false;
  *width = w;
  *height = h < 0 ? -h : h;
  return true;
}

bool PictureWithinBounds(const std::string& bmp, int density) {
  int width = 0;
  int height = 0;
  return BmpDimensions(bmp, &width, &height) &&
         static_cast<int64_t>(width) <= int64_t{kMaxPictureWidth} * density &&
         static_cast<int64_t>(height) <= int64_t{kMaxPictureHeight} * density;
}

}  // namespace orbello::skinfile
