// Shared by the tests of the settings and of the Settings dialog.
#pragma once

#include "game/records/core/settings.h"

namespace orbello {

// Settings as an installation might hold them: every value set, one sound left empty.
inline GameSettings SampleSettings() {
  GameSettings s;
  s.DefaultGame = 2;
  s.NextColors = 3;
  s.ShowWalk = 1;
  s.CheckDestroy = 1;
  s.CheckJump = 0;
  s.CheckMove = 1;
  s.CheckNoPath = 0;
  s.Delay_Destroy = 20;
  s.Delay_Jump = 30;
  s.Delay_Move = 40;
  s.Delay_Appearance = 50;
  s.SetPath(kSlotSkin, "/opt/orbello/skin/classic.sf");
  s.SetPath(kSlotJump, "/opt/orbello/sound/select.wav");
  s.SetPath(kSlotDestroy, "/opt/orbello/sound/destroy.wav");
  s.SetPath(kSlotMove, "");
  s.SetPath(kSlotNoPath, "/opt/orbello/sound/nopath.wav");
  return s;
}

}  // namespace orbello
