#include "skinfile/companion.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <utility>

#include "platform/core/files.h"

namespace orbello::skinfile {
namespace {

static_assert(sizeof kCompanionSignature == 20);
constexpr uint32_t kCompanionVersion = 1;
// Skin files are small; one of more than this is not one the build made.
constexpr size_t kMaxSkinBytes = size_t{64} << 20;

void PutLe(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint64_t GetLe(const std::string& in, size_t at, int bytes) {
  uint64_t value = 0;
  for (int i = 0; i < bytes; ++i)
    value |= uint64_t{static_cast<unsigned char>(in[at + i])} << (8 * i);
  return value;
}

}  // namespace

std::string CompanionPath(const std::string& skin_path) {
  return skin_path + "2x";
}

uint64_t Fnv1a64(const std::string& bytes) {
  uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3u;
  }
  return hash;
}

bool WriteCompanion(const std::string& companion_path, const std::string& skin_path,
                    const std::array<std::string, kPictureCount>& bmp_paths, std::string* error) {
  std::string skin;
  int failure = 0;
  if (!platform::ReadRegularFile(skin_path, kMaxSkinBytes, &skin, &failure)) {
    *error = "cannot read " + skin_path + ": " + std::strerror(failure);
    return false;
  }
  std::string out(kCompanionSignature, sizeof kCompanionSignature);
  PutLe(out, kCompanionVersion, 4);
  PutLe(out, skin.size(), 8);
  PutLe(out, Fnv1a64(skin), 8);
  SkinHeader lengths;
  std::string body;
  for (int k = 0; k < kPictureCount; ++k) {
    const std::string& path = bmp_paths[static_cast<size_t>(k)];
    std::string picture;
    if (!platform::ReadRegularFile(path, kMaxCompanionBytes, &picture, &failure)) {
      *error = "cannot read " + path + ": " + std::strerror(failure);
      return false;
    }
    lengths.lengths[static_cast<size_t>(k)] = static_cast<uint32_t>(picture.size());
    body += picture;
  }
  const auto header = EncodeHeader(lengths);
  out.append(reinterpret_cast<const char*>(header.data()), header.size());
  out += body;
  std::ofstream file(companion_path, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  file.close();
  if (!file) {
    *error = "cannot write " + companion_path;
    return false;
  }
  return true;
}

bool ReadCompanion(const std::string& skin_path, std::array<std::string, kPictureCount>* pictures) {
  // Read piece by piece, each picture straight into its own string: a companion is four times the
  // size of its skin, and is read on every start on a screen of double density.
  platform::UniqueFd file = platform::OpenRegularFile(CompanionPath(skin_path), O_RDONLY);
  struct stat st {};
  if (!file.Valid() || fstat(file.Get(), &st) != 0 || st.st_size < kCompanionHeaderSize ||
      static_cast<unsigned long long>(st.st_size) > kMaxCompanionBytes) {
    return false;
  }
  std::string head(kCompanionHeaderSize, '\0');
  if (platform::ReadFull(file.Get(), head.data(), head.size()) !=
          static_cast<ssize_t>(head.size()) ||
      std::memcmp(head.data(), kCompanionSignature, sizeof kCompanionSignature) != 0 ||
      GetLe(head, 20, 4) != kCompanionVersion) {
    return false;
  }
  // Only now is the skin read a second time: a skin without a companion costs nothing here.
  std::string skin;
  if (!platform::ReadRegularFile(skin_path, kMaxSkinBytes, &skin))
    return false;
  if (GetLe(head, 24, 8) != skin.size() || GetLe(head, 32, 8) != Fnv1a64(skin))
    return false;
  const SkinHeader header =
      DecodeHeader(reinterpret_cast<const unsigned char*>(head.data()) + 40, kHeaderSize);
  std::array<std::string, kPictureCount> found;
  // The pictures lie within the file: a length beyond it is refused before anything is allocated.
  uint64_t left = static_cast<uint64_t>(st.st_size) - kCompanionHeaderSize;
  for (int k = 0; k < kPictureCount; ++k) {
    const uint64_t length = header.lengths[static_cast<size_t>(k)];
    if (length > left)
      return false;
    left -= length;
    std::string& picture = found[static_cast<size_t>(k)];
    picture.resize(length);
    if (platform::ReadFull(file.Get(), picture.data(), picture.size()) !=
        static_cast<ssize_t>(picture.size())) {
      return false;
    }
  }
  *pictures = std::move(found);
  return true;
}

}  // namespace orbello::skinfile
