// Little-endian numbers of the program's files and registry values: the byte order is part of the
// format, so it is written out byte by byte and never taken from the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace orbello::platform {

template <typename T>
concept LittleEndianNumber =
    std::is_same_v<T, uint16_t> || std::is_same_v<T, uint32_t> || std::is_same_v<T, uint64_t>;

// Writes the sizeof(T) bytes of `value` at `out`, lowest byte first.
template <LittleEndianNumber T>
constexpr void PutLittleEndian(unsigned char* out, T value) {
  for (size_t i = 0; i < sizeof(T); ++i)
    out[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Appends the sizeof(T) bytes of `value` to `out`, lowest byte first.
template <LittleEndianNumber T>
void AppendLittleEndian(std::string& out, T value) {
  for (size_t i = 0; i < sizeof(T); ++i)
    out.push_back(static_cast<char>(static_cast<unsigned char>(value >> (8 * i))));
}

// Reads sizeof(T) bytes at `in`, lowest byte first. The caller has checked that they are there.
template <LittleEndianNumber T>
constexpr T GetLittleEndian(const unsigned char* in) {
  T value = 0;
  for (size_t i = 0; i < sizeof(T); ++i)
    value = static_cast<T>(value | static_cast<T>(static_cast<T>(in[i]) << (8 * i)));
  return value;
}

}  // namespace orbello::platform
