// Under a real X server: the help viewer that Help brought up is closed when the compiler closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <memory>

#include "platform/qt/ui.h"
#include "skincompiler/compiler_window.h"

namespace orbello::csfob {
namespace {

std::unique_ptr<QWidget> ShowViewer(const QString& title) {
  auto viewer = std::make_unique<QWidget>();
  viewer->setWindowTitle(title);
  viewer->resize(200, 100);
  viewer->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(viewer.get()));
  return viewer;
}

// Runs the event loop until `done` holds or two seconds have passed.
template <typename Condition>
bool WaitFor(Condition done) {
  QDeadlineTimer deadline(2000);
  while (!done() && !deadline.hasExpired())
    QTest::qWait(20);
  return done();
}

class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    previous_shell_ = platform::SetShellOpenFunction([](const QString&) { return true; });
    QImage tile(128, 128, QImage::Format_RGB888);
    tile.fill(QColor(220, 210, 190));
    window_ = std::make_unique<CompilerWindow>(tile, QPixmap());
    ASSERT_TRUE(window_->IsBuilt());
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override {
    window_.reset();
    platform::SetShellOpenFunction(previous_shell_);
  }

  std::unique_ptr<CompilerWindow> window_;
  platform::ShellOpenFunction previous_shell_;
};

TEST_F(HelpViewerTest, ClosingAfterHelpClosesTheViewerButNotAWindowTitledOnlyThePrefix) {
  auto exact = ShowViewer(QStringLiteral("Corvane Orbello Help"));
  auto viewer = ShowViewer(QStringLiteral("Corvane Orbello Help - Skins"));
  QTest::mouseClick(window_->HelpButton(), Qt::LeftButton);
  ASSERT_TRUE(window_->HelpStarted());

  QTest::mouseClick(window_->QuitButton(), Qt::LeftButton);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(WaitFor([&] { return !viewer->isVisible(); }));
  EXPECT_TRUE(exact->isVisible());
}

TEST_F(HelpViewerTest, WithoutHelpNoViewerIsClosed) {
  auto viewer = ShowViewer(QStringLiteral("Corvane Orbello Help - Skins"));
  window_->close();
  QTest::qWait(300);
  EXPECT_TRUE(viewer->isVisible());
}

}  // namespace
}  // namespace orbello::csfob
