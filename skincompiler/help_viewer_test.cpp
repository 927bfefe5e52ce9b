// Under a real X server: closing the compiler leaves every window it did not start.
#include <gtest/gtest.h>

#include <QApplication>
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

// The compiler closes only the viewer it started itself (known by its processes, as the game's
// is): windows titled like the viewer's stay, whether Help was pressed or not.
TEST_F(HelpViewerTest, ClosingNeverClosesAWindowItDidNotStart) {
  auto exact = ShowViewer(QStringLiteral("Corvane Orbello Help"));
  auto viewer = ShowViewer(QStringLiteral("Corvane Orbello Help - Skins"));
  QTest::mouseClick(window_->HelpButton(), Qt::LeftButton);
  ASSERT_TRUE(window_->HelpStarted());

  QTest::mouseClick(window_->QuitButton(), Qt::LeftButton);
  EXPECT_FALSE(window_->isVisible());
  QTest::qWait(300);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_TRUE(exact->isVisible());
}

}  // namespace
}  // namespace orbello::csfob
