// The jump of the selected ball on the jump timer, and the game clock.
#include <gtest/gtest.h>

#include "game/engine/engine_test_util.h"

namespace orbello {
namespace {

using Calls = std::vector<std::string>;

class JumpTest : public EngineTest {
 protected:
  void SetUp() override {
    Put(3, 4, 5);
    Play();
    engine.CellClick(CellNumber(3, 4));
    world.calls.clear();
  }
};

TEST_F(JumpTest, NineTickCycleSkipsColumn24AndSoundsOnFrame19) {
  for (int tick = 0; tick < 18; ++tick) {
    engine.JumpTick();
  }
  Calls cycle;
  for (int f = 16; f <= 23; ++f) {
    cycle.push_back("DrawBallFrame 3,4 balls frame " + std::to_string(f) + " colour 5");
    if (f == 19) {
      cycle.push_back("IsMinimized 0");
      cycle.push_back("PlaySoundFileIfIdle jump.wav");
    }
  }
  Calls expected = cycle;
  expected.insert(expected.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(world.calls, expected);
}

TEST_F(JumpTest, NoJumpSoundWhenMinimizedOrSwitchedOff) {
  world.minimized = true;
  for (int tick = 0; tick < 9; ++tick) {
    engine.JumpTick();
  }
  EXPECT_TRUE(world.CallsStartingWith("PlaySound").empty());
  EXPECT_EQ(Count("IsMinimized 1"), 1u);
  world.minimized = false;
  engine.Settings().CheckJump = false;
  for (int tick = 0; tick < 9; ++tick) {
    engine.JumpTick();
  }
  EXPECT_TRUE(world.CallsStartingWith("PlaySound").empty());
  EXPECT_EQ(world.CallsStartingWith("DrawBallFrame").size(), 16u);
}

TEST_F(JumpTest, TicksAfterTheTimerStoppedDrawNothing) {
  Put(8, 8, 1);
  state.NextBalls = {{{0, 0, 1}, {0, 1, 1}, {0, 2, 1}}};
  engine.CellClick(CellNumber(3, 5));  // move: the timer stops
  EXPECT_FALSE(world.jump_timer_running);
  world.calls.clear();
  engine.JumpTick();  // a tick already queued when the move began
  EXPECT_TRUE(world.calls.empty());
}

TEST_F(EngineTest, ClockTicksCountSecondsAndStartAgainAfter99Hours) {
  state.GameSeconds = 41;
  engine.ClockTick();
  EXPECT_EQ(engine.GameSeconds(), 42u);
  state.GameSeconds = 359998;  // 99:59:58
  engine.ClockTick();
  engine.ClockTick();
  EXPECT_EQ(engine.GameSeconds(), 0u);
  EXPECT_EQ(world.calls, (Calls{"DrawClock 42", "DrawClock 359999", "DrawClock 0"}));
}

TEST_F(EngineTest, RedrawBoardPaintsEveryCellAndBallsAtRest) {
  Put(0, 1, 3);
  state.NextBalls[0] = {5, 5, 2};  // marks are left to the caller
  engine.RedrawBoard();
  ASSERT_EQ(world.calls.size(), 82u);
  EXPECT_EQ(world.calls[0], "DrawEmptyCell 0,0");
  EXPECT_EQ(world.calls[1], "DrawEmptyCell 0,1");
  EXPECT_EQ(world.calls[2], "DrawBallFrame 0,1 balls frame 0 colour 3");
  EXPECT_EQ(world.calls.back(), "DrawEmptyCell 8,8");
}

}  // namespace
}  // namespace orbello
