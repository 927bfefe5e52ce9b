// The skin unpacker on arbitrary skin files: each temporary file must hold exactly the bytes
// its header length covers, as far as the data goes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_support.h"
#include "skinfile/skinfile.h"

using namespace orbello;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string tmp = fuzz::ScratchFolder() + "/tmp";
  std::filesystem::create_directory(tmp);
  setenv("TMPDIR", tmp.c_str(), 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::ScratchFolder() + "/input.sf";
  fuzz::WriteWholeFile(path, data, size);
  const skinfile::TempNames old = {"", "", "", "", ""};
  skinfile::TempNames names = old;
  fuzz::Check(skinfile::UnpackSkin(path, names), "unpacking a readable file failed");
  if (size == 0) {
    fuzz::Check(names == old, "an empty skin made files");
    return 0;
  }
  const skinfile::SkinHeader header = skinfile::DecodeHeader(data, size);
  size_t at = size < skinfile::kHeaderSize ? size : skinfile::kHeaderSize;
  for (int k = 0; k < skinfile::kPictureCount; ++k) {
    const size_t take = std::min<size_t>(header.lengths[k], size - at);
    const std::string expected(reinterpret_cast<const char*>(data) + at, take);
    fuzz::Check(fuzz::ReadWholeFile(names[k]) == expected, "a picture differs from its slice");
    at += take;
  }
  skinfile::DeleteTempFiles(names);
  fuzz::Check(std::filesystem::is_empty(fuzz::ScratchFolder() + "/tmp"), "files left behind");
  return 0;
}
