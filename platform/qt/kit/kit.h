// The hand-drawn controls' common look, shared by the game's dialogs, About, the skin compiler and
// the uninstaller: the dialog font, darkened faces, 3-D edges in the system's colours, the focus
// rectangle, centring on the monitor and a Tab cycle of our own.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QKeyEvent;
class QPainter;
class QWidget;

namespace orbello::kit {

// The stand-in for the system's default GUI font, 11 pixels high: the condensed face of the
// hand-drawn controls, or the plain face narrowed a little (the uninstaller's standard controls).
enum class FontWidth { kCondensed, kSemiCondensed };
QFont GuiFont(FontWidth width = FontWidth::kCondensed);

// The system's window-text colour, as the palette gives it now.
QColor WindowTextColor();

// Every channel becomes (percent x channel + (100 - percent) x colour's channel) / 100, in integer
// arithmetic. Works on any image format that converts to 24-bit RGB; returns the 24-bit result.
QImage DarkenImage(const QImage& image, int percent, QColor color);

// How a pushed-in button's edge is shaded: the dialogs put the darkest shadow outside, the skin
// compiler's buttons the plain shadow.
enum class PushedEdge { kDarkShadowOutside, kShadowOutside };

// The 2-pixel edges, in the system's 3-D colours from the application palette, inside `rect`.
void DrawPushFrame(QPainter& painter, const QRect& rect, bool pushed,
                   PushedEdge pushed_edge = PushedEdge::kDarkShadowOutside);
void DrawEtchedEdge(QPainter& painter, const QRect& rect);
void DrawSunkenEdge(QPainter& painter, const QRect& rect);

// How the dotted focus rectangle is drawn: a dotted line in the button-text colour (the dialogs)
// or every other pixel of the outline inverted (the skin compiler).
enum class FocusDots { kButtonText, kInverted };
void DrawFocusRect(QPainter& painter, const QRect& rect, FocusDots dots = FocusDots::kButtonText);

// The state of an owner-drawn push button's face.
struct ButtonFace {
  bool pressed = false;
  bool disabled = false;
  bool focused = false;
};

// What differs between the windows' owner-drawn push buttons. Margins are left, top, right,
// bottom, inward.
struct ButtonLook {
  int face[4];          // the face inside the edge, repainted from the background (darkened)
  int pressed_text[4];  // the caption's rectangle when pressed
  PushedEdge pushed_edge;
  FocusDots focus_dots;
};
// The hand-drawn dialogs' buttons: the face 2 pixels in, a pressed caption 2 pixels right and down.
inline constexpr ButtonLook kDialogButtonLook{
    {2, 2, 2, 2}, {2, 2, -2, -2}, PushedEdge::kDarkShadowOutside, FocusDots::kButtonText};

// Draws a push button at `rect` of `painter`: `background` (the picture under the button, of its
// size; none leaves what is there), the edge, the face (darkened to 85 per cent when disabled on
// a `deep` screen of more than 256 colours), the caption centred on one line in the GUI font
// (embossed when disabled) and, when focused, the focus rectangle 4 pixels inside.
void DrawButton(QPainter& painter, const QRect& rect, const QString& caption,
                const QImage& background, const ButtonFace& face, const ButtonLook& look,
                bool deep);

// Centres `window`'s frame on the whole monitor nearest to it. `designed_outer`, when given,
// stands for the frame while the window is not framed yet (a window manager frames it only once
// shown).
void CentreOnMonitor(QWidget* window, QSize designed_outer = {});
// Centres `window` over `area` (global): the area's centre point less half the window's size.
void CentreOver(QWidget* window, const QRect& area);
// Centres `window` over the primary screen's work area.
void CentreOnWorkArea(QWidget* window);

// Gives the focus to the next (or, backward, the previous) control of `cycle` after `from`,
// wrapping round and skipping missing, disabled and hidden ones; from outside the cycle the
// first (or last). False when none can take it.
bool MoveFocusInCycle(const std::vector<QWidget*>& cycle, const QWidget* from, bool backward);

// For Tab and Shift+Tab, also held with Control (which Qt's own focus chain leaves alone), whether
// the key goes backward; nothing for any other key. Alt+Tab belongs to the desktop.
std::optional<bool> TabKeyBackward(const QKeyEvent& event);

}  // namespace orbello::kit
