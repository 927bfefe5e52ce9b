#include "game/records/core/settings.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "game/records/core/fatal_error.h"
#include "game/records/core/records_messages.h"
#include "game/records/core/settings_schema.h"
#include "platform/core/bytes.h"
#include "platform/core/message.h"
#include "platform/core/registry.h"

namespace orbello {
namespace {

using platform::RegistryKey;

// A DWORD read into a 4-byte buffer; -1 when the query fails or the type is not REG_DWORD, so
// a stored -1 cannot be told from a failure. A REG_DWORD of fewer than 4 bytes is refused too:
// the bytes it lacks would otherwise be whatever the buffer held.
int32_t ReadDword(const RegistryKey& key, const char* name) {
  unsigned char bytes[4] = {};
  uint32_t type = 0;
  uint32_t size = sizeof bytes;
  if (!key.QueryValue(name, &type, bytes, &size) || type != platform::kRegDword || size != 4) {
    return -1;
  }
  return static_cast<int32_t>(platform::GetLittleEndian<uint32_t>(bytes));
}

// Type and length first, then the data into a buffer of that length. The text up to the first
// zero goes into the slot, cut to 260 characters so that it never runs past it.
bool ReadPath(const RegistryKey& key, const char* name, char* slot) {
  uint32_t type = 0;
  uint32_t size = 0;
  if (!key.QueryValue(name, &type, nullptr, &size) || type != platform::kRegSz)
    return false;
  std::vector<char> buffer(std::max<uint32_t>(size, 1));  // never a null buffer
  if (!key.QueryValue(name, &type, buffer.data(), &size) || type != platform::kRegSz) {
    return false;
  }
  size_t length = std::find(buffer.begin(), buffer.begin() + size, '\0') - buffer.begin();
  length = std::min<size_t>(length, kPathSlotSize - 1);
  std::memcpy(slot, buffer.data(), length);
  slot[length] = '\0';
  return true;
}

// Runs `one` on every value of the schema in order, over the settings key. What fails first is
// shown and stops the rest: `no_key` when the key did not open, `failed` when a value did.
template <class One>
bool ForEveryValue(std::optional<RegistryKey>& key, void* owner, const char* no_key,
                   const char* failed, One one) {
  if (!key) {
    platform::ShowError(no_key, owner);
    return false;
  }
  for (const SettingSpec& value : kSettingsSchema) {
    if (!one(*key, value)) {
      platform::ShowError(failed, owner);
      return false;
    }
  }
  return true;
}
}  // namespace

void GameSettings::SetPath(int slot, std::string_view path) {
  if (slot < 0 || slot >= kPathSlotCount)
    return;
  char* target = Paths[slot];
  std::memset(target, 0, kPathSlotSize);
  std::memcpy(target, path.data(), std::min<size_t>(path.size(), kPathSlotSize - 1));
}

const char* PathValueName(int slot) {
  return slot >= 0 && slot < kPathSlotCount ? PathSettingOf(slot).name : "";
}

bool ReadSettings(GameSettings& settings, void* owner) {
  return FailingOnException(owner, [&] {
    // One read of the hive serves all sixteen values, which therefore come from one version of it.
    std::optional<RegistryKey> key =
        RegistryKey::OpenSnapshot(platform::Hive::kCurrentUser, kSettingsKeyPath);
    return ForEveryValue(key, owner, records_message::kCantReadRegistryKey,
                         records_message::kCantReadRegistry,
                         [&](RegistryKey& from, const SettingSpec& value) {
                           if (value.type != SettingType::kNumber)
                             return ReadPath(from, value.name, settings.Paths[value.slot]);
                           const int32_t number = ReadDword(from, value.name);
                           if (number == -1)
                             return false;
                           settings.*value.number = number;
                           return true;
                         });
  });
}

bool StoreSettings(const GameSettings& settings, void* owner) {
  return FailingOnException(owner, [&] {
    std::optional<RegistryKey> key =
        RegistryKey::Open(platform::Hive::kCurrentUser, kSettingsKeyPath, platform::kRegSetValue);
    return ForEveryValue(
        key, owner, records_message::kCantOpenRegistryKey, records_message::kCantWriteRegistry,
        [&](RegistryKey& to, const SettingSpec& value) {
          if (value.type == SettingType::kNumber)
            return to.SetDword(value.name, static_cast<uint32_t>(settings.*value.number));
          // The whole slot: the path, its zero and the zero padding up to 261
          // bytes.
          char slot[kPathSlotSize] = {};
          const char* path = settings.Paths[value.slot];
          std::memcpy(slot, path, strnlen(path, kPathSlotSize - 1));
          return to.SetValue(value.name, platform::kRegSz, slot, kPathSlotSize);
        });
  });
}

}  // namespace orbello
