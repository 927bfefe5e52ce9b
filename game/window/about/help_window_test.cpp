// Closing the help viewer at the end of the game, on a real X server.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include "game/window/about/about.h"

namespace orbello {
namespace {

void Pump(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(HelpWindowTest, OnlyATitleLongerThanThePrefixIsClosed) {
  QWidget exact, viewer, other;
  exact.setWindowTitle("Corvane Orbello Help");
  viewer.setWindowTitle("Corvane Orbello Help - Settings");
  other.setWindowTitle("Orbello Help - Corvane");
  for (QWidget* w : {&exact, &viewer, &other}) {
    w->resize(200, 100);
    w->show();
  }
  Pump(300);

  EXPECT_TRUE(CloseHelpWindow());
  Pump(300);
  EXPECT_TRUE(exact.isVisible());
  EXPECT_FALSE(viewer.isVisible());
  EXPECT_TRUE(other.isVisible());

  // With only the exact title left nothing matches.
  EXPECT_FALSE(CloseHelpWindow());
  Pump(200);
  EXPECT_TRUE(exact.isVisible());
}

}  // namespace
}  // namespace orbello
