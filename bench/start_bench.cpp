// Start of the installed game beside the floor (a bare Qt window with the same backdrop and shape),
// in one run, alternating, each start with a fresh HOME and runtime folder. Figures per program:
// time from exec to the window being mapped (MapNotify on the root window), CPU and resident
// memory at that moment, the resident memory again 2 s later (the game has opened its audio device
// by then), and the count of shared libraries (ldd). Prints the medians and the game's ratios to
// the floor. Not a test; run it under xvfb-run on a quiet machine:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/main/bench/orbello_start_bench
//       $PWD/build/main [runs] [scale: 1, 2, or 1+2 for both] [OTHER_BUILD_DIR]
// It installs the game from BUILD_DIR with installer/install.sh into a throwaway HOME; the game of
// OTHER_BUILD_DIR (say, the build before a change) is then started in turn with the others. With
// --language=de (anywhere among the arguments) the same game is started in that language too
// (LANGUAGE=de), and its start and memory are compared with the English start's.
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <X11/Xlib.h>

extern char** environ;

namespace {

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

std::string Run(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
      out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

double ResidentMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0)
      return std::stod(line.substr(6)) / 1024.0;
  }
  return -1;
}

// CPU time of every thread, from the scheduler's nanosecond account.
double CpuMs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  double total = 0;
  if (DIR* dir = opendir(tasks.c_str())) {
    while (const dirent* entry = readdir(dir)) {
      if (entry->d_name[0] == '.')
        continue;
      std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
      double ns = 0;
      if (stat >> ns)
        total += ns / 1e6;
    }
    closedir(dir);
  }
  return total;
}

struct Sample {
  double mapped_ms, cpu_ms, rss_mib, rss_settled_mib;
};

struct Program {
  std::string name;
  std::vector<std::string> argv;
  std::string home_template;  // copied to a fresh HOME for each start; empty: an empty HOME
  int scale;
  std::string language;  // LANGUAGE of its environment; empty: none (English)
  // One per round, in order; a start that mapped no window has mapped_ms -1.
  std::vector<Sample> samples;
};

bool StartOnce(Display* display, const std::string& scratch, Program& program) {
  const int scale = program.scale;
  static int counter = 0;
  const std::string home = scratch + "/home" + std::to_string(++counter);
  const std::string runtime = scratch + "/run" + std::to_string(counter);
  if (program.home_template.empty())
    Run("mkdir -p " + Quote(home));
  else
    Run("cp -a " + Quote(program.home_template) + " " + Quote(home));
  Run("mkdir -m 700 " + Quote(runtime));

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    for (const char* drop :
         {"HOME=", "XDG_", "QT_QPA_PLATFORM=", "QT_SCALE_FACTOR=", "LANGUAGE="}) {
      if (entry.rfind(drop, 0) == 0)
        goto skip;
    }
    env.push_back(entry);
  skip:;
  }
  env.push_back("HOME=" + home);
  env.push_back("XDG_RUNTIME_DIR=" + runtime);
  env.push_back("QT_QPA_PLATFORM=xcb");
  if (scale > 1)
    env.push_back("QT_SCALE_FACTOR=" + std::to_string(scale));
  if (!program.language.empty())
    env.push_back("LANGUAGE=" + program.language);
  std::vector<char*> envp, argv;
  for (std::string& e : env)
    envp.push_back(e.data());
  envp.push_back(nullptr);
  for (std::string& a : program.argv)
    argv.push_back(a.data());
  argv.push_back(nullptr);

  XSync(display, False);
  while (XPending(display)) {
    XEvent ignored;
    XNextEvent(display, &ignored);
  }
  pid_t pid = 0;
  const double start = NowMs();
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
    return false;
  Sample sample{-1, 0, 0, 0};
  while (sample.mapped_ms < 0 && NowMs() - start < 10000) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect && sample.mapped_ms < 0) {
        sample.mapped_ms = NowMs() - start;
        sample.cpu_ms = CpuMs(pid);
        sample.rss_mib = ResidentMiB(pid);
      }
    }
    if (sample.mapped_ms < 0) {
      pollfd entry{ConnectionNumber(display), POLLIN, 0};
      poll(&entry, 1, 5);
    }
  }
  if (sample.mapped_ms >= 0) {
    usleep(2000000);
    sample.rss_settled_mib = ResidentMiB(pid);
  }
  program.samples.push_back(sample);
  kill(pid, SIGTERM);
  for (int i = 0; i < 300 && waitpid(pid, nullptr, WNOHANG) == 0; ++i)
    usleep(10000);
  if (waitpid(pid, nullptr, WNOHANG) == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  Run("rm -rf " + Quote(home) + " " + Quote(runtime));
  return sample.mapped_ms >= 0;
}

double Median(std::vector<double> values) {
  if (values.empty())
    return 0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename Field>
double MedianOf(const Program& program, Field field) {
  std::vector<double> values;
  for (const Sample& s : program.samples) {
    if (s.mapped_ms >= 0)
      values.push_back(s.*field);
  }
  return Median(values);
}

// The median of the ratios of each start of `a` to the start of `b` in the same round: starts
// close in time share the machine's state, so this figure is the steadier one on a busy machine.
double MedianPairRatio(const Program& a, const Program& b) {
  std::vector<double> ratios;
  for (size_t i = 0; i < a.samples.size() && i < b.samples.size(); ++i) {
    if (a.samples[i].mapped_ms > 0 && b.samples[i].mapped_ms > 0)
      ratios.push_back(a.samples[i].mapped_ms / b.samples[i].mapped_ms);
  }
  return Median(ratios);
}

int LibraryCount(const std::string& path) {
  const std::string out = Run("ldd " + Quote(path));
  return static_cast<int>(std::count(out.begin(), out.end(), '\n'));
}

}  // namespace

// Installs the game from `build` into a HOME of its own under `scratch`; the program's path, or
// empty on failure.
std::string Install(const std::string& top, const std::string& build, const std::string& home) {
  const std::string installed =
      Run("mkdir -p " + Quote(home) +
          " && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME=" + Quote(home) + " bash " +
          Quote(top + "/installer/install.sh") + " " + Quote(build) + " 2>/dev/null | tail -n 1");
  const std::string program = installed.substr(0, installed.find('\n')) + "/cvob";
  return access(program.c_str(), X_OK) == 0 ? program : std::string();
}

int main(int argc, char** argv) {
  // "--language=LL" is taken out; the other arguments keep their places.
  std::string language;
  {
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
      if (std::strncmp(argv[i], "--language=", 11) == 0)
        language = argv[i] + 11;
      else
        argv[kept++] = argv[i];
    }
    argc = kept;
  }
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: %s BUILD_DIR [runs=7] [scale=1|2|1+2] [OTHER_BUILD_DIR] [--language=LL]\n",
                 argv[0]);
    return 2;
  }
  const std::string build = argv[1];
  const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
  // "1+2": the game at 100 % and at 200 % in turn with the floor at 100 %, for the cost of the
  // double density.
  const std::string scales = argc > 3 ? argv[3] : "1";
  const bool both = scales == "1+2";
  const int scale = both ? 1 : std::atoi(scales.c_str());
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "no X display (run under xvfb-run)\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

  char scratch_template[] = "/tmp/orbello-start-bench.XXXXXX";
  const std::string scratch = mkdtemp(scratch_template);
  const std::string source =
      Run("cd \"$(dirname " + Quote(argv[0]) +
          ")\" && sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' ../CMakeCache.txt");
  const std::string top = source.substr(0, source.find('\n'));
  // The floor comes with this benchmark, so that an older build can be measured against it too.
  const std::string own = argv[0];
  const std::string bench_folder =
      own.find('/') == std::string::npos ? "." : own.substr(0, own.rfind('/'));
  std::vector<Program> programs;
  programs.push_back({"game",
                      {Install(top, build, scratch + "/installed")},
                      scratch + "/installed",
                      scale,
                      {},
                      {}});
  if (both)
    programs.push_back({"game2x", programs[0].argv, scratch + "/installed", 2, {}, {}});
  const size_t in_language = programs.size();
  if (!language.empty()) {
    programs.push_back(
        {"game-" + language, programs[0].argv, scratch + "/installed", scale, language, {}});
  }
  // Another build (e.g. the one before a change), started in turn with the others.
  if (argc > 4) {
    programs.push_back(
        {"other", {Install(top, argv[4], scratch + "/other")}, scratch + "/other", scale, {}, {}});
  }
  programs.push_back({"floor",
                      {bench_folder + "/orbello_floor_window", build + "/art/game/201.jpg",
                       build + "/art/game/201@2x.jpg"},
                      "",
                      scale,
                      {},
                      {}});
  for (const Program& program : programs) {
    if (program.argv[0].empty()) {
      std::fprintf(stderr, "installation failed (%s)\n", program.home_template.c_str());
      return 1;
    }
  }
  for (int i = 0; i < runs; ++i) {
    for (Program& program : programs) {
      if (!StartOnce(display, scratch, program))
        std::fprintf(stderr, "%s: no window mapped\n", program.name.c_str());
    }
  }
  std::printf("scale %s, medians of %d starts each\n", scales.c_str(), runs);
  std::printf("%-6s %10s %8s %9s %13s %6s\n", "", "mapped ms", "CPU ms", "RSS MiB", "RSS 2 s MiB",
              "libs");
  for (const Program& program : programs) {
    std::printf("%-6s %10.1f %8.1f %9.1f %13.1f %6d\n", program.name.c_str(),
                MedianOf(program, &Sample::mapped_ms), MedianOf(program, &Sample::cpu_ms),
                MedianOf(program, &Sample::rss_mib), MedianOf(program, &Sample::rss_settled_mib),
                LibraryCount(program.argv[0]));
  }
  for (const Program& program : programs) {
    std::printf("%s, each start (ms):", program.name.c_str());
    for (const Sample& s : program.samples) {
      if (s.mapped_ms >= 0)
        std::printf(" %.0f", s.mapped_ms);
    }
    std::printf("\n");
  }
  const Program& floor = programs.back();
  for (size_t i = 0; i + 1 < programs.size(); ++i) {
    std::printf(
        "start ratio %s/floor: %.2f (median of the rounds' ratios %.2f); RSS %s - floor: %+.1f "
        "MiB\n",
        programs[i].name.c_str(),
        MedianOf(programs[i], &Sample::mapped_ms) / MedianOf(floor, &Sample::mapped_ms),
        MedianPairRatio(programs[i], floor), programs[i].name.c_str(),
        MedianOf(programs[i], &Sample::rss_mib) - MedianOf(floor, &Sample::rss_mib));
  }
  if (both) {
    std::printf(
        "start ratio 200 %%/100 %%: %.2f (median of the rounds' ratios %.2f)\n",
        MedianOf(programs[1], &Sample::mapped_ms) / MedianOf(programs[0], &Sample::mapped_ms),
        MedianPairRatio(programs[1], programs[0]));
  }
  if (!language.empty()) {
    const Program& english = programs[0];
    const Program& other = programs[in_language];
    std::printf(
        "start ratio %s/game: %.3f (median of the rounds' ratios %.3f); RSS %s - game: %+.2f MiB "
        "at the map, %+.2f MiB 2 s later\n",
        other.name.c_str(),
        MedianOf(other, &Sample::mapped_ms) / MedianOf(english, &Sample::mapped_ms),
        MedianPairRatio(other, english), other.name.c_str(),
        MedianOf(other, &Sample::rss_mib) - MedianOf(english, &Sample::rss_mib),
        MedianOf(other, &Sample::rss_settled_mib) - MedianOf(english, &Sample::rss_settled_mib));
  }
  Run("rm -rf " + Quote(scratch));
  XCloseDisplay(display);
  return 0;
}
