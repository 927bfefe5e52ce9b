// Folders the programs use, resolved the Linux way.
#pragma once

#include <string>

namespace orbello::platform {

// Folder of the running executable (/proc/self/exe) without a trailing '/'. Not lower-cased:
// on a case-sensitive file system that would name another folder.
std::string ProgramFolder();

// $TMPDIR when set and not empty, else /tmp; no trailing '/'.
std::string TempFolder();

// ${XDG_CONFIG_HOME:-$HOME/.config}/corvane: where the registry hives live.
std::string ConfigFolder();

// ${XDG_DATA_HOME:-$HOME/.local/share}
std::string DataHome();

// XDG_DESKTOP_DIR of ${XDG_CONFIG_HOME:-$HOME/.config}/user-dirs.dirs, else $HOME/Desktop.
std::string DesktopFolder();

// DataHome()/applications: the Start-menu stand-in.
std::string ApplicationsFolder();

// $HOME, or the home folder of the user's password entry when HOME is unset or empty.
std::string HomeFolder();

}  // namespace orbello::platform
