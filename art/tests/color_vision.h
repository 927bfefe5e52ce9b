// How colours look to players with a colour-vision deficiency, and how far apart two colours
// look. Dichromacy is simulated with the matrices of Machado, Oliveira and Fernandes (2009) at
// full severity, applied to linear sRGB; colours are compared in CIELAB under D65.
#pragma once

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace orbello::art::testing {

using Rgb = std::array<double, 3>;

enum class Vision { kNormal, kProtanopia, kDeuteranopia, kTritanopia };
inline constexpr Vision kVisions[] = {Vision::kNormal, Vision::kProtanopia, Vision::kDeuteranopia,
                                      Vision::kTritanopia};
// By vision, in the order of kVisions.
inline constexpr const char* kVisionNames[] = {"normal vision", "protanopia", "deuteranopia",
                                               "tritanopia"};
static_assert(std::size(kVisionNames) == std::size(kVisions));

inline const char* VisionName(Vision v) {
  return kVisionNames[static_cast<int>(v)];
}

inline double Linear(int c) {
  const double v = c / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// A linear sRGB colour as it looks with `vision`.
inline Rgb Seen(Vision vision, const Rgb& l) {
  static const double kMatrix[4][3][3] = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
                                          {{0.152286, 1.052583, -0.204868},
                                           {0.114503, 0.786281, 0.099216},
                                           {-0.003882, -0.048116, 1.051998}},
                                          {{0.367322, 0.860646, -0.227968},
                                           {0.280085, 0.672501, 0.047413},
                                           {-0.011820, 0.042940, 0.968881}},
                                          {{1.255528, -0.076749, -0.178779},
                                           {-0.078411, 0.930809, 0.147602},
                                           {0.004733, 0.691367, 0.303900}}};
  const auto& m = kMatrix[static_cast<int>(vision)];
  Rgb seen;
  for (int r = 0; r < 3; ++r)
    seen[r] = std::clamp(m[r][0] * l[0] + m[r][1] * l[1] + m[r][2] * l[2], 0.0, 1.0);
  return seen;
}

// Linear sRGB to CIELAB (D65).
inline Rgb Lab(const Rgb& l) {
  const double x = (0.4124 * l[0] + 0.3576 * l[1] + 0.1805 * l[2]) / 0.95047;
  const double y = 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
  const double z = (0.0193 * l[0] + 0.1192 * l[1] + 0.9505 * l[2]) / 1.08883;
  const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// CIEDE2000 colour difference of two CIELAB colours (kL = kC = kH = 1).
inline double Ciede2000(const Rgb& lab1, const Rgb& lab2) {
  constexpr double kPi = 3.14159265358979323846;
  const auto deg = [](double rad) { return rad * 180.0 / kPi; };
  const auto rad = [](double d) { return d * kPi / 180.0; };
  const auto pow7 = [](double v) { return std::pow(v, 7.0); };
  const double c_bar = (std::hypot(lab1[1], lab1[2]) + std::hypot(lab2[1], lab2[2])) / 2;
  const double g = 0.5 * (1 - std::sqrt(pow7(c_bar) / (pow7(c_bar) + pow7(25.0))));
  const double a1 = (1 + g) * lab1[1], a2 = (1 + g) * lab2[1];
  const double c1 = std::hypot(a1, lab1[2]), c2 = std::hypot(a2, lab2[2]);
  const auto hue = [&](double a, double b) {
    if (a == 0 && b == 0)
      return 0.0;
    const double h = deg(std::atan2(b, a));
    return h < 0 ? h + 360 : h;
  };
  const double h1 = hue(a1, lab1[2]), h2 = hue(a2, lab2[2]);
  const double dl = lab2[0] - lab1[0], dc = c2 - c1;
  double dh = 0;
  if (c1 * c2 != 0) {
    dh = h2 - h1;
    if (dh > 180)
      dh -= 360;
    else if (dh < -180)
      dh += 360;
  }
  const double d_big_h = 2 * std::sqrt(c1 * c2) * std::sin(rad(dh / 2));
  const double l_bar = (lab1[0] + lab2[0]) / 2, c_bar2 = (c1 + c2) / 2;
  double h_bar = h1 + h2;
  if (c1 * c2 != 0) {
    if (std::abs(h1 - h2) <= 180)
      h_bar /= 2;
    else
      h_bar = h_bar < 360 ? (h_bar + 360) / 2 : (h_bar - 360) / 2;
  }
  const double t = 1 - 0.17 * std::cos(rad(h_bar - 30)) + 0.24 * std::cos(rad(2 * h_bar)) +
                   0.32 * std::cos(rad(3 * h_bar + 6)) - 0.20 * std::cos(rad(4 * h_bar - 63));
  const double d_theta = 30 * std::exp(-std::pow((h_bar - 275) / 25, 2));
  const double rc = 2 * std::sqrt(pow7(c_bar2) / (pow7(c_bar2) + pow7(25.0)));
  const double sl = 1 + 0.015 * std::pow(l_bar - 50, 2) / std::sqrt(20 + std::pow(l_bar - 50, 2));
  const double sc = 1 + 0.045 * c_bar2, sh = 1 + 0.015 * c_bar2 * t;
  const double rt = -std::sin(rad(2 * d_theta)) * rc;
  const double pl = dl / sl, pc = dc / sc, ph = d_big_h / sh;
  return std::sqrt(pl * pl + pc * pc + ph * ph + rt * pc * ph);
}

// The colour a player takes for a ball's own: the mean, in linear light, of a patch in the
// middle of the ball at rest, below its highlight and above the light bounced from the board.
inline Rgb BodyColor(const QImage& tile) {
  Rgb sum{0, 0, 0};
  int n = 0;
  for (int y = 15; y < 21; ++y) {
    for (int x = 13; x < 19; ++x) {
      const QRgb p = tile.pixel(x, y);
      sum[0] += Linear(qRed(p));
      sum[1] += Linear(qGreen(p));
      sum[2] += Linear(qBlue(p));
      ++n;
    }
  }
  return {sum[0] / n, sum[1] / n, sum[2] / n};
}

// Calls check(vision, a, b, lab_a, lab_b) for every vision and every pair a < b of the seven
// balls at rest (column 0 of a skin's balls picture), with their body colours in CIELAB as seen
// with that vision.
template <class Check>
void ForEachBallPair(const QImage& balls, Check check) {
  std::array<Rgb, 7> body;
  for (int c = 0; c < 7; ++c)
    body[c] = BodyColor(balls.copy(0, 32 * c, 32, 32));
  for (const Vision v : kVisions) {
    std::array<Rgb, 7> lab;
    for (int c = 0; c < 7; ++c)
      lab[c] = Lab(Seen(v, body[c]));
    for (int a = 0; a < 7; ++a) {
      for (int b = a + 1; b < 7; ++b)
        check(v, a, b, lab[a], lab[b]);
    }
  }
}

}  // namespace orbello::art::testing
