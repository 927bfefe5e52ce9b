// The game window's own pictures: backdrop, button faces, caption buttons, menu band, game-type
// labels, dialog tile and the program icons.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

namespace orbello::art {

inline constexpr int kWindowWidth = 590;
inline constexpr int kWindowHeight = 480;
inline const QRect kGoldCircle(0, 0, 376, 376);
inline const QRect kBlueCircle(111, 0, 480, 480);
inline const QRect kBoardPanel(188, 78, 324, 324);

// Holder panels of the displays (left, top, width, height).
inline const QRect kChampHolder(251, 424, 80, 20);
inline const QRect kScoreHolder(368, 424, 80, 20);
inline const QRect kTimeHolder(407, 54, 72, 11);
inline const QRect kGameHolder(217, 54, 72, 11);
inline const QRect kPreviewHolder(300, 32, 96, 32);

// The seven command rows of BITMAP_BTN and where each face stands on the window.
struct CommandFace {
  const char* label;
  QPoint position;  // of the face's left edge (the button, or the button and its arrow)
  bool has_arrow;   // split at x 53 into button and menu arrow
};
inline constexpr int kCommandRows = 7;
extern const std::array<CommandFace, kCommandRows> kCommandFaces;
inline constexpr int kFaceWidth = 71;
inline constexpr int kFaceHeight = 31;
inline constexpr int kArrowSplit = 53;

// Caption buttons: where each 16 x 14 button stands and where its face starts in the bitmap.
struct CaptionFace {
  QPoint position;
  int bitmap_x;
};
extern const std::array<CaptionFace, 3> kCaptionFaces;  // help, minimise, close

struct GameArt {
  QImage backdrop;           // as painted
  QByteArray backdrop_jpeg;  // resource 201
  QImage backdrop_shown;     // the JPEG decoded: what the window really shows
  QImage buttons;            // BITMAP_BTN 216 x 223
  QImage save_disabled;      // BITMAP_NEW_DISABLE 72 x 32
  QImage caption;            // BITMAP_CAPTION_BTN 48 x 28
  QImage bar_menu;           // BITMAP_BAR_MENU 20 x 67
  QImage type_game;          // BITMAP_TYPE_GAME 72 x 33
  QImage back;               // BITMAP_BACK 128 x 128
  QImage icon;               // MAINICON 32 x 32
};

GameArt PaintGameArt();

// Vector icons at any size (square, transparent background).
QImage PaintGameIcon(int size);
QImage PaintCompilerIcon(int size);
QImage PaintUninstallerIcon(int size);
QImage PaintHelpIcon(int size);

// A gold-on-blue glossy sphere of the window's own style; used by several pictures.
void PaintWindowBall(class QPainter& p, const QRectF& box, bool gold);

}  // namespace orbello::art
