// Reading the sixteen settings at start-up, from a hive that holds only ours and from one that
// also holds thousands of keys of other programs. Usage: orbello_hive_bench [benchmark flags]
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "game/records/core/settings.h"
#include "platform/core/registry.h"
#include "platform/core/testing/test_support.h"

namespace {

using orbello::GameSettings;
using orbello::platform::Hive;

// A private config folder with the settings as the installer writes them, after `foreign` keys
// of other programs (each with a string and a number, as a desktop's hive has them).
class Installation {
 public:
  explicit Installation(int foreign) : config_("XDG_CONFIG_HOME", dir_.Path()) {
    orbello::platform::CreateKey(Hive::kCurrentUser, orbello::kSettingsKeyPath);
    GameSettings settings;
    settings.DefaultGame = settings.NextColors = settings.ShowWalk = 1;
    settings.Delay_Jump = settings.Delay_Move = 30;
    settings.SetPath(orbello::kSlotSkin, "/opt/orbello/skin/classic.sf");
    for (int slot = 1; slot < orbello::kPathSlotCount; ++slot)
      settings.SetPath(slot, "/opt/orbello/sound/sound" + std::to_string(slot) + ".wav");
    if (!orbello::StoreSettings(settings))
      std::abort();
    // The foreign keys go before ours, where a search from the top meets them first.
    const std::string file = orbello::platform::HiveFilePath(Hive::kCurrentUser);
    std::string ours = orbello::testing::ReadFileBytes(file);
    std::string text = "REGEDIT4\n\n";
    for (int i = 0; i < foreign; ++i) {
      const std::string n = std::to_string(i);
      text += "[HKEY_CURRENT_USER\\Software\\Vendor" + std::to_string(i % 97) + "\\Program" + n +
              "\\Options]\n\"InstallDir\"=\"/usr/lib/program" + n +
              "\"\n\"WindowWidth\"=dword:00000320\n\n";
    }
    text += ours.substr(ours.find('['));
    orbello::testing::WriteFileBytes(file, text);
    hive_bytes_ = text.size();
  }

  size_t HiveBytes() const { return hive_bytes_; }

 private:
  orbello::testing::TempDir dir_;
  orbello::testing::ScopedEnv config_;
  size_t hive_bytes_ = 0;
};

void BM_ReadSettings(benchmark::State& state) {
  Installation installation(static_cast<int>(state.range(0)));
  GameSettings settings;
  for (auto _ : state) {
    if (!orbello::ReadSettings(settings))
      std::abort();
    benchmark::DoNotOptimize(settings);
  }
  state.counters["hive_kib"] = static_cast<double>(installation.HiveBytes()) / 1024.0;
}
BENCHMARK(BM_ReadSettings)->Arg(0)->Arg(2000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The uninstaller's read of one value: opening the key and two queries, each reading the file.
void BM_OpenAndQueryOneValue(benchmark::State& state) {
  Installation installation(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto key = orbello::platform::RegistryKey::Open(Hive::kCurrentUser, orbello::kSettingsKeyPath,
                                                    orbello::platform::kRegQueryValue);
    if (!key || !key->GetString(orbello::PathValueName(orbello::kSlotSkin)))
      std::abort();
  }
}
BENCHMARK(BM_OpenAndQueryOneValue)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
