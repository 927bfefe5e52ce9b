// The Settings command of the main window: the dialog, then what its Ok changed applied to the
// running window and engine.
#pragma once

#include <cstdint>
#include <functional>

#include "game/engine/engine.h"
#include "game/engine/world.h"
#include "game/records/core/settings.h"
#include "game/records/core/settings_schema.h"
#include "game/window/window_skin.h"

class QWidget;

namespace orbello::window {

// The longest wait a stored delay gives (the settings' table says why it is bounded).
inline constexpr int32_t kMaxDelay = kDelayInUse.high;
// The settings of the engine as the stored settings give them, each number through its bound.
EngineSettings EngineSettingsFrom(const GameSettings& settings);
// The jump timer's interval for a stored Delay_Jump: 3 ms per step.
int JumpInterval(int32_t delay_jump);

class SettingsApplication {
 public:
  using JumpIntervalSetter = std::function<void(int interval)>;

  // `window` owns the dialog and is repainted after a change; `screen` shows the displays, which
  // are redrawn after a new skin.
  SettingsApplication(QWidget& window, BoardScreen& screen, GameSettings& settings,
                      GameEngine& engine, WindowSkin& skin, JumpIntervalSetter set_jump_interval);

  // The Settings dialog; its Ok applies what changed.
  void Run();
  // What follows an Ok, given the settings as they were before it; `skin_loaded` when the dialog's
  // check has already loaded a changed skin. A changed skin that cannot be loaded puts the
  // settings back to `before` and changes nothing else.
  void Apply(const GameSettings& before, bool skin_loaded = false);

 private:
  QWidget& window_;
  BoardScreen& screen_;
  GameSettings& settings_;
  GameEngine& engine_;
  WindowSkin& skin_;
  JumpIntervalSetter set_jump_interval_;
};

}  // namespace orbello::window
