// The programs' words in the player's language: the catalogue of UiLanguage() (i18n/) and Qt's own
// (qtbase_<language>.qm from Qt's translations folder). Only that language's catalogues are read;
// English reads none.
#pragma once

#include <QString>

namespace orbello::platform {

// Loads the player's catalogues once and installs them in the application, which must exist.
// Ours is looked for beside the program, then in the build tree (tests and programs run from
// there). False when the language is not English and our catalogue was not found: the words then
// stay English.
bool InstallTranslations();

// `text` of `context` in the player's language, also before the application exists (the display
// is chosen first, and what it says on failing is said before any window).
QString Translate(const char* context, const char* text);

}  // namespace orbello::platform
