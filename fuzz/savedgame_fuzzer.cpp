// The saved-game reader on arbitrary file contents: it accepts only whole, playable games and
// otherwise leaves the live state alone.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "game/records/core/savedgame.h"

using namespace orbello;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::SilenceMessages();
  const std::string path = fuzz::ScratchFolder() + "/game.osf";
  fuzz::WriteWholeFile(path, data, size);

  SavedGameState live;
  live.Score = 4242;
  const SavedGameBytes before = EncodeSavedGame(live);
  if (ReadSavedGame(path, live)) {
    fuzz::Check(size >= kSavedGameSize, "a short file loaded");
    fuzz::Check(IsPlayableState(live), "an unplayable game loaded");
    const SavedGameBytes bytes = EncodeSavedGame(live);
    fuzz::Check(std::memcmp(bytes.data(), data, kSavedGameSize) == 0, "loaded bytes differ");
    fuzz::Check(WriteSavedGame(path, live), "saving a loaded game failed");
    fuzz::Check(fuzz::ReadWholeFile(path) ==
                    std::string(reinterpret_cast<const char*>(data), kSavedGameSize),
                "saved file differs from the loaded one");
  } else {
    fuzz::Check(EncodeSavedGame(live) == before, "a failed load changed the live state");
    SavedGameState decoded;
    if (DecodeSavedGame(data, size, decoded)) {
      fuzz::Check(!IsPlayableState(decoded), "a whole playable file was refused");
    }
  }
  return 0;
}
