// The language the programs speak: chosen from the player's locale as desktop programs choose it
// (the LANGUAGE list first, then LC_ALL, LC_MESSAGES and LANG), among the languages shipped.
#pragma once

#include <QString>
#include <QStringList>

namespace orbello::platform {

// The languages shipped beside English, as catalogue and folder suffixes.
const QStringList& ShippedLanguages();

// The first of `ui_languages` (as QLocale::uiLanguages gives them: "de-AT", "pt", "zh-Hans-SG")
// that a shipped language serves: the exact one, else its language's own (pt_PT to pt_BR, zh_SG
// to zh_CN). An empty string means English, also for C and POSIX and for any language not shipped.
QString ChooseLanguage(const QStringList& ui_languages);

// The language of this process, chosen once from the system locale. ORBELLO_PSEUDO_LANGUAGE=1
// selects "xx", the pseudo-language (never shipped) that the tests use to find clipped texts.
const QString& UiLanguage();

}  // namespace orbello::platform
