#include "tools/orbello-replay/saved_games.h"

#include "game/records/core/savedgame.h"
#include "platform/core/message.h"

namespace orbello::replay {

namespace {

platform::MessageHandler previous_handler;

}  // namespace

MessagesToWorld::MessagesToWorld(RecordingWorld& world) {
  previous_handler = platform::SetMessageHandler([&world](const platform::MessageRequest& request) {
    world.Record("message " + request.text, true);
    switch (request.buttons) {
      case platform::MessageButtons::kYesNo:
      case platform::MessageButtons::kYesNoCancel:
        return world.answer_yes ? platform::kIdYes : platform::kIdNo;
      case platform::MessageButtons::kOkCancel:
      case platform::MessageButtons::kOk:
        break;
    }
    return platform::kIdOk;
  });
}

MessagesToWorld::~MessagesToWorld() {
  platform::SetMessageHandler(std::move(previous_handler));
}

void SaveGameTo(GameEngine& engine, RecordingWorld& world, const std::string& path) {
  if (!WriteSavedGame(path, engine.SavedState())) {
    world.ExitProgram(kExitStatusOther);
  }
}

void LoadGameFrom(GameEngine& engine, RecordingWorld& world, const std::string& path) {
  if (!ConfirmLoadOverCurrentGame(engine.NextBalls())) {
    return;
  }
  SavedGameState state;
  if (!ReadSavedGame(path, state)) {
    world.ExitProgram(kExitStatusOther);
    return;
  }
  if (!engine.LoadState(state)) {
    // ReadSavedGame refuses such a state already; kept so that the engine never takes one.
    world.Record("message Can't load selected game.", true);
    world.ExitProgram(kExitStatusOther);
    return;
  }
  engine.ResumeLoadedGame();
}

}  // namespace orbello::replay
