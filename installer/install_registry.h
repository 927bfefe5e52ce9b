// What the installer writes into the registry stand-in: the user's settings key with the sixteen
// settings and AppPath, and the machine's uninstall entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbello::installer {

inline constexpr const char* kUninstallKeyPath =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvane Orbello 1.0.2";
inline constexpr const char* kProductName = "Corvane Orbello 1.0.2";

// False, with the reason, when `app_dir` does not end with '/', a path below it that the
// settings name would not fit the game's 260 characters, or a registry hive could not be changed
// (the reason names its file), so that nothing is installed half-way.
bool CheckInstallFolder(const std::string& app_dir, std::string* error);

// Writes HKEY_CURRENT_USER\Software\Corvane\OB\Settings for the installation folder `app_dir`
// (which ends with '/'). A value that exists with its right type is kept, so that a new
// installation over an old one keeps the player's settings; a missing or mistyped value gets its
// installed value, and so does a number the Settings dialog would not offer and a skin that the
// game cannot load (no file, not a skin, a picture that is no bitmap), since the game cannot start
// without its skin. A skin that cannot be checked (no usable temporary folder) is kept. AppPath is
// always set to `app_dir`. Paths are stored like the game stores them: REG_SZ of the whole 261-byte
// slot. Each line of `report` says what was done with one value.
bool WriteUserSettings(const std::string& app_dir, std::vector<std::string>* report,
                       std::string* error);

// Writes the machine's uninstall entry "Corvane Orbello 1.0.2" (display name, version, maker,
// folder, uninstall command and icon), replacing the values of an earlier installation.
bool WriteUninstallEntry(const std::string& app_dir, std::string* error);

}  // namespace orbello::installer
