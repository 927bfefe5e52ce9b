#include "tools/orbello-replay/replay.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/engine/engine.h"
#include "game/engine/testing/recording_world.h"
#include "tools/orbello-replay/saved_games.h"

namespace orbello::replay {

namespace {

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
  explicit Replay(std::ostream& out) : out_(out), engine_(world_, world_) {
    EngineSettings& s = engine_.Settings();
    s.DefaultGame = kLines;
    s.NextColors = NextBallDisplay::kPanelAndBoard;
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
  // One command of the script: its word, how many arguments it takes (kRestOfLine: the rest of
  // the line is one argument, so that a path may hold blanks) and what it does. A handler checks
  // its arguments before it starts the program, so that a bad line reports only its error.
  static constexpr size_t kRestOfLine = static_cast<size_t>(-1);
  using Handler = bool (Replay::*)(const std::vector<std::string>& args, std::string& reason);
  struct Command {
    const char* name;
    size_t arity;
    Handler run;
  };

  // Defined in a member function, where the handlers are known.
  static const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"seed", 1, &Replay::Seed},           {"default", 1, &Replay::Set},
        {"colors", 1, &Replay::Set},          {"walk", 1, &Replay::Set},
        {"answer", 1, &Replay::Answer},       {"scores", 11, &Replay::Scores},
        {"trace", 1, &Replay::Trace},         {"new", 0, &Replay::New},
        {"menu", 1, &Replay::Menu},           {"click", 2, &Replay::Click},
        {"state", 0, &Replay::State},         {"save", kRestOfLine, &Replay::Save},
        {"load", kRestOfLine, &Replay::Load},
    };
    return commands;
  }

  bool Execute(const std::string& line, std::string& reason) {
    std::istringstream words(line);
    std::vector<std::string> args;
    for (std::string word; words >> word;) {
      args.push_back(word);
    }
    const std::string& name = args[0];
    for (const Command& command : Commands()) {
      if (name != command.name) {
        continue;
      }
      if (command.arity == kRestOfLine) {
        const std::string rest = Trim(line.substr(name.size()));
        if (rest.empty()) {
          reason = "'" + name + "' needs a path";
          return false;
        }
        args = {name, rest};
      } else if (args.size() != command.arity + 1) {
        reason = "'" + name + "' takes " + std::to_string(command.arity) + " argument" +
                 (command.arity == 1 ? "" : "s");
        return false;
      }
      return (this->*command.run)(args, reason);
    }
    reason = "unknown command '" + name + "'";
    return false;
  }

  static bool Bad(const std::vector<std::string>& args, const std::string& what,
                  std::string& reason) {
    reason = "bad " + what + " in '" + args[0] + "'";
    return false;
  }

  bool Seed(const std::vector<std::string>& args, std::string& reason) {
    const std::optional<uint32_t> seed = ParseUnsigned(args[1]);
    if (!seed) {
      return Bad(args, "seed", reason);
    }
    seed_ = *seed;
    if (started_) {
      engine_.Randomize(seed_);
    }
    return true;
  }

  // The settings a script may change, each a whole number in a range; `what` names the value
  // when it is out of range.
  struct SettingCommand {
    const char* name;
    int32_t low, high;
    const char* what;
    void (*apply)(EngineSettings& settings, int32_t value);
  };
  static constexpr SettingCommand kSettingCommands[] = {
      {"default", 1, 3, "variant", [](EngineSettings& s, int32_t v) { s.DefaultGame = v; }},
      {"colors", 1, 4, "display mode",
       [](EngineSettings& s, int32_t v) { s.NextColors = static_cast<NextBallDisplay>(v); }},
      {"walk", 0, 1, "switch", [](EngineSettings& s, int32_t v) { s.ShowWalk = v == 1; }},
  };

  bool Set(const std::vector<std::string>& args, std::string& reason) {
    for (const SettingCommand& setting : kSettingCommands) {
      if (args[0] != setting.name) {
        continue;
      }
      const std::optional<int32_t> v = ParseRange(args[1], setting.low, setting.high);
      if (!v) {
        return Bad(args, setting.what, reason);
      }
      setting.apply(engine_.Settings(), *v);
      return true;
    }
    reason = "unknown setting '" + args[0] + "'";
    return false;
  }

  bool Answer(const std::vector<std::string>& args, std::string& reason) {
    if (args[1] != "yes" && args[1] != "no") {
      return Bad(args, "answer", reason);
    }
    world_.answer_yes = args[1] == "yes";
    return true;
  }

  bool Scores(const std::vector<std::string>& args, std::string& reason) {
    const std::optional<int32_t> v = ParseRange(args[1], 1, 3);
    if (!v) {
      return Bad(args, "variant", reason);
    }
    HighScorePoints points{};
    for (size_t i = 0; i < points.size(); ++i) {
      const std::optional<uint32_t> p = ParseUnsigned(args[i + 2]);
      if (!p) {
        return Bad(args, "score", reason);
      }
      points[i] = *p;
    }
    world_.tables[*v - 1] = points;
    return true;
  }

  bool Trace(const std::vector<std::string>& args, std::string& reason) {
    if (args[1] != "on" && args[1] != "off") {
      return Bad(args, "switch", reason);
    }
    trace_ = args[1] == "on";
    return true;
  }

  bool New(const std::vector<std::string>&, std::string&) {
    Start();
    engine_.NewGame(false);
    return true;
  }

  bool Menu(const std::vector<std::string>& args, std::string& reason) {
    const std::optional<int32_t> v = ParseRange(args[1], 1, 3);
    if (!v) {
      return Bad(args, "variant", reason);
    }
    Start();
    if (world_.exit_status < 0) {
      engine_.NewGameOfType(*v);
    }
    return true;
  }

  bool Click(const std::vector<std::string>& args, std::string& reason) {
    const std::optional<int32_t> x = ParseRange(args[1], 0, kBoardSize - 1);
    const std::optional<int32_t> y = ParseRange(args[2], 0, kBoardSize - 1);
    if (!x || !y) {
      return Bad(args, "cell", reason);
    }
    Start();
    engine_.CellClick(CellNumber(*x, *y));
    return true;
  }

  bool State(const std::vector<std::string>&, std::string&) {
    Start();
    if (world_.exit_status < 0) {
      PrintState();
    }
    return true;
  }

  bool Save(const std::vector<std::string>& args, std::string&) {
    Start();
    if (world_.exit_status < 0) {
      SaveGameTo(engine_, world_, args[1]);
    }
    return true;
  }

  bool Load(const std::vector<std::string>& args, std::string&) {
    Start();
    if (world_.exit_status < 0) {
      LoadGameFrom(engine_, world_, args[1]);
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
    for (const TBoardCell& cell : engine_.Board()) {
      board += cell.Color == kEmpty                            ? '.'
               : (cell.Color >= 0 && cell.Color < kColorCount) ? static_cast<char>('0' + cell.Color)
                                                               : '?';
    }
    out_ << "board " << board << '\n';
    out_ << "next";
    for (const TNextBall& slot : engine_.NextBalls()) {
      if (slot.X == kNone) {
        out_ << " -";
      } else {
        out_ << ' ' << slot.X << ',' << slot.Y << ',' << slot.Color;
      }
    }
    out_ << '\n';
    if (engine_.SelX() == kNone) {
      out_ << "sel -\n";
    } else {
      out_ << "sel " << engine_.SelX() << ',' << engine_.SelY() << '\n';
    }
    out_ << "score " << engine_.Score() << '\n';
    out_ << "champ " << engine_.ChampScore() << '\n';
    out_ << "type " << engine_.GameType() << '\n';
    out_ << "active " << (engine_.GameActive() ? 1 : 0) << '\n';
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
