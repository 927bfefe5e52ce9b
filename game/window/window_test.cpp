// The main window with the whole game behind it, on the offscreen platform: start-up and its
// failures, the cells' pictures, a whole game driven by presses, the commands and the clock.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScreen>

#include <QTest>
#include <memory>

#include "game/engine/testing/engine_access.h"
#include "game/records/core/savedgame.h"
#include "game/records/dialogs/dialog_test_support.h"
#include "game/records/dialogs/dialogs.h"
#include "game/window/main_form.h"
#include "game/window/pictures.h"
#include "game/window/testing/window_test_env.h"
#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/ui.h"
#include "skinfile/skinfile.h"

namespace orbello::window {
namespace {

using testing::Access;
using testing::BallPixel;
using testing::BoardPixel;
using testing::ModalWatchdog;
using testing::ScriptedMessages;
using testing::TestInstallation;
using testing::WalkPixel;

// The first cell, in cell order, that holds a ball.
int FirstBall(const GameEngine& engine) {
  int ball = 0;
  while (engine.Board()[ball].Color == kEmpty)
    ++ball;
  return ball;
}

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(install_.WriteDefault()); }

  // Builds the window; the status of Create lands in status_, exits in exits_.
  std::unique_ptr<TMainForm1> Create() {
    auto form = std::make_unique<TMainForm1>(install_.HighScorePath());
    form->SetExitHandler([this](int status) { exits_.push_back(status); });
    status_ = form->Create();
    return form;
  }

  // Starts a game and selects its first ball with a click; the ball's cell.
  static int StartAndSelectFirstBall(TMainForm1& form) {
    form.OnCommand(kCmdNew);
    const int ball = FirstBall(form.Engine());
    QTest::mouseClick(Access(form).Cell(ball), Qt::LeftButton);
    return ball;
  }

  TestInstallation install_;
  ScriptedMessages messages_;
  int status_ = -1;
  std::vector<int> exits_;
};

// Where the 32 x 32 region at (2, 2) of a cell differs from `expected(lx, ly)`; -1 when equal.
template <typename Pixel>
int TileMismatch(const QImage& cell, Pixel expected, QPoint at = QPoint(2, 2)) {
  for (int ly = 0; ly < 32; ++ly) {
    for (int lx = 0; lx < 32; ++lx) {
      if (cell.pixel(at.x() + lx, at.y() + ly) != expected(lx, ly))
        return ly * 32 + lx;
    }
  }
  return -1;
}

bool ShowsEmptyCell(const QImage& cell) {
  for (int y = 0; y < 36; ++y) {
    for (int x = 0; x < 36; ++x) {
      if (cell.pixel(x, y) != BoardPixel(x, y))
        return false;
    }
  }
  return true;
}

bool ShowsBall(const QImage& cell, int frame, int color) {
  return TileMismatch(cell, [&](int lx, int ly) { return BallPixel(frame, color, lx, ly); }) < 0;
}

TEST(StartUp, EachFailureShowsItsMessageAndEndsWithItsStatus) {
  struct Scenario {
    const char* name;
    std::function<void(TestInstallation&)> install;
    std::function<std::string(TestInstallation&)> message;
    int status;
  };
  // The skin's message names the path the settings hold.
  const auto skin_message = [](const char* path) {
    return [path](TestInstallation& i) {
      return "Unable to load skin: [" + i.Path(path).toStdString() + "]";
    };
  };
  const Scenario scenarios[] = {
      {"no registry key",
       [](TestInstallation& i) {
         i.WriteSkin("test.sf");
         i.WriteHighScores();
       },
       [](TestInstallation&) { return std::string("Can't read registry key."); }, 1},
      {"missing skin file",
       [](TestInstallation& i) {
         GameSettings settings = i.DefaultSettings();
         settings.SetPath(kSlotSkin, i.Path("skin/gone.sf").toStdString());
         i.WriteHighScores();
         i.WriteSettings(settings);
       },
       skin_message("skin/gone.sf"), 1},
      {"empty skin file",
       [](TestInstallation& i) {
         QDir().mkpath(i.Path("skin"));
         QFile(i.Path("skin/test.sf")).open(QIODevice::WriteOnly);
         i.WriteHighScores();
         i.WriteSettings(i.DefaultSettings());
       },
       skin_message("skin/test.sf"), 1},
      {"skin of a picture that is no bitmap",
       [](TestInstallation& i) {
         i.WriteSkin("test.sf", QImage());
         i.WriteHighScores();
         i.WriteSettings(i.DefaultSettings());
       },
       skin_message("skin/test.sf"), 1},
      {"skin of a picture larger than the game could ever show",
       [](TestInstallation& i) {
         i.WriteSkin("test.sf", QImage(skinfile::kMaxPictureWidth + 1, 224, QImage::Format_RGB888));
         i.WriteHighScores();
         i.WriteSettings(i.DefaultSettings());
       },
       skin_message("skin/test.sf"), 1},
      {"missing cvobhs.dat",
       [](TestInstallation& i) {
         i.WriteSkin("test.sf");
         i.WriteSettings(i.DefaultSettings());
       },
       [](TestInstallation&) { return std::string("Can't read data from cvobhs.dat"); }, 2},
  };
  for (const Scenario& scenario : scenarios) {
    SCOPED_TRACE(scenario.name);
    TestInstallation install;
    ScriptedMessages messages;
    scenario.install(install);
    {
      TMainForm1 form(install.HighScorePath());
      EXPECT_EQ(form.Create(), scenario.status);
      ASSERT_EQ(messages.seen.size(), 1u) << messages.Texts().join("|").toStdString();
      EXPECT_EQ(messages.seen[0].text, scenario.message(install));
      EXPECT_EQ(messages.seen[0].caption, "Error");
      EXPECT_EQ(messages.seen[0].icon, platform::MessageIcon::kError);
      EXPECT_FALSE(form.isVisible());
      // Every one of these fails before the board's cells are made.
      EXPECT_TRUE(Access(form).Panel()->findChildren<BoardCell*>().isEmpty());
    }
    // Nothing of the skin stays behind in the temporary folder.
    EXPECT_TRUE(install.TempFiles().isEmpty()) << install.TempFiles().join(",").toStdString();
  }
}

TEST_F(FormTest, StartsWithAnEmptyBoardAndNoGame) {
  auto form = Create();
  ASSERT_EQ(status_, 0) << messages_.Texts().join("|").toStdString();
  EXPECT_TRUE(messages_.seen.empty());
  EXPECT_EQ(form->windowTitle(), "Corvane Orbello");
  EXPECT_EQ(form->size(), QSize(590, 480));
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(form->mask().contains(QPoint(2, 2)));
  EXPECT_FALSE(form->mask().contains(QPoint(587, 477)));
  EXPECT_TRUE(form->mask().contains(QPoint(350, 240)));
  EXPECT_TRUE(install_.TempFiles().isEmpty()) << "the skin is read without temporary files";

  EXPECT_EQ(Access(*form).Panel()->geometry(), QRect(188, 78, 324, 324));
  for (int x = 0; x < 9; ++x) {
    for (int y = 0; y < 9; ++y) {
      const int n = 9 * x + y;
      BoardCell* cell =
          Access(*form).Panel()->findChild<BoardCell*>(QStringLiteral("BoardCell%1").arg(n));
      ASSERT_NE(cell, nullptr) << n;
      EXPECT_EQ(cell, Access(*form).Cell(n));
      EXPECT_EQ(cell->Tag(), n);
      EXPECT_EQ(cell->geometry(), QRect(36 * x, 36 * y, 36, 36));
      EXPECT_TRUE(ShowsEmptyCell(cell->Snapshot())) << n;
    }
  }
  EXPECT_EQ(Access(*form).Panel()->findChildren<BoardCell*>().size(), 81);

  // Displays in their holders: score and champion 00000, clock 00:00:00.
  EXPECT_EQ(Access(*form).ImageScore()->mapTo(form.get(), QPoint(0, 0)), QPoint(368, 424));
  EXPECT_EQ(Access(*form).ImageChamp()->mapTo(form.get(), QPoint(0, 0)), QPoint(251, 424));
  EXPECT_EQ(Access(*form).ImageTime()->mapTo(form.get(), QPoint(0, 0)), QPoint(407, 54));
  EXPECT_EQ(Access(*form).ImageGame()->mapTo(form.get(), QPoint(0, 0)), QPoint(217, 54));
  EXPECT_EQ(Access(*form).ImagePrev(2)->mapTo(form.get(), QPoint(0, 0)), QPoint(364, 32));
  const QImage zeros = ComposeNumber(testing::MakeScoreDigits(), 0);
  EXPECT_EQ(Access(*form).ImageScore()->Snapshot(), zeros);
  EXPECT_EQ(Access(*form).ImageChamp()->Snapshot(), zeros);
  EXPECT_EQ(Access(*form).ImageTime()->Snapshot(),
            ComposeClock(testing::MakeTimerDigits(), 0).copy(0, 0, 72, 11));
  for (int slot = 0; slot < 3; ++slot)
    EXPECT_FALSE(Access(*form).ImagePrev(slot)->isHidden());

  EXPECT_FALSE(form->Engine().GameActive());
  EXPECT_FALSE(Access(*form).Button(kSaveSlot)->isEnabled());
  EXPECT_EQ(Access(*form).JumpInterval(), 30);
  EXPECT_FALSE(Access(*form).JumpTimerActive());

  // Shown, every part it was built with is on the screen too, and Save stays disabled.
  form->show();
  for (QWidget* part : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!part->isWindow()) {
      EXPECT_TRUE(part->isVisible()) << part->metaObject()->className();
    }
  }
  EXPECT_TRUE(Access(*form).Cell(80)->isVisible());
  EXPECT_FALSE(Access(*form).Button(kSaveSlot)->isEnabled());

  // Presses before the first game change nothing.
  QTest::mouseClick(Access(*form).Cell(40), Qt::LeftButton);
  EXPECT_EQ(form->Engine().SelX(), kNone);
  EXPECT_TRUE(ShowsEmptyCell(Access(*form).Cell(40)->Snapshot()));

  form.reset();
  EXPECT_TRUE(install_.TempFiles().isEmpty());
}

// The skin's pictures are read straight from the skin file: a temporary folder whose name is bytes
// that need not be text, or one that cannot be used at all, plays no part.
TEST_F(FormTest, ASkinUnpacksIntoATemporaryFolderWhoseNameIsNotText) {
  const QByteArray folder = install_.TempFolder().toLocal8Bit() + "/caf\xe9";
  ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
  for (const QByteArray& tmpdir : {folder, folder + "/missing"}) {
    SCOPED_TRACE(tmpdir.toStdString());
    qputenv("TMPDIR", tmpdir);
    auto form = Create();
    EXPECT_EQ(status_, 0) << messages_.Texts().join("|").toStdString();
    EXPECT_TRUE(messages_.seen.empty());
    form.reset();
  }
  EXPECT_EQ(::rmdir(folder.constData()), 0) << "nothing was left in it";
  qputenv("TMPDIR", install_.TempFolder().toLocal8Bit());
}

TEST_F(FormTest, PreviewsStayHiddenWhenOnlyTheBoardAnnounces) {
  GameSettings settings = install_.DefaultSettings();
  settings.NextColors = 3;
  ASSERT_TRUE(install_.WriteSettings(settings));
  auto form = Create();
  ASSERT_EQ(status_, 0);
  for (int slot = 0; slot < 3; ++slot)
    EXPECT_TRUE(Access(*form).ImagePrev(slot)->isHidden());
}

TEST_F(FormTest, StoredDelaysAreKeptBeyondTheSliderOnlyFreezingOnesBounded) {
  GameSettings settings = install_.DefaultSettings();
  settings.Delay_Move = 500;
  settings.Delay_Destroy = 250;
  settings.Delay_Appearance = 2000000000;
  settings.Delay_Jump = 150;
  ASSERT_TRUE(install_.WriteSettings(settings));
  auto form = Create();
  ASSERT_EQ(status_, 0);
  const EngineSettings& engine = form->Engine().Settings();
  EXPECT_EQ(engine.Delay_Move, 500u);
  EXPECT_EQ(engine.Delay_Destroy, 250u);
  EXPECT_EQ(engine.Delay_Appearance, static_cast<uint32_t>(kMaxDelay));
  EXPECT_EQ(Access(*form).JumpInterval(), 450);
  settings.Delay_Move = -7;
  EXPECT_EQ(EngineSettingsFrom(settings).Delay_Move, 0u);
  EXPECT_EQ(JumpInterval(-7), 0);
  EXPECT_EQ(JumpInterval(INT32_MAX), 3 * kMaxDelay);
}

TEST_F(FormTest, ACellShowsTheRightTileAfterEachKindOfFrame) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  BoardCell* cell = Access(*form).Cell(10);  // column 1, row 1
  const QPoint on_screen = cell->mapTo(form.get(), QPoint(0, 0));
  auto painted = [&] {
    return form->screen()
        ->grabWindow(form->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32)
        .copy(QRect(on_screen, QSize(36, 36)));
  };

  for (int row : {0, 3, 6}) {
    for (int frame = 0; frame < 24; ++frame) {
      Access(*form).View().DrawBallFrame(frame, row, Picture::kBalls, 10);
      ASSERT_TRUE(ShowsBall(cell->Snapshot(), frame, row)) << frame << "," << row;
    }
  }
  // What was drawn is on the screen at once, not only in the cell's picture.
  Access(*form).View().DrawBallFrame(13, 5, Picture::kBalls, 10);
  EXPECT_TRUE(ShowsBall(painted(), 13, 5));

  // Column 24 lies beyond the balls picture: the cell keeps the frame drawn before.
  Access(*form).View().DrawBallFrame(23, 2, Picture::kBalls, 10);
  Access(*form).View().DrawBallFrame(24, 2, Picture::kBalls, 10);
  EXPECT_TRUE(ShowsBall(cell->Snapshot(), 23, 2));

  for (int tile = 0; tile < 4; ++tile) {
    Access(*form).View().DrawBallFrame(tile, 0, Picture::kWalk, 10);
    EXPECT_LT(
        TileMismatch(cell->Snapshot(), [&](int lx, int ly) { return WalkPixel(tile, lx, ly); }), 0)
        << tile;
  }
  // The frame covers exactly (2, 2)..(33, 33): the board's border stays around it.
  const QImage framed = cell->Snapshot();
  EXPECT_EQ(framed.pixel(1, 1), BoardPixel(1, 1));
  EXPECT_EQ(framed.pixel(34, 34), BoardPixel(34, 34));

  Access(*form).View().DrawEmptyCell(10);
  EXPECT_TRUE(ShowsEmptyCell(cell->Snapshot()));
  EXPECT_TRUE(ShowsEmptyCell(painted()));

  Access(*form).View().DrawPreview(1, 4);
  EXPECT_LT(TileMismatch(
                Access(*form).ImagePrev(1)->Snapshot(),
                [](int lx, int ly) { return BallPixel(10, 4, lx, ly); }, QPoint(0, 0)),
            0);
}

TEST_F(FormTest, PressesWithShiftCtrlOrTheRightButtonAreIgnored) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  form->OnCommand(kCmdNew);
  GameEngine& engine = form->Engine();
  ASSERT_TRUE(engine.GameActive());
  const int ball = FirstBall(engine);

  QTest::mouseClick(Access(*form).Cell(ball), Qt::LeftButton, Qt::ShiftModifier);
  QTest::mouseClick(Access(*form).Cell(ball), Qt::LeftButton, Qt::ControlModifier);
  QTest::mouseClick(Access(*form).Cell(ball), Qt::RightButton);
  EXPECT_EQ(engine.SelX(), kNone);
  EXPECT_FALSE(Access(*form).JumpTimerActive());

  QTest::mouseClick(Access(*form).Cell(ball), Qt::LeftButton);
  EXPECT_EQ(CellNumber(engine.SelX(), engine.SelY()), ball);
  EXPECT_TRUE(Access(*form).JumpTimerActive());
  // The jump runs on the jump timer: within a few intervals the ball shows a jump frame.
  const int color = engine.Board()[ball].Color;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        const QImage picture = Access(*form).Cell(ball)->Snapshot();
        for (int frame = 16; frame < 24; ++frame) {
          if (ShowsBall(picture, frame, color))
            return true;
        }
        return false;
      },
      1000));

  // With a jump delay of 0 the timer never fires: another selected ball stands still.
  const GameSettings before = Access(*form).Settings();
  Access(*form).Settings().Delay_Jump = 0;
  Access(*form).ApplyChangedSettings(before);
  EXPECT_FALSE(Access(*form).JumpTimerActive());
  int other = ball + 1;
  while (engine.Board()[other].Color == kEmpty)
    ++other;
  QTest::mouseClick(Access(*form).Cell(other), Qt::LeftButton);
  EXPECT_EQ(CellNumber(engine.SelX(), engine.SelY()), other);
  EXPECT_FALSE(Access(*form).JumpTimerActive());
  QTest::qWait(100);
  EXPECT_TRUE(ShowsBall(Access(*form).Cell(other)->Snapshot(), 0, engine.Board()[other].Color));
  EXPECT_TRUE(ShowsBall(Access(*form).Cell(ball)->Snapshot(), 0, color));
}

// Fills every free cell that no next ball reserves with a pattern in which no two neighbours
// (also diagonally) share a colour, so nothing is removed and the next reservation fails.
void FillBoardWithoutFigures(GameEngine& engine) {
  EngineState& state = EngineAccess::State(engine);
  for (int x = 0; x < 9; ++x) {
    for (int y = 0; y < 9; ++y) {
      bool reserved = false;
      for (const TNextBall& slot : state.NextBalls)
        reserved |= slot.X == x && slot.Y == y;
      TBoardCell& cell = state.Board[CellNumber(x, y)];
      if (cell.Color == kEmpty && !reserved)
        cell.Color = (2 * x + 3 * y) % 7;
    }
  }
}

TEST_F(FormTest, SaveIsEnabledExactlyWhileAGameIsActive) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  TPictureButton* save = Access(*form).Button(kSaveSlot);
  EXPECT_FALSE(save->isEnabled());
  const QImage disabled_face = save->grab().toImage().convertToFormat(QImage::Format_RGB32);

  form->OnCommand(kCmdNew);
  EXPECT_TRUE(save->isEnabled());
  EXPECT_NE(save->grab().toImage().convertToFormat(QImage::Format_RGB32), disabled_face);

  // Game over: the board fills up and the next balls find no cell.
  messages_.answer = [](const platform::MessageRequest& request) {
    return request.buttons == platform::MessageButtons::kYesNo ? platform::kIdNo : platform::kIdOk;
  };
  ModalWatchdog watchdog;
  FillBoardWithoutFigures(form->Engine());
  EngineAccess::EndTurn(form->Engine());
  EXPECT_FALSE(form->Engine().GameActive());
  EXPECT_FALSE(save->isEnabled());
  EXPECT_EQ(save->grab().toImage().convertToFormat(QImage::Format_RGB32), disabled_face);
  // A score of 0 on a table of zeros counts as a record.
  EXPECT_TRUE(messages_.Saw("Congratulation!"));
  EXPECT_TRUE(messages_.Saw("Begin new game?"));
  EXPECT_EQ(watchdog.titles, QStringList{"The best results for Lines"});
  EXPECT_FALSE(Access(*form).ClockRunning());
}

// One turn with presses only: the first ball (in cell order) that can reach some empty cell is
// selected and moved to the first such cell. False when no ball can move.
bool PlayOneTurn(TMainForm1& form) {
  GameEngine& engine = form.Engine();
  for (int from = 0; from < kCellCount; ++from) {
    if (engine.Board()[from].Color == kEmpty)
      continue;
    QTest::mouseClick(Access(form).Cell(from), Qt::LeftButton);
    if (CellNumber(engine.SelX(), engine.SelY()) != from)
      continue;
    for (int to = 0; to < kCellCount; ++to) {
      if (engine.Board()[to].Color != kEmpty)
        continue;
      QTest::mouseClick(Access(form).Cell(to), Qt::LeftButton);
      if (engine.SelX() == kNone || !engine.GameActive())
        return true;
    }
  }
  return false;
}

TEST_F(FormTest, AWholeGameOfPressesEndsWithTheGameOverQuestion) {
  for (int variant : {1, 2, 3}) {
    SCOPED_TRACE(variant);
    GameSettings settings = install_.DefaultSettings();
    settings.DefaultGame = variant;
    ASSERT_TRUE(install_.WriteSettings(settings));
    const std::vector<uint32_t> high(10, 1000000);  // no score of ours enters these tables
    install_.WriteHighScores(high, high, high);
    ModalWatchdog watchdog;
    messages_.seen.clear();
    messages_.answer = [](const platform::MessageRequest& request) {
      return request.buttons == platform::MessageButtons::kYesNo ? platform::kIdNo
                                                                 : platform::kIdOk;
    };
    auto form = Create();
    ASSERT_EQ(status_, 0);
    form->show();
    form->Engine().Randomize(20261207 + variant);
    form->OnCommand(kCmdNew);
    GameEngine& engine = form->Engine();
    ASSERT_EQ(engine.GameType(), variant);

    int turns = 0;
    while (engine.GameActive() && turns < 400 && PlayOneTurn(*form))
      ++turns;
    EXPECT_FALSE(engine.GameActive()) << "after " << turns << " turns";
    EXPECT_GT(turns, 10);
    EXPECT_TRUE(messages_.Saw("Game Over. Begin new game?"))
        << messages_.Texts().join("|").toStdString();
    EXPECT_FALSE(messages_.Saw("Congratulation!"));
    EXPECT_TRUE(watchdog.titles.isEmpty());
    EXPECT_FALSE(Access(*form).Button(kSaveSlot)->isEnabled());
    EXPECT_FALSE(Access(*form).ClockRunning());
    EXPECT_TRUE(exits_.empty());

    // The board shows what the engine holds, the score display its score.
    for (int n = 0; n < kCellCount; ++n) {
      bool reserved = false;
      for (const TNextBall& slot : engine.NextBalls()) {
        reserved |= slot.X != kNone && CellNumber(slot.X, slot.Y) == n;
      }
      if (reserved)
        continue;
      const QImage cell = Access(*form).Cell(n)->Snapshot();
      if (engine.Board()[n].Color == kEmpty) {
        EXPECT_TRUE(ShowsEmptyCell(cell)) << n;
      } else {
        EXPECT_TRUE(ShowsBall(cell, 0, engine.Board()[n].Color)) << n;
      }
    }
    EXPECT_EQ(Access(*form).ImageScore()->Snapshot(),
              ComposeNumber(testing::MakeScoreDigits(), engine.Score()));
    // Presses after the end change nothing.
    const int ball = FirstBall(engine);
    QTest::mouseClick(Access(*form).Cell(ball), Qt::LeftButton);
    EXPECT_EQ(engine.SelX(), kNone);
  }
}

TEST_F(FormTest, TheClockCountsAndWrapsAfter99Hours) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  const QImage timer = testing::MakeTimerDigits();
  auto shows = [&](int seconds) {
    return Access(*form).ImageTime()->Snapshot() == ComposeClock(timer, seconds).copy(0, 0, 72, 11);
  };
  GameEngine& engine = form->Engine();
  EngineState& state = EngineAccess::State(engine);
  state.GameSeconds = 3599;
  engine.ClockTick();
  EXPECT_TRUE(shows(3600));
  state.GameSeconds = 359998;
  engine.ClockTick();
  EXPECT_TRUE(shows(359999));
  engine.ClockTick();
  EXPECT_TRUE(shows(0));
  EXPECT_EQ(engine.GameSeconds(), 0u);

  // The running clock ticks on its own thread once a second.
  form->OnCommand(kCmdNew);
  EXPECT_TRUE(shows(0));
  EXPECT_TRUE(QTest::qWaitFor([&] { return shows(1); }, 1500));
  form->OnCommand(kCmdNew);  // a new game starts the clock again from zero
  EXPECT_TRUE(shows(0));
  EXPECT_EQ(engine.GameSeconds(), 0u);
}

TEST_F(FormTest, GameTypeMenuFromBothArrows) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  form->OnCommand(kCmdNew);
  GameEngine& engine = form->Engine();
  ASSERT_EQ(engine.GameType(), 1);
  const QImage lines_label = Access(*form).ImageGame()->Snapshot();

  // The menu opens at the arrow's left edge and vertical middle.
  form->OnCommand(kCmdScoreMenu);
  TPictureButton* arrow = Access(*form).Button(5);
  EXPECT_TRUE(Access(*form).GameMenu()->isVisible());
  EXPECT_EQ(Access(*form).GameMenu()->pos(), arrow->mapToGlobal(QPoint(0, arrow->height() / 2)));
  EXPECT_EQ(Access(*form).MenuOwnerValue(), kMenuOwnerScore);
  Access(*form).GameMenu()->hide();

  // From the Score arrow: the Squares table is shown, the running Lines game stays.
  {
    ModalWatchdog watchdog;
    form->OnCommand(kCmdSquares);
    EXPECT_EQ(watchdog.titles, QStringList{"The best results for Squares"});
  }
  EXPECT_EQ(engine.GameType(), 1);
  EXPECT_TRUE(engine.GameActive());
  EXPECT_EQ(Access(*form).ImageGame()->Snapshot(), lines_label);

  // From the New arrow: a Blocks game, and New goes back to the default variant.
  form->OnCommand(kCmdNewMenu);
  EXPECT_EQ(Access(*form).MenuOwnerValue(), kMenuOwnerNew);
  EXPECT_EQ(Access(*form).GameMenu()->pos(),
            Access(*form).Button(1)->mapToGlobal(QPoint(0, Access(*form).Button(1)->height() / 2)));
  Access(*form).GameMenu()->hide();
  form->OnCommand(kCmdBlocks);
  EXPECT_EQ(engine.GameType(), 3);
  EXPECT_NE(Access(*form).ImageGame()->Snapshot(), lines_label);
  form->OnCommand(kCmdNew);
  EXPECT_EQ(engine.GameType(), 1);
  EXPECT_EQ(Access(*form).ImageGame()->Snapshot(), lines_label);

  // A choice made in the menu arrives as its own command once the menu has closed.
  form->OnCommand(kCmdNewMenu);
  QTest::keyClick(Access(*form).GameMenu(), Qt::Key_Down);
  QTest::keyClick(Access(*form).GameMenu(), Qt::Key_Down);
  QTest::keyClick(Access(*form).GameMenu(), Qt::Key_Return);
  EXPECT_FALSE(Access(*form).GameMenu()->isVisible());
  EXPECT_EQ(engine.GameType(), 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return engine.GameType() == 2; }, 1000));
}

TEST_F(FormTest, ConfirmedSettingsRedrawWhatChanged) {
  install_.WriteHighScores({50}, {777, 12}, {});
  auto form = Create();
  ASSERT_EQ(status_, 0);
  GameEngine& engine = form->Engine();
  const QImage digits = testing::MakeScoreDigits();
  const QImage lines_label = Access(*form).ImageGame()->Snapshot();
  EXPECT_EQ(Access(*form).ImageChamp()->Snapshot(), ComposeNumber(digits, 50));

  // Before the first game a new default variant takes over the label and the champion.
  GameSettings before = Access(*form).Settings();
  Access(*form).Settings().DefaultGame = 2;
  Access(*form).Settings().Delay_Jump = 25;
  Access(*form).ApplyChangedSettings(before);
  EXPECT_EQ(engine.GameType(), 2);
  EXPECT_EQ(engine.ChampScore(), 777u);
  EXPECT_EQ(Access(*form).ImageChamp()->Snapshot(), ComposeNumber(digits, 777));
  EXPECT_NE(Access(*form).ImageGame()->Snapshot(), lines_label);
  EXPECT_EQ(Access(*form).JumpInterval(), 75);

  form->OnCommand(kCmdNew);
  ASSERT_EQ(engine.GameType(), 2);
  const TNextBall slot = engine.NextBalls()[0];
  const int marked = CellNumber(slot.X, slot.Y);
  ASSERT_TRUE(ShowsBall(Access(*form).Cell(marked)->Snapshot(), 11, slot.Color));

  // Display mode 1 -> 2: the marks go, the previews stay; 2 -> 3: previews hidden, marks back.
  before = Access(*form).Settings();
  Access(*form).Settings().NextColors = 2;
  Access(*form).ApplyChangedSettings(before);
  EXPECT_TRUE(ShowsEmptyCell(Access(*form).Cell(marked)->Snapshot()));
  EXPECT_FALSE(Access(*form).ImagePrev(0)->isHidden());
  before = Access(*form).Settings();
  Access(*form).Settings().NextColors = 3;
  Access(*form).ApplyChangedSettings(before);
  EXPECT_TRUE(ShowsBall(Access(*form).Cell(marked)->Snapshot(), 11, slot.Color));
  EXPECT_TRUE(Access(*form).ImagePrev(0)->isHidden());

  // Another skin: every ball is redrawn, and no temporary file is made for it.
  const QImage other_balls = testing::MakeBalls().mirrored(true, false);
  const std::string other = install_.WriteSkin("other.sf", other_balls);
  before = Access(*form).Settings();
  Access(*form).Settings().SetPath(kSlotSkin, other);
  Access(*form).ApplyChangedSettings(before);
  EXPECT_TRUE(install_.TempFiles().isEmpty());
  const QImage balls32 = other_balls.convertToFormat(QImage::Format_RGB32);
  int balls_seen = 0;
  for (int n = 0; n < kCellCount; ++n) {
    const int color = engine.Board()[n].Color;
    if (color == kEmpty)
      continue;
    ++balls_seen;
    EXPECT_LT(TileMismatch(Access(*form).Cell(n)->Snapshot(),
                           [&](int lx, int ly) { return balls32.pixel(lx, 32 * color + ly); }),
              0)
        << n;
  }
  EXPECT_EQ(balls_seen, 5);
  EXPECT_TRUE(exits_.empty());
  form.reset();
  EXPECT_TRUE(install_.TempFiles().isEmpty());
}

TEST_F(FormTest, ASkinThatCannotBeLoadedIsRefusedOnOkAndTheGameGoesOnUnchanged) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  GameEngine& engine = form->Engine();
  form->OnCommand(kCmdNew);
  const int ball = FirstBall(engine);
  const QImage ball_before = Access(*form).Cell(ball)->Snapshot();
  const GameSettings before = Access(*form).Settings();
  const QStringList files_before = install_.TempFiles();
  const QString bad = install_.Path("skin/bad.sf");
  QFile bad_file(bad);
  ASSERT_TRUE(bad_file.open(QIODevice::WriteOnly) && bad_file.write(QByteArray(20, '\0')) == 20);
  bad_file.close();
  const QString good = QString::fromStdString(
      install_.WriteSkin("other.sf", testing::MakeBalls().mirrored(true, false)));

  QString chosen = bad;
  const auto old_open = platform::SetOpenFileFunction(
      [&](QWidget*, const platform::FileDialogRequest&) { return std::optional<QString>(chosen); });
  auto click = [](QDialog* dialog, int id) {
    QWidget* control = kit::FindDialogControl(dialog, id);
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
  };
  bool open_after_refusal = false;
  orbello::testing::WithModal([&] { form->OnCommand(kCmdSet); },
                              [&](QDialog* dialog) {
                                click(dialog, 1008);
                                click(dialog, 1005);  // another default game, not taken either
                                click(dialog, kIdSettingsOk);
                                open_after_refusal = dialog->isVisible();
                                click(dialog, kIdSettingsCancel);
                              });
  EXPECT_TRUE(open_after_refusal);
  EXPECT_EQ(messages_.Texts(), QStringList{"Unable to load skin: [" + bad + "]"});
  EXPECT_TRUE(exits_.empty());
  EXPECT_TRUE(Access(*form).Settings() == before);
  GameSettings stored;
  ASSERT_TRUE(ReadSettings(stored));
  EXPECT_TRUE(stored == before);
  EXPECT_EQ(install_.TempFiles(), files_before);
  engine.RedrawBoard();
  EXPECT_EQ(Access(*form).Cell(ball)->Snapshot(), ball_before) << "the old skin's pictures stay";

  // The same without the dialog: the settings go back to what they were.
  Access(*form).Settings().SetPath(kSlotSkin, bad.toStdString());
  Access(*form).ApplyChangedSettings(before);
  EXPECT_TRUE(Access(*form).Settings() == before);
  EXPECT_EQ(install_.TempFiles(), files_before);

  // A skin that loads is taken and stored.
  chosen = good;
  messages_.seen.clear();
  orbello::testing::WithModal([&] { form->OnCommand(kCmdSet); },
                              [&](QDialog* dialog) {
                                click(dialog, 1008);
                                click(dialog, kIdSettingsOk);
                              });
  EXPECT_TRUE(messages_.seen.empty());
  ASSERT_TRUE(ReadSettings(stored));
  EXPECT_EQ(QString::fromStdString(stored.TitleSkin()), good);
  EXPECT_TRUE(install_.TempFiles().isEmpty());
  EXPECT_NE(Access(*form).Cell(ball)->Snapshot(), ball_before);
  EXPECT_TRUE(exits_.empty());
  platform::SetOpenFileFunction(old_open);
}

// Length of a WAVE resource in milliseconds, from its header.
int WaveLengthMs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return -1;
  const QByteArray wave = file.readAll();
  auto u32 = [&](int at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(wave[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(wave[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(wave[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(wave[at + 3])) << 24;
  };
  if (wave.size() < 44 || !wave.startsWith("RIFF"))
    return -1;
  const uint32_t byte_rate = u32(28);
  for (int at = 12; at + 8 <= wave.size();) {
    const uint32_t size = u32(at + 4);
    if (wave.mid(at, 4) == "data")
      return byte_rate ? static_cast<int>(1000.0 * size / byte_rate) : -1;
    at += 8 + static_cast<int>(size + (size & 1));
  }
  return -1;
}

TEST_F(FormTest, ClosingPlaysTheQuitSoundToItsEndOnlyWhenShown) {
  const int length = WaveLengthMs(":/game/QUIT_GAME.wav");
  ASSERT_GT(length, 100);
  {
    auto hidden = Create();
    ASSERT_EQ(status_, 0);
    QElapsedTimer timer;
    timer.start();
    hidden->close();
    EXPECT_LT(timer.elapsed(), length / 2);
  }
  auto form = Create();
  ASSERT_EQ(status_, 0);
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QElapsedTimer timer;
  timer.start();
  form->close();
  EXPECT_GE(timer.elapsed(), length - 20);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(FormTest, SaveAndLoadGoThroughTheChoosersAndResumeTheGame) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  GameEngine& engine = form->Engine();
  const int ball = StartAndSelectFirstBall(*form);
  ASSERT_EQ(CellNumber(engine.SelX(), engine.SelY()), ball);

  const QString path = install_.Path("save/game.osf");
  QDir().mkpath(install_.Path("save"));
  QStringList titles;
  auto chooser = [&](QWidget*, const platform::FileDialogRequest& request) {
    titles << request.title;
    return std::optional<QString>(path);
  };
  const auto old_save = platform::SetSaveFileFunction(chooser);
  const auto old_open = platform::SetOpenFileFunction(chooser);
  form->OnCommand(kCmdSave);
  EXPECT_EQ(QFileInfo(path).size(), 1348);
  const SavedGameState saved = engine.SavedState();

  // Another game, then the saved one again: the load question is answered Yes.
  engine.Randomize(99);
  form->OnCommand(kCmdNew);
  EngineAccess::State(engine).GameSeconds = 0;
  messages_.answer = [](const platform::MessageRequest& request) {
    return request.buttons == platform::MessageButtons::kYesNo ? platform::kIdYes : platform::kIdOk;
  };
  form->OnCommand(kCmdLoad);
  EXPECT_EQ(titles, (QStringList{"Save game", "Load game"}));
  const SavedGameState loaded = engine.SavedState();
  for (int n = 0; n < kCellCount; ++n) {
    ASSERT_EQ(loaded.Board[n].Color, saved.Board[n].Color) << n;
    const QImage cell = Access(*form).Cell(n)->Snapshot();
    bool reserved = false;
    for (const TNextBall& slot : loaded.NextBalls) {
      reserved |= slot.X != kNone && CellNumber(slot.X, slot.Y) == n;
    }
    if (n == ball || reserved)
      continue;
    if (saved.Board[n].Color == kEmpty) {
      EXPECT_TRUE(ShowsEmptyCell(cell)) << n;
    } else {
      EXPECT_TRUE(ShowsBall(cell, 0, saved.Board[n].Color)) << n;
    }
  }
  EXPECT_EQ(CellNumber(engine.SelX(), engine.SelY()), ball);
  EXPECT_TRUE(Access(*form).JumpTimerActive());  // the selected ball jumps again
  EXPECT_TRUE(engine.GameActive());
  EXPECT_TRUE(Access(*form).Button(kSaveSlot)->isEnabled());
  EXPECT_TRUE(Access(*form).ClockRunning());
  EXPECT_TRUE(exits_.empty());
  platform::SetSaveFileFunction(old_save);
  platform::SetOpenFileFunction(old_open);
}

TEST_F(FormTest, AFailedSaveOrLoadIsToldAndTheGameGoesOnUnchanged) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  GameEngine& engine = form->Engine();
  StartAndSelectFirstBall(*form);
  const SavedGameBytes before = EncodeSavedGame(engine.SavedState());

  // A file where a folder should be; a folder path too long for the chooser's 260 characters
  // (but one the system could write); a damaged save, a missing one and a good one too deep.
  QFile blocker(install_.Path("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QString deep = install_.Path("deep");
  while (deep.size() <= 260)
    deep += "/" + QString(40, 'd');
  ASSERT_TRUE(QDir().mkpath(deep));
  const QString good = install_.Path("good.osf");
  const QString damaged = install_.Path("damaged.osf");
  const auto old_save = platform::SetSaveFileFunction(
      [&](QWidget*, const platform::FileDialogRequest&) { return std::optional<QString>(good); });
  form->OnCommand(kCmdSave);
  ASSERT_EQ(QFileInfo(good).size(), 1348);
  ASSERT_TRUE(QFile::copy(good, damaged) && QFile::resize(damaged, 1347));
  ASSERT_TRUE(QFile::copy(good, deep + "/game.osf"));
  messages_.answer = [](const platform::MessageRequest& request) {
    return request.buttons == platform::MessageButtons::kYesNo ? platform::kIdYes : platform::kIdOk;
  };

  struct Case {
    int command;
    QString path;
  };
  for (const Case& c :
       {Case{kCmdSave, install_.Path("blocker/game.osf")}, Case{kCmdSave, deep + "/new.osf"},
        Case{kCmdLoad, damaged}, Case{kCmdLoad, install_.Path("missing.osf")},
        Case{kCmdLoad, deep + "/game.osf"}}) {
    const auto chooser = [&](QWidget*, const platform::FileDialogRequest&) {
      return std::optional<QString>(c.path);
    };
    const auto previous_save = platform::SetSaveFileFunction(chooser);
    const auto previous_open = platform::SetOpenFileFunction(chooser);
    messages_.seen.clear();
    form->OnCommand(c.command);
    const std::string expected =
        c.command == kCmdSave ? "Can't save current game." : "Can't load selected game.";
    EXPECT_EQ(messages_.Texts().filter("Can't").join("|").toStdString(), expected)
        << c.path.toStdString();
    EXPECT_TRUE(exits_.empty()) << c.path.toStdString();
    EXPECT_TRUE(EncodeSavedGame(engine.SavedState()) == before) << c.path.toStdString();
    EXPECT_TRUE(engine.GameActive() && Access(*form).ClockRunning() &&
                Access(*form).JumpTimerActive());
    platform::SetSaveFileFunction(previous_save);
    platform::SetOpenFileFunction(previous_open);
  }
  EXPECT_FALSE(QFileInfo::exists(deep + "/new.osf"));
  platform::SetSaveFileFunction(old_save);
}

TEST_F(FormTest, CaptionButtonsAndTheAboutBox) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  // The caption buttons stand at the top of the blue circle, 16 x 14 each.
  EXPECT_EQ(Access(*form).Button(9)->geometry(), QRect(324, 5, 16, 14));
  EXPECT_EQ(Access(*form).Button(10)->geometry(), QRect(341, 5, 16, 14));
  EXPECT_EQ(Access(*form).Button(11)->geometry(), QRect(358, 5, 16, 14));

  QStringList opened;
  const auto old_shell = platform::SetShellOpenFunction([&](const QString& what) {
    opened << what;
    return true;
  });
  QTest::mouseClick(Access(*form).Button(9), Qt::LeftButton);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_TRUE(opened[0].endsWith("/cvob.chm"));
  platform::SetShellOpenFunction(old_shell);

  {
    ModalWatchdog watchdog;
    QTest::mouseClick(Access(*form).Button(7), Qt::LeftButton, Qt::NoModifier, QPoint(35, 15));
    EXPECT_EQ(watchdog.titles, QStringList{"About Orbello"});
  }

  QTest::mouseClick(Access(*form).Button(10), Qt::LeftButton);
  EXPECT_TRUE(form->isMinimized());
  form->showNormal();
  QTest::mouseClick(Access(*form).Button(11), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(exits_.empty());
}

// The window shown and active, as the player has it: keys go to its focus widget.
void Activate(TMainForm1& form) {
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

// A key pressed in the window, or in its open menu. The offscreen platform does not give the
// activation back to the window when a dialog closes, as a desktop does.
void Key(TMainForm1& form, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  if (!QApplication::activePopupWidget() && !form.isActiveWindow())
    Activate(form);
  QWidget* target = QApplication::focusWidget();
  ASSERT_NE(target, nullptr);
  QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

TEST_F(FormTest, NoKeyActsOnAControlThePlayerCannotSee) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  Activate(*form);
  GameEngine& engine = form->Engine();
  // Before any use the window holds the focus itself: Space changes nothing.
  EXPECT_EQ(QApplication::focusWidget(), form.get());
  const QImage untouched = form->grab().toImage();
  Key(*form, Qt::Key_Space);
  EXPECT_FALSE(engine.GameActive());
  EXPECT_EQ(form->grab().toImage(), untouched);

  // A mouse New, a mouse Score closed again: Space may show the table again, never drop the game.
  TPictureButton* score = Access(*form).Button(4);
  QTest::mouseClick(Access(*form).Button(0), Qt::LeftButton, Qt::NoModifier, QPoint(26, 15));
  ASSERT_TRUE(engine.GameActive());
  {
    ModalWatchdog watchdog;
    QTest::mouseClick(score, Qt::LeftButton, Qt::NoModifier, QPoint(26, 15));
    EXPECT_EQ(watchdog.titles, QStringList{"The best results for Lines"});
  }
  const TBoard board = engine.Board();
  EngineAccess::State(engine).Score = 7;
  {
    ModalWatchdog watchdog;
    Key(*form, Qt::Key_Space);
    EXPECT_EQ(watchdog.titles, QStringList{"The best results for Lines"});
  }
  EXPECT_EQ(engine.Score(), 7u);
  EXPECT_TRUE(
      std::equal(board.begin(), board.end(), engine.Board().begin(),
                 [](const TBoardCell& a, const TBoardCell& b) { return a.Color == b.Color; }));

  // The clicked button has the focus but no mark until the keyboard moves it.
  Activate(*form);
  EXPECT_TRUE(score->hasFocus());
  const QImage plain = score->grab().toImage();
  EXPECT_FALSE(score->FocusMarkShown());
  Key(*form, Qt::Key_Tab);
  Key(*form, Qt::Key_Backtab);
  EXPECT_TRUE(score->FocusMarkShown());
  EXPECT_NE(score->grab().toImage(), plain);
}

TEST_F(FormTest, TheBoardIsPlayedWithTheKeys) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  Activate(*form);
  BoardPanel* board = Access(*form).Panel();
  std::vector<int> moves;
  board->SetCursorMoved([&](int n) { moves.push_back(n); });

  Key(*form, Qt::Key_Tab);
  ASSERT_TRUE(board->hasFocus());
  EXPECT_TRUE(board->CursorShown());
  board->SetCursor(0);
  struct Step {
    int key;
    int cursor;
  };
  // n = 9 x + y: x the column, y the row; every move stops at the board's edge.
  const Step steps[] = {
      {Qt::Key_Left, 0}, {Qt::Key_Up, 0},     {Qt::Key_Right, 9},     {Qt::Key_Down, 10},
      {Qt::Key_End, 73}, {Qt::Key_Right, 73}, {Qt::Key_PageDown, 80}, {Qt::Key_Down, 80},
      {Qt::Key_Home, 8}, {Qt::Key_PageUp, 0},
  };
  for (const Step& step : steps) {
    Key(*form, step.key);
    EXPECT_EQ(board->Cursor(), step.cursor) << step.key;
  }
  EXPECT_EQ(moves, (std::vector<int>{0, 9, 10, 73, 80, 8, 0}));
  board->SetCursorMoved(nullptr);

  // Space or Enter on the cursor cell is a left press there; a mouse press moves the cursor.
  form->OnCommand(kCmdNew);
  GameEngine& engine = form->Engine();
  const int ball = FirstBall(engine);
  board->SetCursor(ball);
  Key(*form, Qt::Key_Space);
  EXPECT_EQ(CellNumber(engine.SelX(), engine.SelY()), ball);
  int to = 0;
  while (engine.Board()[to].Color != kEmpty)
    ++to;
  QTest::mouseClick(Access(*form).Cell(to), Qt::LeftButton);
  EXPECT_EQ(board->Cursor(), to);
  EXPECT_EQ(engine.SelX(), kNone);
  EXPECT_NE(engine.Board()[to].Color, kEmpty);
  int next = 0;
  while (engine.Board()[next].Color == kEmpty)
    ++next;
  board->SetCursor(next);
  Key(*form, Qt::Key_Return);
  EXPECT_EQ(CellNumber(engine.SelX(), engine.SelY()), next);
  // The frame is the cell's own drawing, never part of its picture.
  int framed = 0;
  for (int n = 0; n < kCellCount; ++n)
    framed += Access(*form).Cell(n)->Framed() ? 1 : 0;
  EXPECT_EQ(framed, 1);
  EXPECT_TRUE(Access(*form).Cell(next)->Framed());
}

TEST_F(FormTest, ShortcutsGiveTheButtonsCommands) {
  auto form = Create();
  ASSERT_EQ(status_, 0);
  Activate(*form);
  GameEngine& engine = form->Engine();
  {
    ModalWatchdog watchdog;
    Key(*form, Qt::Key_S, Qt::ControlModifier);  // no game: Save is disabled
    Key(*form, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(engine.GameActive());
    Key(*form, Qt::Key_S, Qt::ControlModifier);
    Key(*form, Qt::Key_O, Qt::ControlModifier);
    Key(*form, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(watchdog.titles,
              (QStringList{"Save game", "Load game", "The best results for Lines"}));
  }
  QStringList opened;
  const auto old_shell = platform::SetShellOpenFunction([&](const QString& what) {
    opened << what;
    return true;
  });
  Key(*form, Qt::Key_F1);
  EXPECT_EQ(opened.size(), 1);
  platform::SetShellOpenFunction(old_shell);

  // The New arrow's menu takes the keys and gives the focus back to the arrow on Escape.
  TPictureButton* arrow = Access(*form).Button(1);
  arrow->setFocus(Qt::TabFocusReason);
  Key(*form, Qt::Key_Space);
  ASSERT_TRUE(Access(*form).GameMenu()->isVisible());
  Key(*form, Qt::Key_Escape);
  EXPECT_FALSE(Access(*form).GameMenu()->isVisible());
  EXPECT_TRUE(arrow->hasFocus());

  Key(*form, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace orbello::window
