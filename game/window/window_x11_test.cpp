// The main window on a real X server: its shape lets presses on the teal corners through to the
// window below, the free backdrop drags it, and a second start of the game raises it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <memory>

#include "game/engine/testing/engine_access.h"
#include "game/window/main_form.h"
#include "game/window/testing/window_test_env.h"
#include "platform/qt/desktop.h"
#include "platform/qt/instance.h"

namespace orbello::window {
namespace {

using testing::Access;
using testing::ScriptedMessages;
using testing::TestInstallation;

// Counts the presses that reach a widget itself (not its children).
class PressCounter : public QObject {
 public:
  explicit PressCounter(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
  int presses = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::MouseButtonPress)
      ++presses;
    return false;
  }

 private:
  QWidget* widget_;
};

void Xdotool(const QStringList& arguments) {
  ASSERT_EQ(QProcess::execute("xdotool", arguments), 0) << arguments.join(' ').toStdString();
  QTest::qWait(150);
}

void ClickAt(QPoint screen) {
  Xdotool({"mousemove", QString::number(screen.x()), QString::number(screen.y()), "click", "1"});
}

class X11FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(install_.WriteDefault());
    QCoreApplication::setApplicationName(QStringLiteral("TMainForm1"));
    behind_ = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    behind_->setGeometry(0, 0, 1024, 768);
    behind_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(behind_.get()));
    form_ = std::make_unique<TMainForm1>(install_.HighScorePath());
    ASSERT_EQ(form_->Create(), 0);
    form_->move(100, 100);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    form_->raise();
    QTest::qWait(100);
  }

  TestInstallation install_;
  ScriptedMessages messages_;
  std::unique_ptr<QWidget> behind_;
  std::unique_ptr<TMainForm1> form_;
};

TEST_F(X11FormTest, TheShapeLetsPressesOnTheTealCornersThrough) {
  PressCounter on_behind(behind_.get());
  PressCounter on_form(form_.get());
  const QPoint origin = form_->mapToGlobal(QPoint(0, 0));

  // The window's own title and class, as a second start and the uninstaller look for them.
  EXPECT_TRUE(platform::FindTopLevelWindow("TMainForm1", "Corvane Orbello"));

  ClickAt(origin + QPoint(4, 4));
  ClickAt(origin + QPoint(585, 475));
  EXPECT_EQ(on_behind.presses, 2);
  EXPECT_EQ(on_form.presses, 0);

  // A teal pixel of the New button's face belongs to the backdrop, a solid one to the button.
  TPictureButton* new_button = Access(*form_).Button(0);
  QPoint teal(-1, -1), solid(-1, -1);
  for (int y = 0; y < new_button->height() && (teal.x() < 0 || solid.x() < 0); ++y) {
    for (int x = 0; x < new_button->width(); ++x) {
      const bool in_shape = new_button->mask().contains(QPoint(x, y));
      if (!in_shape && teal.x() < 0)
        teal = QPoint(x, y);
      if (in_shape && solid.x() < 0 && x > 10 && y > 10)
        solid = QPoint(x, y);
    }
  }
  ASSERT_GE(teal.x(), 0);
  ASSERT_GE(solid.x(), 0);
  ClickAt(new_button->mapToGlobal(teal));
  EXPECT_EQ(on_form.presses, 1);
  EXPECT_FALSE(form_->Engine().GameActive());
  ClickAt(new_button->mapToGlobal(solid));
  EXPECT_EQ(on_form.presses, 1);
  EXPECT_TRUE(form_->Engine().GameActive());
  EXPECT_EQ(on_behind.presses, 2);
}

TEST_F(X11FormTest, TheFreeBackdropDragsTheWindowAndACellDoesNot) {
  const QPoint start = form_->pos();
  const QPoint free_point = form_->mapToGlobal(QPoint(150, 330));
  Xdotool({"mousemove", QString::number(free_point.x()), QString::number(free_point.y()),
           "mousedown", "1"});
  Xdotool(
      {"mousemove", QString::number(free_point.x() + 40), QString::number(free_point.y() + 25)});
  Xdotool({"mousemove", QString::number(free_point.x() + 60), QString::number(free_point.y() + 30),
           "mouseup", "1"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return form_->pos() == start + QPoint(60, 30); }, 1000))
      << form_->pos().x() << "," << form_->pos().y();

  const QPoint moved = form_->pos();
  const QPoint cell = Access(*form_).Cell(40)->mapToGlobal(QPoint(18, 18));
  Xdotool({"mousemove", QString::number(cell.x()), QString::number(cell.y()), "mousedown", "1"});
  Xdotool({"mousemove", QString::number(cell.x() + 50), QString::number(cell.y() + 50), "mouseup",
           "1"});
  EXPECT_EQ(form_->pos(), moved);
}

TEST_F(X11FormTest, ASecondStartRaisesTheRunningWindowAndEndsWithZero) {
  platform::SingleInstance instance;
  ASSERT_TRUE(instance.TryBecomeFirst());
  ASSERT_TRUE(platform::ServeMainWindow(instance, form_.get()));
  behind_->raise();
  behind_->activateWindow();
  QTest::qWait(150);

  QProcess second;
  second.start(QStringLiteral(CVOB_PATH), {});
  ASSERT_TRUE(second.waitForStarted(3000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 5000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form_.get(); }, 2000));
  EXPECT_FALSE(form_->isMinimized());
  // The second start made no window of its own: the only game window is ours.
  int game_windows = 0;
  for (const platform::TopLevelWindow& window : platform::ListTopLevelWindows()) {
    if (window.title == "Corvane Orbello")
      ++game_windows;
  }
  EXPECT_EQ(game_windows, 1);
  instance.Release();
}

TEST_F(X11FormTest, PressesMadeDuringATurnAreHandledAfterItInOrder) {
  form_->OnCommand(kCmdNew);
  GameEngine& engine = form_->Engine();
  // A board of two balls: A in the top left corner, B in the bottom right one; the reserved
  // cells stay where the new game put them.
  TBoard& board = EngineAccess::State(engine).Board;
  for (TBoardCell& cell : board)
    cell.Color = kEmpty;
  board[CellNumber(0, 0)].Color = 0;
  board[CellNumber(8, 8)].Color = 1;
  engine.RedrawBoard();
  engine.Settings().Delay_Move = 100;  // A's walk down the first column lasts 0.5 s
  engine.Settings().Delay_Appearance = 0;
  auto centre = [&](int x, int y) {
    return Access(*form_).Cell(CellNumber(x, y))->mapToGlobal(QPoint(18, 18));
  };
  int to_x = 0, to_y = 6;
  while (engine.Board()[CellNumber(to_x, to_y)].Color != kEmpty)
    ++to_x;
  // C: a free cell next to B that no reservation holds.
  QPoint c(-1, -1);
  for (QPoint p : {QPoint(7, 8), QPoint(8, 7), QPoint(7, 7), QPoint(6, 8)}) {
    bool reserved = false;
    for (const TNextBall& slot : engine.NextBalls())
      reserved |= slot.X == p.x() && slot.Y == p.y();
    if (!reserved && engine.Board()[CellNumber(p.x(), p.y())].Color == kEmpty) {
      c = p;
      break;
    }
  }
  ASSERT_GE(c.x(), 0);
  ClickAt(centre(0, 0));
  ASSERT_EQ(engine.SelX(), 0);

  // One xdotool run: the press that starts A's walk, then B and C while A still walks.
  const QPoint target = centre(to_x, to_y), b = centre(8, 8), cc = centre(c.x(), c.y());
  auto arg = [](int v) { return QString::number(v); };
  QProcess::startDetached(
      "xdotool", {"mousemove", arg(target.x()), arg(target.y()), "click", "1", "sleep", "0.15",
                  "mousemove", arg(b.x()), arg(b.y()), "click", "1", "sleep", "0.1", "mousemove",
                  arg(cc.x()), arg(cc.y()), "click", "1"});
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return engine.Board()[CellNumber(c.x(), c.y())].Color == 1; }, 10000));
  EXPECT_EQ(engine.Board()[CellNumber(to_x, to_y)].Color, 0);
  EXPECT_EQ(engine.Board()[CellNumber(8, 8)].Color, kEmpty);
  EXPECT_EQ(engine.SelX(), kNone);
}

}  // namespace
}  // namespace orbello::window
