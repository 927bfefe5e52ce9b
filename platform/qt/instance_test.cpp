#include "platform/qt/instance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <cstddef>
#include <cstring>
#include <functional>
#include <vector>

namespace orbello::platform {
namespace {

// Binds the game's socket name without serving it, as a game that is busy does; -1 on failure.
int BindServerName() {
  const QByteArray name = InstanceServerName().toUtf8();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
  if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), size) != 0 ||
      ::listen(fd, 4) != 0) {
    if (fd >= 0)
      ::close(fd);
    return -1;
  }
  return fd;
}

// Each test gets its own runtime folder, so its lock and socket meet nobody else's.
class InstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(runtime_.isValid());
    previous_runtime_ = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
  }
  void TearDown() override {
    for (QProcess* process : processes_) {
      if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(2000);
      }
      delete process;
    }
    qputenv("XDG_RUNTIME_DIR", previous_runtime_);
  }

  QProcess* StartProbe(const QString& mode) {
    auto* process = new QProcess;
    processes_.push_back(process);
    process->setProgram(QStringLiteral(ORBELLO_INSTANCE_PROBE));
    process->setArguments({mode});
    process->start();
    EXPECT_TRUE(process->waitForStarted(5000));
    return process;
  }

  // Runs a probe to its end while this process keeps serving its own socket.
  int RunProbe(const QString& mode, QByteArray* output = nullptr) {
    QProcess* process = StartProbe(mode);
    process->closeWriteChannel();
    bool finished =
        QTest::qWaitFor([&] { return process->state() == QProcess::NotRunning; }, 10000);
    EXPECT_TRUE(finished) << "probe " << mode.toStdString() << " did not end";
    if (output != nullptr)
      *output = process->readAllStandardOutput();
    return process->exitCode();
  }

  static QByteArray ReadLine(QProcess* process) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return process->canReadLine(); }, 10000));
    return process->readLine().trimmed();
  }

  QTemporaryDir runtime_;
  QByteArray previous_runtime_;
  std::vector<QProcess*> processes_;
};

TEST_F(InstanceTest, SecondStartAsksTheFirstToRaiseAndEnds) {
  SingleInstance first;
  ASSERT_TRUE(first.TryBecomeFirst());
  EXPECT_TRUE(first.TryBecomeFirst()) << "asking again keeps the lock";
  int raises = 0;
  ASSERT_TRUE(first.Listen([&] { ++raises; }));

  QByteArray output;
  EXPECT_EQ(RunProbe(QStringLiteral("hold"), &output), 0);
  EXPECT_EQ(output.trimmed(), "second");
  EXPECT_EQ(RunProbe(QStringLiteral("raise")), 0);
  EXPECT_EQ(raises, 1);

  EXPECT_EQ(RunProbe(QStringLiteral("running")), 0);
  EXPECT_EQ(raises, 1) << "the question must not raise the window";
}

TEST_F(InstanceTest, NobodyRunningMeansNoAnswer) {
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(IsGameRunning());
  EXPECT_FALSE(AskRunningInstanceToRaise());
  EXPECT_LT(timer.elapsed(), 1000) << "a missing server is noticed at once, not by time-out";
}

TEST_F(InstanceTest, ReleasedLockLetsTheNextProcessBeFirst) {
  auto first = std::make_unique<SingleInstance>();
  ASSERT_TRUE(first->TryBecomeFirst());
  first->Release();
  EXPECT_FALSE(first->IsFirst());
  EXPECT_FALSE(IsGameRunning());
  QProcess* holder = StartProbe(QStringLiteral("hold"));
  EXPECT_EQ(ReadLine(holder), "first");
  SingleInstance late;
  EXPECT_FALSE(late.TryBecomeFirst());
  EXPECT_FALSE(late.Listen([] {})) << "only the first may listen";
  EXPECT_TRUE(IsGameRunning());
  EXPECT_TRUE(AskRunningInstanceToRaise());
  EXPECT_EQ(ReadLine(holder), "raised");
}

TEST_F(InstanceTest, KilledHolderLeavesALockTheNextStartTakesOver) {
  QProcess* holder = StartProbe(QStringLiteral("hold"));
  ASSERT_EQ(ReadLine(holder), "first");
  ASSERT_EQ(::kill(static_cast<pid_t>(holder->processId()), SIGKILL), 0);
  ASSERT_TRUE(holder->waitForFinished(5000));
  EXPECT_TRUE(QFile::exists(InstanceLockPath())) << "the crash leaves the lock file behind";
  EXPECT_FALSE(IsGameRunning());

  SingleInstance next;
  EXPECT_TRUE(next.TryBecomeFirst());
  int raises = 0;
  ASSERT_TRUE(next.Listen([&] { ++raises; }));
  EXPECT_EQ(RunProbe(QStringLiteral("raise")), 0);
  EXPECT_EQ(raises, 1);
}

// A game inside a long turn answers nothing. It still counts as running, without a wait, and a
// later start gives up asking it after the time-out and stays the second.
TEST_F(InstanceTest, BusyHolderCountsAsRunningAndLaterStartsStaySecond) {
  QProcess* busy = StartProbe(QStringLiteral("busy"));
  ASSERT_EQ(ReadLine(busy), "first");
  QElapsedTimer timer;
  timer.start();
  EXPECT_TRUE(IsGameRunning());
  EXPECT_LT(timer.elapsed(), 250) << "the check must not wait for an answer";
  timer.restart();
  EXPECT_FALSE(AskRunningInstanceToRaise(300));
  EXPECT_GE(timer.elapsed(), 250);
  QByteArray output;
  EXPECT_EQ(RunProbe(QStringLiteral("hold"), &output), 0);
  EXPECT_EQ(output.trimmed(), "second");
  SingleInstance here;
  EXPECT_FALSE(here.TryBecomeFirst());

  busy->closeWriteChannel();
  ASSERT_TRUE(busy->waitForFinished(5000));
  EXPECT_FALSE(IsGameRunning());
  EXPECT_TRUE(here.TryBecomeFirst());

  // A socket that answers nothing is no game without the lock.
  here.Release();
  const int mute = BindServerName();
  ASSERT_GE(mute, 0);
  EXPECT_FALSE(IsGameRunning());
  ::close(mute);
}

// However the lock file fails (replaced by a folder, a FIFO or a dangling link, or deleted under
// the running game), a second process of the same runtime folder stays second; nothing is ever
// created through the link.
TEST_F(InstanceTest, ALockFileThatCannotBeUsedStillLetsOnlyOneGameRun) {
  const QByteArray lock = QFile::encodeName(InstanceLockPath());
  const QString target = runtime_.filePath(QStringLiteral("elsewhere"));
  const std::vector<std::function<void()>> spoilers = {
      [&] { ASSERT_TRUE(QDir().mkdir(InstanceLockPath())); },
      [&] { ASSERT_EQ(::mkfifo(lock.constData(), 0600), 0); },
      [&] { ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), lock.constData()), 0); },
      [] {},  // deleted once the first runs
  };
  for (std::size_t i = 0; i < spoilers.size(); ++i) {
    SCOPED_TRACE(i);
    spoilers[i]();
    QProcess* holder = StartProbe(QStringLiteral("hold"));
    ASSERT_EQ(ReadLine(holder), "first");
    if (i == 3) {
      ASSERT_TRUE(QFile::remove(InstanceLockPath()));
    }
    QByteArray output;
    EXPECT_EQ(RunProbe(QStringLiteral("hold"), &output), 0);
    EXPECT_EQ(output.trimmed(), "second");
    SingleInstance here;
    EXPECT_FALSE(here.TryBecomeFirst());
    EXPECT_TRUE(AskRunningInstanceToRaise());
    EXPECT_EQ(ReadLine(holder), "raised");
    EXPECT_FALSE(QFile::exists(target)) << "created through the link";
    holder->closeWriteChannel();
    ASSERT_TRUE(holder->waitForFinished(5000));
    EXPECT_TRUE(here.TryBecomeFirst()) << "once it ended, the next start is first";
    here.Release();
    QDir().rmdir(InstanceLockPath());
    QFile::remove(InstanceLockPath());
  }
}

TEST_F(InstanceTest, NamesCarryTheInstanceNameAndTheUser) {
  QString uid = QString::number(::getuid());
  EXPECT_TRUE(InstanceServerName().startsWith(QStringLiteral("CORVANE_ORBELLO-") + uid + "-"));
  EXPECT_EQ(InstanceLockPath(),
            runtime_.filePath(QStringLiteral("CORVANE_ORBELLO-") + uid + ".lock"));
  QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  QTemporaryDir other;
  qputenv("XDG_RUNTIME_DIR", other.path().toLocal8Bit());
  QString other_name = InstanceServerName();
  qputenv("XDG_RUNTIME_DIR", saved);
  EXPECT_NE(other_name, InstanceServerName());
}

TEST_F(InstanceTest, GameSideAnswersForItsMainWindow) {
  SingleInstance instance;
  auto window = std::make_unique<QWidget>();
  window->setWindowTitle(QStringLiteral("Corvane Orbello"));
  ASSERT_TRUE(ServeMainWindow(instance, window.get()));
  EXPECT_EQ(RunProbe(QStringLiteral("running")), 0);

  window->showMinimized();
  EXPECT_EQ(RunProbe(QStringLiteral("raise")), 0);
  EXPECT_FALSE(window->isMinimized()) << "a raise restores a minimised window";

  window.reset();
  EXPECT_EQ(RunProbe(QStringLiteral("raise")), 0) << "a request after the window went is answered";
  EXPECT_EQ(RunProbe(QStringLiteral("running")), 0) << "the lock is held until the end";

  SingleInstance second;
  QWidget other;
  EXPECT_FALSE(ServeMainWindow(second, &other));
}

}  // namespace
}  // namespace orbello::platform
