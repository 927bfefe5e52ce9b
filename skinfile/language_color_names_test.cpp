#include "skinfile/language_color_names.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/core/testing/test_support.h"
#include "skinfile/companion.h"

namespace orbello::skinfile {
namespace {

using testing::WriteFileBytes;

TEST(LanguageColorNamesTest, ALanguagesNamesBelongToTheSkinsPresentBytes) {
  testing::TempDir dir;
  const std::string skin_path = dir / "classic.sf";
  const std::string skin = "skin bytes";
  WriteFileBytes(skin_path, skin);
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a64(skin)));
  const std::string header = "orbello-color-names 1 10 " + std::string(hash) + "\n";
  EXPECT_EQ(LanguageColorNamesPath(skin_path, "pt_BR"), skin_path + ".pt_BR.names");
  EXPECT_EQ(LanguageColorNamesPath(skin_path, ""), ColorNamesPath(skin_path));

  ColorNames names = NumberedColorNames();
  EXPECT_FALSE(ReadLanguageColorNames(skin_path, "ru", &names)) << "no file for the language";
  WriteFileBytes(skin_path + ".ru.names",
                 header + "красный\nзелёный\nсиний\nжёлтый\nголубой\nфиолетовый\nоранжевый\n");
  ASSERT_TRUE(ReadLanguageColorNames(skin_path, "ru", &names));
  EXPECT_EQ(names[4], "голубой");
  // Another language's file is not read for this one, nor the English one.
  WriteFileBytes(ColorNamesPath(skin_path), header + "a\nb\nc\nd\ne\nf\ng\n");
  ColorNames kept = NumberedColorNames();
  EXPECT_FALSE(ReadLanguageColorNames(skin_path, "uk", &kept));
  EXPECT_EQ(kept, NumberedColorNames());
  // The skin replaced under the same name: its old names are not its own.
  WriteFileBytes(skin_path, "skin bytez");
  EXPECT_FALSE(ReadLanguageColorNames(skin_path, "ru", &kept));
  EXPECT_EQ(kept, NumberedColorNames());
}

}  // namespace
}  // namespace orbello::skinfile
