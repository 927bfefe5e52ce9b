// The installer's helper: the parts of the installation that need the platform layer.
//   orbello-install-helper folders            prints the data, desktop and applications folders
//   orbello-install-helper check APP_DIR/     fails when the game could not use that folder
//   orbello-install-helper registry APP_DIR/  writes the settings key and the uninstall entry
//   orbello-install-helper replace FILE        replaces FILE with what stdin holds; a link stays a
//                                              link (its target is replaced), a file keeps its mode
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "install_registry.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "folders") == 0) {
    std::printf("%s\n%s\n%s\n", orbello::platform::DataHome().c_str(),
                orbello::platform::DesktopFolder().c_str(),
                orbello::platform::ApplicationsFolder().c_str());
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "check") == 0) {
    std::string error;
    if (!orbello::installer::CheckInstallFolder(argv[2], &error)) {
      std::fprintf(stderr, "orbello-install-helper: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "registry") == 0) {
    std::vector<std::string> report;
    std::string error;
    if (!orbello::installer::WriteUserSettings(argv[2], &report, &error) ||
        !orbello::installer::WriteUninstallEntry(argv[2], &error)) {
      std::fprintf(stderr, "orbello-install-helper: %s\n", error.c_str());
      return 1;
    }
    for (const std::string& line : report)
      std::printf("  %s\n", line.c_str());
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "replace") == 0) {
    // The player's own files (a mimeapps.list may link to a private dotfile) keep what they are.
    std::string bytes;
    char buffer[65536];
    for (ssize_t n; (n = orbello::platform::ReadFull(STDIN_FILENO, buffer, sizeof buffer)) > 0;)
      bytes.append(buffer, static_cast<size_t>(n));
    if (!orbello::platform::ReplaceFile(argv[2], bytes)) {
      std::fprintf(stderr, "orbello-install-helper: cannot write %s: %s\n", argv[2],
                   std::strerror(errno));
      return 1;
    }
    return 0;
  }
  std::fprintf(stderr,
               "usage: orbello-install-helper folders | check APP_DIR/ | registry APP_DIR/ | "
               "replace FILE\n");
  return 2;
}
