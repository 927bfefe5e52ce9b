// The game window's own pictures: backdrop, button faces, caption buttons, menu band, game-type
// labels, dialog tile and the program icons.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <QFont>
#include <QRectF>

#include <array>
#include <vector>

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

struct FaceWords;

// The words on the pictures, each in the font that fits it into its place.
struct FittedLabel {
  QString text;
  QFont font;
  qreal dx = 0;  // whole pixels off its centre, where that keeps a longer word in its area
};
struct LabelSet {
  std::array<FittedLabel, kCommandRows> commands;
  std::array<FittedLabel, 3> game_types;
  FittedLabel champion;
  FittedLabel score;
};

// Where a label stands: the boxes it is centred in (a face's also as pressed, a pixel down and
// right) and the text area, margins included, that its drawn text must stay in.
enum class LabelKind { kFace, kGameType, kCaption };
struct LabelPlace {
  LabelKind kind;
  QString what;
  std::vector<QRectF> boxes;
  QRectF area;
};
// The places of the commands, the game types, then the two captions.
const std::vector<LabelPlace>& LabelPlaces();
// The labels of `set` in the order of LabelPlaces().
std::vector<const FittedLabel*> LabelsInOrder(const LabelSet& set);

// A label's drawn extent (text and shadow, in logical pixels, at 1x and 2x together) beside its
// area; `covered` is false when the font lacks a glyph of the text.
struct LabelExtent {
  QString what;
  QString text;
  QRectF ink;
  QRectF area;
  bool covered;
  bool Fits() const { return covered && !ink.isEmpty() && area.contains(ink); }
};

// Each word in the first font of its ladder that keeps it inside its area at both scales
// (English words take today's fonts); a word that fits no font keeps the last one.
LabelSet FitLabels(const FaceWords& words);
const LabelSet& EnglishLabels();
// The extents of a set's labels, drawn at both scales with the fonts chosen.
std::vector<LabelExtent> MeasureLabels(const LabelSet& set);

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

GameArt PaintGameArt();  // in English
GameArt PaintGameArt(const LabelSet& labels);

// Vector icons at any size (square, transparent background).
QImage PaintGameIcon(int size);
QImage PaintCompilerIcon(int size);
QImage PaintUninstallerIcon(int size);
QImage PaintHelpIcon(int size);

// A gold-on-blue glossy sphere of the window's own style; used by several pictures.
void PaintWindowBall(class QPainter& p, const QRectF& box, bool gold);

}  // namespace orbello::art
