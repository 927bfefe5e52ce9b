// The window in the player's language: this test runs with LANGUAGE=de, so the faces, the label of
// the game type and the captions under the displays come from the German pictures beside the
// program, and no other language's pictures are even registered; a screen reader hears German.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QBackingStore>
#include <QResource>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <memory>

#include "game/engine/testing/engine_access.h"
#include "game/window/accessible_form.h"
#include "game/window/main_form.h"
#include "game/window/testing/window_test_env.h"
#include "platform/core/files.h"
#include "platform/qt/language.h"
#include "platform/qt/translation.h"
#include "skinfile/companion.h"
#include "skinfile/language_color_names.h"

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

// A names file for the skin at `skin_path` in `language` (empty: English), as the art generator
// writes them for the shipped skins.
void WriteColorNames(const std::string& skin_path, const std::string& language, const char* names) {
  std::string skin;
  ASSERT_TRUE(platform::ReadRegularFile(skin_path, size_t{64} << 20, &skin));
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx",
                static_cast<unsigned long long>(skinfile::Fnv1a64(skin)));
  std::ofstream(skinfile::LanguageColorNamesPath(skin_path, language), std::ios::binary)
      << "orbello-color-names 1 " << skin.size() << " " << hash << "\n"
      << names;
}

QString Name(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

TEST(WindowLanguage, AGermanPlayerHearsCellsTurnsAndColoursInGerman) {
  ASSERT_TRUE(platform::InstallTranslations());
  TestInstallation install;
  ScriptedMessages messages;
  ASSERT_TRUE(install.WriteDefault());
  TMainForm1 form(install.HighScorePath());
  ASSERT_EQ(form.Create(), 0) << messages.Texts().join("|").toStdString();

  // A player's own skin has numbered colours in the language; the English names serve where
  // there are no German ones, the German ones where there are.
  const std::string skin = Access(form).Settings().TitleSkin();
  EXPECT_EQ(ReadColorNamesFor(skin)[6], "Farbe 7");
  WriteColorNames(skin, "", "red\ngreen\nblue\nyellow\npurple\nlight blue\nbrown\n");
  EXPECT_EQ(ReadColorNamesFor(skin)[6], "brown");
  WriteColorNames(skin, "de", "rote\ngrüne\nblaue\ngelbe\nviolette\nhellblaue\nbraune\n");

  form.OnCommand(kCmdNew);
  EngineAccess::LayOutRedBallOnE3(form.Engine());
  form.OnCommand(-1);
  EXPECT_EQ(Name(Access(form).Button(0)), QStringLiteral("Neues Spiel"));
  EXPECT_EQ(Name(Access(form).Cell(CellNumber(4, 2))), QStringLiteral("E3: rote Kugel"));
  EXPECT_EQ(Name(Access(form).Cell(CellNumber(0, 0))),
            QStringLiteral("A1: leer, grüne Kugel angekündigt"));
  FormAccessibility& reader = *form.Accessibility();
  Access(form).Panel()->SetCursor(CellNumber(4, 0));
  EXPECT_EQ(reader.ReadingFor(Qt::Key_V),
            QStringLiteral("Spalte E: E3: rote Kugel; der Rest ist leer."));
  EXPECT_EQ(reader.ReadingFor(Qt::Key_S),
            QStringLiteral("Punktestand 120, Rekord 0, Zeit 00:00:00."));

  TurnOutcome moved;
  moved.kind = TurnOutcome::Kind::kMoved;
  moved.color = 1;
  moved.from = CellNumber(0, 0);
  moved.to = CellNumber(4, 4);
  moved.appeared = {{2, 3, 0}, {5, 6, 6}, {7, 8, 4}};
  moved.removed_by_appeared = 5;
  moved.points_by_appeared = 10;
  EXPECT_EQ(TurnSummary(moved, reader.ColorNames()),
            QStringLiteral("Grüne Kugel von A1 nach E5. Drei neue Kugeln: rote auf C4, braune auf "
                           "F7, violette auf H9. 5 Kugeln entfernt, 10 Punkte."));
  moved.appeared.clear();
  moved.removed = 4;
  moved.points = 1;
  moved.game_over = true;
  EXPECT_EQ(
      TurnSummary(moved, reader.ColorNames()),
      QStringLiteral("Grüne Kugel von A1 nach E5. 4 Kugeln entfernt, 1 Punkt. Spiel vorbei."));
}

}  // namespace
}  // namespace orbello::window
