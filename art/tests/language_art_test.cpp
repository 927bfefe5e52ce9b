// The pictures with words in every language: each word stays inside its text area at 1x and 2x,
// in a font that has its glyphs; the buttons keep the English shapes; and each shipped skin has
// its colours' names in every shipped language.
#include <gtest/gtest.h>

#include <QSet>

#include "art_test_util.h"
#include "face_words.h"
#include "raster.h"
#include "skinfile/language_color_names.h"
#include "window_art.h"

namespace orbello::art::testing {
namespace {

QString Rect(const QRectF& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

TEST(LanguageArt, EveryWordFitsItsTextAreaAtBothScales) {
  ASSERT_TRUE(LoadFonts());
  ASSERT_TRUE(LoadLabelFonts());
  for (const FaceWords& words : AllFaceWords()) {
    const std::vector<LabelExtent> extents = MeasureLabels(FitLabels(words));
    ASSERT_EQ(extents.size(), LabelPlaces().size());
    for (const LabelExtent& e : extents) {
      EXPECT_TRUE(e.covered) << words.language.toStdString() << " " << e.text.toStdString();
      EXPECT_TRUE(e.Fits()) << words.language.toStdString() << " " << e.what.toStdString() << " \""
                            << e.text.toStdString() << "\" drawn " << Rect(e.ink).toStdString()
                            << ", area " << Rect(e.area).toStdString();
    }
  }
  // The pseudo-language's words are the English ones, accented and 40 % longer.
  EXPECT_EQ(PseudoWord("New"), QStringLiteral("Ñéwøø"));
  EXPECT_EQ(PseudoWord("SCORE"), QStringLiteral("ŠÇÖRÉØØ"));
}

// The window's button shapes come from the language's faces, so they must be the English shapes.
TEST(LanguageArt, FacesOfEveryLanguageKeepTheEnglishShapesAndSizes) {
  const auto shape = [](const QImage& image) {
    QImage mask(image.size(), QImage::Format_Mono);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x)
        mask.setPixel(x, y, SeeThrough(image.pixel(x, y)) ? 1 : 0);
    }
    return mask;
  };
  for (const FaceWords& words : AllFaceWords()) {
    if (words.language.isEmpty())
      continue;
    SCOPED_TRACE(words.language.toStdString());
    for (const char* name : {"BITMAP_BTN", "BITMAP_NEW_DISABLE", "BITMAP_TYPE_GAME"}) {
      const QImage english = Load(QStringLiteral("game/%1.bmp").arg(name));
      const QImage own = Load(QStringLiteral("game/%1/%2.bmp").arg(words.language, name));
      const QImage own2x = Load(QStringLiteral("game/%1/%2@2x.bmp").arg(words.language, name));
      ASSERT_EQ(own.size(), english.size()) << name;
      EXPECT_EQ(own2x.size(), english.size() * 2) << name;
      EXPECT_EQ(shape(own), shape(english)) << name;
      EXPECT_NE(own, english) << name;
    }
    EXPECT_EQ(QImage(ArtPath("game/" + words.language + "/201@2x.jpg")).size(), QSize(1180, 960));
  }
}

TEST(LanguageArt, ShippedSkinsNameTheirColoursInEveryShippedLanguage) {
  for (const char* skin : {"classic", "retro", "gems"}) {
    const std::string sf = ArtPath(QStringLiteral("skins/%1.sf").arg(skin)).toStdString();
    skinfile::ColorNames english;
    ASSERT_TRUE(skinfile::ReadLanguageColorNames(sf, "", &english));
    for (const FaceWords& words : AllFaceWords()) {
      if (words.language.isEmpty() || !words.shipped)
        continue;
      SCOPED_TRACE(std::string(skin) + " " + words.language.toStdString());
      skinfile::ColorNames names;
      ASSERT_TRUE(skinfile::ReadLanguageColorNames(sf, words.language.toStdString(), &names));
      QSet<QString> distinct;
      for (const std::string& name : names)
        distinct.insert(QString::fromStdString(name));
      EXPECT_EQ(distinct.size(), skinfile::kColorNameCount);
      EXPECT_NE(names, english);
    }
    skinfile::ColorNames untouched = skinfile::NumberedColorNames();
    EXPECT_FALSE(skinfile::ReadLanguageColorNames(sf, "xx", &untouched));
    EXPECT_EQ(untouched, skinfile::NumberedColorNames());
  }
}

}  // namespace
}  // namespace orbello::art::testing
