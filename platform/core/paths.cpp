#include "platform/core/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string_view>
#include <vector>

#include "platform/core/files.h"

namespace orbello::platform {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

std::string StripTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') {
    path.pop_back();
  }
  return path;
}

std::string ConfigHome() {
  std::string config = Env("XDG_CONFIG_HOME");
  if (config.empty()) {
    config = HomeFolder() + "/.config";
  }
  return StripTrailingSlashes(config);
}

// Value of XDG_DESKTOP_DIR in a user-dirs.dirs file: "$HOME/..." or an absolute path, in
// double quotes, with shell-style backslash escapes.
std::string DesktopFromUserDirs(const std::string& file) {
  // A FIFO or a device in its place must not block whoever looks for the desktop; the file holds a
  // few lines.
  std::string text;
  ReadRegularFile(file, 1 << 20, &text);
  std::istringstream in(text);
  std::string line;
  std::string result;
  while (std::getline(in, line)) {
    std::string_view view(line);
    while (!view.empty() && (view.front() == ' ' || view.front() == '\t')) {
      view.remove_prefix(1);
    }
    constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
    if (view.substr(0, kKey.size()) != kKey) {
      continue;
    }
    view.remove_prefix(kKey.size());
    if (view.size() < 2 || view.front() != '"') {
      continue;
    }
    view.remove_prefix(1);
    std::string value;
    bool closed = false;
    for (size_t i = 0; i < view.size(); ++i) {
      if (view[i] == '\\' && i + 1 < view.size()) {
        value += view[++i];
      } else if (view[i] == '"') {
        closed = true;
        break;
      } else {
        value += view[i];
      }
    }
    if (!closed) {
      continue;
    }
    if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/')) {
      value = HomeFolder() + value.substr(5);
    } else if (value.empty() || value.front() != '/') {
      continue;
    }
    result = StripTrailingSlashes(value);  // the last valid line wins, as in the shell
  }
  return result;
}

}  // namespace

std::string HomeFolder() {
  std::string home = Env("HOME");
  if (!home.empty()) {
    return StripTrailingSlashes(home);
  }
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir != nullptr) {
    return StripTrailingSlashes(found->pw_dir);
  }
  return "/";
}

std::string ProgramFolder() {
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) {
      return std::string();
    }
    if (static_cast<size_t>(n) < buffer.size()) {
      std::string path(buffer.data(), static_cast<size_t>(n));
      size_t slash = path.rfind('/');
      return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string TempFolder() {
  std::string tmp = Env("TMPDIR");
  if (tmp.empty()) {
    return "/tmp";
  }
  return StripTrailingSlashes(tmp);
}

std::string ConfigFolder() {
  return ConfigHome() + "/corvane";
}

std::string DataHome() {
  std::string data = Env("XDG_DATA_HOME");
  if (data.empty()) {
    data = HomeFolder() + "/.local/share";
  }
  return StripTrailingSlashes(data);
}

std::string DesktopFolder() {
  std::string desktop = DesktopFromUserDirs(ConfigHome() + "/user-dirs.dirs");
  return desktop.empty() ? HomeFolder() + "/Desktop" : desktop;
}

std::string ApplicationsFolder() {
  return DataHome() + "/applications";
}

}  // namespace orbello::platform
