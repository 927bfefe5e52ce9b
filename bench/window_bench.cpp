// Figures of the game window, measured on a private installation (not a test; run it under
// xvfb-run):
//   - time from the start of a cvob-like process to its first painted frame, and its resident
//     memory once the window stands;
//   - CPU time used in 10 s of idle play (only the clock ticks);
//   - time of one DrawBallFrame;
//   - how far the waits of a walk, a destruction and an appearance deviate from their sums.
// Usage: orbello_window_bench [rounds]
#include <dirent.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "game/engine/turn_player.h"
#include "game/window/main_form.h"
#include "game/window/testing/window_test_env.h"
#include "platform/qt/instance.h"

using orbello::window::TMainForm1;

namespace {

int64_t MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

long ResidentKib() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0)
      return std::stol(line.substr(6));
  }
  return -1;
}

// CPU time of every thread of the process, from the scheduler's nanosecond account (the tick
// based figures of getrusage are too coarse for a process that hardly runs).
double CpuSeconds() {
  double total = 0;
  DIR* tasks = opendir("/proc/self/task");
  if (!tasks)
    return 0;
  while (const dirent* entry = readdir(tasks)) {
    if (entry->d_name[0] == '.')
      continue;
    char path[300];
    std::snprintf(path, sizeof path, "/proc/self/task/%s/schedstat", entry->d_name);
    if (FILE* stat = std::fopen(path, "r")) {
      long long on_cpu_ns = 0;
      if (std::fscanf(stat, "%lld", &on_cpu_ns) == 1)
        total += on_cpu_ns / 1e9;
      std::fclose(stat);
    }
  }
  closedir(tasks);
  return total;
}

// The game's main window that notes when its first frame has reached the display.
class TimedForm : public TMainForm1 {
 public:
  using TMainForm1::TMainForm1;
  int64_t first_frame_ns = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    TMainForm1::paintEvent(event);
    if (first_frame_ns == 0 && !painted_) {
      painted_ = true;
      // The backing store is flushed right after the paint; a zero timer runs after that.
      QTimer::singleShot(0, this, [this] { first_frame_ns = MonotonicNs(); });
    }
  }

 private:
  bool painted_ = false;
};

// Child: starts like cvob, prints "<first frame ns> <resident KiB>" and ends.
int FirstFrameChild(int argc, char** argv, const std::string& high_scores) {
  qputenv("RESOURCE_NAME", "TMainForm1");
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("TMainForm1"));
  orbello::platform::SingleInstance instance;
  if (!instance.TryBecomeFirst())
    return 3;
  TimedForm form(high_scores);
  if (form.Create() != 0)
    return 4;
  orbello::platform::ServeMainWindow(instance, &form);
  form.show();
  QTimer poll;
  long resident = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (form.first_frame_ns != 0 && resident == 0) {
      // Resident memory once the window stands and the first frame is out.
      QTimer::singleShot(500, [&] {
        resident = ResidentKib();
        app.quit();
      });
      resident = -1;
    }
  });
  poll.start(5);
  app.exec();
  std::printf("%lld %ld\n", static_cast<long long>(form.first_frame_ns), resident);
  return 0;
}

// Child: a game runs with only the clock ticking; prints the CPU seconds of 10 s.
int IdleChild(int argc, char** argv, const std::string& high_scores, bool game) {
  QApplication app(argc, argv);
  TMainForm1 form(high_scores);
  if (form.Create() != 0)
    return 4;
  form.show();
  if (game)
    form.OnCommand(orbello::window::kCmdNew);
  double start = 0;
  QTimer::singleShot(5000, [&] { start = CpuSeconds(); });
  double used = 0;
  QTimer::singleShot(15000, [&] {
    used = CpuSeconds() - start;
    app.quit();
  });
  app.exec();
  std::printf("%.6f\n", used);
  return 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Report(const char* what, const std::vector<double>& values, const char* unit) {
  std::printf("%-44s median %8.2f %s  min %8.2f  max %8.2f  (n=%zu)\n", what, Median(values), unit,
              *std::min_element(values.begin(), values.end()),
              *std::max_element(values.begin(), values.end()), values.size());
}

// The main window's board view, adding up the time spent drawing cells.
class TimedScreen : public orbello::BoardScreen {
 public:
  explicit TimedScreen(orbello::BoardScreen& view) : view_(view) {}
  double drawing_ms = 0;

  void DrawBallFrame(int frame, int row, orbello::Picture picture, int n) override {
    const int64_t start = MonotonicNs();
    view_.DrawBallFrame(frame, row, picture, n);
    drawing_ms += (MonotonicNs() - start) / 1e6;
  }
  void DrawEmptyCell(int n) override {
    const int64_t start = MonotonicNs();
    view_.DrawEmptyCell(n);
    drawing_ms += (MonotonicNs() - start) / 1e6;
  }
  void DrawPreview(int slot, int color) override { view_.DrawPreview(slot, color); }
  void SetPreviewVisible(int slot, bool visible) override {
    view_.SetPreviewVisible(slot, visible);
  }
  void DrawNumber(orbello::NumberDisplay display, uint32_t value) override {
    view_.DrawNumber(display, value);
  }
  void DrawClock(uint32_t seconds) override { view_.DrawClock(seconds); }

 private:
  orbello::BoardScreen& view_;
};

void InProcess(int argc, char** argv, const std::string& high_scores, int rounds) {
  QApplication app(argc, argv);
  TMainForm1 form(high_scores);
  if (form.Create() != 0) {
    std::printf("the window could not be built\n");
    return;
  }
  form.show();
  for (int i = 0; i < 20; ++i)
    QApplication::processEvents();
  TimedScreen screen(orbello::window::testing::Access(form).View());

  // One DrawBallFrame: a 32 x 32 copy and the repaint of one cell.
  std::vector<double> frame_us;
  for (int r = 0; r < rounds; ++r) {
    const int calls = 2000;
    const int64_t start = MonotonicNs();
    for (int i = 0; i < calls; ++i) {
      screen.DrawBallFrame(i % 24, i % 7, orbello::Picture::kBalls, i % 81);
    }
    frame_us.push_back((MonotonicNs() - start) / 1000.0 / calls);
  }
  Report("DrawBallFrame", frame_us, "us");

  // The animations as the turn player shows them on the window.
  orbello::EngineSettings settings = form.Engine().Settings();
  settings.Delay_Move = 30;
  settings.Delay_Destroy = 20;
  settings.Delay_Appearance = 40;
  settings.ShowWalk = false;
  orbello::TurnPlayer player(screen, form, settings);
  const orbello::Position before;
  std::vector<double> walk, destroy, appear, walk_waits, destroy_waits, appear_waits;
  for (int r = 0; r < rounds; ++r) {
    // A walk of six steps over the top row: 5 waits of Delay_Move.
    orbello::rules::MoveResult move;
    move.from = {0, 0};
    move.to = {6, 0};
    move.color = 2;
    for (int x = 0; x < 6; ++x)
      move.path.push_back({x, 0});
    screen.drawing_ms = 0;
    int64_t start = MonotonicNs();
    player.PlayMove(move, before);
    walk.push_back((MonotonicNs() - start) / 1e6 - 5 * 30.0);
    walk_waits.push_back(walk.back() - screen.drawing_ms);

    // A removal of five balls: 9 waits of Delay_Destroy.
    orbello::rules::MoveResult removal;
    removal.from = removal.to = {4, 0};
    removal.color = 3;
    removal.path = {{4, 0}};
    removal.removal.color = 3;
    for (int y = 0; y < 5; ++y)
      removal.removal.cells.push_back({4, y});
    screen.drawing_ms = 0;
    start = MonotonicNs();
    player.PlayMove(removal, before);
    destroy.push_back((MonotonicNs() - start) / 1e6 - 9 * 20.0);
    destroy_waits.push_back(destroy.back() - screen.drawing_ms);

    // Three balls appearing: 4 waits of Delay_Appearance.
    orbello::Position announced;
    announced.NextBalls = {{{6, 6, 1}, {7, 7, 2}, {8, 8, 3}}};
    orbello::rules::TurnEnd end;
    end.reserved = announced;
    screen.drawing_ms = 0;
    start = MonotonicNs();
    player.PlayTurnEnd(end, announced);
    appear.push_back((MonotonicNs() - start) / 1e6 - 4 * 40.0);
    appear_waits.push_back(appear.back() - screen.drawing_ms);
  }
  Report("walk: measured - 5 x 30 ms", walk, "ms");
  Report("  without its drawing", walk_waits, "ms");
  Report("destruction: measured - 9 x 20 ms", destroy, "ms");
  Report("  without its drawing", destroy_waits, "ms");
  Report("appearance: measured - 4 x 40 ms", appear, "ms");
  Report("  without its drawing", appear_waits, "ms");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "--first-frame") {
    return FirstFrameChild(argc, argv, argv[2]);
  }
  if (argc >= 3 && std::string(argv[1]) == "--idle")
    return IdleChild(argc, argv, argv[2], true);
  if (argc >= 3 && std::string(argv[1]) == "--idle-no-game") {
    return IdleChild(argc, argv, argv[2], false);
  }
  const int rounds = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 5;

  orbello::window::testing::TestInstallation install;
  if (!install.Ok() || !install.WriteDefault()) {
    std::printf("could not lay out the installation\n");
    return 1;
  }
  // ORBELLO_BENCH_SKIN names a built skin (e.g. build/art/skins/classic.sf) to play instead of
  // the test skin; its double-density companion comes along. Run with QT_SCALE_FACTOR=2 to
  // measure the window on a screen of double density.
  if (const QByteArray skin = qgetenv("ORBELLO_BENCH_SKIN"); !skin.isEmpty()) {
    const QString target = install.Path("skin/bench.sf");
    QFile::copy(QString::fromLocal8Bit(skin), target);
    QFile::copy(QString::fromLocal8Bit(skin + "2x"), target + "2x");
    orbello::GameSettings settings = install.DefaultSettings();
    settings.SetPath(orbello::kSlotSkin, target.toStdString());
    if (!install.WriteSettings(settings))
      return 1;
  }
  qputenv("XDG_RUNTIME_DIR", install.Path("").toLocal8Bit());
  const std::string self = "/proc/self/exe";
  char program[4096] = {};
  const ssize_t length = readlink(self.c_str(), program, sizeof program - 1);
  if (length <= 0)
    return 1;

  std::vector<double> first_ms, resident_mib;
  for (int r = 0; r < rounds; ++r) {
    QProcess child;
    const int64_t start = MonotonicNs();
    child.start(QString::fromLocal8Bit(program),
                {"--first-frame", QString::fromStdString(install.HighScorePath())});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
      std::printf("start-up child failed (%d)\n", child.exitCode());
      return 1;
    }
    long long frame_ns = 0;
    long resident = 0;
    std::sscanf(child.readAllStandardOutput().constData(), "%lld %ld", &frame_ns, &resident);
    first_ms.push_back((frame_ns - start) / 1e6);
    resident_mib.push_back(resident / 1024.0);
  }
  Report("process start to first painted frame", first_ms, "ms");
  Report("resident memory after start", resident_mib, "MiB");

  for (const char* mode : {"--idle", "--idle-no-game"}) {
    QProcess idle;
    idle.start(QString::fromLocal8Bit(program),
               {mode, QString::fromStdString(install.HighScorePath())});
    if (idle.waitForFinished(60000) && idle.exitCode() == 0) {
      const double cpu = std::atof(idle.readAllStandardOutput().constData());
      std::printf("%-44s %8.3f s = %.3f %% of one core\n",
                  mode == std::string("--idle") ? "CPU time in 10 s idle play"
                                                : "CPU time in 10 s without a game",
                  cpu, cpu / 10.0 * 100.0);
    }
  }

  InProcess(argc, argv, install.HighScorePath(), rounds);
  return 0;
}
