#include "skinfile/color_names.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <vector>

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
  const std::string six = "a\nb\nc\nd\ne\nf\n";
  std::string accented;
  for (int i = 0; i < 24; ++i)
    accented += "\xc3\xa9";  // 24 characters in 48 bytes: still a name
  ColorNames names;
  // Letters of any script, a word or two, parted by a space or a hyphen.
  for (const std::string& good :
       {accented, std::string(24, 'x'), std::string("rouge"), std::string("bleu-vert"),
        std::string("vert fonc\xc3\xa9"), std::string("e\xcc\x81"),
        std::string("\xd0\xba\xd1\x80\xd0\xb0\xd1\x81\xd0\xbd\xd1\x8b\xd0\xb9"),
        std::string("\xe7\xba\xa2\xe8\x89\xb2"), std::string("\xd8\xa3\xd8\xad\xd9\x85\xd8\xb1")}) {
    EXPECT_TRUE(ParseColorNames(header + good + "\n" + six, skin, &names)) << good;
    EXPECT_EQ(names[0], good);
  }
  EXPECT_TRUE(ParseColorNames(header + "x\na\nb\nc\nd\ne\nf", skin, &names)) << "no last LF";

  const std::string bad[] = {
      "",
      "orbello-color-names 1 5 " + header.substr(header.size() - 17) + kNames,  // wrong length
      "orbello-color-names 2" + header.substr(21) + kNames,                     // version
      "orbello-color-names 1 4 0000000000000000\n" + std::string(kNames),       // wrong hash
      header + "red\ngreen\nblue\nyellow\npurple\nlight blue\n",                // six names
      header + kNames + "pink\n",                                               // eight names
      header + "red\n\nblue\nyellow\npurple\nlight blue\nbrown\n",              // empty name
      header + "red\r\ngreen\r\nblue\r\nyellow\r\npurple\r\nlight blue\r\nbrown\r\n",  // CR LF
  };
  // Names that are no colour's: the screen reader would read them out as they stand.
  const std::string bad_names[] = {
      std::string(25, 'x'),
      "r\xc3",      // cut UTF-8
      "r\xc0\xa5",  // overlong
      "r\x1b",      // control
      "\xe2\x80\xae"
      "der",                          // right-to-left override
      "\xe2\x81\xa6red\xe2\x81\xa9",  // isolate
      "red\xe2\x80\xa8"
      "blue",  // line separator
      "re\xe2\x80\x8b"
      "d",                // zero-width space
      "\xef\xbb\xbfred",  // byte order mark
      "A1: empty. Game over, score 99999",
      "red2",
      "light  blue",
      " red",
      "red-",
      "red\xc2\xa0"
      "blue",  // no-break space
  };
  std::vector<std::string> texts(std::begin(bad), std::end(bad));
  for (const std::string& name : bad_names)
    texts.push_back(header + "red\n" + name + "\nblue\nyellow\npurple\nlight blue\nbrown\n");
  for (const std::string& text : texts) {
    names = NumberedColorNames();
    EXPECT_FALSE(ParseColorNames(text, skin, &names)) << text;
    EXPECT_EQ(names, NumberedColorNames()) << text;
  }
}

}  // namespace
}  // namespace orbello::skinfile
