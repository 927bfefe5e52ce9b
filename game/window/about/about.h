// Help and the About box of the game.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace orbello {

// The maker's addresses shown in the About box and opened from its links.
inline constexpr char kSupportAddress[] = "help@corvane.example";
inline constexpr char kWebSiteShown[] = "www.corvane.example";
inline constexpr char kWebPageAddress[] = "https://www.corvane.example/orbello/";
// The help viewer's window title begins with this (the launcher puts the book's title first).
inline constexpr char kHelpTitlePrefix[] = "Corvane Orbello Help";

// The help file that the help command opens: cvob.chm in the program's folder (bytes: the folder's
// name need not be text).
std::string HelpFilePath();

// The help command: opens HelpFilePath() in the help viewer, owned by `owner`, and raises the help
// flag whatever the request returns. A viewer this game started that still runs comes to the front
// instead of a second one. When the request fails, shows "Orbello can't run help file" (caption
// "Warning!", error icon, no owner). Returns whether the request was accepted.
bool OpenHelp(QWidget* owner);

// The help flag: set by the first OpenHelp of the run, never cleared.
bool HelpRequested();

// At the end of the game: closes the help viewer this game started, known by its processes, and
// nothing else whatever its title. Returns whether there was one.
bool CloseHelpWindow();

// Runs the About box "About Orbello" modally, owned by `owner`, with its top-left corner at
// (-3, -1) from the top-left corner of `board_panel` (Panel3) so that it covers the board; centred
// over the owner when `board_panel` is null. Returns when the box closes.
void ShowAbout(QWidget* owner, QWidget* board_panel);

// The "mailto:" request made by a click on the e-mail link.
QString SupportMailUrl();

}  // namespace orbello
