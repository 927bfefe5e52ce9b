// The replay's Save and Load commands: the saved-game file through the records library, the
// question before a load over a running game, and the resumption of the loaded game.
#pragma once

#include <string>

#include "game/engine/engine.h"
#include "game/engine/testing/recording_world.h"

namespace orbello::replay {

// Writes the running game to `path`; a failure shows its message and ends the program.
void SaveGameTo(GameEngine& engine, RecordingWorld& world, const std::string& path);
// Asks before replacing a running game (answered by the world's answer), reads `path` and resumes
// the loaded game; a failure shows its message and ends the program.
void LoadGameFrom(GameEngine& engine, RecordingWorld& world, const std::string& path);

// While it lives, messages of the records library are recorded by `world` like the engine's and
// questions get the world's answer.
class MessagesToWorld {
 public:
  explicit MessagesToWorld(RecordingWorld& world);
  ~MessagesToWorld();
  MessagesToWorld(const MessagesToWorld&) = delete;
  MessagesToWorld& operator=(const MessagesToWorld&) = delete;
};

}  // namespace orbello::replay
