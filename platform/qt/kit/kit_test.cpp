// The kit's drawing and focus rules that can be checked pixel by pixel or control by control.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include "platform/qt/kit/kit.h"

namespace orbello::kit {
namespace {

TEST(KitTest, DarkenBlendsEachChannelInIntegersWhateverTheFormat) {
  QImage image(2, 1, QImage::Format_RGB32);
  image.setPixelColor(0, 0, QColor(200, 100, 7));
  image.setPixelColor(1, 0, QColor(255, 255, 255));
  const QImage dark = DarkenImage(image, 85, Qt::black);
  EXPECT_EQ(dark.format(), QImage::Format_RGB888);
  EXPECT_EQ(dark.pixelColor(0, 0), QColor(170, 85, 5));
  EXPECT_EQ(dark.pixelColor(1, 0), QColor(216, 216, 216));
  EXPECT_EQ(DarkenImage(image, 50, QColor(255, 0, 10)).pixelColor(0, 0), QColor(227, 50, 8));

  QImage other(3, 2, QImage::Format_RGB888);
  other.fill(QColor(100, 0, 50));
  EXPECT_EQ(DarkenImage(other, 50, QColor(0, 200, 51)).pixelColor(2, 1), QColor(50, 100, 50));
}

TEST(KitTest, PushedEdgesShadeAsEachLookAsksAndEtchedEdgesPairShadowWithHighlight) {
  const QPalette pal = QApplication::palette();
  auto draw = [](auto paint) {
    QImage out(20, 12, QImage::Format_RGB888);
    out.fill(Qt::green);
    QPainter painter(&out);
    paint(painter, out.rect());
    return out;
  };
  const QImage raised = draw([](QPainter& p, QRect r) { DrawPushFrame(p, r, false); });
  const QImage dark = draw([](QPainter& p, QRect r) { DrawPushFrame(p, r, true); });
  const QImage plain =
      draw([](QPainter& p, QRect r) { DrawPushFrame(p, r, true, PushedEdge::kShadowOutside); });
  const QImage etched = draw([](QPainter& p, QRect r) { DrawEtchedEdge(p, r); });
  EXPECT_EQ(raised.pixelColor(0, 0).rgb(), pal.color(QPalette::Light).rgb());
  EXPECT_EQ(raised.pixelColor(19, 11).rgb(), pal.color(QPalette::Shadow).rgb());
  EXPECT_EQ(dark.pixelColor(0, 0).rgb(), pal.color(QPalette::Shadow).rgb());
  EXPECT_EQ(dark.pixelColor(1, 1).rgb(), pal.color(QPalette::Dark).rgb());
  EXPECT_EQ(plain.pixelColor(0, 0).rgb(), pal.color(QPalette::Dark).rgb());
  EXPECT_EQ(plain.pixelColor(1, 1).rgb(), pal.color(QPalette::Shadow).rgb());
  EXPECT_EQ(etched.pixelColor(0, 0).rgb(), pal.color(QPalette::Dark).rgb());
  EXPECT_EQ(etched.pixelColor(1, 1).rgb(), pal.color(QPalette::Light).rgb());
  EXPECT_EQ(etched.pixelColor(19, 11).rgb(), pal.color(QPalette::Light).rgb());
  EXPECT_EQ(etched.pixelColor(18, 10).rgb(), pal.color(QPalette::Dark).rgb());
  EXPECT_EQ(etched.pixelColor(5, 5), QColor(Qt::green));
}

TEST(KitTest, TabCycleWrapsAndSkipsMissingDisabledAndHiddenStops) {
  QWidget window;
  auto* a = new QWidget(&window);
  auto* b = new QWidget(&window);
  auto* c = new QWidget(&window);
  auto* outside = new QWidget(&window);
  for (QWidget* w : {a, b, c, outside})
    w->setFocusPolicy(Qt::StrongFocus);
  window.show();
  const std::vector<QWidget*> cycle = {a, nullptr, b, c};
  b->setEnabled(false);
  ASSERT_TRUE(MoveFocusInCycle(cycle, a, false));
  EXPECT_EQ(window.focusWidget(), c);
  ASSERT_TRUE(MoveFocusInCycle(cycle, c, false));
  EXPECT_EQ(window.focusWidget(), a);
  c->hide();
  ASSERT_TRUE(MoveFocusInCycle(cycle, a, true));
  EXPECT_EQ(window.focusWidget(), a);  // the only stop left
  b->setEnabled(true);
  ASSERT_TRUE(MoveFocusInCycle(cycle, outside, true));
  EXPECT_EQ(window.focusWidget(), b);  // from outside: the last one that can take it
  a->setEnabled(false);
  b->setEnabled(false);
  EXPECT_FALSE(MoveFocusInCycle(cycle, outside, false));
}

// Over an area the centre point rounds down (an even size ends a pixel left and up); on the
// monitor the spare room halves, with the designed frame standing in for a window not framed yet.
TEST(KitTest, CentringOverAnAreaAndOnTheMonitor) {
  QWidget window;
  window.resize(100, 50);
  CentreOver(&window, QRect(10, 20, 300, 200));
  EXPECT_EQ(window.pos(), QPoint(10 + 149 - 50, 20 + 99 - 25));
  CentreOver(&window, QRect(0, 0, 101, 51));
  EXPECT_EQ(window.pos(), QPoint(0, 0));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  CentreOnMonitor(&window);
  EXPECT_EQ(window.pos(), QPoint(screen.left() + (screen.width() - 100) / 2,
                                 screen.top() + (screen.height() - 50) / 2));
  CentreOnMonitor(&window, QSize(110, 80));
  EXPECT_EQ(window.pos(), QPoint(screen.left() + (screen.width() - 110) / 2,
                                 screen.top() + (screen.height() - 80) / 2));
}

}  // namespace
}  // namespace orbello::kit
