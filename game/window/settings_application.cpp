#include "game/window/settings_application.h"

#include <QWidget>
#include <utility>

#include "game/records/dialogs/dialogs.h"

namespace orbello::window {

EngineSettings EngineSettingsFrom(const GameSettings& settings) {
  using S = GameSettings;
  auto delay = [&](int32_t S::*field) {
    return static_cast<uint32_t>(InUse(field, settings.*field));
  };
  EngineSettings engine;
  engine.DefaultGame = InUse(&S::DefaultGame, settings.DefaultGame);
  engine.NextColors = static_cast<NextBallDisplay>(InUse(&S::NextColors, settings.NextColors));
  engine.ShowWalk = settings.ShowWalk != 0;
  engine.CheckJump = settings.CheckJump != 0;
  engine.CheckMove = settings.CheckMove != 0;
  engine.CheckDestroy = settings.CheckDestroy != 0;
  engine.CheckNoPath = settings.CheckNoPath != 0;
  engine.Sound_Jump = settings.Sound_Jump();
  engine.Sound_Move = settings.Sound_Move();
  engine.Sound_Destroy = settings.Sound_Destroy();
  engine.Sound_NoPath = settings.Sound_NoPath();
  engine.Delay_Move = delay(&S::Delay_Move);
  engine.Delay_Destroy = delay(&S::Delay_Destroy);
  engine.Delay_Appearance = delay(&S::Delay_Appearance);
  return engine;
}

int JumpInterval(int32_t delay_jump) {
  return 3 * InUse(&GameSettings::Delay_Jump, delay_jump);
}

SettingsApplication::SettingsApplication(QWidget& window, BoardScreen& screen,
                                         GameSettings& settings, GameEngine& engine,
                                         WindowSkin& skin, JumpIntervalSetter set_jump_interval)
    : window_(window),
      screen_(screen),
      settings_(settings),
      engine_(engine),
      skin_(skin),
      set_jump_interval_(std::move(set_jump_interval)) {}

void SettingsApplication::Run() {
  const GameSettings before = settings_;
  // A new skin is loaded on Ok before anything is stored: one that cannot be loaded is refused
  // there, and the old skin and settings stay.
  bool skin_loaded = false;
  const auto load_chosen_skin = [&](const GameSettings& chosen) {
    if (SameSkinPath(before.TitleSkin(), chosen.TitleSkin()))
      return true;
    skin_loaded = skin_.Switch(chosen.TitleSkin());
    return skin_loaded;
  };
  if (ShowSettingsDialog(&window_, settings_, load_chosen_skin) != kIdSettingsOk)
    return;
  Apply(before, skin_loaded);
}

void SettingsApplication::Apply(const GameSettings& before, bool skin_loaded) {
  const SettingsChanges changes = CompareSettings(before, settings_);
  if (changes.skin && !skin_loaded && !skin_.Switch(settings_.TitleSkin())) {
    settings_ = before;
    return;
  }
  window_.repaint();
  engine_.Settings() = EngineSettingsFrom(settings_);
  if (changes.delay_jump)
    set_jump_interval_(JumpInterval(settings_.Delay_Jump));
  if (changes.default_game) {
    engine_.ApplyDefaultGame();
    if (engine_.Exited())
      return;
  }
  RefreshReason reason;
  if (changes.skin) {
    engine_.RedrawBoard();
    screen_.DrawNumber(NumberDisplay::kScore, engine_.Score());
    screen_.DrawNumber(NumberDisplay::kChamp, engine_.ChampScore());
    screen_.DrawClock(engine_.GameSeconds());
    reason = RefreshReason::kSkin;
  } else if (changes.next_colors) {
    reason = RefreshReason::kDisplayMode;
  } else {
    return;
  }
  engine_.RefreshNextBalls(reason);
}

}  // namespace orbello::window
