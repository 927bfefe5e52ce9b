// The board, path finding and the move of a ball.
#include <gtest/gtest.h>

#include "game/engine/engine_test_util.h"

namespace orbello {
namespace {

using Path = std::vector<TCellPoint>;

TEST_F(EngineTest, BoardNumbersCellsColumnByColumnAndCountsReservedCellsAsFree) {
  EXPECT_EQ(CellNumber(0, 8), 8);
  EXPECT_EQ(CellNumber(1, 0), 9);
  EXPECT_EQ(CellX(80), 8);
  EXPECT_EQ(CellY(80), 8);
  for (int n = 0; n < kCellCount; ++n) {
    EXPECT_EQ(state.Board[n].Number, n);
    EXPECT_EQ(state.Board[n].Color, kEmpty);
    EXPECT_EQ(state.Board[n].Reserved1, 0);
    EXPECT_EQ(state.Board[n].Reserved2, 0);
  }
  EXPECT_TRUE(rules::HasFreeCell(state.Board));
  FillWithoutFigures();
  EXPECT_FALSE(rules::HasFreeCell(state.Board));
  // A reserved cell is empty in the board.
  Put(4, 4, kEmpty);
  state.NextBalls[0] = {4, 4, 2};
  EXPECT_TRUE(rules::HasFreeCell(state.Board));
}

TEST_F(EngineTest, PlayableStateRejectsEveryValueOutsideThePictures) {
  SavedGameState good;
  for (int n = 0; n < kCellCount; ++n) {
    good.Board[n] = {kEmpty, n, 0, 0};
  }
  good.Board[CellNumber(2, 3)].Color = 6;
  good.NextBalls = {{{0, 0, 1}, {kNone, 99, 99}, {8, 8, 0}}};
  good.SelX = 2;
  good.SelY = 3;
  ASSERT_TRUE(IsPlayableState(good));

  auto rejected = [&](auto change) {
    SavedGameState s = good;
    change(s);
    return !IsPlayableState(s);
  };
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.GameType = 0; }));
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.GameType = 4; }));
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.Board[5].Color = 7; }));
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.Board[5].Color = -2; }));
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.NextBalls[0].X = 9; }));
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.NextBalls[2].Y = -1; }));
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.NextBalls[0].Color = 7; }));
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.SelX = 9; }));
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.SelY = kNone; }));
  // The selection must stand on a ball: its colour is drawn while it jumps.
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.SelX = 0; }));
  // An announced ball would overwrite the ball under it, or the one announced on the same cell.
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.NextBalls[2] = {2, 3, 0}; }));
  EXPECT_TRUE(rejected([](SavedGameState& s) { s.NextBalls[2] = {0, 0, 4}; }));
  EXPECT_FALSE(rejected([](SavedGameState& s) { s.NextBalls[0] = {kNone, 8, 8}; }));

  // A refused state leaves the engine as it was.
  SavedGameState bad = good;
  bad.NextBalls[1] = {3, 12, 0};
  state.Score = 77;
  EXPECT_FALSE(engine.LoadState(bad));
  EXPECT_EQ(state.Score, 77u);
  EXPECT_EQ(state.NextBalls[0].X, kNone);
  good.Score = 5;
  EXPECT_TRUE(engine.LoadState(good));
  EXPECT_EQ(state.Score, 5u);
  EXPECT_EQ(engine.SavedState().Board[CellNumber(2, 3)].Color, 6);
}

// The walk from the selected ball to (tx, ty), as a move takes it.
Path Trace(const TBoard& board, TCellPoint from, int tx, int ty, Grid<int32_t>& wave) {
  EXPECT_TRUE(rules::FindPath(board, from, {tx, ty}, wave));
  return rules::TracePath(wave, from);
}

bool Reaches(const TBoard& board, TCellPoint from, int tx, int ty) {
  Grid<int32_t> wave{};
  return rules::FindPath(board, from, {tx, ty}, wave);
}

TEST_F(EngineTest, PathPrefersRightThenDownThenLeftThenUp) {
  Put(0, 0, 3);
  Grid<int32_t> wave{};
  EXPECT_EQ(Trace(state.Board, {0, 0}, 2, 2, wave), (Path{{0, 0}, {1, 0}, {2, 0}, {2, 1}}));
  // The wave holds the exact distances from the target.
  EXPECT_EQ(wave[3][3], 0);
  EXPECT_EQ(wave[1][1], 253);
  EXPECT_EQ(wave[2][1], 3);
  EXPECT_EQ(wave[0][5], 255);

  // Right blocked: down comes next.
  Put(1, 0, 5);
  EXPECT_EQ(Trace(state.Board, {0, 0}, 2, 2, wave), (Path{{0, 0}, {0, 1}, {1, 1}, {2, 1}}));

  // From the bottom-right corner towards the top-left the walk goes left before up.
  Rows({".........", ".........", ".........", ".........", ".........", ".........", ".........",
        ".........", "........4"});
  EXPECT_EQ(Trace(state.Board, {8, 8}, 7, 7, wave), (Path{{8, 8}, {7, 8}}));
}

TEST_F(EngineTest, PathGoesAroundWallsAndAcrossReservedCells) {
  // Column 1 is a wall with one gap at the bottom.
  for (int y = 0; y < 8; ++y) {
    Put(1, y, 5);
  }
  Put(0, 0, 1);
  state.NextBalls[0] = {0, 4, 3};  // a reserved cell is empty for the wave
  Grid<int32_t> wave{};
  const Path path = Trace(state.Board, {0, 0}, 2, 0, wave);
  ASSERT_EQ(path.size(), 18u);  // 8 down, 2 right, 8 up, the target not listed
  EXPECT_EQ(path[4], (TCellPoint{0, 4}));
  EXPECT_EQ(path[9], (TCellPoint{1, 8}));
  EXPECT_EQ(path[17], (TCellPoint{2, 1}));

  Put(1, 8, 5);
  EXPECT_FALSE(Reaches(state.Board, {0, 0}, 2, 0));
  EXPECT_TRUE(Reaches(state.Board, {0, 0}, 0, 8));
  // A target walled in on all four sides.
  Rows({".", ".", ".", ".", ".", "......6..", ".....6.6.", "......6.."});
  EXPECT_FALSE(Reaches(state.Board, {0, 0}, 6, 6));
}

TEST_F(EngineTest, SelectingReplacingAndIgnoredClicks) {
  Rows({"12......."});
  engine.CellClick(CellNumber(0, 0));
  EXPECT_TRUE(world.calls.empty()) << "no game runs yet";
  EXPECT_EQ(state.SelX, kNone);

  Play();
  engine.CellClick(CellNumber(5, 5));  // empty, nothing selected
  EXPECT_TRUE(world.calls.empty());

  const TurnOutcome selected = engine.CellClick(CellNumber(0, 0));
  EXPECT_EQ(world.calls, (std::vector<std::string>{"StartTimer1"}));
  EXPECT_EQ(state.SelX, 0);
  EXPECT_EQ(selected.kind, TurnOutcome::Kind::kSelected);
  EXPECT_EQ(selected.from, CellNumber(0, 0));
  EXPECT_EQ(selected.color, 1);

  // Two ticks into the jump, a click on the selected ball itself changes nothing: the jump goes
  // on from its frame.
  for (int tick = 0; tick < 2; ++tick) {
    engine.JumpTick();
  }
  world.calls.clear();
  engine.CellClick(CellNumber(0, 0));
  EXPECT_TRUE(world.calls.empty());
  engine.JumpTick();
  EXPECT_EQ(world.calls, (std::vector<std::string>{"DrawBallFrame 0,0 balls frame 18 colour 1"}));

  // Another ball: the first comes to rest and the new one's jump starts at its first frame.
  world.calls.clear();
  engine.CellClick(CellNumber(1, 0));
  engine.JumpTick();
  EXPECT_EQ(world.calls,
            (std::vector<std::string>{"StopTimer1", "DrawBallFrame 0,0 balls frame 0 colour 1",
                                      "StartTimer1", "DrawBallFrame 1,0 balls frame 16 colour 2"}));
  EXPECT_EQ(state.SelX, 1);
  EXPECT_EQ(state.SelY, 0);
}

TEST_F(EngineTest, RefusedMovePlaysTheNoPathSoundAndKeepsTheSelection) {
  Rows({".1.", "1.."});
  Put(0, 0, 4);
  Play();
  engine.CellClick(CellNumber(0, 0));
  world.calls.clear();
  EXPECT_EQ(engine.CellClick(CellNumber(5, 5)).kind, TurnOutcome::Kind::kNoPath);
  EXPECT_EQ(world.calls, (std::vector<std::string>{"PlaySoundFile nopath.wav"}));
  EXPECT_EQ(state.SelX, 0);
  EXPECT_TRUE(world.jump_timer_running);

  engine.Settings().CheckNoPath = false;
  world.calls.clear();
  engine.CellClick(CellNumber(5, 5));
  EXPECT_TRUE(world.calls.empty());
}

// A move that removes nothing goes on to the appearance; these tests look at the move's part.
std::vector<std::string> UpTo(const std::vector<std::string>& calls, const std::string& last) {
  std::vector<std::string> part;
  for (const std::string& c : calls) {
    part.push_back(c);
    if (c == last) {
      break;
    }
  }
  return part;
}

TEST_F(EngineTest, WalkDrawsTheBallOnEachCellAndRestoresReservedMarks) {
  Put(0, 0, 2);
  state.NextBalls = {{{1, 0, 5}, {6, 6, 1}, {7, 7, 3}}};
  engine.Settings().Delay_Move = 7;
  Play();
  engine.CellClick(CellNumber(0, 0));
  world.calls.clear();
  engine.CellClick(CellNumber(2, 1));
  EXPECT_EQ(UpTo(world.calls, "DrawBallFrame 2,1 balls frame 0 colour 2"),
            (std::vector<std::string>{
                "StopTimer1",
                "DrawEmptyCell 0,0",
                "DrawBallFrame 1,0 balls frame 0 colour 2",
                "PlaySoundFile move.wav",
                "WaitMs 7",
                "DrawBallFrame 1,0 balls frame 11 colour 5",  // the reserved cell's mark again
                "DrawBallFrame 2,0 balls frame 0 colour 2",
                "PlaySoundFile move.wav",
                "WaitMs 7",
                "DrawEmptyCell 2,0",
                "DrawEmptyCell 0,0",
                "DrawBallFrame 2,1 balls frame 0 colour 2",
            }));
  EXPECT_EQ(Board(0, 0), kEmpty);
  EXPECT_EQ(state.SelX, kNone);
}

TEST_F(EngineTest, ShownPathMarksEachStepThenVanishesBeforeTheBallMoves) {
  Put(0, 0, 2);
  state.NextBalls = {{{1, 0, 5}, {6, 6, 1}, {7, 7, 3}}};
  engine.Settings().ShowWalk = true;
  engine.Settings().Delay_Move = 3;
  Play();
  engine.CellClick(CellNumber(0, 0));
  world.calls.clear();
  engine.CellClick(CellNumber(1, 2));  // right, down, down: (1,0), (1,1), target (1,2)
  EXPECT_EQ(UpTo(world.calls, "DrawBallFrame 1,2 balls frame 0 colour 2"),
            (std::vector<std::string>{
                "StopTimer1",
                "DrawBallFrame 0,0 balls frame 0 colour 2",
                "DrawBallFrame 1,0 walk frame 0",
                "PlaySoundFile move.wav",
                "WaitMs 3",
                "DrawBallFrame 1,1 walk frame 3",
                "PlaySoundFile move.wav",
                "WaitMs 3",
                "DrawBallFrame 1,0 balls frame 11 colour 5",
                "DrawEmptyCell 1,1",
                "DrawEmptyCell 0,0",
                "DrawBallFrame 1,2 balls frame 0 colour 2",
            }));
}

TEST_F(EngineTest, ShownPathUsesTheLeftAndUpMarks) {
  engine.Settings().ShowWalk = true;
  engine.Settings().CheckMove = false;
  state.NextBalls = {{{8, 0, 1}, {8, 1, 1}, {8, 2, 1}}};
  Put(2, 2, 3);
  Play();
  engine.CellClick(CellNumber(2, 2));
  engine.CellClick(CellNumber(1, 1));  // left to (1,2), then up to the target
  EXPECT_EQ(world.CallsStartingWith("DrawBallFrame 1,2 walk"),
            (std::vector<std::string>{"DrawBallFrame 1,2 walk frame 1"}));
  ClearBoard();  // away with the balls of the appearance and the new reservation
  state.NextBalls = {{{8, 0, 1}, {8, 1, 1}, {8, 2, 1}}};
  Put(5, 5, 4);
  engine.CellClick(CellNumber(5, 5));
  engine.CellClick(CellNumber(5, 3));
  EXPECT_EQ(world.CallsStartingWith("DrawBallFrame 5,4 walk"),
            (std::vector<std::string>{"DrawBallFrame 5,4 walk frame 2"}));
  EXPECT_TRUE(world.CallsStartingWith("PlaySoundFile move").empty());
}

TEST_F(EngineTest, AdjacentMoveShowsNoWalk) {
  Put(4, 4, 6);
  state.NextBalls = {{{0, 0, 1}, {0, 1, 1}, {0, 2, 1}}};
  Play();
  engine.CellClick(CellNumber(4, 4));
  world.calls.clear();
  engine.CellClick(CellNumber(4, 5));
  EXPECT_EQ(UpTo(world.calls, "DrawBallFrame 4,5 balls frame 0 colour 6"),
            (std::vector<std::string>{"StopTimer1", "DrawEmptyCell 4,4", "DrawEmptyCell 4,4",
                                      "DrawBallFrame 4,5 balls frame 0 colour 6"}));
  EXPECT_EQ(Board(4, 5), 6);
}

}  // namespace
}  // namespace orbello
