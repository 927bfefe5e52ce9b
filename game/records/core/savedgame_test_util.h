// Shared by the tests of saved games and of the load and save choosers.
#pragma once

#include "game/records/core/savedgame.h"

namespace orbello {

// Two states are the same game when they save to the same bytes.
inline bool SameState(const SavedGameState& a, const SavedGameState& b) {
  return EncodeSavedGame(a) == EncodeSavedGame(b);
}

}  // namespace orbello
