// Runs under Xvfb without a window manager.
#include "platform/qt/desktop.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "platform/qt/instance.h"
#include "platform/qt/ui.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace orbello::platform {
namespace {

class TestWindow : public QWidget {
 public:
  explicit TestWindow(const QString& title) {
    setWindowTitle(title);
    resize(120, 80);
  }
  int close_requests = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++close_requests;
    QWidget::closeEvent(event);
  }
};

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb")
      GTEST_SKIP() << "needs an X server";
  }
  void TearDown() override {
    windows_.clear();
    for (auto& process : sleepers_) {
      process->kill();
      process->waitForFinished(2000);
    }
  }

  TestWindow* Show(const QString& title) {
    windows_.push_back(std::make_unique<TestWindow>(title));
    TestWindow* window = windows_.back().get();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    return window;
  }

  // A shown window with the game's title and class; its id.
  Window ShowGameWindow(Display* display) {
    const auto id = static_cast<Window>(Show(QStringLiteral("Corvane Orbello"))->winId());
    char class_name[] = "TMainForm1";
    XClassHint hint{class_name, class_name};
    XSetClassHint(display, id, &hint);
    return id;
  }

  // Names `pid` as the process of window `id`, on this host or on `host`.
  static void SetOwner(Display* display, Window id, long pid, const char* host = nullptr) {
    XChangeProperty(display, id, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(&pid), 1);
    if (host != nullptr) {
      XChangeProperty(display, id, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(host), static_cast<int>(strlen(host)));
    }
    XSync(display, False);
  }

  // A process that lives until the test ends: of this user, or run as another one.
  long StartSleeper(bool other_user = false) {
    auto process = std::make_unique<QProcess>();
    if (other_user) {
      process->start("setpriv",
                     {"--reuid=65534", "--regid=65534", "--clear-groups", "sleep", "60"});
    } else {
      process->start("sleep", {"60"});
    }
    if (!process->waitForStarted(5000))
      return 0;
    const long pid = process->processId();
    // setpriv becomes the sleeper; wait until the process runs as its new user.
    const bool changed = QTest::qWaitFor(
        [&] {
          return QFileInfo(QStringLiteral("/proc/%1").arg(pid)).ownerId() ==
                 (other_user ? 65534u : ::getuid());
        },
        3000);
    sleepers_.push_back(std::move(process));
    return changed ? pid : 0;
  }

  // Close requests travel through the X server back to us.
  static void Settle() { QTest::qWait(150); }

  std::vector<std::unique_ptr<TestWindow>> windows_;
  std::vector<std::unique_ptr<QProcess>> sleepers_;
};

TEST_F(DesktopTest, ClosesOnlyAWindowWhoseTitleIsLongerThanThePrefix) {
  TestWindow* exact = Show(kHelpWindowTitlePrefix);
  TestWindow* longer = Show(QStringLiteral("Corvane Orbello Help - Rules"));
  TestWindow* other = Show(QStringLiteral("Corvane Orbello"));
  TestWindow* lower = Show(QStringLiteral("corvane orbello help - rules"));
  EXPECT_TRUE(CloseWindowsWithTitlePrefix(kHelpWindowTitlePrefix));
  Settle();
  EXPECT_EQ(longer->close_requests, 1);
  EXPECT_FALSE(longer->isVisible());
  EXPECT_EQ(exact->close_requests, 0);
  EXPECT_EQ(other->close_requests, 0);
  EXPECT_EQ(lower->close_requests, 0) << "the prefix compares exactly";
  EXPECT_TRUE(exact->isVisible());
  EXPECT_FALSE(CloseWindowsWithTitlePrefix(kHelpWindowTitlePrefix)) << "nothing left to close";
}

TEST_F(DesktopTest, ClosesTheFirstMatchOnlyAndSkipsHiddenAndUntitledWindows) {
  Show(QString());
  TestWindow* hidden = Show(QStringLiteral("Corvane Orbello Help - hidden"));
  hidden->hide();
  Settle();
  TestWindow* first = Show(QStringLiteral("Corvane Orbello Help - one"));
  TestWindow* second = Show(QStringLiteral("Corvane Orbello Help - two"));
  EXPECT_TRUE(CloseWindowsWithTitlePrefix(kHelpWindowTitlePrefix));
  Settle();
  EXPECT_EQ(first->close_requests + second->close_requests, 1);
  EXPECT_EQ(hidden->close_requests, 0);
  EXPECT_TRUE(CloseWindowsWithTitlePrefix(kHelpWindowTitlePrefix));
  Settle();
  EXPECT_EQ(first->close_requests + second->close_requests, 2);
  EXPECT_FALSE(CloseWindowsWithTitlePrefix(kHelpWindowTitlePrefix));
}

TEST_F(DesktopTest, ListsAndFindsWindowsByClassAndTitle) {
  TestWindow* main_window = Show(QStringLiteral("Corvane Orbello"));
  QString wm_class;
  for (const TopLevelWindow& window : ListTopLevelWindows()) {
    if (window.id == main_window->winId()) {
      EXPECT_EQ(window.title, "Corvane Orbello");
      wm_class = window.wm_class;
    }
  }
  ASSERT_FALSE(wm_class.isEmpty()) << "our window is not listed";
  EXPECT_TRUE(FindTopLevelWindow(wm_class, QStringLiteral("Corvane Orbello")));
  EXPECT_FALSE(FindTopLevelWindow(wm_class, QStringLiteral("Corvane Orbello ")));
  EXPECT_FALSE(FindTopLevelWindow(wm_class + "x", QStringLiteral("Corvane Orbello")));
  main_window->hide();
  Settle();
  EXPECT_FALSE(FindTopLevelWindow(wm_class, QStringLiteral("Corvane Orbello")));
  EXPECT_TRUE(HasX11Desktop());
}

// With a window manager the client list names the windows; only those are looked at.
TEST_F(DesktopTest, FollowsTheWindowManagersClientList) {
  TestWindow* listed = Show(QStringLiteral("Corvane Orbello Help - listed"));
  TestWindow* unlisted = Show(QStringLiteral("Corvane Orbello Help - unlisted"));
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  Window root = DefaultRootWindow(display);
  Atom client_list = XInternAtom(display, "_NET_CLIENT_LIST", False);
  long ids[1] = {static_cast<long>(listed->winId())};
  XChangeProperty(display, root, client_list, XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(ids), 1);
  XSync(display, False);

  EXPECT_TRUE(CloseWindowsWithTitlePrefix(kHelpWindowTitlePrefix));
  Settle();
  EXPECT_EQ(listed->close_requests, 1);
  EXPECT_EQ(unlisted->close_requests, 0);

  XDeleteProperty(display, root, client_list);
  XCloseDisplay(display);
}

// A raised window ends up restored and with the keyboard focus, also without a window manager.
TEST_F(DesktopTest, RaiseRestoresAndFocusesTheWindow) {
  TestWindow* game = Show(QStringLiteral("Corvane Orbello"));
  TestWindow* other = Show(QStringLiteral("Other"));
  RaiseWindow(other);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == other; }, 3000));
  game->showMinimized();
  Settle();
  RaiseWindow(game);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == game; }, 3000));
  EXPECT_FALSE(game->isMinimized());
  EXPECT_TRUE(game->isVisible());
}

// A bare X server gives a shown window no keyboard focus and, when a dialog closes, hands the
// focus to the root window rather than to its owner: keys would reach nothing. A focus that
// someone holds is left alone.
TEST_F(DesktopTest, WindowsTakeAnUnclaimedKeyboardFocus) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  XSetInputFocus(display, PointerRoot, RevertToPointerRoot, CurrentTime);
  XCloseDisplay(display);
  KeepKeyboardFocusWithoutWindowManager();
  TestWindow* game = Show(QStringLiteral("Corvane Orbello"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == game; }, 3000));

  TestWindow* later = Show(QStringLiteral("Other"));
  Settle();
  EXPECT_EQ(QApplication::activeWindow(), game);

  QDialog dialog(game);
  dialog.setModal(true);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }, 3000));
  dialog.hide();
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == game; }, 3000));
  EXPECT_NE(QApplication::activeWindow(), later);
}

// A minimised game is still running: the uninstaller must see it, and a second game started with
// another runtime folder (no lock or socket in common) must stay second and bring it back. Without
// a window manager the test does what one does on minimising: unmap the window and mark it iconic.
TEST_F(DesktopTest, AMinimisedGameWindowStillCountsAsARunningGame) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  const Window id = ShowGameWindow(display);
  XSync(display, False);
  EXPECT_FALSE(OtherProcessHasTopLevelWindow(kMainWindowClass, kMainWindowTitle))
      << "the window is this process's own";
  // As the window of another process of this user.
  const long sibling = StartSleeper();
  ASSERT_NE(sibling, 0);
  SetOwner(display, id, sibling);
  XUnmapWindow(display, id);
  Atom wm_state = XInternAtom(display, "WM_STATE", False);
  long state[2] = {IconicState, 0};
  XChangeProperty(display, id, wm_state, wm_state, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(state), 2);
  XSync(display, False);
  Settle();

  QTemporaryDir other_runtime;
  const QByteArray saved_runtime = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", other_runtime.path().toLocal8Bit());
  EXPECT_FALSE(FindTopLevelWindow(kMainWindowClass, kMainWindowTitle)) << "it is not shown";
  EXPECT_TRUE(
      FindTopLevelWindow(kMainWindowClass, kMainWindowTitle, WindowShowing::kShownOrMinimised));
  EXPECT_TRUE(IsGameRunning());
  EXPECT_TRUE(OtherProcessHasTopLevelWindow(kMainWindowClass, kMainWindowTitle));
  SingleInstance second;
  EXPECT_FALSE(second.TryBecomeFirst());
  // Such a second start cannot ask the game over its socket; it raises it through the display.
  EXPECT_TRUE(RaiseTopLevelWindow(kMainWindowClass, kMainWindowTitle));
  Settle();
  XWindowAttributes attributes{};
  ASSERT_NE(XGetWindowAttributes(display, id, &attributes), 0);
  EXPECT_EQ(attributes.map_state, IsViewable);

  XUnmapWindow(display, id);
  XDeleteProperty(display, id, wm_state);
  XSync(display, False);
  Settle();
  EXPECT_FALSE(IsGameRunning()) << "a withdrawn window is no game";
  EXPECT_TRUE(second.TryBecomeFirst());
  second.Release();
  qputenv("XDG_RUNTIME_DIR", saved_runtime);
  XCloseDisplay(display);
}

// The look for a game window asks about all windows at once, level by level; a window that a
// window manager put deeper in frames of its own is still found through the client list.
TEST_F(DesktopTest, AGameWindowDeepInFramesIsFoundThroughTheClientList) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  const Window id = ShowGameWindow(display);
  const long sibling = StartSleeper();
  ASSERT_NE(sibling, 0);
  SetOwner(display, id, sibling);
  const Window root = DefaultRootWindow(display);
  const Window outer = XCreateSimpleWindow(display, root, 0, 0, 200, 200, 0, 0, 0);
  const Window inner = XCreateSimpleWindow(display, outer, 0, 0, 200, 200, 0, 0, 0);
  XReparentWindow(display, id, inner, 0, 0);
  XMapWindow(display, inner);
  XMapWindow(display, outer);
  XSync(display, False);
  Settle();
  EXPECT_FALSE(OtherProcessHasTopLevelWindow(kMainWindowClass, kMainWindowTitle))
      << "three levels down and listed nowhere";
  const Atom client_list = XInternAtom(display, "_NET_CLIENT_LIST", False);
  long ids[1] = {static_cast<long>(id)};
  XChangeProperty(display, root, client_list, XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(ids), 1);
  XSync(display, False);
  EXPECT_TRUE(OtherProcessHasTopLevelWindow(kMainWindowClass, kMainWindowTitle));

  XDeleteProperty(display, root, client_list);
  XReparentWindow(display, id, root, 0, 0);
  XDestroyWindow(display, outer);
  XSync(display, False);
  Settle();
  XCloseDisplay(display);
}

// Two users on one display: another user's game window, or one whose owner cannot be told, is no
// running game of this user's, neither for a second start nor for the uninstaller.
TEST_F(DesktopTest, OnlyGameWindowsOfThisUsersProcessesCount) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  const Window id = ShowGameWindow(display);
  const long sibling = StartSleeper();
  ASSERT_NE(sibling, 0);
  SetOwner(display, id, sibling);
  EXPECT_TRUE(OtherProcessHasTopLevelWindow(kMainWindowClass, kMainWindowTitle));
  if (::getuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty())
    GTEST_SKIP() << "a process of another user needs root and setpriv";
  const long stranger = StartSleeper(true);
  ASSERT_NE(stranger, 0);
  ASSERT_EQ(QFileInfo(QStringLiteral("/proc/%1").arg(stranger)).ownerId(), 65534u);
  char other_host[] = "elsewhere.example";
  char host[256] = {};
  ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
  const std::vector<std::function<void()>> strangers = {
      [&] { SetOwner(display, id, stranger); },
      [&] { XDeleteProperty(display, id, XInternAtom(display, "_NET_WM_PID", False)); },
      [&] { SetOwner(display, id, sibling, other_host); },
      [&] { SetOwner(display, id, 999999999, host); },  // gone
  };
  QTemporaryDir other_runtime;
  const QByteArray saved_runtime = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", other_runtime.path().toLocal8Bit());
  for (std::size_t i = 0; i < strangers.size(); ++i) {
    SCOPED_TRACE(i);
    strangers[i]();
    XSync(display, False);
    EXPECT_FALSE(OtherProcessHasTopLevelWindow(kMainWindowClass, kMainWindowTitle));
    EXPECT_FALSE(IsGameRunning());
    EXPECT_FALSE(RaiseTopLevelWindow(kMainWindowClass, kMainWindowTitle));
    SingleInstance second;
    EXPECT_TRUE(second.TryBecomeFirst());
  }
  qputenv("XDG_RUNTIME_DIR", saved_runtime);
  XCloseDisplay(display);
}

}  // namespace
}  // namespace orbello::platform
