// Which help file F1 opens: the book in the player's language, else the English one.
#pragma once

#include <QString>

#include <string>

namespace orbello {

struct HelpBook {
  std::string file;  // kept as bytes: the installation folder's name need not be text
  QString title;     // what the help viewer's window title begins with
};

// The help book in `program_folder` for `language` (as platform::UiLanguage gives it; "" is
// English): cvob_<language>.chm with its title when that file is there, else cvob.chm with the
// English title.
HelpBook HelpBookFor(const std::string& program_folder, const QString& language);

}  // namespace orbello
