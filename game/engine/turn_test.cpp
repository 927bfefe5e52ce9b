// Spawning, the next balls, the turn flow and the game end.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/engine/engine_test_util.h"

namespace orbello {
namespace {

// Starts a new game on a board full of balls whose colours form no figure anywhere; the test
// then empties the cells it needs.
void StartOnFullBoard(GameEngine& e) {
  e.NewGame(false);
  EngineState& s = EngineAccess::State(e);
  for (int n = 0; n < kCellCount; ++n) {
    s.Board[n].Color = (CellX(n) + 3 * CellY(n)) % kColorCount;
  }
}

using Calls = std::vector<std::string>;

int BallCount(const GameEngine& e) {
  int n = 0;
  for (const TBoardCell& c : e.Board()) {
    n += c.Color != kEmpty;
  }
  return n;
}

TEST(RandomSourceTest, FollowsItsFormulaBitForBit) {
  RandomSource random;
  random.Seed(0);
  EXPECT_EQ(random.State(), 1u);
  EXPECT_EQ(random.Next(), 346u);
  EXPECT_EQ(random.Next(), 13854878u);
  EXPECT_EQ(random.Next(), 1621890440u);
  random.Seed(1234567890);
  for (uint32_t expected : {26270495u, 1501900109u, 25314565u, 1811646198u, 1191128238u}) {
    EXPECT_EQ(random.Next(), expected);
  }
  EXPECT_EQ(random.State(), 5115856830004446132u);
  // The seed keeps only the low 32 bits of s * 22695477 + 1.
  random.Seed(0xFFFFFFFFu);
  EXPECT_EQ(random.State(), static_cast<uint32_t>(0xFFFFFFFFu * 22695477u + 1u));
}

TEST_F(EngineTest, RandomBallDrawsColumnRowColorAndRedrawsOccupiedCells) {
  RandomSource random;
  random.Seed(0);
  TNextBall r{};
  rules::PlaceRandomBall(state.Board, random, r);
  EXPECT_EQ(r.X, 4);
  EXPECT_EQ(r.Y, 8);
  EXPECT_EQ(r.Color, 2);
  EXPECT_EQ(Board(4, 8), 2) << "the cell is written with the colour";

  ClearBoard();
  Put(4, 8, 6);
  random.Seed(0);
  rules::PlaceRandomBall(state.Board, random, r);  // (4,8) is taken: two more draws give (8,0)
  EXPECT_EQ(r.X, 8);
  EXPECT_EQ(r.Y, 0);
  EXPECT_EQ(r.Color, 3);

  FillWithoutFigures();
  r = {1, 2, 3};
  rules::PlaceRandomBall(state.Board, random, r);
  EXPECT_EQ(r.X, kNone);
}

TEST_F(EngineTest, NewGameShowsFiveBallsThenTheAnnouncements) {
  world.tables[0] = {5, 70, 9, 0, 0, 0, 0, 0, 0, 0};
  engine.Randomize(42);
  engine.NewGame(false);
  const Calls& c = world.calls;
  ASSERT_GE(c.size(), 6u);
  EXPECT_EQ(Calls(c.begin(), c.begin() + 5),
            (Calls{"DrawClock 0", "ReadHighScores 1", "DrawNumber score 0", "DrawNumber champ 70",
                   "DrawGameType 1"}));
  EXPECT_EQ(Count("SetSaveEnabled 1"), 1u);
  EXPECT_EQ(c[c.size() - 2], "SetSaveEnabled 1");
  EXPECT_EQ(c.back(), "StartClock");
  EXPECT_EQ(world.CallsStartingWith("DrawEmptyCell").size(), 81u);
  EXPECT_EQ(world.CallsStartingWith("DrawPreview").size(), 3u);
  EXPECT_EQ(world.CallsStartingWith("WaitMs").size(), 0u) << "start balls do not grow";
  std::vector<std::string> frames;
  for (const std::string& call : c) {
    if (call.find(" balls frame ") != std::string::npos) {
      frames.push_back(call.substr(call.find("frame")));
    }
  }
  ASSERT_EQ(frames.size(), 8u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(frames[i].rfind("frame 0 ", 0), 0u) << frames[i];
  }
  for (int i = 5; i < 8; ++i) {
    EXPECT_EQ(frames[i].rfind("frame 11 ", 0), 0u) << frames[i];
  }

  EXPECT_EQ(BallCount(engine), 5);
  std::set<int> reserved;
  for (const TNextBall& slot : state.NextBalls) {
    ASSERT_NE(slot.X, kNone);
    EXPECT_EQ(Board(slot.X, slot.Y), kEmpty);
    reserved.insert(CellNumber(slot.X, slot.Y));
  }
  EXPECT_EQ(reserved.size(), 3u);
  EXPECT_TRUE(state.GameActive);
  EXPECT_EQ(state.Score, 0u);
  EXPECT_EQ(state.ChampScore, 70u);
  EXPECT_TRUE(world.clock_running);

  // A second new game stops the running clock first.
  world.calls.clear();
  engine.NewGame(false);
  EXPECT_EQ(Calls(c.begin(), c.begin() + 2), (Calls{"StopClock", "DrawClock 0"}));
}

TEST_F(EngineTest, AnnouncementFollowsTheDisplayMode) {
  for (int mode = 1; mode <= 4; ++mode) {
    world.calls.clear();
    engine.Settings().NextColors = static_cast<NextBallDisplay>(mode);
    engine.NewGame(false);
    EXPECT_EQ(world.CallsStartingWith("DrawPreview").size(), mode <= 2 ? 3u : 0u) << mode;
    size_t marks = 0;
    for (const std::string& call : world.calls) {
      marks += call.find("balls frame 11 ") != std::string::npos;
    }
    EXPECT_EQ(marks, mode == 1 || mode == 3 ? 3u : 0u) << mode;
    // Cells and colours are chosen in every mode.
    EXPECT_NE(state.NextBalls[2].X, kNone);
  }
}

TEST_F(EngineTest, ClockFailureAndUnreadableTablesEndTheProgram) {
  world.fail_start_clock = true;
  engine.NewGame(false);
  EXPECT_EQ(world.exit_status, 1);
  EXPECT_EQ(world.CallsStartingWith("message"), (Calls{"message Can't create timer object"}));
  EXPECT_TRUE(engine.Exited());
  const size_t before = world.calls.size();
  engine.NewGame(false);
  engine.CellClick(0);
  EXPECT_EQ(world.calls.size(), before) << "nothing happens after the end";

  RecordingWorld w2;
  w2.fail_read_scores = true;
  GameEngine e2(w2, w2);
  e2.NewGame(false);
  EXPECT_EQ(w2.exit_status, kExitStatusOther);
  EXPECT_EQ(w2.calls.back(), "exit 2");
  EXPECT_TRUE(w2.CallsStartingWith("DrawEmptyCell").empty());

  RecordingWorld w3;
  w3.fail_draw_game_type = true;
  GameEngine e3(w3, w3);
  EXPECT_FALSE(e3.StartUp(0));
  EXPECT_EQ(w3.exit_status, kExitStatusOther);
}

TEST_F(EngineTest, StartUpReadsTheDefaultTableAndShowsPreviewsForPanelModes) {
  world.tables[1] = {3, 11, 2, 0, 0, 0, 0, 0, 0, 0};
  engine.Settings().DefaultGame = kSquares;
  engine.Settings().NextColors = NextBallDisplay::kPanel;
  ASSERT_TRUE(engine.StartUp(7));
  EXPECT_EQ(state.GameType, kSquares);
  EXPECT_EQ(state.ChampScore, 11u);
  EXPECT_FALSE(state.GameActive);
  EXPECT_EQ(world.calls, (Calls{"ReadHighScores 2", "DrawGameType 2", "DrawNumber score 0",
                                "DrawNumber champ 11", "DrawClock 0", "SetPreviewVisible 0 1",
                                "SetPreviewVisible 1 1", "SetPreviewVisible 2 1"}));
  // Seeded with the time given: the first ball of a game is that seed's.
  RandomSource random;
  random.Seed(7);
  TBoard board = state.Board;
  TNextBall first{};
  rules::PlaceRandomBall(board, random, first);
  engine.NewGame(false);
  EXPECT_EQ(world.CallsStartingWith("DrawBallFrame").front(),
            "DrawBallFrame " + std::to_string(first.X) + "," + std::to_string(first.Y) +
                " balls frame 0 colour " + std::to_string(first.Color));

  RecordingWorld w2;
  GameEngine e2(w2, w2);
  e2.Settings().NextColors = NextBallDisplay::kBoard;
  ASSERT_TRUE(e2.StartUp(7));
  EXPECT_TRUE(w2.CallsStartingWith("SetPreviewVisible").empty());
}

TEST(PreviewVisibility, AModeChangedBeforeTheFirstGameHoldsFromItsFirstAnnouncement) {
  for (auto [from, to] : {std::pair{3, 1}, std::pair{4, 2}, std::pair{1, 3}, std::pair{2, 4}}) {
    RecordingWorld world;
    GameEngine engine(world, world);
    engine.Settings().NextColors = static_cast<NextBallDisplay>(from);
    ASSERT_TRUE(engine.StartUp(7));
    engine.Settings().NextColors = static_cast<NextBallDisplay>(to);
    engine.RefreshNextBalls(RefreshReason::kDisplayMode);  // nothing announced: nothing to redraw
    engine.NewGame(false);
    const bool shown = to <= 2;
    for (int slot = 0; slot < 3; ++slot) {
      const std::string prefix = "SetPreviewVisible " + std::to_string(slot);
      const std::vector<std::string> calls = world.CallsStartingWith(prefix);
      ASSERT_FALSE(calls.empty()) << from << " -> " << to;
      EXPECT_EQ(calls.back(), prefix + (shown ? " 1" : " 0")) << from << " -> " << to;
    }
    EXPECT_EQ(world.CallsStartingWith("DrawPreview").size(), shown ? 3u : 0u);
  }
}

class GameEndTest : public EngineTest {
 protected:
  // A running game (clock started) that ends at the next reservation with `score`.
  void EndWith(uint32_t score, int32_t game_type = kLines) {
    state.GameType = game_type;
    engine.NewGame(true);
    FillWithoutFigures();
    Put(3, 3, kEmpty);
    Put(6, 1, kEmpty);
    for (TNextBall& slot : state.NextBalls) {
      slot.X = kNone;
    }
    state.Score = score;
    world.calls.clear();
    EngineAccess::EndTurn(engine);
  }
};

TEST_F(GameEndTest, TwoFreeCellsAreNotEnoughForTheNextThreeBalls) {
  EndWith(3);
  EXPECT_FALSE(state.GameActive);
  EXPECT_NE(state.NextBalls[0].X, kNone);
  EXPECT_NE(state.NextBalls[1].X, kNone);
  EXPECT_EQ(state.NextBalls[2].X, kNone);
  // The two reserved cells keep their drawn colours, unannounced.
  EXPECT_EQ(Board(state.NextBalls[0].X, state.NextBalls[0].Y), state.NextBalls[0].Color);
  EXPECT_EQ(Board(state.NextBalls[1].X, state.NextBalls[1].Y), state.NextBalls[1].Color);
  EXPECT_EQ(world.calls, (Calls{"StopClock", "SetSaveEnabled 0", "ReadHighScores 1",
                                "message Congratulation!", "PlayResourceSound WIN_GAME async",
                                "bestresults 1", "DrawNumber champ 3", "message Begin new game?"}));
  EXPECT_EQ(state.ChampScore, 3u);
  EXPECT_FALSE(world.clock_running);

  // Clicks are ignored on the frozen board.
  world.calls.clear();
  engine.CellClick(CellNumber(0, 0));
  EXPECT_TRUE(world.calls.empty());
}

TEST_F(GameEndTest, SlotsAfterTheFailingOneHoldNoCell) {
  engine.NewGame(false);
  FillWithoutFigures();
  // Four free cells: three balls appear, one cell is left for slot 0, slot 1 finds none.
  for (int n : {CellNumber(0, 0), CellNumber(4, 4), CellNumber(8, 8), CellNumber(2, 6)}) {
    state.Board[n].Color = kEmpty;
  }
  state.NextBalls = {{{4, 4, 1}, {8, 8, 2}, {2, 6, 3}}};
  EngineAccess::EndTurn(engine);
  EXPECT_FALSE(state.GameActive);
  EXPECT_EQ(state.NextBalls[0].X, 0);
  EXPECT_EQ(state.NextBalls[1].X, kNone);
  EXPECT_EQ(state.NextBalls[2].X, kNone);
  // Announcing again after a settings change marks only slot 0's cell, never a ball.
  world.calls.clear();
  engine.RefreshNextBalls(RefreshReason::kDisplayMode);
  EXPECT_EQ(world.CallsStartingWith("DrawBallFrame"),
            (Calls{"DrawBallFrame 0,0 balls frame 11 colour " +
                   std::to_string(state.NextBalls[0].Color)}));
}

TEST_F(GameEndTest, TiesEnterTheTableExceptAtTheLastRow) {
  world.tables[0] = {900, 800, 700, 500, 400, 300, 200, 100, 50, 20};
  EndWith(500);
  EXPECT_EQ(world.CallsStartingWith("message"),
            (Calls{"message Congratulation!", "message Begin new game?"}));
  EXPECT_TRUE(world.CallsStartingWith("DrawNumber champ").empty()) << "500 is no new champion";

  world.tables[0] = {900, 800, 700, 600, 600, 600, 600, 600, 600, 500};
  EndWith(500);
  EXPECT_EQ(world.CallsStartingWith("message"), (Calls{"message Game Over. Begin new game?"}));
  EXPECT_TRUE(world.CallsStartingWith("bestresults").empty());

  // Scores compare unsigned.
  world.tables[0] = {0x80000000u, 0x80000000u, 0x80000000u, 0x80000000u, 0x80000000u,
                     0x80000000u, 0x80000000u, 0x80000000u, 0x80000000u, 0x80000000u};
  EndWith(5);
  EXPECT_EQ(world.CallsStartingWith("message"), (Calls{"message Game Over. Begin new game?"}));

  // Zero on a table of zeros counts as entering it.
  world.tables[0] = {};
  EndWith(0);
  EXPECT_EQ(world.CallsStartingWith("message").front(), "message Congratulation!");
  EXPECT_TRUE(ScoreEntersTable(HighScorePoints{}, 0));
  EXPECT_EQ(BestTablePoints({500, 900, 0, 0, 0, 0, 0, 0, 0, 7}), 900u);  // whatever the order
  EXPECT_EQ(BestTablePoints({1, 0xFFFFFFFFu, 0, 0, 0, 0, 0, 0, 0, 0}), 0xFFFFFFFFu);
}

TEST_F(GameEndTest, BestResultsOpenInNewRecordModeAndYesStartsTheDefaultVariant) {
  class Watching : public RecordingWorld {
   public:
    bool mode_seen = false;
    uint32_t score_seen = 0;
    void ShowBestResults(int32_t variant, bool new_record_mode, uint32_t score) override {
      mode_seen = new_record_mode;
      score_seen = score;
      RecordingWorld::ShowBestResults(variant, new_record_mode, score);
    }
  } w;
  GameEngine e(w, w);
  EngineState& s = EngineAccess::State(e);
  w.answer_yes = true;
  e.Settings().DefaultGame = kLines;
  s.GameType = kSquares;
  e.NewGame(true);
  EXPECT_EQ(s.GameType, kSquares);
  for (int n = 0; n < kCellCount; ++n) {
    s.Board[n].Color = (CellX(n) + 3 * CellY(n)) % kColorCount;
  }
  s.Board[0].Color = kEmpty;
  s.Board[40].Color = kEmpty;
  for (TNextBall& slot : s.NextBalls) {
    slot.X = kNone;
  }
  s.Score = 12;
  w.calls.clear();
  EngineAccess::EndTurn(e);
  EXPECT_TRUE(w.mode_seen);
  EXPECT_EQ(w.score_seen, 12u);
  EXPECT_FALSE(s.NewRecordMode);
  EXPECT_EQ(w.CallsStartingWith("bestresults"), (Calls{"bestresults 2"}));
  // Yes: one new game, of the default variant.
  EXPECT_EQ(w.CallsStartingWith("ReadHighScores"), (Calls{"ReadHighScores 2", "ReadHighScores 1"}));
  EXPECT_EQ(s.GameType, kLines);
  EXPECT_TRUE(s.GameActive);
  EXPECT_EQ(s.Score, 0u);
  EXPECT_EQ(BallCount(e), 5);

  // Answered Yes after "Game Over" too.
  w.tables[0] = {100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
  for (int n = 0; n < kCellCount; ++n) {
    s.Board[n].Color = (CellX(n) + 3 * CellY(n)) % kColorCount;
  }
  s.Board[5].Color = kEmpty;
  for (TNextBall& slot : s.NextBalls) {
    slot.X = kNone;
  }
  w.calls.clear();
  EngineAccess::EndTurn(e);
  EXPECT_EQ(w.CallsStartingWith("message"), (Calls{"message Game Over. Begin new game?"}));
  EXPECT_TRUE(s.GameActive);
}

TEST_F(EngineTest, OutcomeTellsWhatEachClickDid) {
  using Kind = TurnOutcome::Kind;
  Play();
  Rows({"1........", ".........", ".........", ".........", ".........", ".........", ".........",
        "........3", ".11113.32"});
  state.NextBalls = {{{2, 2, 4}, {3, 3, 5}, {4, 4, 6}}};
  TurnOutcome outcome = engine.CellClick(CellNumber(0, 0));
  EXPECT_EQ(outcome.kind, Kind::kSelected);
  EXPECT_EQ(outcome.color, 1);
  EXPECT_EQ(outcome.from, CellNumber(0, 0));

  // A line of five: removed and scored, nothing appears.
  TurnOutcome moved = engine.CellClick(CellNumber(0, 8));
  EXPECT_EQ(moved.kind, Kind::kMoved);
  EXPECT_EQ(moved.color, 1);
  EXPECT_EQ(moved.from, CellNumber(0, 0));
  EXPECT_EQ(moved.to, CellNumber(0, 8));
  EXPECT_EQ(moved.removed, 5u);
  EXPECT_EQ(moved.points, 5u);
  EXPECT_TRUE(moved.appeared.empty());
  EXPECT_FALSE(moved.game_over);

  // The walled-in ball finds no way out.
  engine.CellClick(CellNumber(8, 8));
  outcome = engine.CellClick(CellNumber(0, 0));
  EXPECT_EQ(outcome.kind, Kind::kNoPath);
  EXPECT_EQ(outcome.color, 2);
  EXPECT_EQ(outcome.from, CellNumber(8, 8));

  // A move that removes nothing lets the three announced balls appear.
  engine.CellClick(CellNumber(5, 8));
  moved = engine.CellClick(CellNumber(6, 8));
  EXPECT_EQ(moved.kind, Kind::kMoved);
  EXPECT_EQ(moved.removed, 0u);
  ASSERT_EQ(moved.appeared.size(), 3u);
  EXPECT_EQ(moved.appeared[1].X, 3);
  EXPECT_EQ(moved.appeared[1].Y, 3);
  EXPECT_EQ(moved.appeared[1].Color, 5);
  EXPECT_FALSE(moved.game_over);

  // An ignored click leaves nothing to tell.
  EXPECT_EQ(engine.CellClick(CellNumber(8, 0)).kind, Kind::kNothing);

  // The last free cells fill up.
  FillWithoutFigures();
  Put(0, 0, kEmpty);
  for (TNextBall& slot : state.NextBalls) {
    slot.X = kNone;
  }
  engine.CellClick(CellNumber(1, 0));
  outcome = engine.CellClick(CellNumber(0, 0));
  EXPECT_EQ(outcome.kind, Kind::kMoved);
  EXPECT_TRUE(outcome.game_over);
}

TEST_F(EngineTest, NewBallsCompletingAFigureAreRemovedAndTheNextOnesReserved) {
  engine.NewGame(false);
  ClearBoard();
  Rows({"2222....."});
  state.NextBalls = {{{4, 0, 2}, {7, 7, 5}, {8, 8, 6}}};
  engine.Settings().Delay_Appearance = 4;
  world.calls.clear();
  EngineAccess::EndTurn(engine);
  EXPECT_EQ(state.Score, 5u);
  EXPECT_EQ(Board(4, 0), kEmpty);
  EXPECT_EQ(Board(7, 7), 5);
  EXPECT_EQ(Board(8, 8), 6);
  EXPECT_EQ(BallCount(engine), 2);
  // Appearance: frames 12..15 on the three cells with a wait after each step, then frame 0.
  Calls appearance(world.calls.begin(), world.calls.begin() + 19);
  Calls expected;
  for (int i = 0; i < 4; ++i) {
    expected.push_back("DrawBallFrame 4,0 balls frame " + std::to_string(12 + i) + " colour 2");
    expected.push_back("DrawBallFrame 7,7 balls frame " + std::to_string(12 + i) + " colour 5");
    expected.push_back("DrawBallFrame 8,8 balls frame " + std::to_string(12 + i) + " colour 6");
    expected.push_back("WaitMs 4");
  }
  expected.push_back("DrawBallFrame 4,0 balls frame 0 colour 2");
  expected.push_back("DrawBallFrame 7,7 balls frame 0 colour 5");
  expected.push_back("DrawBallFrame 8,8 balls frame 0 colour 6");
  EXPECT_EQ(appearance, expected);
  EXPECT_TRUE(state.GameActive);
  for (const TNextBall& slot : state.NextBalls) {
    EXPECT_NE(slot.X, kNone);
  }
  EXPECT_EQ(world.CallsStartingWith("PlaySoundFile"), (Calls{"PlaySoundFile destroy.wav"}))
      << "no sound goes with the appearance";
}

TEST_F(EngineTest, BallOnAReservedCellMovesTheReservationUnannounced) {
  engine.NewGame(false);
  ClearBoard();
  Put(0, 0, 3);
  state.NextBalls = {{{6, 6, 1}, {1, 0, 4}, {8, 8, 5}}};
  engine.CellClick(CellNumber(0, 0));
  world.calls.clear();
  engine.CellClick(CellNumber(1, 0));
  // Slot 1 got a new cell at random and kept its colour; the ball stays on (1,0).
  EXPECT_EQ(Board(1, 0), 3);
  EXPECT_EQ(Board(6, 6), 1);
  EXPECT_EQ(Board(8, 8), 5);
  EXPECT_EQ(BallCount(engine), 4);
  // No mark or preview was drawn before the balls appeared.
  const auto first_growth = std::find_if(world.calls.begin(), world.calls.end(), [](auto& c) {
    return c.find("frame 12 ") != std::string::npos;
  });
  for (auto it = world.calls.begin(); it != first_growth; ++it) {
    EXPECT_EQ(it->find("frame 11"), std::string::npos) << *it;
    EXPECT_EQ(it->find("DrawPreview"), std::string::npos) << *it;
  }
  EXPECT_EQ(std::count_if(world.calls.begin(), world.calls.end(),
                          [](auto& c) { return c.find("frame 12 colour 4") != std::string::npos; }),
            1);
}

TEST_F(EngineTest, RelocatedReservationMayLandOnAnotherReservedCell) {
  // Full board except the ball's target (slot 0) and the cells of slots 1 and 2; the ball's own
  // cell becomes free when it moves. Seeds are tried until the new cell of slot 0 is slot 1's.
  bool found = false;
  for (uint32_t seed = 0; seed < 200 && !found; ++seed) {
    RecordingWorld w;
    GameEngine e(w, w);
    EngineState& s = EngineAccess::State(e);
    StartOnFullBoard(e);
    for (int n : {CellNumber(1, 0), CellNumber(5, 5), CellNumber(7, 2)}) {
      s.Board[n].Color = kEmpty;
    }
    s.NextBalls = {{{1, 0, 6}, {5, 5, 2}, {7, 2, 3}}};
    e.Randomize(seed);
    e.CellClick(CellNumber(0, 0));
    w.calls.clear();
    e.CellClick(CellNumber(1, 0));
    if (w.CallsStartingWith("DrawBallFrame 5,5 balls frame 12 colour 6").empty()) {
      continue;
    }
    found = true;
    // Both slots grow on one cell, the later slot drawn last; the cell keeps slot 1's colour.
    const Calls growth = {"DrawBallFrame 5,5 balls frame 12 colour 6",
                          "DrawBallFrame 5,5 balls frame 12 colour 2",
                          "DrawBallFrame 7,2 balls frame 12 colour 3", "WaitMs 0"};
    auto it = std::search(w.calls.begin(), w.calls.end(), growth.begin(), growth.end());
    EXPECT_NE(it, w.calls.end());
    EXPECT_EQ(s.Board[CellNumber(5, 5)].Color, 2);
    // Only (0,0) is left free: slot 0 takes it, slot 1 finds nothing and the game ends.
    EXPECT_EQ(s.NextBalls[0].X, 0);
    EXPECT_EQ(s.NextBalls[1].X, kNone);
    EXPECT_FALSE(s.GameActive);
    EXPECT_EQ(w.CallsStartingWith("message").size(), 2u);
  }
  EXPECT_TRUE(found);
}

TEST_F(EngineTest, FigureCompletedOnAReservedCellKeepsTheReservation) {
  engine.NewGame(false);
  ClearBoard();
  Rows({"1111.....", "....1...."});
  state.NextBalls = {{{6, 6, 2}, {4, 0, 5}, {8, 8, 5}}};
  engine.CellClick(CellNumber(4, 1));
  world.calls.clear();
  engine.CellClick(CellNumber(4, 0));
  EXPECT_EQ(state.Score, 5u);
  EXPECT_EQ(world.calls.back(), "DrawBallFrame 4,0 balls frame 11 colour 5");
  EXPECT_EQ(state.NextBalls[1].X, 4);
  EXPECT_EQ(state.NextBalls[1].Y, 0);
  EXPECT_TRUE(world.CallsStartingWith("WaitMs").size() == 9u) << "no appearance";

  // Without marks on the board the cell stays empty.
  engine.Settings().NextColors = NextBallDisplay::kPanel;
  Rows({"1111.....", "....1...."});
  engine.CellClick(CellNumber(4, 1));
  world.calls.clear();
  engine.CellClick(CellNumber(4, 0));
  EXPECT_EQ(world.calls.back(), "DrawNumber score 10");
}

TEST_F(EngineTest, FigureElsewhereLeavesTheMovedBallVisibleAndItsReservationMoved) {
  // Five start balls of colour 1 stand in a line; a ball of colour 1 moved onto a reserved cell
  // removes that line but stays itself.
  engine.NewGame(false);
  ClearBoard();
  Rows({"11111....", ".", ".", ".", ".", ".", "1........"});
  state.NextBalls = {{{0, 7, 4}, {6, 6, 2}, {8, 8, 3}}};
  engine.CellClick(CellNumber(0, 6));
  world.calls.clear();
  engine.CellClick(CellNumber(0, 7));
  EXPECT_EQ(state.Score, 5u);
  EXPECT_EQ(Board(0, 7), 1);
  const TNextBall& moved = state.NextBalls[0];
  EXPECT_FALSE(moved.X == 0 && moved.Y == 7);
  EXPECT_EQ(moved.Color, 4);
  EXPECT_EQ(Board(moved.X, moved.Y), kEmpty) << "the new reserved cell holds no hidden ball";
  EXPECT_EQ(world.calls.back(), "DrawBallFrame " + std::to_string(moved.X) + "," +
                                    std::to_string(moved.Y) + " balls frame 11 colour 4");
  EXPECT_TRUE(world.CallsStartingWith("DrawBallFrame 0,7 balls frame 11").empty());

  // On a crowded board the moved reservation never joins another slot's cell, whatever the seed:
  // the other slots keep their empty cells of their own.
  for (uint32_t seed = 0; seed < 40; ++seed) {
    RecordingWorld w;
    GameEngine e(w, w);
    EngineState& s = EngineAccess::State(e);
    StartOnFullBoard(e);
    for (int x = 0; x < 5; ++x) {
      s.Board[CellNumber(x, 0)].Color = 1;
    }
    s.Board[CellNumber(8, 8)].Color = 1;
    for (int n : {CellNumber(8, 7), CellNumber(6, 6), CellNumber(7, 2)}) {
      s.Board[n].Color = kEmpty;
    }
    s.NextBalls = {{{8, 7, 4}, {6, 6, 2}, {7, 2, 3}}};
    e.Randomize(seed);
    e.CellClick(CellNumber(8, 8));
    e.CellClick(CellNumber(8, 7));
    ASSERT_EQ(s.Score, 5u) << "seed " << seed;
    ASSERT_EQ(s.Board[CellNumber(8, 7)].Color, 1);
    const TNextBall& r = s.NextBalls[0];
    EXPECT_TRUE(r.X != 8 || r.Y != 7) << "seed " << seed;
    EXPECT_TRUE((r.X != 6 || r.Y != 6) && (r.X != 7 || r.Y != 2)) << "seed " << seed;
    EXPECT_EQ(s.Board[CellNumber(r.X, r.Y)].Color, kEmpty);
    EXPECT_EQ(s.Board[CellNumber(6, 6)].Color, kEmpty);
    EXPECT_EQ(s.Board[CellNumber(7, 2)].Color, kEmpty);
  }
}

TEST_F(EngineTest, ResumedGameRedrawsEverythingAndTheSelectedBallJumpsAgain) {
  world.tables[2] = {10, 400, 0, 0, 0, 0, 0, 0, 0, 0};
  SavedGameState s;
  for (int n = 0; n < kCellCount; ++n) {
    s.Board[n] = {kEmpty, n, 0, 0};
  }
  s.GameType = kBlocks;
  s.Score = 77;
  s.Board[CellNumber(2, 2)].Color = 4;
  s.NextBalls = {{{0, 0, 1}, {kNone, 0, 0}, {8, 8, 6}}};
  s.SelX = 2;
  s.SelY = 2;
  ASSERT_TRUE(engine.LoadState(s));
  state.GameSeconds = 99;
  engine.ResumeLoadedGame();
  Calls expected = {"DrawClock 0"};
  for (int n = 0; n < kCellCount; ++n) {
    expected.push_back(n == CellNumber(2, 2) ? "DrawBallFrame 2,2 balls frame 0 colour 4"
                                             : "DrawEmptyCell " + CellText(n));
  }
  // No start-up has shown the previews of this engine: the first announcement does.
  for (const char* c : {"SetPreviewVisible 0 1", "DrawPreview 0 colour 1",
                        "DrawBallFrame 0,0 balls frame 11 colour 1", "SetPreviewVisible 2 1",
                        "DrawPreview 2 colour 6", "DrawBallFrame 8,8 balls frame 11 colour 6",
                        "DrawNumber score 77", "ReadHighScores 3", "DrawNumber champ 400",
                        "DrawGameType 3", "StartClock", "StartTimer1", "SetSaveEnabled 1"}) {
    expected.push_back(c);
  }
  EXPECT_EQ(world.calls, expected);
  EXPECT_EQ(state.GameSeconds, 0u);
  EXPECT_TRUE(state.GameActive);
  EXPECT_EQ(state.ChampScore, 400u);
  EXPECT_EQ(Board(0, 0), kEmpty) << "reserved cells stay empty";

  // Loading over a jumping ball stops its timer; the loaded game's jump starts from its first
  // frame once it resumes.
  for (int tick = 0; tick < 6; ++tick) {
    engine.JumpTick();
  }
  world.calls.clear();
  ASSERT_TRUE(engine.LoadState(s));
  engine.ResumeLoadedGame();
  EXPECT_EQ(Calls(world.calls.begin(), world.calls.begin() + 3),
            (Calls{"StopTimer1", "StopClock", "DrawClock 0"}));
  world.calls.clear();
  engine.JumpTick();
  EXPECT_EQ(world.calls, (Calls{"DrawBallFrame 2,2 balls frame 16 colour 4"}));
}

TEST_F(EngineTest, RefreshedAnnouncementsFollowTheNewDisplayMode) {
  engine.RefreshNextBalls(RefreshReason::kDisplayMode);
  EXPECT_TRUE(world.calls.empty()) << "no next balls yet";

  state.NextBalls = {{{1, 1, 2}, {kNone, 0, 0}, {3, 3, 4}}};
  engine.Settings().NextColors = NextBallDisplay::kPanel;  // was 1: marks off, previews stay
  engine.RefreshNextBalls(RefreshReason::kDisplayMode);
  EXPECT_EQ(world.calls,
            (Calls{"SetPreviewVisible 0 1", "DrawPreview 0 colour 2", "DrawEmptyCell 1,1",
                   "SetPreviewVisible 2 1", "DrawPreview 2 colour 4", "DrawEmptyCell 3,3"}));
  world.calls.clear();
  engine.Settings().NextColors = NextBallDisplay::kBoard;  // previews hidden, marks drawn
  engine.RefreshNextBalls(RefreshReason::kDisplayMode);
  EXPECT_EQ(world.calls,
            (Calls{"SetPreviewVisible 0 0", "SetPreviewVisible 1 0", "SetPreviewVisible 2 0",
                   "DrawBallFrame 1,1 balls frame 11 colour 2", "SetPreviewVisible 0 0",
                   "SetPreviewVisible 1 0", "SetPreviewVisible 2 0",
                   "DrawBallFrame 3,3 balls frame 11 colour 4"}));
  // After a new skin the board was redrawn already: no empty cells for mode 4.
  world.calls.clear();
  engine.Settings().NextColors = NextBallDisplay::kHidden;
  engine.RefreshNextBalls(RefreshReason::kSkin);
  EXPECT_TRUE(world.CallsStartingWith("DrawEmptyCell").empty());
}

}  // namespace
}  // namespace orbello
