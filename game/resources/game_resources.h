// Registration of the game's Qt resources (:/game/...). Linking the OBJECT library registers
// them at start-up; a program that links them through a static archive calls this once first.
#pragma once

namespace orbello {

void InitGameResources();

}  // namespace orbello
