#include "tools/orbello-replay/replay.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/engine/engine.h"
#include "game/engine/testing/recording_world.h"
#include "tools/orbello-replay/saved_games.h"

namespace orbello::replay {

namespace {

// Commands that may come before the program has started; any other command starts it first.
const std::set<std::string> kBeforeStart = {"seed",   "default", "colors", "walk",
                                            "answer", "scores",  "trace"};

std::optional<uint32_t> ParseUnsigned(const std::string& text) {
  if (text.empty() || text.size() > 10) {
    return std::nullopt;
  }
  uint64_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value > std::numeric_limits<uint32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}

// A number within [low, high].
std::optional<int32_t> ParseRange(const std::string& text, uint32_t low, uint32_t high) {
  const std::optional<uint32_t> value = ParseUnsigned(text);
  if (!value || *value < low || *value > high) {
    return std::nullopt;
  }
  return static_cast<int32_t>(*value);
}

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r\n\f\v";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

class Replay {
 public:
  explicit Replay(std::ostream& out) : out_(out), engine_(world_) {
    EngineSettings& s = engine_.Settings();
    s.DefaultGame = kLines;
    s.NextColors = 1;
    s.ShowWalk = false;
    s.CheckJump = s.CheckMove = s.CheckDestroy = s.CheckNoPath = true;
    s.Sound_Jump = "select.wav";
    s.Sound_Move = "move.wav";
    s.Sound_Destroy = "destroy.wav";
    s.Sound_NoPath = "nopath.wav";
    s.Delay_Move = s.Delay_Destroy = s.Delay_Appearance = 0;
    world_.listener = [this](const std::string& line, bool report) {
      if (report || trace_) {
        out_ << line << '\n';
      }
    };
  }

  int Run(std::istream& in) {
    MessagesToWorld messages(world_);
    std::string raw;
    int line_number = 0;
    while (std::getline(in, raw)) {
      ++line_number;
      const std::string line = Trim(raw);
      if (line.empty() || line[0] == '#') {
        continue;
      }
      std::string reason;
      if (!Execute(line, reason)) {
        out_ << "error " << line_number << ": " << reason << '\n';
        out_.flush();
        return 2;
      }
      if (world_.exit_status >= 0) {
        break;
      }
    }
    out_.flush();
    return 0;
  }

 private:
  bool Execute(const std::string& line, std::string& reason) {
    std::istringstream words(line);
    std::vector<std::string> args;
    for (std::string word; words >> word;) {
      args.push_back(word);
    }
    const std::string command = args[0];
    auto arity = [&](size_t count) {
      if (args.size() != count + 1) {
        reason = "'" + command + "' takes " + std::to_string(count) + " argument" +
                 (count == 1 ? "" : "s");
        return false;
      }
      return true;
    };
    auto bad = [&](const std::string& what) {
      reason = "bad " + what + " in '" + command + "'";
      return false;
    };

    // The path of save and load is the rest of the line, so that it may hold blanks.
    if (command == "save" || command == "load") {
      const std::string path = Trim(line.substr(command.size()));
      if (path.empty()) {
        reason = "'" + command + "' needs a path";
        return false;
      }
      Start();
      if (world_.exit_status >= 0) {
        return true;
      }
      if (command == "save") {
        SaveGameTo(engine_, world_, path);
      } else {
        LoadGameFrom(engine_, world_, path);
      }
      return true;
    }

    if (kBeforeStart.count(command) == 0) {
      if (command != "new" && command != "menu" && command != "click" && command != "state") {
        reason = "unknown command '" + command + "'";
        return false;
      }
      // Check the arguments before starting, so that a bad line reports only its error.
      if ((command == "new" || command == "state") && !arity(0)) {
        return false;
      }
      if (command == "menu" && !arity(1)) {
        return false;
      }
      if (command == "click" && !arity(2)) {
        return false;
      }
    }

    if (command == "seed") {
      if (!arity(1)) {
        return false;
      }
      const std::optional<uint32_t> seed = ParseUnsigned(args[1]);
      if (!seed) {
        return bad("seed");
      }
      seed_ = *seed;
      if (started_) {
        engine_.Randomize(seed_);
      }
    } else if (command == "default") {
      if (!arity(1)) {
        return false;
      }
      const std::optional<int32_t> v = ParseRange(args[1], 1, 3);
      if (!v) {
        return bad("variant");
      }
      engine_.Settings().DefaultGame = *v;
    } else if (command == "colors") {
      if (!arity(1)) {
        return false;
      }
      const std::optional<int32_t> k = ParseRange(args[1], 1, 4);
      if (!k) {
        return bad("display mode");
      }
      engine_.Settings().NextColors = *k;
    } else if (command == "walk") {
      if (!arity(1)) {
        return false;
      }
      const std::optional<int32_t> w = ParseRange(args[1], 0, 1);
      if (!w) {
        return bad("switch");
      }
      engine_.Settings().ShowWalk = *w == 1;
    } else if (command == "answer") {
      if (!arity(1)) {
        return false;
      }
      if (args[1] != "yes" && args[1] != "no") {
        return bad("answer");
      }
      world_.answer_yes = args[1] == "yes";
    } else if (command == "scores") {
      if (!arity(11)) {
        return false;
      }
      const std::optional<int32_t> v = ParseRange(args[1], 1, 3);
      if (!v) {
        return bad("variant");
      }
      HighScorePoints points{};
      for (size_t i = 0; i < points.size(); ++i) {
        const std::optional<uint32_t> p = ParseUnsigned(args[i + 2]);
        if (!p) {
          return bad("score");
        }
        points[i] = *p;
      }
      world_.tables[*v - 1] = points;
    } else if (command == "trace") {
      if (!arity(1)) {
        return false;
      }
      if (args[1] != "on" && args[1] != "off") {
        return bad("switch");
      }
      trace_ = args[1] == "on";
    } else if (command == "new") {
      Start();
      engine_.NewGame(false);
    } else if (command == "menu") {
      const std::optional<int32_t> v = ParseRange(args[1], 1, 3);
      if (!v) {
        return bad("variant");
      }
      Start();
      if (world_.exit_status < 0) {
        engine_.GameType = *v;
        engine_.NewGame(true);
      }
    } else if (command == "click") {
      const std::optional<int32_t> x = ParseRange(args[1], 0, kBoardSize - 1);
      const std::optional<int32_t> y = ParseRange(args[2], 0, kBoardSize - 1);
      if (!x || !y) {
        return bad("cell");
      }
      Start();
      engine_.CellClick(CellNumber(*x, *y));
    } else if (command == "state") {
      Start();
      if (world_.exit_status < 0) {
        PrintState();
      }
    }
    return true;
  }

  void Start() {
    if (started_) {
      return;
    }
    started_ = true;
    engine_.StartUp(seed_);
  }

  void PrintState() {
    std::string board;
    for (const TBoardCell& cell : engine_.Board) {
      board += cell.Color == kEmpty                            ? '.'
               : (cell.Color >= 0 && cell.Color < kColorCount) ? static_cast<char>('0' + cell.Color)
                                                               : '?';
    }
    out_ << "board " << board << '\n';
    out_ << "next";
    for (const TNextBall& slot : engine_.NextBalls) {
      if (slot.X == kNone) {
        out_ << " -";
      } else {
        out_ << ' ' << slot.X << ',' << slot.Y << ',' << slot.Color;
      }
    }
    out_ << '\n';
    if (engine_.SelX == kNone) {
      out_ << "sel -\n";
    } else {
      out_ << "sel " << engine_.SelX << ',' << engine_.SelY << '\n';
    }
    out_ << "score " << engine_.Score << '\n';
    out_ << "champ " << engine_.ChampScore << '\n';
    out_ << "type " << engine_.GameType << '\n';
    out_ << "active " << (engine_.GameActive ? 1 : 0) << '\n';
  }

  std::ostream& out_;
  RecordingWorld world_;
  GameEngine engine_;
  uint32_t seed_ = 0;
  bool started_ = false;
  bool trace_ = false;
};

}  // namespace

int RunScript(std::istream& in, std::ostream& out) {
  Replay replay(out);
  return replay.Run(in);
}

}  // namespace orbello::replay
