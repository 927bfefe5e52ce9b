#include "game/window/about/help_file.h"

#include <sys/stat.h>

#include <QHash>

#include "game/window/about/about.h"

namespace orbello {

namespace {

// The books' own titles (help/<language>/book.cmake).
QString TranslatedTitle(const QString& language) {
  static const QHash<QString, QString> titles = {
      {"de", "Hilfe zu Corvane Orbello"},
      {"fr", "Aide de Corvane Orbello"},
      {"es", "Ayuda de Corvane Orbello"},
      {"it", "Guida di Corvane Orbello"},
      {"pt_BR", "Ajuda do Corvane Orbello"},
      {"pl", "Pomoc programu Corvane Orbello"},
      {"ru", QString::fromUtf8("Справка Corvane Orbello")},
      {"uk", QString::fromUtf8("Довідка Corvane Orbello")},
      {"zh_CN", QString::fromUtf8("Corvane Orbello 帮助")},
      {"ja", QString::fromUtf8("Corvane Orbello ヘルプ")},
  };
  return titles.value(language);
}

}  // namespace

HelpBook HelpBookFor(const std::string& program_folder, const QString& language) {
  const QString title = TranslatedTitle(language);
  if (!title.isEmpty()) {
    std::string file = program_folder + "/cvob_" + language.toStdString() + ".chm";
    struct stat info {};
    if (stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode))
      return {std::move(file), title};
  }
  return {program_folder + "/cvob.chm", QString::fromLatin1(kHelpTitlePrefix)};
}

}  // namespace orbello
