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

// A ball colour and the name a player calls it by, which a screen reader speaks.
struct BallColor {
  QColor color;
  const char* name;  // lower case, 1..40 printable characters, distinct within a skin
};
using BallPalette = std::array<BallColor, kBallColors>;

struct SkinPictures {
  QString name;
  BallPalette palette;
  QImage board;  // 36 x 36
  QImage score;  // 160 x 20
  QImage balls;  // 768 x 224
  QImage timer;  // 99 x 11
  QImage walk;   // 128 x 32
};

// The house colours: the balls of the retro and gems skins and of the tools' pictures, chosen
// so that they stay apart in hue and lightness also for the common colour-vision deficiencies.
const BallPalette& HousePalette();

SkinPictures PaintClassicSkin();
SkinPictures PaintRetroSkin();
// Cut stones on velvet, each colour with its own cut.
SkinPictures PaintGemsSkin();
std::vector<SkinPictures> PaintAllSkins();

}  // namespace orbello::art
