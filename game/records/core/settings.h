// The sixteen settings kept under HKEY_CURRENT_USER\Software\Corvane\OB\Settings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orbello {

inline constexpr const char* kSettingsKeyPath = "Software\\Corvane\\OB\\Settings";
inline constexpr int kPathSlotSize = 261;  // 260 characters and the terminating zero
inline constexpr int kPathSlotCount = 5;

// Slots of GameSettings::Paths.
enum PathSlot { kSlotSkin = 0, kSlotJump = 1, kSlotDestroy = 2, kSlotMove = 3, kSlotNoPath = 4 };

struct GameSettings {
  int32_t DefaultGame = 0;
  int32_t NextColors = 0;
  int32_t ShowWalk = 0;
  int32_t CheckDestroy = 0;
  int32_t CheckJump = 0;
  int32_t CheckMove = 0;
  int32_t CheckNoPath = 0;
  int32_t Delay_Destroy = 0;
  int32_t Delay_Jump = 0;
  int32_t Delay_Move = 0;
  int32_t Delay_Appearance = 0;
  // TitleSkin, Sound_Jump, Sound_Destroy, Sound_Move, Sound_NoPath; each zero-terminated.
  char Paths[kPathSlotCount][kPathSlotSize] = {};

  const char* TitleSkin() const { return Paths[kSlotSkin]; }
  const char* Sound_Jump() const { return Paths[kSlotJump]; }
  const char* Sound_Destroy() const { return Paths[kSlotDestroy]; }
  const char* Sound_Move() const { return Paths[kSlotMove]; }
  const char* Sound_NoPath() const { return Paths[kSlotNoPath]; }

  // Puts `path` into a slot, cut to 260 characters; the rest of the slot becomes zeros.
  void SetPath(int slot, std::string_view path);

  bool operator==(const GameSettings&) const = default;
};

// Registry value names of the path slots, by slot.
const char* PathValueName(int slot);

// Reads the sixteen values in their fixed order into `settings`, each field filled as soon as
// its value is read. Shows the failure ("Can't read registry key.", "Can't read from
// registry.", "Fatal Error"; caption "Error") owned by `owner` and returns false; the caller
// ends the start-up. A DWORD whose 32 bits are all set reads as a failure. A stored path longer
// than 260 characters is cut to fit its slot.
bool ReadSettings(GameSettings& settings, void* owner = nullptr);

// Writes the sixteen values in the same order, DWORDs as REG_DWORD and the paths as REG_SZ of
// the whole 261-byte slot. Never creates the key. The first failure is shown ("Can't open
// registry key.", "Can't write into registry.", "Fatal Error") and ends the sequence; values
// written before it stay. Returns whether all were written.
bool StoreSettings(const GameSettings& settings, void* owner = nullptr);

}  // namespace orbello
