// How the skins' pictures read: tiles drawn over the empty cell, animations that progress frame
// by frame, ball colours that stay apart for colour-blind players, digits that differ.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "art_test_util.h"
#include "color_vision.h"

namespace orbello::art::testing {
namespace {

class SkinFrames : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const QString skin = GetParam();
    board_ = Load("skin-bmp/" + skin + "/board.bmp");
    balls_ = Load("skin-bmp/" + skin + "/balls.bmp");
    walk_ = Load("skin-bmp/" + skin + "/walk.bmp");
    score_ = Load("skin-bmp/" + skin + "/score.bmp");
    timer_ = Load("skin-bmp/" + skin + "/timer.bmp");
    ASSERT_FALSE(board_.isNull() || balls_.isNull() || walk_.isNull() || score_.isNull() ||
                 timer_.isNull());
    inner_ = board_.copy(2, 2, 32, 32);
  }

  QImage Tile(int frame, int color) const { return balls_.copy(32 * frame, 32 * color, 32, 32); }

  // Whether the tile's pixel differs from the empty cell beneath by more than `threshold`.
  bool Differs(const QImage& tile, int x, int y, int threshold) const {
    const QRgb a = tile.pixel(x, y), b = inner_.pixel(x, y);
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) >
           threshold;
  }

  // Pixels of a tile that differ clearly from the empty cell beneath.
  int Coverage(const QImage& tile) const {
    int n = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x)
        n += Differs(tile, x, y, 40);
    }
    return n;
  }

  // Mean row of the covered pixels: where the ball is, vertically.
  double CentreY(const QImage& tile) const {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        if (Differs(tile, x, y, 120)) {
          sum += y;
          ++n;
        }
      }
    }
    return n ? sum / n : -1;
  }

  QImage board_, balls_, walk_, score_, timer_, inner_;
};

TEST_P(SkinFrames, TilesArePaintedOverTheEmptyCell) {
  // The game copies a tile over the cell's inner 32 x 32 pixels: the tile's edge must show the
  // cell there, or every ball would sit in a visible square.
  for (int color = 0; color < 7; ++color) {
    for (int frame = 0; frame < 24; ++frame) {
      const QImage tile = Tile(frame, color);
      for (const QPoint p : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
        EXPECT_EQ(tile.pixel(p), inner_.pixel(p))
            << "colour " << color << " frame " << frame << " at " << p.x() << "," << p.y();
      }
    }
  }
  for (int t = 0; t < 4; ++t) {
    EXPECT_EQ(walk_.pixel(32 * t, 0), inner_.pixel(0, 0)) << t;
    EXPECT_EQ(walk_.pixel(32 * t + 31, 31), inner_.pixel(31, 31)) << t;
  }
}

TEST_P(SkinFrames, AnimationsProgressFrameByFrame) {
  for (int c = 0; c < 7; ++c) {
    SCOPED_TRACE(c);
    const int rest = Coverage(Tile(0, c));
    EXPECT_GT(rest, 200);  // a ball or stone of about 24 pixels
    // Breaking apart: the first step still shows the ball, the last leaves hardly anything.
    EXPECT_NE(Tile(1, c), Tile(0, c));
    EXPECT_GT(Coverage(Tile(1, c)), rest / 2);
    EXPECT_LT(Coverage(Tile(9, c)), rest / 4);
    for (int f = 2; f <= 9; ++f)
      EXPECT_NE(Tile(f, c), Tile(f - 1, c)) << "break " << f;
    // Preview and reserved mark: a ball, and a small one.
    EXPECT_GT(Coverage(Tile(10, c)), rest / 2);
    EXPECT_LT(Coverage(Tile(11, c)), rest / 2);
    EXPECT_GT(Coverage(Tile(11, c)), 8);
    // Growing: each step larger, the last about the size of the ball at rest.
    for (int f = 13; f <= 15; ++f) {
      EXPECT_GT(Coverage(Tile(f, c)), Coverage(Tile(f - 1, c))) << "grow " << f;
    }
    EXPECT_GT(Coverage(Tile(15, c)), rest * 3 / 4);
    // Bouncing: every frame moves, and the ball rises above its resting place and comes back.
    double highest = 99, lowest = -1;
    for (int f = 16; f <= 23; ++f) {
      EXPECT_NE(Tile(f, c), Tile(f == 16 ? 23 : f - 1, c)) << "bounce " << f;
      highest = std::min(highest, CentreY(Tile(f, c)));
      lowest = std::max(lowest, CentreY(Tile(f, c)));
    }
    EXPECT_GE(lowest - highest, 1.5);
  }
}

TEST_P(SkinFrames, WalkMarksPointFourWays) {
  std::array<QImage, 4> tiles;
  for (int t = 0; t < 4; ++t) {
    tiles[t] = walk_.copy(32 * t, 0, 32, 32);
    EXPECT_GT(Coverage(tiles[t]), 20) << t;
  }
  // Each mark is the right-pointing one turned: mirrored for left, rotated for up and down. A
  // swapped pair would match its turned partner worse than an unturned one.
  const auto ink = [&](const QImage& tile) {
    std::vector<int> map(32 * 32);
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const QRgb a = tile.pixel(x, y), b = inner_.pixel(x, y);
        map[32 * y + x] = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b));
      }
    }
    return map;
  };
  const auto turned = [](const std::vector<int>& map, int how) {
    std::vector<int> out(map.size());
    for (int b = 0; b < 32; ++b) {
      for (int a = 0; a < 32; ++a) {
        int x = a, y = b;
        if (how == 1)
          x = 31 - a;  // mirrored: left
        if (how == 2) {
          x = 31 - b;
          y = a;
        }  // turned a quarter to the left: up
        if (how == 3) {
          x = b;
          y = 31 - a;
        }  // turned a quarter to the right: down
        out[32 * b + a] = map[32 * y + x];
      }
    }
    return out;
  };
  const auto distance = [](const std::vector<int>& p, const std::vector<int>& q) {
    long d = 0;
    for (size_t i = 0; i < p.size(); ++i)
      d += std::abs(p[i] - q[i]);
    return d;
  };
  const std::vector<int> right = ink(tiles[0]);
  for (int t = 1; t < 4; ++t) {
    const std::vector<int> mark = ink(tiles[t]);
    EXPECT_LT(distance(turned(right, t), mark), distance(right, mark)) << "mark " << t;
    for (int other = 1; other < 4; ++other) {
      if (other == t)
        continue;
      EXPECT_LT(distance(turned(right, t), mark), distance(turned(right, other), mark))
          << "mark " << t << " looks turned like mark " << other;
    }
  }
}

TEST_P(SkinFrames, DigitsDiffer) {
  for (int a = 0; a < 10; ++a) {
    for (int b = a + 1; b < 10; ++b) {
      EXPECT_NE(score_.copy(16 * a, 0, 16, 20), score_.copy(16 * b, 0, 16, 20)) << a << b;
      EXPECT_NE(timer_.copy(9 * a, 0, 9, 11), timer_.copy(9 * b, 0, 9, 11)) << a << b;
    }
  }
  // The colon at x 90..98 is drawn: it is not just background.
  const QImage colon = timer_.copy(90, 0, 9, 11);
  int bright = 0;
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < 9; ++x)
      bright += qGray(colon.pixel(x, y)) > 100;
  }
  EXPECT_GE(bright, 2);
  EXPECT_NE(colon, timer_.copy(0, 0, 9, 11));
}

// Distances in CIELAB: a coarse check that every skin keeps its balls apart for every colour
// vision; the default skin is held to the finer measure in the colour-vision test.
TEST_P(SkinFrames, BallColorsStayApartForColorBlindPlayers) {
  ForEachBallPair(balls_, [](Vision v, int a, int b, const Rgb& lab_a, const Rgb& lab_b) {
    const double d = std::hypot(lab_a[0] - lab_b[0], lab_a[1] - lab_b[1], lab_a[2] - lab_b[2]);
    EXPECT_GT(d, 20.0) << VisionName(v) << ": colours " << a << " and " << b;
  });
}

INSTANTIATE_TEST_SUITE_P(AllSkins, SkinFrames, ::testing::Values("classic", "retro", "gems"));

}  // namespace
}  // namespace orbello::art::testing
