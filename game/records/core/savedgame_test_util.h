// Shared by the tests of saved games and of the load and save choosers.
#pragma once

#include "game/records/core/savedgame.h"
#include "platform/core/message.h"

namespace orbello {

// Two states are the same game when they save to the same bytes.
inline bool SameState(const SavedGameState& a, const SavedGameState& b) {
  return EncodeSavedGame(a) == EncodeSavedGame(b);
}

// The question before a load over a running game, with No as its default; the words as they
// stand, so that a changed constant shows.
inline const platform::MessageRequest kLoadOverGameQuestion = {
    .text = "You want to load another game without save current game ?",
    .caption = "Warning",
    .icon = platform::MessageIcon::kWarning,
    .buttons = platform::MessageButtons::kYesNo,
    .default_button = 1};

}  // namespace orbello
