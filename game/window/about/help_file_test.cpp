// Which help book F1 opens, and the books the build makes: one per shipped language.
#include "game/window/about/help_file.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/qt/language.h"

namespace orbello {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(HelpFileTest, ThePlayersLanguageWhenItsBookIsThereElseEnglish) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string folder = dir.path().toStdString();
  for (const char* name : {"cvob.chm", "cvob_de.chm"}) {
    QFile f(dir.path() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir("cvob_ru.chm"));

  const HelpBook german = HelpBookFor(folder, "de");
  EXPECT_EQ(german.file, folder + "/cvob_de.chm");
  EXPECT_EQ(german.title, "Hilfe zu Corvane Orbello");
  // No book of its own (French), a folder in its place (Russian), English, the pseudo-language.
  for (const char* language : {"fr", "ru", "", "xx"}) {
    const HelpBook book = HelpBookFor(folder, language);
    EXPECT_EQ(book.file, folder + "/cvob.chm") << language;
    EXPECT_EQ(book.title, "Corvane Orbello Help") << language;
  }
}

// A value set in a book's book.cmake.
QString BookSetting(const QString& book_folder, const QString& name) {
  const QString text = QString::fromUtf8(ReadAll(book_folder + "/book.cmake"));
  const QRegularExpressionMatch m =
      QRegularExpression("set\\(" + name + " \"?(.*?)\"?\\)\\n").match(text);
  return m.hasMatch() ? m.captured(1) : QString();
}

QByteArray Encode(const QString& text, const QString& codepage) {
  iconv_t cd = iconv_open(codepage.toLatin1().constData(), "UTF-8");
  if (cd == iconv_t(-1))
    return {};
  QByteArray in = text.toUtf8();
  QByteArray out(in.size() * 4, '\0');
  char* src = in.data();
  char* dst = out.data();
  size_t src_left = in.size(), dst_left = out.size();
  const bool ok = iconv(cd, &src, &src_left, &dst, &dst_left) != size_t(-1);
  iconv_close(cd);
  return ok ? out.left(out.size() - int(dst_left)) : QByteArray();
}

// The tags, links, anchors and pictures of a page, in order: a translation keeps them all.
std::string Structure(const QString& page_source) {
  QStringList parts;
  const QString text = QString::fromUtf8(ReadAll(page_source));
  const QRegularExpression part(
      "<(/?\\w+)|(?:href|src|value)=\"([^\"]*\\.(?:html|png|css)(?:#[^\"]*)?)\""
      "|name=\"([^\"]*)\"");
  for (auto it = part.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    parts << m.captured(1) + m.captured(2) + m.captured(3);
  }
  return parts.join(' ').toStdString();
}

TEST(HelpFileTest, EveryLanguageHasItsBookWithEveryPageAndTheTitleF1Names) {
  const QStringList languages = QString(ORBELLO_HELP_LANGUAGES).split(',');
  EXPECT_EQ(languages, platform::ShippedLanguages());
  const QStringList pages = QString(ORBELLO_HELP_PAGES).split(',');
  ASSERT_FALSE(pages.isEmpty());
  const QString sources = ORBELLO_HELP_SOURCES;
  for (const QString& language : QStringList{""} + languages) {
    const QString folder = sources + "/" + (language.isEmpty() ? "pages" : language);
    const QString file = language.isEmpty() ? "cvob.chm" : "cvob_" + language + ".chm";
    const QByteArray book = ReadAll(QString(ORBELLO_HELP_DIR) + "/" + file);
    ASSERT_FALSE(book.isEmpty()) << file.toStdString();
    for (const QString& page : pages) {
      EXPECT_TRUE(book.contains(("/" + page + ".html").toUtf8()))
          << file.toStdString() << ": " << page.toStdString();
      if (!language.isEmpty()) {
        EXPECT_EQ(Structure(folder + "/" + page + ".html.in"),
                  Structure(sources + "/pages/" + page + ".html.in"))
            << file.toStdString() << ": " << page.toStdString();
      }
    }
    EXPECT_EQ(Structure(folder + "/toc.hhc"), Structure(sources + "/pages/toc.hhc"))
        << file.toStdString();
    // The viewer's window shows the book's title, stored in the book's code page; F1 looks for
    // the same title to close the viewer again.
    const QString title = BookSetting(folder, "HELP_BOOK_TITLE");
    const HelpBook chosen = HelpBookFor(ORBELLO_HELP_DIR, language);
    EXPECT_EQ(chosen.file, (QString(ORBELLO_HELP_DIR) + "/" + file).toStdString());
    EXPECT_EQ(chosen.title, title);
    const QByteArray stored = Encode(title, BookSetting(folder, "HELP_CODEPAGE"));
    ASSERT_FALSE(stored.isEmpty()) << file.toStdString();
    EXPECT_TRUE(book.contains(stored)) << file.toStdString() << ": " << title.toStdString();
  }
}

}  // namespace
}  // namespace orbello
