#include "platform/qt/language.h"

#include <QLocale>

namespace orbello::platform {

const QStringList& ShippedLanguages() {
  static const QStringList languages = {"de", "fr", "es", "it",    "pt_BR",
                                        "pl", "ru", "uk", "zh_CN", "ja"};
  return languages;
}

QString ChooseLanguage(const QStringList& ui_languages) {
  for (const QString& entry : ui_languages) {
    QString name = entry;
    name.replace(u'-', u'_');
    const qsizetype dot = name.indexOf(u'.');  // "de_DE.UTF-8"
    if (dot >= 0)
      name.truncate(dot);
    const qsizetype at = name.indexOf(u'@');  // "sr_RS@latin"
    if (at >= 0)
      name.truncate(at);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
      continue;
    const QString language = name.section(u'_', 0, 0).toLower();
    if (language == u"en")
      return {};
    if (language == u"zh") {
      // Traditional scripts and regions are not served by the simplified catalogue.
      const bool traditional = name.contains(u"Hant") || name.endsWith(u"_TW") ||
                               name.endsWith(u"_HK") || name.endsWith(u"_MO");
      if (!traditional)
        return QStringLiteral("zh_CN");
      continue;
    }
    if (language == u"pt")
      return QStringLiteral("pt_BR");
    if (ShippedLanguages().contains(language))
      return language;
  }
  return {};
}

const QString& UiLanguage() {
  static const QString language = [] {
    if (qEnvironmentVariableIntValue("ORBELLO_PSEUDO_LANGUAGE") == 1)
      return QStringLiteral("xx");
    return ChooseLanguage(QLocale::system().uiLanguages());
  }();
  return language;
}

}  // namespace orbello::platform
