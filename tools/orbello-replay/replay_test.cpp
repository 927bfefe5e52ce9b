// The script language of orbello-replay: what is accepted, what is an error, when the program
// starts.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "tools/orbello-replay/replay.h"

namespace orbello::replay {
namespace {

struct Result {
  int status;
  std::string out;
};

Result Replay(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  const int status = RunScript(in, out);
  return {status, out.str()};
}

std::string LastLines(const std::string& text, int count) {
  size_t pos = text.size();
  for (int i = 0; i <= count && pos != std::string::npos && pos > 0; ++i) {
    pos = text.rfind('\n', pos - 1);
  }
  return pos == std::string::npos ? text : text.substr(pos + 1);
}

TEST(ReplayScript, MalformedLinesStopWithTheirLineNumber) {
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {"click 1", "error 3: 'click' takes 2 arguments\n"},
      {"click 1 9", "error 3: bad cell in 'click'\n"},
      {"click -1 2", "error 3: bad cell in 'click'\n"},
      {"seed 4294967296", "error 3: bad seed in 'seed'\n"},
      {"seed 12x", "error 3: bad seed in 'seed'\n"},
      {"default 4", "error 3: bad variant in 'default'\n"},
      {"menu 0", "error 3: bad variant in 'menu'\n"},
      {"colors 5", "error 3: bad display mode in 'colors'\n"},
      {"walk 2", "error 3: bad switch in 'walk'\n"},
      {"answer maybe", "error 3: bad answer in 'answer'\n"},
      {"trace", "error 3: 'trace' takes 1 argument\n"},
      {"scores 1 1 2 3", "error 3: 'scores' takes 11 arguments\n"},
      {"scores 1 1 2 3 4 5 6 7 8 9 -1", "error 3: bad score in 'scores'\n"},
      {"new now", "error 3: 'new' takes 0 arguments\n"},
      {"save", "error 3: 'save' needs a path\n"},
      {"Click 1 1", "error 3: unknown command 'Click'\n"},
  };
  for (const auto& c : cases) {
    // A comment and a blank line count as lines.
    const Result r = Replay(std::string("# game\n\n") + c.line + "\nstate\n");
    EXPECT_EQ(r.status, 2) << c.line;
    EXPECT_EQ(r.out, c.error) << c.line;
  }
}

TEST(ReplayScript, SettingsAloneDoNotStartTheProgram) {
  const Result quiet = Replay(
      "trace on\nseed 3\ndefault 2\ncolors 4\nwalk 1\nanswer yes\n"
      "scores 2 5 0 0 0 0 0 0 0 0 0\n");
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.out, "");

  const Result started = Replay("default 2\nscores 2 5 60 0 0 0 0 0 0 0 0\ntrace on\nstate\n");
  EXPECT_EQ(started.out,
            "ReadHighScores 2\nDrawGameType 2\nDrawNumber score 0\nDrawNumber champ 60\n"
            "DrawClock 0\nSetPreviewVisible 0 1\nSetPreviewVisible 1 1\nSetPreviewVisible 2 1\n"
            "board " +
                std::string(81, '.') +
                "\nnext - - -\nsel -\nscore 0\nchamp 60\ntype 2\nactive 0\n");
}

TEST(ReplayScript, SeedDecidesTheGameAlsoAfterTheStart) {
  const std::string a = Replay("seed 5\nnew\nstate\n").out;
  const std::string b = Replay("seed 9\nstate\nseed 5\nnew\nstate\n").out;
  const std::string c = Replay("seed 6\nnew\nstate\n").out;
  EXPECT_EQ(LastLines(a, 7), LastLines(b, 7));
  EXPECT_NE(LastLines(a, 7), LastLines(c, 7));
  EXPECT_EQ(a.rfind("board ", 0), 0u);
  EXPECT_EQ(std::count(a.begin(), a.begin() + 87, '.'), 81 - 5) << a;
}

TEST(ReplayScript, TheEndOfTheProgramStopsTheScript) {
  // Answered No: nothing is loaded and the script goes on to its bad line.
  const Result no = Replay("new\nload /nonexistent/folder/game.osf\nclick 1 99\n");
  EXPECT_EQ(no.status, 2);
  EXPECT_EQ(no.out,
            "message You want to load another game without save current game ?\n"
            "error 3: bad cell in 'click'\n");
  const Result yes = Replay("answer yes\nnew\nload /nonexistent/folder/game.osf\nclick 1 99\n");
  EXPECT_EQ(yes.out,
            "message You want to load another game without save current game ?\n"
            "message Can't load selected game.\nexit 2\n");
  EXPECT_EQ(yes.status, 0);
}

}  // namespace
}  // namespace orbello::replay
