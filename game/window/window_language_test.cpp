// The window in the player's language: this test runs with LANGUAGE=de, so the faces, the label of
// the game type and the captions under the displays come from the German pictures beside the
// program, and no other language's pictures are even registered.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QResource>
#include <QTest>
#include <memory>

#include "game/window/main_form.h"
#include "game/window/testing/window_test_env.h"
#include "platform/qt/language.h"

namespace orbello::window {
namespace {

using testing::Access;
using testing::ScriptedMessages;
using testing::TestInstallation;

QImage Art(const char* relative) {
  return QImage(QStringLiteral(ORBELLO_ART_DIR "/game/") + QLatin1String(relative))
      .convertToFormat(QImage::Format_RGB32);
}

// How many pixels of `size` at `at` in `shown` differ from `picture` at `from`.
int Differing(const QImage& shown, QPoint at, const QImage& picture, QPoint from, QSize size) {
  int count = 0;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x)
      count += shown.pixel(at + QPoint(x, y)) != picture.pixel(from + QPoint(x, y));
  }
  return count;
}

TEST(WindowLanguage, AGermanPlayerSeesTheGermanPictures) {
  ASSERT_EQ(platform::UiLanguage(), QStringLiteral("de"));
  TestInstallation install;
  ScriptedMessages messages;
  ASSERT_TRUE(install.WriteDefault());
  auto form = std::make_unique<TMainForm1>(install.HighScorePath());
  form->SetExitHandler([](int) {});
  ASSERT_EQ(form->Create(), 0) << messages.Texts().join("|").toStdString();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QApplication::processEvents();
  QPaintDevice* device = form->backingStore()->paintDevice();
  ASSERT_EQ(device->devType(), QInternal::Image);
  const QImage shown = static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);

  const QImage german = Art("de/BITMAP_BTN.bmp"), english = Art("BITMAP_BTN.bmp");
  ASSERT_FALSE(german.isNull());
  // The words of the New face (its button part, inside the rim), of Quit, and of the label of
  // the game type and the captions.
  const QPoint new_face(110, 25), quit_face(39, 265);
  const QRect words(6, 6, 42, 20);
  EXPECT_EQ(Differing(shown, new_face + words.topLeft(), german, words.topLeft(), words.size()), 0);
  EXPECT_GT(Differing(shown, new_face + words.topLeft(), english, words.topLeft(), words.size()),
            20);
  EXPECT_EQ(
      Differing(shown, quit_face + words.topLeft(), german, QPoint(6, 32 * 6 + 6), QSize(58, 20)),
      0);
  const QImage types = Art("de/BITMAP_TYPE_GAME.bmp");
  EXPECT_EQ(Differing(shown, QPoint(217, 54), types, QPoint(0, 0), QSize(72, 11)), 0);
  const QImage backdrop = Art("de/201.jpg"), english_backdrop = Art("201.jpg");
  const QRect captions(250, 448, 200, 16);
  EXPECT_EQ(Differing(shown, captions.topLeft(), backdrop, captions.topLeft(), captions.size()), 0);
  EXPECT_GT(
      Differing(shown, captions.topLeft(), english_backdrop, captions.topLeft(), captions.size()),
      100);

  // Only the player's language is mapped; the English pictures stay where they were.
  EXPECT_TRUE(QResource(QStringLiteral(":/game/de/BITMAP_BTN.bmp")).isValid());
  EXPECT_FALSE(QResource(QStringLiteral(":/game/fr/BITMAP_BTN.bmp")).isValid());
  EXPECT_TRUE(QResource(QStringLiteral(":/game/BITMAP_BTN.bmp")).isValid());
}

}  // namespace
}  // namespace orbello::window
