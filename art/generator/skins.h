// The skins: five pictures each, drawn frame by frame.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <array>
#include <vector>

namespace orbello::art {

inline constexpr int kBallColors = 7;
inline constexpr int kBallFrames = 24;
inline constexpr int kTile = 32;
inline constexpr int kCell = 36;

// Frame columns of the balls picture.
inline constexpr int kFrameRest = 0;
inline constexpr int kFrameFirstBreak = 1;  // 1..9
inline constexpr int kFramePreview = 10;
inline constexpr int kFrameReserved = 11;
inline constexpr int kFrameFirstGrow = 12;    // 12..15
inline constexpr int kFrameFirstBounce = 16;  // 16..23

struct SkinPictures {
  QString name;
  QImage board;  // 36 x 36
  QImage score;  // 160 x 20
  QImage balls;  // 768 x 224
  QImage timer;  // 99 x 11
  QImage walk;   // 128 x 32
};

// The seven ball colours, chosen so that they stay apart in hue and lightness also for the
// common colour-vision deficiencies.
const std::array<QColor, kBallColors>& BallColors();

SkinPictures PaintClassicSkin();
SkinPictures PaintRetroSkin();
// Cut stones on velvet, each colour with its own cut.
SkinPictures PaintGemsSkin();
std::vector<SkinPictures> PaintAllSkins();

}  // namespace orbello::art
