// Help and the About box of the game.
#pragma once

#include <QString>

class QWidget;

namespace orbello {

// The maker's addresses shown in the About box and opened from its links.
inline constexpr char kSupportAddress[] = "help@corvane.example";
inline constexpr char kWebSiteShown[] = "www.corvane.example";
inline constexpr char kWebPageAddress[] = "https://www.corvane.example/orbello/";
// The text that the help viewer's window title begins with.
inline constexpr char kHelpTitlePrefix[] = "Corvane Orbello Help";

// The help command: asks the shell to open cvob.chm in the program's folder, owned by `owner`,
// and raises the help flag whatever the request returns. When the request fails, shows
// "Orbello can't run help file" (caption "Warning!", error icon, no owner). Returns whether the
// request was accepted.
bool OpenHelp(QWidget* owner);

// The help flag: set by the first OpenHelp of the run, never cleared.
bool HelpRequested();

// At the end of the game: closes the first visible top-level window whose title is longer than
// "Corvane Orbello Help" and begins with it. Does nothing where there is no X11 display.
// Returns whether a window was asked to close.
bool CloseHelpWindow();

// Runs the About box "About Orbello" modally, owned by `owner`, with its top-left corner at
// (-3, -1) from the top-left corner of `board_panel` (Panel3) so that it covers the board; centred
// over the owner when `board_panel` is null. Returns when the box closes.
void ShowAbout(QWidget* owner, QWidget* board_panel);

// The "mailto:" request made by a click on the e-mail link.
QString SupportMailUrl();

}  // namespace orbello
