// Clears the two compile-time stamps that chmcmd writes into a compiled help file (the
// millisecond of the day in the ITSF header and in the #SYSTEM entry 10), so that the same pages
// always give the same bytes. Usage: orbello-chm-stamps FILE.chm
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orbello-chm-stamps FILE.chm\n");
    return 2;
  }
  std::vector<char> bytes;
  {
    std::ifstream in(argv[1], std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (bytes.size() < 0x60 || std::memcmp(bytes.data(), "ITSF", 4) != 0) {
    std::fprintf(stderr, "orbello-chm-stamps: %s is no compiled help file\n", argv[1]);
    return 1;
  }
  std::memset(bytes.data() + 0x10, 0, 4);  // ITSF header stamp
  // #SYSTEM: version 3, then entry 10 (4 bytes of stamp), then entry 9 with the tool's version.
  static const char kSystem[] = "\x03\x00\x00\x00\x0a\x00\x04\x00";
  bool found = false;
  for (size_t i = 0; i + 8 + 4 + 4 + 11 <= bytes.size(); ++i) {
    if (std::memcmp(bytes.data() + i, kSystem, 8) != 0)
      continue;
    if (bytes[i + 12] != 9 || bytes[i + 13] != 0)
      continue;
    if (std::memcmp(bytes.data() + i + 16, "HHA Version", 11) != 0)
      continue;
    std::memset(bytes.data() + i + 8, 0, 4);
    found = true;
    break;
  }
  if (!found) {
    std::fprintf(stderr, "orbello-chm-stamps: no #SYSTEM entry in %s\n", argv[1]);
    return 1;
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  return out ? 0 : 1;
}
