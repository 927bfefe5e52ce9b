#include "platform/qt/translation.h"

#include <sys/stat.h>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <string>

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/qt/language.h"

namespace orbello::platform {
namespace {

// Our catalogues take some tens of kilobytes.
constexpr size_t kMaxCatalogueBytes = 4 << 20;

// The file of our catalogue for `language` ("de", "xx"), as bytes (the program's folder need not
// be text); empty when there is none.
std::string CatalogueFile(const QString& language) {
  const std::string name = "orbello_" + language.toStdString() + ".qm";
  // Installed beside the programs; the pseudo-language is never installed.
  const std::string beside = ProgramFolder() + '/' + name;
  struct stat st {};
  if (::stat(beside.c_str(), &st) == 0)
    return beside;
#ifdef ORBELLO_BUILD_CATALOGUES
  const std::string built = ORBELLO_BUILD_CATALOGUES "/" + name;
  if (::stat(built.c_str(), &st) == 0)
    return built;
#endif
  return {};
}

struct Catalogues {
  Catalogues() {
    const QString& language = UiLanguage();
    if (language.isEmpty())
      return;
    // Read by the file's bytes and bounded: the folder's name need not be text, and a FIFO or a
    // device in the catalogue's place is refused rather than read.
    const std::string file = CatalogueFile(language);
    ours_loaded = !file.empty() && ReadRegularFile(file, kMaxCatalogueBytes, &ours_bytes) &&
                  ours.load(reinterpret_cast<const uchar*>(ours_bytes.data()),
                            static_cast<int>(ours_bytes.size()));
    // The pseudo-language has no Qt catalogue; Qt's words stay English there.
    qt_loaded = qt.load(QStringLiteral("qtbase_") + language,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }

  std::string ours_bytes;  // what `ours` translates from, for as long as it is installed
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
