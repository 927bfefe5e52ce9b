// What a screen reader is told about the main window, asked of the interfaces directly.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QDialog>
#include <QTest>
#include <cstdio>
#include <fstream>

#include "game/engine/testing/engine_access.h"
#include "game/window/accessible_form.h"
#include "game/window/main_form.h"
#include "game/window/testing/window_test_env.h"
#include "platform/core/files.h"
#include "skinfile/color_names.h"
#include "skinfile/companion.h"

namespace orbello::window {
namespace {

using testing::Access;

QString Name(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

// Names for the generated skin, as the art generator writes them for the shipped ones.
void WriteColorNames(const std::string& skin_path) {
  std::string skin;
  ASSERT_TRUE(platform::ReadRegularFile(skin_path, size_t{64} << 20, &skin));
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx",
                static_cast<unsigned long long>(skinfile::Fnv1a64(skin)));
  std::ofstream(skinfile::ColorNamesPath(skin_path), std::ios::binary)
      << "orbello-color-names 1 " << skin.size() << " " << hash
      << "\nred\ngreen\nblue\nyellow\npurple\nlight blue\nbrown\n";
}

TEST(AccessibleFormTest, CommandsDisplaysAndCellsSayWhatTheyAre) {
  testing::TestInstallation install;
  ASSERT_TRUE(install.WriteDefault());
  testing::ScriptedMessages messages;
  TMainForm1 form(install.HighScorePath());
  ASSERT_EQ(form.Create(), 0);
  WriteColorNames(Access(form).Settings().TitleSkin());

  QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&form);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->role(), QAccessible::Window);
  EXPECT_EQ(frame->text(QAccessible::Name), QStringLiteral("Corvane Orbello"));

  const QStringList commands = {"New game",     "New game: choose type",
                                "Load game",    "Save game",
                                "Best results", "Best results: choose type",
                                "Settings",     "About",
                                "Quit",         "Help",
                                "Minimise",     "Close"};
  for (int slot = 0; slot < kButtonCount; ++slot) {
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(Access(form).Button(slot));
    EXPECT_EQ(button->role(), QAccessible::PushButton);
    EXPECT_EQ(button->text(QAccessible::Name), commands[slot]);
  }
  QAccessibleInterface* save =
      QAccessible::queryAccessibleInterface(Access(form).Button(kSaveSlot));
  EXPECT_TRUE(save->state().disabled);
  form.OnCommand(kCmdNew);
  EXPECT_FALSE(save->state().disabled);

  // A position laid out by hand: a red ball on E3, three balls announced.
  EngineAccess::LayOutRedBallOnE3(form.Engine());
  form.OnCommand(-1);  // no command: only what changed is told

  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Access(form).Panel());
  ASSERT_NE(board, nullptr);
  // No table interface: a reader would read the whole row at each step up or down.
  EXPECT_EQ(board->role(), QAccessible::Table);
  EXPECT_EQ(board->tableInterface(), nullptr);
  EXPECT_EQ(board->childCount(), 81);
  QAccessibleInterface* e3 = board->child(2 * 9 + 4);
  ASSERT_NE(e3, nullptr);
  EXPECT_EQ(e3->role(), QAccessible::Cell);
  EXPECT_EQ(e3->object(), Access(form).Cell(CellNumber(4, 2)));
  EXPECT_EQ(board->indexOfChild(e3), 2 * 9 + 4);
  EXPECT_EQ(e3->tableCellInterface()->rowIndex(), 2);
  EXPECT_EQ(e3->tableCellInterface()->columnIndex(), 4);
  EXPECT_EQ(e3->text(QAccessible::Name), QStringLiteral("E3: red ball"));
  EXPECT_EQ(Name(Access(form).Cell(CellNumber(0, 0))),
            QStringLiteral("A1: empty, green ball announced"));
  EXPECT_EQ(Name(Access(form).Cell(CellNumber(8, 0))), QStringLiteral("I1: empty"));

  EXPECT_EQ(Name(Access(form).ImageScore()), QStringLiteral("Score 120"));
  EXPECT_EQ(Name(Access(form).ImageChamp()), QStringLiteral("Champion 0"));
  EXPECT_EQ(Name(Access(form).ImageTime()), QStringLiteral("Time 00:00:00"));
  EXPECT_EQ(Name(Access(form).ImageGame()), QStringLiteral("Game type Lines"));
  QWidget* next = Access(form).ImagePrev(0)->parentWidget();
  EXPECT_EQ(Name(next), QStringLiteral("Next: green, blue, purple"));

  // What the reading keys say.
  FormAccessibility& reader = *form.Accessibility();
  Access(form).Panel()->SetCursor(CellNumber(4, 0));  // E1
  EXPECT_EQ(reader.ReadingFor(Qt::Key_R),
            QStringLiteral("Row 1: A1: empty, green ball announced; the rest empty."));
  EXPECT_EQ(reader.ReadingFor(Qt::Key_V),
            QStringLiteral("Column E: E3: red ball; the rest empty."));
  EXPECT_EQ(reader.ReadingFor(Qt::Key_B), QStringLiteral("red: E3."));
  EXPECT_EQ(reader.ReadingFor(Qt::Key_S), QStringLiteral("Score 120, champion 0, time 00:00:00."));
  EXPECT_EQ(reader.ReadingFor(Qt::Key_X), QString());

  // The cell's action is a left press, taken only where a mouse press could be: not behind a
  // modal window, nor while a turn is played.
  form.show();
  ASSERT_NE(e3->actionInterface(), nullptr);
  {
    QDialog settings(&form);
    settings.setModal(true);
    settings.show();
    e3->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QAccessible::queryAccessibleInterface(Access(form).Button(0))  // New game
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Engine().SelX(), kNone);
    EXPECT_EQ(form.Engine().Score(), 120u);
  }
  reader.BeforeCellClick();
  e3->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Engine().SelX(), kNone);
  reader.AfterCellClick(TurnOutcome{});
  e3->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Engine().SelX(), 4);
  EXPECT_EQ(e3->text(QAccessible::Name), QStringLiteral("E3: red ball, selected"));
  EXPECT_TRUE(e3->state().selected);
  QAccessibleInterface* status = frame->child(frame->childCount() - 1);
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->role(), QAccessible::StatusBar);
  EXPECT_EQ(status->text(QAccessible::Name), QStringLiteral("Red ball E3 selected."));

  // Neither previews nor marks: the announcements are hidden.
  form.Engine().Settings().NextColors = NextBallDisplay::kHidden;
  EXPECT_EQ(Name(next), QStringLiteral("Next: hidden"));
  EXPECT_EQ(Name(Access(form).Cell(CellNumber(0, 0))), QStringLiteral("A1: empty"));

  // The variant menu reads its items; the highlighted one has the focus, a press takes it.
  form.OnCommand(kCmdNewMenu);
  QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(Access(form).GameMenu());
  ASSERT_EQ(menu->childCount(), 3);
  EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
  EXPECT_EQ(menu->child(2)->text(QAccessible::Name), QStringLiteral("Blocks"));
  QTest::keyClick(Access(form).GameMenu(), Qt::Key_Down);
  EXPECT_TRUE(menu->child(0)->state().focused);
  menu->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Engine().GameType(), 2);
}

}  // namespace
}  // namespace orbello::window
