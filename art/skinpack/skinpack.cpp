// Packs five BMP files into a skin file with the skin compiler's writer, or into the
// double-density companion of a skin file packed before, or sets the names of a packed skin's
// ball colours beside it.
// Usage: orbello-skinpack SKIN.sf BOARD.bmp SCORE.bmp BALLS.bmp TIMER.bmp WALK.bmp
//        orbello-skinpack --companion SKIN.sf BOARD.bmp SCORE.bmp BALLS.bmp TIMER.bmp WALK.bmp
//        orbello-skinpack --names SKIN.sf COLORS.txt [LANGUAGE]
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "skinfile/color_names.h"
#include "skinfile/companion.h"
#include "skinfile/language_color_names.h"
#include "skinfile/skinfile.h"

namespace skinfile = orbello::skinfile;

namespace {

constexpr int kColors = 7;
constexpr size_t kMaxNameCharacters = 40;

bool ReadWhole(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// A name a screen reader can speak after a cell's name: lower case, 1..40 printable characters
// of UTF-8 text. Only ASCII is expected here, so anything else is refused rather than guessed.
bool NameIsSpeakable(const std::string& name) {
  if (name.empty() || name.size() > kMaxNameCharacters || name.front() == ' ' || name.back() == ' ')
    return false;
  for (const char ch : name) {
    if (ch < 0x20 || ch > 0x7e || (ch >= 'A' && ch <= 'Z'))
      return false;
  }
  return true;
}

// Writes SKIN.sf.names (SKIN.sf.LANGUAGE.names for a language's names): a first line naming the
// skin file's length and hash, so that names never outlive the skin they were written for, then
// the seven colours' names in ball row order.
int WriteNames(const std::string& skin, const std::string& colors_path,
               const std::string& language) {
  std::string skin_bytes, colors;
  if (!ReadWhole(skin, &skin_bytes) || !ReadWhole(colors_path, &colors)) {
    std::fprintf(stderr, "orbello-skinpack: cannot read %s or %s\n", skin.c_str(),
                 colors_path.c_str());
    return 1;
  }
  std::vector<std::string> names;
  std::istringstream lines(colors);
  for (std::string line; std::getline(lines, line);)
    names.push_back(line);
  if (names.size() != kColors) {
    std::fprintf(stderr, "orbello-skinpack: %s names %zu colours, not %d\n", colors_path.c_str(),
                 names.size(), kColors);
    return 1;
  }
  std::set<std::string> seen;
  for (const std::string& name : names) {
    // A language's names are checked by the game's own reader below.
    if ((language.empty() && !NameIsSpeakable(name)) || !seen.insert(name).second) {
      std::fprintf(stderr, "orbello-skinpack: unusable or repeated colour name \"%s\" in %s\n",
                   name.c_str(), colors_path.c_str());
      return 1;
    }
  }
  char header[80];
  std::snprintf(header, sizeof header, "orbello-color-names 1 %zu %016" PRIx64 "\n",
                skin_bytes.size(), skinfile::Fnv1a64(skin_bytes));
  std::string text = header;
  for (const std::string& name : names)
    text += name + '\n';
  skinfile::ColorNames parsed;
  if (!skinfile::ParseColorNames(text, skin_bytes, &parsed)) {
    std::fprintf(stderr, "orbello-skinpack: the game would not read the names of %s\n",
                 colors_path.c_str());
    return 1;
  }
  const std::string path =
      language.empty() ? skin + ".names" : skinfile::LanguageColorNamesPath(skin, language);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) {
    std::remove(path.c_str());
    std::fprintf(stderr, "orbello-skinpack: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--names") {
    if (argc != 4 && argc != 5) {
      std::fprintf(stderr, "usage: orbello-skinpack --names SKIN.sf COLORS.txt [LANGUAGE]\n");
      return 2;
    }
    return WriteNames(argv[2], argv[3], argc == 5 ? argv[4] : "");
  }
  const bool companion = argc > 1 && std::string(argv[1]) == "--companion";
  const int first = companion ? 2 : 1;
  if (argc != first + 1 + skinfile::kPictureCount) {
    std::fprintf(stderr,
                 "usage: orbello-skinpack [--companion] SKIN.sf BOARD SCORE BALLS TIMER WALK\n");
    return 2;
  }
  const std::string skin = argv[first];
  std::array<std::string, skinfile::kPictureCount> sources;
  for (int i = 0; i < skinfile::kPictureCount; ++i)
    sources[i] = argv[first + 1 + i];
  if (companion) {
    std::string error;
    if (!skinfile::WriteCompanion(skinfile::CompanionPath(skin), skin, sources, &error)) {
      std::fprintf(stderr, "orbello-skinpack: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  const skinfile::WriteReport report = skinfile::WriteSkinFile(skin, sources);
  if (report.result != skinfile::WriteResult::kSaved) {
    const char* why = report.failure == skinfile::WriteFailure::kCannotOpen   ? "cannot open"
                      : report.failure == skinfile::WriteFailure::kCannotRead ? "cannot read"
                                                                              : "cannot write";
    std::fprintf(stderr, "orbello-skinpack: %s: %s\n", why,
                 report.source.empty() ? skin.c_str() : report.source.c_str());
    return 1;
  }
  return 0;
}
