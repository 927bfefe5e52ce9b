#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/core/message.h"

namespace orbello::fuzz {
namespace {

void RemoveScratch() {
  std::error_code ignored;
  std::filesystem::remove_all(ScratchFolder(), ignored);
}

}  // namespace

const std::string& ScratchFolder() {
  // Never destroyed: the exit handler that removes the folder runs after static destructors.
  static const std::string& folder = *new std::string([] {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/orbello-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
      Fail("no scratch folder");
    std::atexit(RemoveScratch);
    return pattern;
  }());
  return folder;
}

void SilenceMessages() {
  platform::SetMessageHandler([](const platform::MessageRequest& request) {
    return platform::ButtonId(request.buttons, request.default_button);
  });
}

void WriteWholeFile(const std::string& path, const unsigned char* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out)
    Fail("cannot write the input file");
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace orbello::fuzz
