// The three resource libraries carry the generated files under their fixed names.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "art_test_util.h"

namespace orbello::art::testing {
namespace {

TEST(Resources, EveryNameOfTheProgramsIsThereWithTheGeneratedBytes) {
  const struct {
    const char* resource;
    const char* file;
  } names[] = {{":/game/BITMAP_BTN.bmp", "game/BITMAP_BTN.bmp"},
               {":/game/BITMAP_NEW_DISABLE.bmp", "game/BITMAP_NEW_DISABLE.bmp"},
               {":/game/BITMAP_CAPTION_BTN.bmp", "game/BITMAP_CAPTION_BTN.bmp"},
               {":/game/BITMAP_BAR_MENU.bmp", "game/BITMAP_BAR_MENU.bmp"},
               {":/game/BITMAP_TYPE_GAME.bmp", "game/BITMAP_TYPE_GAME.bmp"},
               {":/game/BITMAP_BACK.bmp", "game/BITMAP_BACK.bmp"},
               {":/game/201.jpg", "game/201.jpg"},
               {":/game/MAINICON.png", "game/MAINICON.png"},
               {":/game/WIN_GAME.wav", "game/WIN_GAME.wav"},
               {":/game/QUIT_GAME.wav", "game/QUIT_GAME.wav"},
               {":/game/BITMAP_BTN@2x.bmp", "game/BITMAP_BTN@2x.bmp"},
               {":/game/BITMAP_NEW_DISABLE@2x.bmp", "game/BITMAP_NEW_DISABLE@2x.bmp"},
               {":/game/BITMAP_CAPTION_BTN@2x.bmp", "game/BITMAP_CAPTION_BTN@2x.bmp"},
               {":/game/BITMAP_BAR_MENU@2x.bmp", "game/BITMAP_BAR_MENU@2x.bmp"},
               {":/game/BITMAP_TYPE_GAME@2x.bmp", "game/BITMAP_TYPE_GAME@2x.bmp"},
               {":/game/201@2x.jpg", "game/201@2x.jpg"},
               {":/csfob/BITMAP_1.bmp", "csfob/BITMAP_1.bmp"},
               {":/csfob/MAINICON.png", "csfob/MAINICON.png"},
               {":/uni/108.bmp", "uni/108.bmp"},
               {":/uni/113.bmp", "uni/113.bmp"},
               {":/uni/120.png", "uni/120.png"},
               {":/uni/121.png", "uni/121.png"},
               {":/uni/122.png", "uni/122.png"},
               {":/uni/123.png", "uni/123.png"}};
  for (const auto& n : names) {
    SCOPED_TRACE(n.resource);
    QFile resource(n.resource);
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    EXPECT_EQ(resource.readAll(), ReadAll(ArtPath(n.file)));
    if (!QByteArray(n.resource).endsWith(".wav")) {
      EXPECT_FALSE(QImage(n.resource).isNull());
    }
  }
}

}  // namespace
}  // namespace orbello::art::testing
