// The pieces of the dialogs' look that can be checked pixel by pixel.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QPalette>
#include <QSignalSpy>

#include "platform/qt/kit/accessible.h"
#include "platform/qt/kit/dialog_look.h"

namespace orbello::kit {
namespace {

QColor Pixel(const QImage& image, int x, int y) {
  return image.pixelColor(x, y);
}

TEST(DialogLookTest, BackgroundRepeatsTheBitmapFromTheTopLeft) {
  QImage tile(3, 2, QImage::Format_RGB888);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x)
      tile.setPixelColor(x, y, QColor(40 * x, 100 * y, 7));
  }
  const QImage background = BuildDialogBackground(tile, QSize(7, 5));
  ASSERT_EQ(background.size(), QSize(7, 5));
  EXPECT_EQ(background.format(), QImage::Format_RGB888);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      EXPECT_EQ(Pixel(background, x, y), Pixel(tile, x % 3, y % 2)) << x << "," << y;
    }
  }
  EXPECT_TRUE(BuildDialogBackground(QImage(), QSize(10, 10)).isNull());
  EXPECT_TRUE(BuildDialogBackground(tile, QSize(0, 10)).isNull());
}

TEST(DialogLookTest, DialogUnitsRoundToTheNearestPixel) {
  EXPECT_EQ(DialogUnitsX(342), 513);
  EXPECT_EQ(DialogUnitsY(311), 505);
  EXPECT_EQ(DialogUnitsX(17), 26);
  EXPECT_EQ(DialogUnitsY(15), 24);
  EXPECT_EQ(DialogUnitRect(173, 84, 17, 15), QRect(260, 137, 26, 24));
}

TEST(DialogLookTest, ButtonFacesShowBackgroundPressedFrameAndDarkenedDisabledFace) {
  const QSize size(60, 24);
  QImage background(size, QImage::Format_RGB888);
  background.fill(QColor(100, 200, 60));
  auto draw = [&](const ButtonFace& face) {
    QImage out(size, QImage::Format_RGB888);
    QPainter painter(&out);
    DrawDialogButton(painter, out.rect(), "", background, face);
    return out;
  };
  const QImage normal = draw({});
  const QImage pressed = draw({.pressed = true});
  const QImage disabled = draw({.disabled = true});
  const QImage focused = draw({.focused = true});
  const QPalette pal = QApplication::palette();
  // The face between frame and focus rectangle is the background, darkened when disabled.
  EXPECT_EQ(Pixel(normal, 30, 3), QColor(100, 200, 60));
  EXPECT_EQ(Pixel(disabled, 30, 3), QColor(85, 170, 51));
  // Raised frame: light top-left, dark bottom-right; pushed: the other way round.
  EXPECT_EQ(Pixel(normal, 0, 0).rgb(), pal.color(QPalette::Light).rgb());
  EXPECT_EQ(Pixel(normal, 59, 23).rgb(), pal.color(QPalette::Shadow).rgb());
  EXPECT_EQ(Pixel(pressed, 0, 0).rgb(), pal.color(QPalette::Shadow).rgb());
  // Only the focused face has the focus rectangle 4 px inside.
  EXPECT_NE(focused, normal);
}

TEST(DialogLookTest, LabelsFollowTheSystemTextColor) {
  LookDialog dialog(nullptr, QSize(200, 60), "look");
  auto* label = new GroupLabel(" Sounds ", &dialog, 1035, QRect(10, 10, 90, 13));
  QFont solid = label->font();  // unblended glyphs show the text colour itself
  solid.setStyleStrategy(QFont::NoAntialias);
  label->setFont(solid);
  auto contains = [](const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == color)
          return true;
      }
    }
    return false;
  };
  const QPalette saved = QApplication::palette();
  QPalette red = saved;
  red.setColor(QPalette::WindowText, QColor(255, 0, 0));
  QApplication::setPalette(red);
  const bool red_text = contains(label->grab().toImage(), QColor(255, 0, 0));
  QApplication::setPalette(saved);
  const bool red_after = contains(label->grab().toImage(), QColor(255, 0, 0));
  EXPECT_TRUE(red_text);
  EXPECT_FALSE(red_after);
}

// A reader's press reaches a dialog's controls only where a mouse press could: not behind another
// modal window (a second Settings from a press on a covered button), not while hidden or disabled.
TEST(DialogLookTest, ReadersPressesWaitForTheModalWindowOnTop) {
  InstallAccessibility();
  LookDialog dialog(nullptr, QSize(200, 60), "look");
  auto* button = new DialogButton("&OK", &dialog, 1, QRect(10, 10, 60, 20));
  auto* check = new QCheckBox("Sound", &dialog);
  QSignalSpy pressed(button, &QPushButton::clicked);
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("OK"));
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(check);
  EXPECT_EQ(box->role(), QAccessible::CheckBox);
  // The action the control names when it may be pressed, named regardless.
  const auto press = [iface](QAccessibleInterface* control) {
    control->actionInterface()->doAction(control == iface
                                             ? QAccessibleActionInterface::pressAction()
                                             : QAccessibleActionInterface::toggleAction());
    QCoreApplication::processEvents();
  };

  press(iface);  // hidden
  dialog.setModal(true);
  dialog.show();
  EXPECT_TRUE(MayPress(button));
  {
    QDialog other;  // a message box over the dialog
    other.setModal(true);
    other.show();
    EXPECT_FALSE(MayPress(button));
    EXPECT_TRUE(iface->actionInterface()->actionNames().isEmpty());
    press(iface);
    press(box);
    // Queued before the box opened, run while it is open: still nothing.
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    other.hide();
    other.show();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(pressed.count(), 0);
  EXPECT_FALSE(check->isChecked());
  press(iface);
  press(box);
  EXPECT_EQ(pressed.count(), 1);
  EXPECT_TRUE(check->isChecked());
  button->setEnabled(false);
  press(iface);
  EXPECT_EQ(pressed.count(), 1);
}

}  // namespace
}  // namespace orbello::kit
