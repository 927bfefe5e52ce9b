// Shared by the fuzzers: a private scratch folder removed at exit, silent messages, and a hard
// stop when an invariant breaks.
#pragma once

#include <string>

namespace orbello::fuzz {

// A folder of this process, created on first use and removed with its files at exit.
const std::string& ScratchFolder();

// Replaces the message boxes by a handler that answers the default button without printing.
void SilenceMessages();

// Writes `size` bytes to `path`, replacing it.
void WriteWholeFile(const std::string& path, const unsigned char* data, size_t size);
std::string ReadWholeFile(const std::string& path);

// Aborts with the message: the fuzzer then records the input.
[[noreturn]] void Fail(const char* what);
inline void Check(bool condition, const char* what) {
  if (!condition)
    Fail(what);
}

}  // namespace orbello::fuzz
