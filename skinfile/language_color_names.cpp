#include "skinfile/language_color_names.h"

#include "platform/core/files.h"

namespace orbello::skinfile {

namespace {

// As for the English names: a names file is some hundred bytes, a skin at most some megabytes.
constexpr size_t kMaxNamesBytes = 4096;
constexpr size_t kMaxSkinBytes = size_t{64} << 20;

}  // namespace

std::string LanguageColorNamesPath(const std::string& skin_path, const std::string& language) {
  if (language.empty())
    return ColorNamesPath(skin_path);
  return skin_path + "." + language + ".names";
}

bool ReadLanguageColorNames(const std::string& skin_path, const std::string& language,
                            ColorNames* names) {
  // A language is a catalogue suffix ("de", "pt_BR"), never a path.
  if (language.find_first_of("/.") != std::string::npos)
    return false;
  std::string text;
  if (!platform::ReadRegularFile(LanguageColorNamesPath(skin_path, language), kMaxNamesBytes,
                                 &text)) {
    return false;
  }
  std::string skin;
  if (!platform::ReadRegularFile(skin_path, kMaxSkinBytes, &skin))
    return false;
  return ParseColorNames(text, skin, names);
}

}  // namespace orbello::skinfile
