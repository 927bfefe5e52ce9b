// The rules by value: what a click and the end of a turn return, with no world at all.
#include <gtest/gtest.h>

#include "game/engine/engine_test_util.h"
#include "game/engine/rules.h"

namespace orbello {
namespace {

using Kind = rules::ClickResult::Kind;

Position Lines(std::initializer_list<std::pair<int, int>> cells, int32_t color) {
  Position p;
  for (int n = 0; n < kCellCount; ++n) {
    p.Board[n] = {kEmpty, n, 0, 0};
  }
  for (auto [x, y] : cells) {
    p.Board[CellNumber(x, y)].Color = color;
  }
  p.NextBalls = {{{6, 6, 2}, {7, 7, 3}, {8, 8, 4}}};
  return p;
}

TEST(RulesTest, AClickReturnsThePathTheFigureAndTheNextPosition) {
  Position before = Lines({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 2}}, 1);
  before.SelX = 4;
  before.SelY = 2;
  RandomSource random;
  random.Seed(5);
  const uint64_t seed_state = random.State();

  // Completing the line: scored, nothing drawn from the random source, nothing appears.
  rules::ClickResult r = rules::Click(before, CellNumber(4, 0), random);
  ASSERT_EQ(r.kind, Kind::kMoved);
  EXPECT_EQ(r.move.path, (std::vector<TCellPoint>{{4, 2}, {4, 1}}));
  EXPECT_EQ(r.move.removal.cells,
            (std::vector<TCellPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
  EXPECT_EQ(r.move.removal.points, 5u);
  EXPECT_FALSE(r.move.end);
  EXPECT_EQ(random.State(), seed_state);
  EXPECT_EQ(r.after.Score, 5u);
  EXPECT_EQ(r.after.SelX, kNone);
  for (int x = 0; x <= 4; ++x) {
    EXPECT_EQ(r.after.Board[CellNumber(x, 0)].Color, kEmpty) << x;
  }
  EXPECT_EQ(before.Board[CellNumber(4, 2)].Color, 1) << "the position given stays as it was";

  // A move that removes nothing: the three announced balls stand, three new cells are reserved
  // and left empty.
  r = rules::Click(before, CellNumber(5, 5), random);
  ASSERT_EQ(r.kind, Kind::kMoved);
  ASSERT_TRUE(r.move.end);
  EXPECT_FALSE(r.move.end->game_over);
  EXPECT_EQ(r.move.end->appeared.size(), 3u);
  EXPECT_NE(random.State(), seed_state);
  EXPECT_EQ(r.after.Board[CellNumber(5, 5)].Color, 1);
  EXPECT_EQ(r.after.Board[CellNumber(6, 6)].Color, 2);
  EXPECT_EQ(r.after.Board[CellNumber(8, 8)].Color, 4);
  for (const TNextBall& slot : r.after.NextBalls) {
    ASSERT_NE(slot.X, kNone);
    EXPECT_EQ(r.after.Board[CellNumber(slot.X, slot.Y)].Color, kEmpty);
    EXPECT_EQ(r.move.end->reserved.Board[CellNumber(slot.X, slot.Y)].Color, slot.Color);
  }

  // Walled in: no path, nothing changes; a click on another ball selects it.
  Position walled = before;
  for (auto [x, y] : {std::pair{3, 2}, std::pair{5, 2}, std::pair{4, 1}, std::pair{4, 3}}) {
    walled.Board[CellNumber(x, y)].Color = 0;
  }
  r = rules::Click(walled, CellNumber(8, 0), random);
  EXPECT_EQ(r.kind, Kind::kNoPath);
  EXPECT_EQ(r.after.SelX, 4);
  r = rules::Click(walled, CellNumber(0, 0), random);
  EXPECT_EQ(r.kind, Kind::kSelected);
  EXPECT_EQ(r.previous, (TCellPoint{4, 2}));
  EXPECT_EQ(r.after.SelX, 0);
}

TEST(RulesTest, TheTurnEndsTheGameWhenASlotFindsNoCellAndJudgesTheScore) {
  Position p;
  for (int n = 0; n < kCellCount; ++n) {
    p.Board[n] = {(CellX(n) + 3 * CellY(n)) % kColorCount, n, 0, 0};
  }
  p.Board[CellNumber(3, 3)].Color = kEmpty;
  p.Board[CellNumber(6, 1)].Color = kEmpty;
  RandomSource random;
  const rules::TurnEnd end = rules::EndTurn(p, random);
  EXPECT_TRUE(end.game_over);
  EXPECT_TRUE(end.appeared.empty());
  EXPECT_EQ(end.after.NextBalls[2].X, kNone);
  // The two cells that were found keep the drawn colours: nothing is announced.
  for (int slot = 0; slot < 2; ++slot) {
    const TNextBall& r = end.after.NextBalls[slot];
    ASSERT_NE(r.X, kNone);
    EXPECT_EQ(end.after.Board[CellNumber(r.X, r.Y)].Color, r.Color);
  }

  const HighScorePoints table = {900, 800, 700, 500, 400, 300, 200, 100, 50, 20};
  EXPECT_TRUE(rules::JudgeGameEnd(table, 500, 900).enters_table);
  EXPECT_FALSE(rules::JudgeGameEnd(table, 500, 900).new_champion);
  EXPECT_TRUE(rules::JudgeGameEnd(table, 901, 900).new_champion);
  EXPECT_FALSE(rules::JudgeGameEnd(table, 20, 900).enters_table);
}

}  // namespace
}  // namespace orbello
