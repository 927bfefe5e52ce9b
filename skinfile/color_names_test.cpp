#include "skinfile/color_names.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/core/testing/test_support.h"
#include "skinfile/companion.h"

namespace orbello::skinfile {
namespace {

using testing::WriteFileBytes;

std::string Header(const std::string& skin) {
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a64(skin)));
  return "orbello-color-names 1 " + std::to_string(skin.size()) + " " + hash + "\n";
}

const char kNames[] = "red\ngreen\nblue\nyellow\npurple\nlight blue\nbrown\n";

TEST(ColorNamesTest, NamesBelongToTheSkinsPresentBytes) {
  testing::TempDir dir;
  const std::string skin_path = dir / "classic.sf";
  const std::string skin = std::string("skin\0bytes", 10);
  WriteFileBytes(skin_path, skin);

  EXPECT_EQ(ReadColorNames(skin_path), NumberedColorNames()) << "no names file";
  EXPECT_EQ(NumberedColorNames()[6], "colour 7");

  WriteFileBytes(ColorNamesPath(skin_path), Header(skin) + kNames);
  const ColorNames names = ReadColorNames(skin_path);
  EXPECT_EQ(names[0], "red");
  EXPECT_EQ(names[5], "light blue");
  EXPECT_EQ(names[6], "brown");

  // The skin replaced under the same name, by one of the same length: the names are not its.
  WriteFileBytes(skin_path, std::string("skin\0bytez", 10));
  EXPECT_EQ(ReadColorNames(skin_path), NumberedColorNames());
}

TEST(ColorNamesTest, MalformedFilesGiveTheNumberedNames) {
  const std::string skin = "SKIN";
  const std::string header = Header(skin);
  const std::string forty_ascii(40, 'x');
  std::string forty_accented;
  for (int i = 0; i < 40; ++i)
    forty_accented += "\xc3\xa9";  // 40 characters in 80 bytes: still a name
  ColorNames names;
  EXPECT_TRUE(ParseColorNames(header + forty_accented + "\n" + "a\nb\nc\nd\ne\nf", skin, &names));
  EXPECT_EQ(names[0], forty_accented);
  EXPECT_TRUE(ParseColorNames(header + forty_ascii + "\na\nb\nc\nd\ne\nf\n", skin, &names));

  const std::string bad[] = {
      "",
      "orbello-color-names 1 5 " + header.substr(header.size() - 17) + kNames,  // wrong length
      "orbello-color-names 2" + header.substr(21) + kNames,                     // version
      "orbello-color-names 1 4 0000000000000000\n" + std::string(kNames),       // wrong hash
      header + "red\ngreen\nblue\nyellow\npurple\nlight blue\n",                // six names
      header + kNames + "pink\n",                                               // eight names
      header + "red\n\nblue\nyellow\npurple\nlight blue\nbrown\n",              // empty name
      header + "red\r\ngreen\r\nblue\r\nyellow\r\npurple\r\nlight blue\r\nbrown\r\n",  // CR LF
      header + std::string(41, 'x') + "\ngreen\nblue\nyellow\npurple\nlight blue\nbrown\n",
      header + "r\xc3\nd\ngreen\nblue\nyellow\npurple\nlight blue\nbrown\n",   // cut UTF-8
      header + "r\xc0\xa5\ngreen\nblue\nyellow\npurple\nlight blue\nbrown\n",  // overlong
      header + "r\x1b\ngreen\nblue\nyellow\npurple\nlight blue\nbrown\n",      // control
  };
  for (const std::string& text : bad) {
    names = NumberedColorNames();
    EXPECT_FALSE(ParseColorNames(text, skin, &names)) << text;
    EXPECT_EQ(names, NumberedColorNames()) << text;
  }
}

}  // namespace
}  // namespace orbello::skinfile
