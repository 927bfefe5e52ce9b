#include "platform/qt/instance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <functional>
#include <ios>
#include <vector>

namespace orbello::platform {
namespace {

// Binds the game's socket name without serving it, as a game that is busy does; -1 on failure.
int BindServerName() {
  const QByteArray name = QFile::encodeName(InstanceServerName());
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(fd, 4) != 0) {
    if (fd >= 0)
      ::close(fd);
    return -1;
  }
  return fd;
}

// A client of the game's socket that connects and says nothing; -1 when it was not taken.
int IdleClient() {
  const QByteArray name = QFile::encodeName(InstanceServerName());
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

int OpenDescriptors() {
  return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size());
}

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
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

// The lock and the socket live where only this user can enter: the runtime folder when it is
// private, else a private folder of our own.
TEST_F(InstanceTest, NamesLieInAFolderOnlyThisUserCanEnter) {
  const QString uid = QString::number(::getuid());
  EXPECT_EQ(InstanceServerName(),
            runtime_.filePath(QStringLiteral("CORVANE_ORBELLO-") + uid + ".socket"));
  EXPECT_EQ(InstanceLockPath(),
            runtime_.filePath(QStringLiteral("CORVANE_ORBELLO-") + uid + ".lock"));
  auto in_private_folder = [&](const QString& path) {
    struct stat status {};
    const QString folder = QFileInfo(path).path();
    return folder != runtime_.path() &&
           ::lstat(QFile::encodeName(folder).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
  };
  const QByteArray folder = QFile::encodeName(runtime_.path());
  for (const mode_t mode : {0755, 0730, 0701}) {
    ASSERT_EQ(::chmod(folder.constData(), mode), 0);
    EXPECT_TRUE(in_private_folder(InstanceLockPath())) << std::oct << mode;
    EXPECT_TRUE(in_private_folder(InstanceServerName())) << std::oct << mode;
  }
  ASSERT_EQ(::chmod(folder.constData(), 0700), 0);
  qputenv("XDG_RUNTIME_DIR", runtime_.filePath(QStringLiteral("missing")).toLocal8Bit());
  EXPECT_TRUE(in_private_folder(InstanceLockPath()));
  SingleInstance first;
  EXPECT_TRUE(first.TryBecomeFirst());
  EXPECT_TRUE(IsGameRunning());
}

// Another user can neither take the game's names nor answer in its place, nor ask it anything:
// an impostor (another uid) on the abstract name of earlier versions and on a socket moved into
// the game's own place does not keep the game from starting, hears nothing from it, and a flood of
// that user's "raise" requests reaches nothing.
TEST_F(InstanceTest, AnotherUserCanNeitherTakeNorReachTheGame) {
  if (::getuid() != 0)
    GTEST_SKIP() << "running a probe as another user (setpriv) needs root";
  if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
    GTEST_SKIP() << "setpriv is not installed";
  QTemporaryDir shared;
  ASSERT_TRUE(shared.isValid());
  ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 0777), 0);
  const QString uid = QString::number(::getuid());
  const QString abstract_name =
      QStringLiteral("CORVANE_ORBELLO-") + uid + "-" +
      QString::fromLatin1(
          QCryptographicHash::hash(runtime_.path().toUtf8(), QCryptographicHash::Sha1)
              .toHex()
              .left(12));
  auto as_other_user = [&](const QStringList& arguments) {
    auto* process = new QProcess;
    processes_.push_back(process);
    process->start(QStringLiteral("setpriv"),
                   QStringList{"--reuid=65534", "--regid=65534", "--clear-groups",
                               QStringLiteral(ORBELLO_INSTANCE_PROBE)} +
                       arguments);
    EXPECT_TRUE(process->waitForStarted(5000));
    return process;
  };
  QProcess* impostor = as_other_user({"impostor", shared.path(), abstract_name});
  if (!QTest::qWaitFor([&] { return impostor->canReadLine(); }, 5000))
    GTEST_SKIP() << "the probe cannot run as uid 65534: "
                 << impostor->readAllStandardError().toStdString();
  ASSERT_EQ(impostor->readLine().trimmed(), "listening");
  ASSERT_TRUE(QFile::rename(shared.filePath(QStringLiteral("impostor")), InstanceServerName()));

  EXPECT_FALSE(IsGameRunning());
  EXPECT_FALSE(AskRunningInstanceToRaise(300));
  SingleInstance game;
  ASSERT_TRUE(game.TryBecomeFirst()) << "another user kept the game from starting";
  int raises = 0;
  ASSERT_TRUE(game.Listen([&] { ++raises; }));

  QProcess* flood = as_other_user({"flood", InstanceServerName(), "300"});
  EXPECT_EQ(ReadLine(flood), "0") << "another user reached the game's socket";
  QTest::qWait(100);
  EXPECT_EQ(raises, 0);
  EXPECT_EQ(RunProbe(QStringLiteral("raise")), 0) << "the player's own start still gets through";
  EXPECT_EQ(raises, 1);
  impostor->closeWriteChannel();
  ASSERT_TRUE(impostor->waitForFinished(5000));
  EXPECT_FALSE(impostor->readAllStandardOutput().contains("got")) << "the impostor heard a request";
}

// Clients that connect and say nothing hold few descriptors for a short while, and a game out of
// descriptors does not spin on its socket; its own later starts are answered all the same.
TEST_F(InstanceTest, IdleClientsAreFewShortLivedAndNeverMakeTheGameSpin) {
  SingleInstance game;
  ASSERT_TRUE(game.TryBecomeFirst());
  int raises = 0;
  ASSERT_TRUE(game.Listen([&] { ++raises; }));
  const int before = OpenDescriptors();
  std::vector<int> clients;
  for (int i = 0; i < 12; ++i)
    clients.push_back(IdleClient());
  QTest::qWait(200);
  EXPECT_LE(OpenDescriptors() - before, 12 + 8) << "every idle client holds a descriptor";
  QTest::qWait(1500);
  char byte = 0;
  EXPECT_EQ(::recv(clients.front(), &byte, 1, 0), 0) << "an idle client was not sent away";
  for (int fd : clients)
    ::close(fd);
  clients.clear();

  // Out of descriptors with clients waiting.
  for (int i = 0; i < 4; ++i)
    clients.push_back(IdleClient());
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit tight = saved;
  tight.rlim_cur = static_cast<rlim_t>(*std::max_element(clients.begin(), clients.end()) + 1);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
  std::vector<int> fillers;  // the gaps below the limit
  for (int fd; (fd = ::dup(STDERR_FILENO)) >= 0;)
    fillers.push_back(fd);
  const double cpu = CpuSeconds();
  QTest::qWait(600);
  const double spent = CpuSeconds() - cpu;
  for (int fd : fillers)
    ::close(fd);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
  EXPECT_LT(spent, 0.3) << "the game spun on a socket it could not accept from";
  for (int fd : clients)
    ::close(fd);
  EXPECT_EQ(RunProbe(QStringLiteral("raise")), 0);
  EXPECT_EQ(raises, 1);
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
