// Every player tells the default skin's seven balls apart, whichever colour vision they have.
#include <gtest/gtest.h>

#include <QString>

#include <sstream>

#include "art_test_util.h"
#include "color_vision.h"

namespace orbello::art::testing {
namespace {

TEST(ColorVision, DifferenceAgreesWithThePublishedPairs) {
  // Pairs from Sharma, Wu and Dalal (2005), chosen to cover the hue-angle wrap, the mean hue
  // across 0/360 degrees, a grey, and very dark colours.
  const struct {
    Rgb lab1, lab2;
    double expected;
  } pairs[] = {
      {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
      {{50, 0, 0}, {50, -1, 2}, 2.3669},
      {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792},
      {{50, 2.49, -0.001}, {50, -2.49, 0.0011}, 7.2195},
      {{50, -0.001, 2.49}, {50, 0.0009, -2.49}, 4.8045},
      {{50, -0.001, 2.49}, {50, 0.0011, -2.49}, 4.7461},
      {{50, 2.5, 0}, {56, -27, -3}, 31.9030},
      {{50, 2.5, 0}, {50, 3.1736, 0.5854}, 1.0000},
      {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
      {{22.7233, 20.0904, -46.694}, {23.0331, 14.973, -42.5619}, 2.0373},
      {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
      {{2.0776, 0.0795, -1.135}, {0.9033, -0.0636, -0.5514}, 0.9082},
  };
  for (const auto& p : pairs) {
    EXPECT_NEAR(Ciede2000(p.lab1, p.lab2), p.expected, 1e-4) << "expected " << p.expected;
    EXPECT_NEAR(Ciede2000(p.lab2, p.lab1), p.expected, 1e-4) << "swapped, expected " << p.expected;
  }
}

TEST(ColorVision, DefaultSkinBallsStayApartForEveryColorVision) {
  // The skin a new installation starts with.
  const QImage balls = Load("skin-bmp/classic/balls.bmp");
  ASSERT_FALSE(balls.isNull());
  std::ostringstream too_close;
  ForEachBallPair(balls, [&](Vision v, int a, int b, const Rgb& lab_a, const Rgb& lab_b) {
    const double d = Ciede2000(lab_a, lab_b);
    if (d < 10)
      too_close << "\n  " << VisionName(v) << ": colours " << a << " and " << b << " are " << d
                << " apart";
  });
  EXPECT_TRUE(too_close.str().empty()) << "ball colours closer than 10:" << too_close.str();
}

}  // namespace
}  // namespace orbello::art::testing
