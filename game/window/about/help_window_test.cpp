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

// The game closes the viewer it started, known by its processes: a window of anyone else (here, of
// a process that is no viewer of ours) stays, however it is titled.
TEST(HelpWindowTest, AWindowThisGameDidNotStartIsNeverClosed) {
  QWidget exact, notes, viewer;
  exact.setWindowTitle("Corvane Orbello Help");
  notes.setWindowTitle("Corvane Orbello Help - my notes");
  viewer.setWindowTitle("Corvane Orbello Help - xCHM v. 1.35");
  for (QWidget* w : {&exact, &notes, &viewer}) {
    w->resize(200, 100);
    w->show();
  }
  Pump(300);

  EXPECT_FALSE(CloseHelpWindow());
  Pump(300);
  EXPECT_TRUE(exact.isVisible());
  EXPECT_TRUE(notes.isVisible());
  EXPECT_TRUE(viewer.isVisible());
}

}  // namespace
}  // namespace orbello
