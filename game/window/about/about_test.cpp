// Help requests and the About box with a scripted shell.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QMouseEvent>
#include <QTest>

#include "game/records/dialogs/dialog_test_support.h"
#include "game/window/about/about.h"
#include "platform/core/paths.h"
#include "platform/qt/kit/accessible_test_support.h"
#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/ui.h"

namespace orbello {
namespace {

using testing::ScriptedMessages;
using testing::Settle;
using testing::WithModal;

class ScriptedShell {
 public:
  explicit ScriptedShell(bool accept) : accept_(accept) {
    previous_ = platform::SetShellOpenFunction([this](const QString& target) {
      opened.push_back(target);
      return accept_;
    });
  }
  ~ScriptedShell() { platform::SetShellOpenFunction(previous_); }
  std::vector<QString> opened;

 private:
  bool accept_;
  platform::ShellOpenFunction previous_;
};

// A pointer move as the window system delivers it to the widget under the pointer.
void MoveTo(QWidget* widget, const QPoint& local) {
  QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(widget->mapToGlobal(local)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

bool HasColor(const QImage& image, const QColor& color) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y).rgb() == color.rgb())
        return true;
    }
  }
  return false;
}

TEST(HelpTest, OpensTheHelpFileBesideTheProgramAndWarnsWhenRefused) {
  ScriptedMessages messages;
  {
    ScriptedShell shell(true);
    EXPECT_TRUE(OpenHelp(nullptr));
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0],
              QString::fromLocal8Bit(platform::ProgramFolder().c_str()) + "/cvob.chm");
    EXPECT_TRUE(HelpRequested());
    EXPECT_TRUE(messages.requests.empty());
  }
  {
    ScriptedShell shell(false);
    EXPECT_FALSE(OpenHelp(nullptr));
    ASSERT_EQ(messages.requests.size(), 1u);
    const platform::MessageRequest& warning = messages.requests[0];
    EXPECT_EQ(warning.text, "Orbello can't run help file");
    EXPECT_EQ(warning.caption, "Warning!");
    EXPECT_EQ(warning.icon, platform::MessageIcon::kError);
    EXPECT_EQ(warning.owner, nullptr);
    EXPECT_TRUE(HelpRequested());  // the flag is never cleared
  }
}

TEST(AboutTest, BoxCoversTheBoardAndItsLinksFollowThePointerAndOpen) {
  ScriptedMessages messages;
  ScriptedShell shell(true);
  QWidget window;
  window.setGeometry(140, 90, 590, 480);
  QWidget* panel = new QWidget(&window);
  panel->setGeometry(195, 65, 324, 324);
  window.show();
  QString caption;
  QPoint position, expected;
  bool red_over = false, blue_over = true, red_after = true, blue_after = false;
  WithModal([&] { ShowAbout(&window, panel); },
            [&](QDialog* d) {
              caption = d->windowTitle();
              position = d->pos();
              expected = panel->mapToGlobal(QPoint(-3, -1));
              QWidget* mail = kit::FindDialogControl(d, 1062);
              QWidget* web = kit::FindDialogControl(d, 1063);
              ASSERT_NE(mail, nullptr);
              ASSERT_NE(web, nullptr);
              // Solid glyphs, so the link's own colour appears unblended.
              QFont solid = mail->font();
              solid.setStyleStrategy(QFont::NoAntialias);
              mail->setFont(solid);
              MoveTo(mail, QPoint(5, mail->height() / 2));
              Settle();
              QImage over = mail->grab().toImage();
              red_over = HasColor(over, QColor(255, 0, 0));
              blue_over = HasColor(over, QColor(0, 0, 253));
              MoveTo(d, QPoint(5, d->height() - 5));
              Settle();
              QImage after = mail->grab().toImage();
              red_after = HasColor(after, QColor(255, 0, 0));
              blue_after = HasColor(after, QColor(0, 0, 253));
              EXPECT_EQ(mail->cursor().shape(), Qt::PointingHandCursor);
              QTest::mouseClick(mail, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
              QTest::mouseClick(web, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
              QTest::keyClick(d, Qt::Key_Escape);  // only Ok and the close box end it
              EXPECT_TRUE(d->isVisible());
              QWidget* ok = kit::FindDialogControl(d, 1163);
              QTest::mouseClick(ok, Qt::LeftButton, Qt::NoModifier, ok->rect().center());
            });
  EXPECT_EQ(caption, "About Orbello");
  EXPECT_EQ(position, expected);
  EXPECT_TRUE(red_over);
  EXPECT_FALSE(blue_over);
  EXPECT_FALSE(red_after);
  EXPECT_TRUE(blue_after);
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0],
            QString("mailto:") + kSupportAddress + "?subject=Corvane Orbello Support");
  EXPECT_EQ(shell.opened[1], QString(kWebPageAddress));
  EXPECT_TRUE(messages.requests.empty());
}

TEST(AboutTest, ScreenReaderHearsTheBoxItsTextsLinksAndOk) {
  QString mail, ok;
  QAccessible::Role mail_role = QAccessible::NoRole;
  WithModal([&] { ShowAbout(nullptr, nullptr); },
            [&](QDialog* d) {
              using namespace kit::testing;
              EXPECT_TRUE(ReadAsDialog(d, "About Orbello"));
              mail = ReadName(kit::FindDialogControl(d, 1062));
              mail_role = ReadRole(kit::FindDialogControl(d, 1062));
              ok = ReadName(kit::FindDialogControl(d, 1163));
              d->done(0);
            });
  EXPECT_EQ(mail_role, QAccessible::Link);
  EXPECT_EQ(mail, QString::fromLatin1(kSupportAddress));
  EXPECT_EQ(ok, "Ok");
}

TEST(AboutTest, RefusedLinkWarnsWithoutOwner) {
  ScriptedMessages messages;
  ScriptedShell shell(false);
  WithModal([&] { ShowAbout(nullptr, nullptr); },
            [&](QDialog* d) {
              QWidget* mail = kit::FindDialogControl(d, 1062);
              QTest::mouseClick(mail, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
              d->close();
            });
  ASSERT_EQ(messages.requests.size(), 1u);
  EXPECT_EQ(messages.requests[0].text, "Orbello can't run this process");
  EXPECT_EQ(messages.requests[0].caption, "Warning!");
  EXPECT_EQ(messages.requests[0].owner, nullptr);
}

}  // namespace
}  // namespace orbello
