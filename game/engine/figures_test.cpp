// Figure detection and scoring of the three variants.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/engine/engine_test_util.h"

namespace orbello {
namespace {

class FiguresTest : public EngineTest {
 protected:
  // Removes and scores the figures of `color` in `game_type`; returns the number removed.
  uint32_t Remove(int32_t game_type, int32_t color) {
    Grid<TMatchCell> match{};
    const rules::Removal removal = rules::FindFigures(state.Board, game_type, color, match);
    rules::ApplyRemoval(state, removal);
    return removal.count();
  }
  int Balls() {
    int n = 0;
    for (const TBoardCell& c : state.Board) {
      n += c.Color != kEmpty;
    }
    return n;
  }
};

TEST_F(FiguresTest, LinesNeedFiveAndScoreQuadratically) {
  Rows({"1111.....", "2222.2..."});
  EXPECT_EQ(Remove(kLines, 1), 0u);
  EXPECT_EQ(Remove(kLines, 2), 0u);
  EXPECT_EQ(state.Score, 0u);

  Rows({"11111....", ".222222.."});
  EXPECT_EQ(Remove(kLines, 1), 5u);
  EXPECT_EQ(state.Score, 5u);
  EXPECT_EQ(Remove(kLines, 2), 6u);
  EXPECT_EQ(state.Score, 17u);
  EXPECT_EQ(Balls(), 0);

  // A row and a column of five sharing a ball: nine balls, 45 points; other colours stay.
  Rows({"....3....", "....3....", "....3....", "....3....", "33333....", "....4....", "....4....",
        "....4....", "....4...."});
  state.Score = 0;
  EXPECT_EQ(Remove(kLines, 3), 9u);
  EXPECT_EQ(state.Score, 45u);
  EXPECT_EQ(Balls(), 4);
  // Seven in a column: 21.
  Rows({"5", "5", "5", "5", "5", "5", "5"});
  EXPECT_EQ(Remove(kLines, 5), 7u);
  EXPECT_EQ(state.Score, 66u);
}

TEST_F(FiguresTest, LinesFindBothDiagonalsUpToTheCorners) {
  for (int k = 0; k < 5; ++k) {
    Put(8 - k, k, 6);  // (8,0) ... (4,4), towards the left
    Put(4 + k, 4 + k, 2);
  }
  Put(4, 4, 6);
  EXPECT_EQ(Remove(kLines, 6), 5u);
  EXPECT_EQ(Board(8, 0), kEmpty);
  // (4,4) went with the first diagonal: the other one now holds four only.
  EXPECT_EQ(Remove(kLines, 2), 0u);
  Put(4, 4, 2);
  EXPECT_EQ(Remove(kLines, 2), 5u);
  EXPECT_EQ(Board(8, 8), kEmpty);
  // A diagonal of five that starts in the bottom-left corner.
  for (int k = 0; k < 5; ++k) {
    Put(k, 8 - k, 1);
  }
  EXPECT_EQ(Remove(kLines, 1), 5u);
}

TEST_F(FiguresTest, SquaresCountOverlappingSquaresOnce) {
  Rows({"11.......", "1........"});
  EXPECT_EQ(Remove(kSquares, 1), 0u);
  Rows({"11.......", "11......."});
  EXPECT_EQ(Remove(kSquares, 1), 4u);
  EXPECT_EQ(state.Score, 4u);
  Rows({".......22", ".......22", ".......22"});
  EXPECT_EQ(Remove(kSquares, 2), 6u);
  EXPECT_EQ(state.Score, 22u);
  Rows({".", ".", ".", ".", ".", ".", "......333", "......333", "......333"});
  EXPECT_EQ(Remove(kSquares, 3), 9u);
  EXPECT_EQ(state.Score, 76u);
}

TEST_F(FiguresTest, BlocksFollowTheSearchsOwnUpwardRule) {
  // Seven in a row and in a column are blocks; six connected balls are not.
  Rows({"4444444.."});
  EXPECT_EQ(Remove(kBlocks, 4), 7u);
  EXPECT_EQ(state.Score, 7u);
  Rows({"4", "4", "4", "4", "4", "4", "4"});
  EXPECT_EQ(Remove(kBlocks, 4), 7u);
  Rows({"444......", "444......"});
  EXPECT_EQ(Remove(kBlocks, 4), 0u);

  // A U open at the top: the search from (0,0) never climbs (2,1) to reach (2,0).
  Rows({"5.5......", "5.5......", "555......"});
  EXPECT_EQ(Remove(kBlocks, 5), 0u);
  EXPECT_EQ(Balls(), 7);  // the whole U stays
  // The same U open at the bottom is found whole.
  Rows({"555......", "5.5......", "5.5......"});
  EXPECT_EQ(Remove(kBlocks, 5), 7u);
  EXPECT_EQ(Board(2, 2), kEmpty);
}

TEST_F(FiguresTest, BlocksRemoveOnlyTheFirstGroupOfACall) {
  // Two groups of seven; the lower one starts further left, the upper one comes first.
  Rows({".....6666", ".....666.", ".........", "666666...", "6........"});
  EXPECT_EQ(Remove(kBlocks, 6), 7u);
  EXPECT_EQ(Board(5, 0), kEmpty);
  EXPECT_EQ(Board(0, 3), 6);
  EXPECT_EQ(state.Score, 7u);
  EXPECT_EQ(Remove(kBlocks, 6), 7u);
  EXPECT_EQ(Balls(), 0);
  // Eight balls: 16 points; a group of ten: 40.
  Rows({"22222222."});
  state.Score = 0;
  EXPECT_EQ(Remove(kBlocks, 2), 8u);
  EXPECT_EQ(state.Score, 16u);
  Rows({"33333....", "33333...."});
  EXPECT_EQ(Remove(kBlocks, 3), 10u);
  EXPECT_EQ(state.Score, 56u);
}

// The calls after the moved ball has been drawn on (1,2): the move's removal.
std::vector<std::string> AfterArrival(const std::vector<std::string>& calls) {
  const auto arrival =
      std::find(calls.begin(), calls.end(), "DrawBallFrame 1,2 balls frame 0 colour 2");
  return arrival == calls.end() ? std::vector<std::string>{}
                                : std::vector<std::string>(arrival + 1, calls.end());
}

TEST_F(FiguresTest, DestructionBreaksAllCellsFrameByFrameInColumnOrder) {
  // The ball from (3,2) completes the square (0,1) (1,1) (0,2) (1,2); (1,0) and (0,3) stay.
  Rows({".2.......", "22.......", "2..2.....", "2........"});
  engine.Settings().Delay_Destroy = 9;
  Play(kSquares);
  engine.CellClick(CellNumber(3, 2));
  world.calls.clear();
  const TurnOutcome moved = engine.CellClick(CellNumber(1, 2));
  EXPECT_EQ(moved.removed, 4u);
  EXPECT_EQ(moved.points, 4u);
  std::vector<std::string> expected;
  for (int f = 1; f <= 9; ++f) {
    for (const char* cell : {"0,1", "0,2", "1,1", "1,2"}) {
      expected.push_back(std::string("DrawBallFrame ") + cell + " balls frame " +
                         std::to_string(f) + " colour 2");
    }
    if (f == 1) {
      expected.push_back("PlaySoundFile destroy.wav");
    }
    expected.push_back("WaitMs 9");
  }
  for (const char* cell : {"0,1", "0,2", "1,1", "1,2"}) {
    expected.push_back(std::string("DrawEmptyCell ") + cell);
  }
  expected.push_back("DrawNumber score 4");
  EXPECT_EQ(AfterArrival(world.calls), expected);
  EXPECT_EQ(state.Score, 4u);
  EXPECT_EQ(Board(1, 0), 2);

  // Without the destroy sound switch nothing is played, every frame is still drawn.
  engine.Settings().CheckDestroy = false;
  Rows({"..", "22", "2..2"});
  engine.CellClick(CellNumber(3, 2));
  world.calls.clear();
  engine.CellClick(CellNumber(1, 2));
  EXPECT_TRUE(world.CallsStartingWith("PlaySoundFile destroy").empty());
  EXPECT_EQ(AfterArrival(world.calls).size(), 9u * 4 + 9 + 4 + 1);
}

TEST_F(FiguresTest, TheEngineTakesTheNewPositionOnceTheTurnHasBeenShown) {
  class Peeking : public RecordingWorld {
   public:
    const GameEngine* engine = nullptr;
    int32_t seen = 99;
    uint32_t score_then = 99;
    void WaitMs(uint32_t ms) override {
      if (seen == 99) {
        seen = engine->Board()[CellNumber(0, 0)].Color;
        score_then = engine->Score();
      }
      RecordingWorld::WaitMs(ms);
    }
  } peeking;
  GameEngine e(peeking, peeking);
  EngineState& s = EngineAccess::State(e);
  peeking.engine = &e;
  s.GameType = kSquares;
  s.GameActive = true;
  for (int n : {CellNumber(0, 0), CellNumber(0, 1), CellNumber(1, 0), CellNumber(2, 1)}) {
    s.Board[n].Color = 3;
  }
  e.CellClick(CellNumber(2, 1));
  EXPECT_EQ(e.CellClick(CellNumber(1, 1)).removed, 4u);
  EXPECT_EQ(peeking.seen, 3) << "the board changes only once the turn has been shown";
  EXPECT_EQ(peeking.score_then, 0u);
  EXPECT_EQ(s.Score, 4u);
  EXPECT_EQ(s.Board[CellNumber(0, 0)].Color, kEmpty);
}

}  // namespace
}  // namespace orbello
