// Packs five BMP files into a skin file with the skin compiler's writer, or into the
// double-density companion of a skin file packed before.
// Usage: orbello-skinpack SKIN.sf BOARD.bmp SCORE.bmp BALLS.bmp TIMER.bmp WALK.bmp
//        orbello-skinpack --companion SKIN.sf BOARD.bmp SCORE.bmp BALLS.bmp TIMER.bmp WALK.bmp
#include <cstdio>
#include <string>

#include "platform/core/message.h"
#include "skinfile/companion.h"
#include "skinfile/skinfile.h"

namespace skinfile = orbello::skinfile;

int main(int argc, char** argv) {
  const bool companion = argc > 1 && std::string(argv[1]) == "--companion";
  const int first = companion ? 2 : 1;
  if (argc != first + 1 + skinfile::kPictureCount) {
    std::fprintf(stderr,
                 "usage: orbello-skinpack [--companion] SKIN.sf BOARD SCORE BALLS TIMER WALK\n");
    return 2;
  }
  const std::string skin = argv[first];
  std::array<std::string, skinfile::kPictureCount> sources;
  for (int i = 0; i < skinfile::kPictureCount; ++i)
    sources[i] = argv[first + 1 + i];
  if (companion) {
    std::string error;
    if (!skinfile::WriteCompanion(skinfile::CompanionPath(skin), skin, sources, &error)) {
      std::fprintf(stderr, "orbello-skinpack: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  // The writer reports through a message box; at build time only a failure is worth a word.
  std::string last_message;
  orbello::platform::SetMessageHandler([&](const orbello::platform::MessageRequest& request) {
    last_message = request.caption + ": " + request.text;
    return orbello::platform::kIdOk;
  });
  if (skinfile::WriteSkinFile(skin, sources) != skinfile::WriteResult::kSaved) {
    std::fprintf(stderr, "orbello-skinpack: %s\n", last_message.c_str());
    return 1;
  }
  return 0;
}
