// The help as installed, on a real X server with the real viewer: install.sh registers the help
// launcher, cvob.chm opens through the desktop as the game opens it, a second request raises that
// viewer instead of starting another, the game's end closes the viewer it started and nothing
// else, and the skin compiler's rule (by title) finds the viewer's window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <array>

#include "game/window/about/about.h"
#include "platform/qt/desktop.h"
#include "platform/qt/ui.h"

namespace orbello {
namespace {

// The viewer's visible windows, and those among them titled as the close rules need.
std::vector<platform::TopLevelWindow> ViewerWindows() {
  std::vector<platform::TopLevelWindow> viewers;
  for (const platform::TopLevelWindow& window : platform::ListTopLevelWindows()) {
    if (window.wm_class == QLatin1String("Xchm"))
      viewers.push_back(window);
  }
  return viewers;
}

QStringList ViewerTitles() {
  QStringList titles;
  for (const platform::TopLevelWindow& window : ViewerWindows())
    titles << window.title;
  return titles;
}

bool WaitForHelpWindows(int count) {
  return QTest::qWaitFor(
      [&] {
        return ViewerTitles().filter(QRegularExpression("^Corvane Orbello Help - xCHM")).size() ==
               count;
      },
      30000);
}

class HelpViewer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(QStandardPaths::findExecutable("xchm").isEmpty())
        << "the help viewer xchm is not installed (packages.txt and packages-play.txt list it)";
    ASSERT_TRUE(platform::HasX11Desktop());
    ASSERT_TRUE(ViewerWindows().empty());
    // A home without blanks, as the desktop's plain opener needs for the launcher's path.
    ASSERT_TRUE(home_.isValid());
    for (std::size_t i = 0; i < kVariables.size(); ++i)
      saved_[i] = qgetenv(kVariables[i]);
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home_.path() + "/data").toLocal8Bit());
  }
  void TearDown() override {
    // A viewer left by a failed check must not outlive the test.
    for (int i = 0; i < 4; ++i) {
      if (!platform::CloseWindowsWithTitlePrefix(platform::kHelpWindowTitlePrefix) &&
          !platform::CloseWindowsWithTitlePrefix(QStringLiteral("xCHM")))
        break;
    }
    for (std::size_t i = 0; i < kVariables.size(); ++i)
      qputenv(kVariables[i], saved_[i]);
  }

  static constexpr std::array<const char*, 3> kVariables = {"HOME", "XDG_CONFIG_HOME",
                                                            "XDG_DATA_HOME"};
  QTemporaryDir home_{QDir::tempPath() + "/orbello-help-XXXXXX"};
  std::array<QByteArray, 3> saved_;
};

TEST_F(HelpViewer, OneViewerPerGameClosedByItsProcessesAtTheEnd) {
  QProcess install;
  install.start("bash", {ORBELLO_INSTALL_SH, ORBELLO_BUILD_DIR});
  ASSERT_TRUE(install.waitForFinished(120000));
  ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
  const QString help = home_.path() + "/data/corvane/orbello/cvob.chm";
  ASSERT_TRUE(QFile::exists(help));
  // Another user's window that looks like the viewer's.
  QWidget notes;
  notes.setWindowTitle("Corvane Orbello Help - my notes");
  notes.resize(200, 100);
  notes.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&notes));

  // Opened through the desktop's "open" as the help command does; the launcher puts the book's
  // title first as soon as the viewer has titled its window. Pressed again, the same viewer.
  const std::string file = QFile::encodeName(help).toStdString();
  ASSERT_TRUE(platform::OpenInHelpViewer(file));
  ASSERT_TRUE(WaitForHelpWindows(1)) << ViewerTitles().join(" | ").toStdString();
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(platform::OpenInHelpViewer(file));
  QTest::qWait(3000);
  EXPECT_EQ(ViewerWindows().size(), 1u) << ViewerTitles().join(" | ").toStdString();

  // The game's end closes its viewer and leaves the look-alike.
  EXPECT_TRUE(CloseHelpWindow());
  EXPECT_TRUE(QTest::qWaitFor([] { return ViewerWindows().empty(); }, 30000))
      << ViewerTitles().join(" | ").toStdString();
  QTest::qWait(200);
  EXPECT_TRUE(notes.isVisible());
  EXPECT_FALSE(CloseHelpWindow()) << "nothing left to close";

  // The skin compiler still closes the viewer by its title.
  ASSERT_TRUE(platform::OpenWithShell(help));
  ASSERT_TRUE(WaitForHelpWindows(1)) << ViewerTitles().join(" | ").toStdString();
  notes.hide();
  QTest::qWait(200);
  EXPECT_TRUE(platform::CloseWindowsWithTitlePrefix(platform::kHelpWindowTitlePrefix));
  EXPECT_TRUE(QTest::qWaitFor([] { return ViewerWindows().empty(); }, 30000))
      << ViewerTitles().join(" | ").toStdString();
}

}  // namespace
}  // namespace orbello
