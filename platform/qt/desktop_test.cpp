// Runs under Xvfb without a window manager.
#include "platform/qt/desktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

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
  void TearDown() override { windows_.clear(); }

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

  // Close requests travel through the X server back to us.
  static void Settle() { QTest::qWait(150); }

  std::vector<std::unique_ptr<TestWindow>> windows_;
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
  // As the window of another process.
  XDeleteProperty(display, id, XInternAtom(display, "_NET_WM_PID", False));
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
  XDeleteProperty(display, id, XInternAtom(display, "_NET_WM_PID", False));
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

}  // namespace
}  // namespace orbello::platform
