#include "platform/qt/translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/core/paths.h"
#include "platform/qt/language.h"

namespace orbello::platform {
namespace {

struct Catalogues {
  Catalogues() {
    const QString& language = UiLanguage();
    if (language.isEmpty())
      return;
    const QString file = CatalogueFile(language);
    ours_loaded = !file.isEmpty() && ours.load(file);
    // The pseudo-language has no Qt catalogue; Qt's words stay English there.
    qt_loaded = qt.load(QStringLiteral("qtbase_") + language,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }

  QTranslator ours;
  QTranslator qt;
  bool ours_loaded = false;
  bool qt_loaded = false;
  bool installed = false;
};

Catalogues& LoadedCatalogues() {
  static Catalogues catalogues;
  return catalogues;
}

}  // namespace

QString CatalogueFile(const QString& language) {
  const QString name = QStringLiteral("orbello_%1.qm").arg(language);
  // Installed beside the programs; the pseudo-language is never installed.
  const QString beside = QString::fromStdString(ProgramFolder()) + u'/' + name;
  if (QFileInfo::exists(beside))
    return beside;
#ifdef ORBELLO_BUILD_CATALOGUES
  const QString built = QStringLiteral(ORBELLO_BUILD_CATALOGUES "/") + name;
  if (QFileInfo::exists(built))
    return built;
#endif
  return {};
}

bool InstallTranslations() {
  Catalogues& catalogues = LoadedCatalogues();
  if (!catalogues.installed && QCoreApplication::instance() != nullptr) {
    catalogues.installed = true;
    if (catalogues.qt_loaded)
      QCoreApplication::installTranslator(&catalogues.qt);
    // Installed last, so asked first.
    if (catalogues.ours_loaded)
      QCoreApplication::installTranslator(&catalogues.ours);
  }
  return UiLanguage().isEmpty() || catalogues.ours_loaded;
}

QString Translate(const char* context, const char* text) {
  if (QCoreApplication::instance() != nullptr)
    return QCoreApplication::translate(context, text);
  const QString translated = LoadedCatalogues().ours.translate(context, text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

}  // namespace orbello::platform
