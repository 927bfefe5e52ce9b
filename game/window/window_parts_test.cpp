// The window's pieces that need no game: shapes, cutting of pictures, digit displays, the clock
// thread, cell presses and the game-type menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "game/window/game_clock.h"
#include "game/window/pictures.h"
#include "game/window/widgets.h"
#include "game/window/window_region.h"

namespace orbello::window {
namespace {

TEST(WindowShape, TealCornersAreOutsideAndBothCirclesInside) {
  const QRegion shape = MakeWindowRegion();
  ASSERT_FALSE(shape.isEmpty());
  // The blue circle's rectangle reaches x 590, one column beyond the 590-pixel client area.
  EXPECT_EQ(shape.boundingRect(), QRect(0, 0, 591, 480));
  // The four corners of the backdrop and the gap below the gold circle's left side.
  for (QPoint corner : {QPoint(0, 0), QPoint(589, 0), QPoint(0, 479), QPoint(589, 479),
                        QPoint(5, 470), QPoint(40, 40), QPoint(560, 30)}) {
    EXPECT_FALSE(shape.contains(corner)) << corner.x() << "," << corner.y();
  }
  // Centres and extreme points of the gold circle (0..375) and the blue circle (111..589).
  for (QPoint inside : {QPoint(188, 188), QPoint(0, 188), QPoint(188, 0), QPoint(350, 240),
                        QPoint(589, 240), QPoint(350, 479), QPoint(111, 240)}) {
    EXPECT_TRUE(shape.contains(inside)) << inside.x() << "," << inside.y();
  }
}

TEST(WindowShape, RoundRectIsSymmetricAndExcludesItsRightAndBottomEdges) {
  const QRegion r = RoundRectRegion(10, 20, 110, 70, 40, 30);
  EXPECT_EQ(r.boundingRect(), QRect(10, 20, 100, 50));
  for (int y = 20; y < 70; ++y) {
    for (int dx = 0; dx < 50; ++dx) {
      EXPECT_EQ(r.contains(QPoint(10 + dx, y)), r.contains(QPoint(109 - dx, y)));
    }
    EXPECT_EQ(r.contains(QPoint(60, y)), r.contains(QPoint(60, 89 - y)));
  }
  EXPECT_FALSE(r.contains(QPoint(10, 20)));
  EXPECT_TRUE(r.contains(QPoint(10, 45)));
  EXPECT_TRUE(RoundRectRegion(5, 5, 5, 10, 2, 2).isEmpty());
}

TEST(ButtonShape, KeyRangeIsRedExactlyZeroGreenAndBlueFrom128Up) {
  QImage face(6, 3, QImage::Format_RGB32);
  face.fill(qRgb(0, 128, 128));
  // Row 0: a run of two solid pixels in the middle.
  face.setPixel(2, 0, qRgb(200, 30, 30));
  face.setPixel(3, 0, qRgb(200, 30, 30));
  // Row 1: pixels just outside the key range on each channel are solid; those inside are not.
  face.setPixel(0, 1, qRgb(1, 128, 128));  // red not exactly 0
  face.setPixel(1, 1, qRgb(0, 127, 200));  // green below 128
  face.setPixel(2, 1, qRgb(0, 255, 255));  // inside: see-through
  face.setPixel(3, 1, qRgb(0, 200, 127));  // blue below 128
  face.setPixel(4, 1, qRgb(0, 130, 250));  // inside
  // Row 2 stays all key: no rectangle.
  const QRegion region = RegionFromBitmap(face, qRgb(0, 128, 128), qRgb(0, 128, 128));
  QRegion expected;
  expected += QRect(2, 0, 2, 1);
  expected += QRect(0, 1, 2, 1);
  expected += QRect(3, 1, 1, 1);
  EXPECT_EQ(region, expected);
  EXPECT_TRUE(RegionFromBitmap(QImage(), qRgb(0, 128, 128), qRgb(0, 128, 128)).isEmpty());
}

// A picture whose column x has the colour (x, 7, 9): each copied pixel tells where it came from.
QImage Ramp(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb(x % 256, y % 256, 9));
  }
  return image;
}

TEST(Pictures, CopyClippedNeverReadsOutsideItsSource) {
  const QImage source = Ramp(40, 40);
  QImage target(32, 32, QImage::Format_RGB32);
  target.fill(qRgb(1, 2, 3));
  // The tile from (32, 32) sticks out of a 40 x 40 picture: 8 x 8 pixels are copied.
  CopyClipped(source, QRect(32, 32, 32, 32), target, QPoint(0, 0));
  EXPECT_EQ(target.pixel(0, 0), qRgb(32, 32, 9));
  EXPECT_EQ(target.pixel(7, 7), qRgb(39, 39, 9));
  EXPECT_EQ(target.pixel(8, 0), qRgb(1, 2, 3));
  EXPECT_EQ(target.pixel(0, 8), qRgb(1, 2, 3));
  // Column 24 of a 768-wide balls picture lies wholly outside: nothing changes.
  const QImage balls = Ramp(768, 224);
  QImage before = target;
  CopyClipped(balls, QRect(32 * 24, 0, 32, 32), target, QPoint(0, 0));
  EXPECT_EQ(target, before);
  // A target point near the target's edge clips on the target side too.
  CopyClipped(balls, QRect(0, 0, 32, 32), target, QPoint(30, 30));
  EXPECT_EQ(target.pixel(31, 31), qRgb(1, 1, 9));
}

// A score picture whose glyph d is filled with the colour (d * 20, 100, 50).
QImage ScoreDigits(int width = 160) {
  QImage image(width, 20, QImage::Format_RGB32);
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < 20; ++y)
      image.setPixel(x, y, qRgb((x / 16) * 20, 100, 50));
  }
  return image;
}

int DigitAt(const QImage& number, int position) {
  const QRgb p = number.pixel(16 * position + 8, 10);
  if (qGreen(p) != 100)
    return -1;
  return qRed(p) / 20;
}

TEST(DigitDisplays, NumbersShowFiveDigitsWithLeadingZeros) {
  const QImage digits = ScoreDigits();
  struct Case {
    uint32_t value;
    const char* shown;
  };
  for (const Case& c : {Case{0, "00000"}, Case{120, "00120"}, Case{99999, "99999"},
                        Case{4073, "04073"}, Case{100000, "99999"}, Case{4294967295u, "99999"}}) {
    EXPECT_EQ(FiveDigits(c.value), c.shown);
    const QImage number = ComposeNumber(digits, c.value);
    ASSERT_EQ(number.size(), QSize(80, 20));
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(DigitAt(number, i), c.shown[i] - '0') << c.value;
  }
}

TEST(DigitDisplays, ASmallScorePictureLeavesMissingGlyphsBlack) {
  const QImage number = ComposeNumber(ScoreDigits(40), 12345);  // holds glyphs 0, 1 and half of 2
  EXPECT_EQ(DigitAt(number, 0), 1);
  EXPECT_EQ(number.pixel(16 * 1 + 4, 5), qRgb(40, 100, 50));  // left half of glyph 2
  EXPECT_EQ(number.pixel(16 * 1 + 12, 5), qRgb(0, 0, 0));     // right half is outside
  EXPECT_EQ(number.pixel(16 * 4 + 8, 5), qRgb(0, 0, 0));      // glyph 5 is outside
}

TEST(DigitDisplays, ClockTextAndGlyphs) {
  EXPECT_EQ(ClockText(0), "00:00:00");
  EXPECT_EQ(ClockText(3599), "00:59:59");
  EXPECT_EQ(ClockText(3600), "01:00:00");
  EXPECT_EQ(ClockText(3665), "01:01:05");
  EXPECT_EQ(ClockText(359999), "99:59:59");

  // Timer picture: column x coloured (x / 9 * 20, 1, 2), so digit d is red 20d and the colon 200.
  QImage timer(99, 11, QImage::Format_RGB32);
  for (int x = 0; x < 99; ++x) {
    for (int y = 0; y < 11; ++y)
      timer.setPixel(x, y, qRgb((x / 9) * 20, 1, 2));
  }
  const QImage clock = ComposeClock(timer, 3665);  // 01:01:05
  ASSERT_EQ(clock.size(), QSize(99, 11));
  const int expected[8] = {0, 1, 10, 0, 1, 10, 0, 5};
  for (int p = 0; p < 8; ++p)
    EXPECT_EQ(qRed(clock.pixel(9 * p + 4, 5)), expected[p] * 20) << p;
  // What lies beyond the eight characters stays black.
  EXPECT_EQ(clock.pixel(80, 5), qRgb(0, 0, 0));
}

TEST(DigitDisplays, GameTypeBands) {
  QImage labels(72, 33, QImage::Format_RGB32);
  for (int y = 0; y < 33; ++y) {
    for (int x = 0; x < 72; ++x)
      labels.setPixel(x, y, qRgb(y / 11 * 100, 0, 0));
  }
  for (int type = 1; type <= 3; ++type) {
    const QImage band = GameTypeBand(labels, type);
    ASSERT_EQ(band.size(), QSize(72, 11));
    EXPECT_EQ(qRed(band.pixel(0, 0)), (type - 1) * 100);
    EXPECT_EQ(qRed(band.pixel(71, 10)), (type - 1) * 100);
  }
  EXPECT_TRUE(GameTypeBand(labels, 0).isNull());
  EXPECT_TRUE(GameTypeBand(labels, 4).isNull());
  EXPECT_TRUE(GameTypeBand(labels.copy(0, 0, 72, 30), 3).isNull());
  EXPECT_TRUE(GameTypeBand(QImage(), 1).isNull());
}

TEST(GameClockThread, TicksOnScheduleStopsAtOnceAndRestarts) {
  std::atomic<int> ticks{0};
  GameClock clock([&] { ++ticks; }, std::chrono::milliseconds(20));
  EXPECT_FALSE(clock.Running());
  ASSERT_TRUE(clock.Start());
  EXPECT_FALSE(clock.Start());  // one clock at a time
  std::this_thread::sleep_for(std::chrono::milliseconds(210));
  clock.Stop();
  EXPECT_FALSE(clock.Running());
  const int counted = ticks.load();
  EXPECT_GE(counted, 5);  // a loaded machine may make it skip a late tick
  EXPECT_LE(counted, 11);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(ticks.load(), counted);  // no tick after Stop
  clock.Stop();                      // harmless twice
  ASSERT_TRUE(clock.Start());
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  clock.Stop();
  EXPECT_GT(ticks.load(), counted);

  // Stopping wakes the thread at once instead of waiting for its next tick.
  GameClock slow([] {}, std::chrono::milliseconds(10000));
  ASSERT_TRUE(slow.Start());
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const auto stop_begin = std::chrono::steady_clock::now();
  slow.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - stop_begin, std::chrono::milliseconds(500));
}

void Press(QWidget* widget, Qt::MouseButton button, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers modifiers) {
  QMouseEvent event(QEvent::MouseButtonPress, QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)),
                    button, buttons, modifiers);
  QApplication::sendEvent(widget, &event);
}

TEST(BoardCell, OnlyALeftPressAloneReachesTheGame) {
  QWidget panel;
  std::vector<int> pressed;
  BoardCell cell(&panel, 9, [&](BoardCell* image) { pressed.push_back(image->Tag()); });
  EXPECT_EQ(cell.objectName(), "BoardCell9");
  EXPECT_EQ(cell.Tag(), 9);
  EXPECT_EQ(cell.size(), QSize(36, 36));

  Press(&cell, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  Press(&cell, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
  Press(&cell, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
  Press(&cell, Qt::LeftButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
  EXPECT_TRUE(pressed.empty());
  Press(&cell, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  Press(&cell, Qt::LeftButton, Qt::LeftButton, Qt::AltModifier);
  EXPECT_EQ(pressed, (std::vector<int>{9, 9}));
  // A double click: its first press counts, its second comes as the double click and does not.
  pressed.clear();
  QTest::mouseClick(&cell, Qt::LeftButton);
  QTest::mouseDClick(&cell, Qt::LeftButton);
  QTest::mouseRelease(&cell, Qt::LeftButton);
  EXPECT_EQ(pressed, std::vector<int>{9});
}

TEST(CommandButton, ADoubleClickCommandsOnce) {
  QWidget window;
  QImage face(53, 31, QImage::Format_RGB32);
  face.fill(qRgb(200, 0, 0));
  TPictureButton button(&window, 1154, face, face, face);
  int clicks = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
  // What a double click delivers: press, release, double click, release.
  QTest::mouseClick(&button, Qt::LeftButton);
  QTest::mouseDClick(&button, Qt::LeftButton);
  QTest::mouseRelease(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button.isDown());
}

int DarkPixels(const QImage& image, const QRect& area) {
  int dark = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 80)
        ++dark;
    }
  }
  return dark;
}

TEST(GameTypeMenu, TheDefaultVariantIsBoldAndTheBandGrowsOnce) {
  QImage band(20, 67, QImage::Format_RGB32);
  band.fill(qRgb(10, 200, 10));
  int height = 0;
  int default_game = 1;
  std::vector<int> chosen;
  TGameMenu menu(
      nullptr, band, &height, [&] { return default_game; }, [&](int id) { chosen.push_back(id); });
  const QRect squares = menu.ItemRect(1);
  const int measured = height;
  EXPECT_EQ(measured, menu.ItemRect(0).height() + squares.height() + menu.ItemRect(2).height());
  EXPECT_EQ(menu.width(), menu.ItemRect(1).width() + 2 * TGameMenu::kFrame);

  const QImage normal = menu.grab().toImage();
  default_game = 2;
  const QImage bold = menu.grab().toImage();
  EXPECT_EQ(height, measured);  // drawing again measures nothing
  const QRect text_area = squares.adjusted(TGameMenu::kBandWidth, 0, 0, 0);
  EXPECT_GT(DarkPixels(bold, text_area), DarkPixels(normal, text_area) + 10);
  // The Lines item lost its bold face at the same time.
  const QRect lines_area = menu.ItemRect(0).adjusted(TGameMenu::kBandWidth, 0, 0, 0);
  EXPECT_LT(DarkPixels(bold, lines_area), DarkPixels(normal, lines_area));
  // Items are gold; the band is blue with its picture standing at the bottom.
  EXPECT_EQ(bold.pixel(squares.right() - 2, squares.top() + 2), qRgb(255, 191, 0));
  EXPECT_EQ(bold.pixel(TGameMenu::kFrame + 5, TGameMenu::kFrame + height - 5), qRgb(10, 200, 10));
  if (height > 67) {
    EXPECT_EQ(bold.pixel(TGameMenu::kFrame + 5, TGameMenu::kFrame + 2), qRgb(47, 107, 168));
  }

  // Keyboard choice: down twice and Return picks the second item.
  QTest::keyClick(&menu, Qt::Key_Down);
  QTest::keyClick(&menu, Qt::Key_Down);
  QTest::keyClick(&menu, Qt::Key_Return);
  QTest::keyClick(&menu, Qt::Key_Escape);
  EXPECT_EQ(chosen, std::vector<int>{1101});
}

TEST(GameTypeMenu, PlacementPrefersOpeningAboveAtTheScreenBottom) {
  const QRect screen(0, 0, 1024, 768);
  const QSize size(120, 90);
  EXPECT_EQ(TGameMenu::Place(QPoint(100, 200), size, screen), QPoint(100, 200));
  EXPECT_EQ(TGameMenu::Place(QPoint(100, 700), size, screen), QPoint(100, 610));
  EXPECT_EQ(TGameMenu::Place(QPoint(1000, 200), size, screen), QPoint(904, 200));
  EXPECT_EQ(TGameMenu::Place(QPoint(-20, 30), size, screen), QPoint(0, 30));
}

}  // namespace
}  // namespace orbello::window
