// The words drawn on the window's pictures, in English and in each language the game ships, and
// the fonts that draw them.
#pragma once

#include <QFont>
#include <QString>

#include <array>
#include <vector>

namespace orbello::art {

struct FaceWords {
  QString language;                   // "" for English; folder and resource suffix otherwise
  std::array<QString, 7> commands;    // New, Load, Save, Score, Set, About, Quit
  std::array<QString, 3> game_types;  // Lines, Squares, Blocks
  QString champion;                   // the captions under the two displays
  QString score;
  bool shipped = true;  // false for the pseudo-language, drawn for the tests only
};

// English first, then the shipped languages, then the pseudo-language "xx".
const std::vector<FaceWords>& AllFaceWords();
const FaceWords& EnglishWords();

// A ball colour's name (one of the shipped skins' English names: "red", "light blue", ...) in a
// shipped language, in the form of "a red ball"; empty when the table lacks it.
QString ColorName(const QString& language, const QString& english);

// The pseudo-language's form of an English word: accented, and about 40 % longer.
QString PseudoWord(const QString& english);

// The family that draws a language's words: DejaVu for Latin and Cyrillic, the CJK faces of the
// Noto fonts for Chinese and Japanese (each with its own glyph forms).
QString LabelFamily(const QString& language);
bool IsCjk(const QString& language);

// Registers the condensed DejaVu and the CJK fonts from their Debian folders; false when any is
// missing.
bool LoadLabelFonts();

// True when `font` itself (no fallback) has a glyph for every character of `text`.
bool FontCovers(const QFont& font, const QString& text);

}  // namespace orbello::art
