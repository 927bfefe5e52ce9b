// Packs five BMP files into a skin file with the skin compiler's writer.
// Usage: orbello-skinpack SKIN.sf BOARD.bmp SCORE.bmp BALLS.bmp TIMER.bmp WALK.bmp
#include <cstdio>
#include <string>

#include "platform/core/message.h"
#include "skinfile/skinfile.h"

int main(int argc, char** argv) {
  if (argc != 2 + orbello::skinfile::kPictureCount) {
    std::fprintf(stderr, "usage: orbello-skinpack SKIN.sf BOARD SCORE BALLS TIMER WALK\n");
    return 2;
  }
  // The writer reports through a message box; at build time only a failure is worth a word.
  std::string last_message;
  orbello::platform::SetMessageHandler([&](const orbello::platform::MessageRequest& request) {
    last_message = request.caption + ": " + request.text;
    return orbello::platform::kIdOk;
  });
  std::array<std::string, orbello::skinfile::kPictureCount> sources;
  for (int i = 0; i < orbello::skinfile::kPictureCount; ++i)
    sources[i] = argv[2 + i];
  if (orbello::skinfile::WriteSkinFile(argv[1], sources) !=
      orbello::skinfile::WriteResult::kSaved) {
    std::fprintf(stderr, "orbello-skinpack: %s\n", last_message.c_str());
    return 1;
  }
  return 0;
}
