#include "platform/qt/language.h"

#include <gtest/gtest.h>

namespace orbello::platform {
namespace {

TEST(LanguageTest, ChoosesTheFirstServedLanguageAndFallsBackToEnglish) {
  struct Case {
    QStringList ui_languages;
    QString expected;
  };
  const Case cases[] = {
      {{"de-AT", "en-US"}, "de"},
      {{"pt-PT"}, "pt_BR"},
      {{"pt"}, "pt_BR"},
      {{"zh-Hans-SG"}, "zh_CN"},
      {{"zh_SG.UTF-8"}, "zh_CN"},
      {{"zh-Hant-TW", "ja"}, "ja"},
      {{"sv-SE", "uk-UA"}, "uk"},
      {{"en-GB", "de"}, ""},
      {{"C"}, ""},
      {{"POSIX", "fr"}, "fr"},
      {{"sv"}, ""},
      {{}, ""},
      {{"xx"}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.ui_languages), c.expected)
        << c.ui_languages.join(u',').toStdString();
  }
}

}  // namespace
}  // namespace orbello::platform
