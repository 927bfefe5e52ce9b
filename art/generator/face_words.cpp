#include "face_words.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QList>

#include <algorithm>
#include <cmath>

namespace orbello::art {

namespace {

// A language's words and its names of the ball colours, in the English colours' order.
struct Language {
  FaceWords words;
  std::array<QString, 7> colors;
};

// The table the generator draws from, read from the tab-separated file beside its sources.
const std::vector<Language>& Languages() {
  static const std::vector<Language> all = [] {
    QFile file(QStringLiteral(ORBELLO_FACE_WORDS_TSV));
    if (!file.open(QIODevice::ReadOnly))
      qFatal("orbello-artgen: cannot read %s", ORBELLO_FACE_WORDS_TSV);
    std::vector<Language> languages;
    for (const QByteArray& line : file.readAll().split('\n')) {
      if (line.isEmpty() || line.startsWith('#'))
        continue;
      const QList<QByteArray> fields = line.split('\t');
      if (fields.size() != 20)
        qFatal("orbello-artgen: %s: not 20 fields: %s", ORBELLO_FACE_WORDS_TSV, line.constData());
      const auto field = [&](int at) { return QString::fromUtf8(fields[at]); };
      Language language;
      // The first row is English, drawn without a language suffix.
      language.words.language = languages.empty() ? QString() : field(0);
      for (int i = 0; i < 7; ++i)
        language.words.commands[i] = field(1 + i);
      for (int i = 0; i < 3; ++i)
        language.words.game_types[i] = field(8 + i);
      language.words.champion = field(11);
      language.words.score = field(12);
      for (int i = 0; i < 7; ++i)
        language.colors[i] = field(13 + i);
      languages.push_back(language);
    }
    if (languages.empty())
      qFatal("orbello-artgen: %s has no English row", ORBELLO_FACE_WORDS_TSV);
    return languages;
  }();
  return all;
}

FaceWords Pseudo(const FaceWords& english) {
  FaceWords words = english;
  words.language = QStringLiteral("xx");
  words.shipped = false;
  for (QString& w : words.commands)
    w = PseudoWord(w);
  for (QString& w : words.game_types)
    w = PseudoWord(w);
  words.champion = PseudoWord(words.champion);
  words.score = PseudoWord(words.score);
  return words;
}

}  // namespace

const std::vector<FaceWords>& AllFaceWords() {
  static const std::vector<FaceWords> all = [] {
    std::vector<FaceWords> v;
    for (const Language& language : Languages())
      v.push_back(language.words);
    v.push_back(Pseudo(v.front()));
    return v;
  }();
  return all;
}

const FaceWords& EnglishWords() {
  return AllFaceWords().front();
}

QString ColorName(const QString& language, const QString& english) {
  // English is the first row, and its names are the keys; it has no name of its own here.
  const std::vector<Language>& all = Languages();
  const auto key = std::find(all.front().colors.begin(), all.front().colors.end(), english);
  if (language.isEmpty() || key == all.front().colors.end())
    return {};
  for (const Language& row : all) {
    if (row.words.language == language)
      return row.colors[key - all.front().colors.begin()];
  }
  return {};
}

QString PseudoWord(const QString& english) {
  static const QString kPlain = QStringLiteral("AaCcEeIiNnOoSsUuYy");
  static const QString kAccented = QStringLiteral("ÅåÇçÉéÎîÑñÖöŠšÜüÝý");
  QString word;
  for (QChar c : english) {
    const qsizetype at = kPlain.indexOf(c);
    word += at >= 0 ? kAccented[at] : c;
  }
  // Padded to 1.4 times the letters, so that a picture made for English words shows the clipping.
  const qsizetype target = static_cast<qsizetype>(std::ceil(english.size() * 1.4));
  while (word.size() < target)
    word += english == english.toUpper() ? QChar(u'Ø') : QChar(u'ø');
  return word;
}

bool IsCjk(const QString& language) {
  return language == u"zh_CN" || language == u"ja";
}

QString LabelFamily(const QString& language) {
  if (language == u"zh_CN")
    return QStringLiteral("Noto Sans CJK SC");
  if (language == u"ja")
    return QStringLiteral("Noto Sans CJK JP");
  return QStringLiteral("DejaVu Sans");
}

bool LoadLabelFonts() {
  // Debian's fonts-dejavu-extra for longer words, fonts-noto-cjk (one collection holds the
  // Chinese and the Japanese faces) for Chinese and Japanese.
  return QFontDatabase::addApplicationFont(QStringLiteral(
             "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf")) >= 0 &&
         QFontDatabase::addApplicationFont(
             QStringLiteral("/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc")) >= 0;
}

bool FontCovers(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  for (const uint c : text.toUcs4()) {
    if (!metrics.inFontUcs4(c))
      return false;
  }
  return true;
}

}  // namespace orbello::art
