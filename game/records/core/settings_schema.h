// The sixteen settings, once: the name each is stored under, its type, what an installation
// starts with, what the Settings dialog offers (and the installer keeps), and the bound a stored
// value is held to when the game uses it. The store, the installer, the dialog and the window
// all work from this table. A new setting takes its line here (and the count below), its field in
// GameSettings, its control in the Settings dialog's tables and, where the engine reads it, its
// field in EngineSettings with its copy in EngineSettingsFrom; then its use.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "game/records/core/settings.h"

namespace orbello {

// A number is stored as REG_DWORD of 4 bytes, a path as REG_SZ of its whole 261-byte slot.
enum class SettingType { kNumber, kPath };

struct SettingRange {
  int32_t low;
  int32_t high;
  constexpr bool Holds(int32_t value) const { return value >= low && value <= high; }
};

// Every number goes to the game as it is stored unless its use needs a bound.
inline constexpr SettingRange kUnbounded{std::numeric_limits<int32_t>::min(),
                                         std::numeric_limits<int32_t>::max()};

// A stored delay is used as it is, beyond the slider's 0..100 too (a delay of 500 waits 500 ms).
// Only a value that would freeze the game is bounded: a turn handles no input while it waits, and
// a damaged DWORD could make one wait last for weeks. With at most a second per step, ten times
// the slider's end, even the longest turn (a walk across the whole board, a removal, four growing
// frames and a second removal) stays within about two minutes. A negative delay is no delay.
inline constexpr SettingRange kDelayInUse{0, 1000};

struct SettingSpec {
  const char* name;  // the registry value, which is also the field's name
  SettingType type;
  int32_t GameSettings::*number;  // kNumber: its field
  int slot;                       // kPath: its slot of GameSettings::Paths
  int32_t installed_number;       // kNumber: as installed
  const char* installed_path;     // kPath: as installed, below the installation folder
  SettingRange offered;           // kNumber: what the dialog offers; others are repaired
  SettingRange in_use;            // kNumber: what the game bounds a stored value to
};

namespace settings_schema_detail {
constexpr SettingSpec Number(const char* name, int32_t GameSettings::*field, int32_t installed,
                             SettingRange offered, SettingRange in_use = kUnbounded) {
  return {name, SettingType::kNumber, field, -1, installed, nullptr, offered, in_use};
}
constexpr SettingSpec Path(const char* name, PathSlot slot, const char* installed) {
  return {name, SettingType::kPath, nullptr, slot, 0, installed, {0, 0}, {0, 0}};
}
}  // namespace settings_schema_detail

// In the order they are read, written and installed. Delay_Jump 20 gives the jump timer its
// 60 ms; the other delays are waits per animation step in ms.
inline constexpr std::array<SettingSpec, 16> kSettingsSchema = [] {
  using namespace settings_schema_detail;
  using S = GameSettings;
  return std::array<SettingSpec, 16>{{
      Number("NextColors", &S::NextColors, 1, {1, 4}),
      Number("DefaultGame", &S::DefaultGame, 1, {1, 3}),
      Number("ShowWalk", &S::ShowWalk, 0, {0, 1}),
      Path("TitleSkin", kSlotSkin, "skin/classic.sf"),
      Path("Sound_Jump", kSlotJump, "sound/select.wav"),
      Path("Sound_Destroy", kSlotDestroy, "sound/destroy.wav"),
      Path("Sound_Move", kSlotMove, "sound/move.wav"),
      Path("Sound_NoPath", kSlotNoPath, "sound/nopath.wav"),
      Number("CheckJump", &S::CheckJump, 1, {0, 1}),
      Number("CheckMove", &S::CheckMove, 1, {0, 1}),
      Number("CheckDestroy", &S::CheckDestroy, 1, {0, 1}),
      Number("CheckNoPath", &S::CheckNoPath, 1, {0, 1}),
      Number("Delay_Jump", &S::Delay_Jump, 20, {0, 100}, kDelayInUse),
      Number("Delay_Move", &S::Delay_Move, 25, {0, 100}, kDelayInUse),
      Number("Delay_Destroy", &S::Delay_Destroy, 35, {0, 100}, kDelayInUse),
      Number("Delay_Appearance", &S::Delay_Appearance, 40, {0, 100}, kDelayInUse),
  }};
}();

// Each field and slot once, every name once, and an installation within what the dialog offers
// and the game takes as it is.
constexpr bool SchemaIsConsistent() {
  int paths = 0;
  for (size_t i = 0; i < kSettingsSchema.size(); ++i) {
    const SettingSpec& a = kSettingsSchema[i];
    if (a.type == SettingType::kPath) {
      ++paths;
      if (a.slot < 0 || a.slot >= kPathSlotCount || a.installed_path == nullptr)
        return false;
    } else if (a.number == nullptr || !a.offered.Holds(a.installed_number) ||
               !a.in_use.Holds(a.offered.low) || !a.in_use.Holds(a.offered.high)) {
      return false;
    }
    for (size_t j = i + 1; j < kSettingsSchema.size(); ++j) {
      const SettingSpec& b = kSettingsSchema[j];
      const bool same_name = std::string_view(a.name) == b.name;
      const bool same_place =
          a.type == b.type &&
          (a.type == SettingType::kPath ? a.slot == b.slot : a.number == b.number);
      if (same_name || same_place)
        return false;
    }
  }
  return paths == kPathSlotCount;
}
static_assert(SchemaIsConsistent());

// The entry of a number field. Every field is in the table; one that were not would stop the
// build where it is asked for at compile time, and the program anywhere else.
constexpr const SettingSpec& SettingOf(int32_t GameSettings::*field) {
  for (const SettingSpec& spec : kSettingsSchema) {
    if (spec.type == SettingType::kNumber && spec.number == field)
      return spec;
  }
  std::abort();
}

// The entry of a path slot.
constexpr const SettingSpec& PathSettingOf(int slot) {
  for (const SettingSpec& spec : kSettingsSchema) {
    if (spec.type == SettingType::kPath && spec.slot == slot)
      return spec;
  }
  std::abort();
}

// A stored number as the game uses it.
constexpr int32_t InUse(int32_t GameSettings::*field, int32_t stored) {
  const SettingRange range = SettingOf(field).in_use;
  return stored < range.low ? range.low : stored > range.high ? range.high : stored;
}

}  // namespace orbello
