// The five rows of the skin compiler, one per skin picture in file order, and its commands. The
// words are in English, marked for translation; the window says them in the player's language.
#pragma once

#include <QtGlobal>
#include <array>

namespace orbello::csfob {

inline constexpr const char* kWindowTitle =
    QT_TRANSLATE_NOOP("SkinCompiler", "Creator Skins for Orbello");

struct SkinRow {
  const char* picture;  // the picture's name in the skin file
  const char* label;    // the row's label, also the title of its file dialog
  int width;            // required pixel size
  int height;
  int command;               // command of the row's "..." button
  const char* size_message;  // shown when the chosen bitmap has another size
  const char* choose_name;   // what a screen reader calls the row's "..." button
};

inline constexpr int kRowCount = 5;

inline constexpr std::array<SkinRow, kRowCount> kSkinRows = {{
    {"board", QT_TRANSLATE_NOOP("SkinCompiler", "Select bitmap for board (36x36 pixels)"), 36, 36,
     201,
     QT_TRANSLATE_NOOP("SkinCompiler", "Size of bitmap for board incorrect, must be 36x36 pixels"),
     QT_TRANSLATE_NOOP("SkinCompiler", "Choose bitmap for board")},
    {"score", QT_TRANSLATE_NOOP("SkinCompiler", "Select bitmap for score (160x20 pixels)"), 160, 20,
     202,
     QT_TRANSLATE_NOOP("SkinCompiler", "Size of bitmap for score incorrect, must be 160x20 pixels"),
     QT_TRANSLATE_NOOP("SkinCompiler", "Choose bitmap for score")},
    {"balls", QT_TRANSLATE_NOOP("SkinCompiler", "Select bitmap for balls (768x224 pixels)"), 768,
     224, 203,
     QT_TRANSLATE_NOOP("SkinCompiler",
                       "Size of bitmap for balls incorrect, must be 768x224 pixels"),
     QT_TRANSLATE_NOOP("SkinCompiler", "Choose bitmap for balls")},
    {"timer", QT_TRANSLATE_NOOP("SkinCompiler", "Select bitmap for timer (99x11 pixels)"), 99, 11,
     204,
     QT_TRANSLATE_NOOP("SkinCompiler", "Size of bitmap for timer incorrect, must be 99x11 pixels"),
     QT_TRANSLATE_NOOP("SkinCompiler", "Choose bitmap for timer")},
    {"walk", QT_TRANSLATE_NOOP("SkinCompiler", "Select bitmap for walk (128x32 pixels)"), 128, 32,
     205,
     QT_TRANSLATE_NOOP("SkinCompiler", "Size of bitmap for walk incorrect, must be 128x32 pixels"),
     QT_TRANSLATE_NOOP("SkinCompiler", "Choose bitmap for walk")},
}};

inline constexpr int kFirstChooseCommand = 201;
inline constexpr int kHelpCommand = 206;
inline constexpr int kCompileCommand = 207;
inline constexpr int kQuitCommand = 208;

inline constexpr const char* kNotBitmapMessage =
    QT_TRANSLATE_NOOP("SkinCompiler", "Invalid graphic format (not bitmap)");
inline constexpr const char* kFatalErrorMessage = QT_TRANSLATE_NOOP("SkinCompiler", "Fatal Error");
inline constexpr const char* kSaveDialogTitle =
    QT_TRANSLATE_NOOP("SkinCompiler", "Save skin file for Orbello");
inline constexpr char kHelpFileName[] = "cvob.chm";
inline constexpr const char* kHelpFailedMessage =
    QT_TRANSLATE_NOOP("SkinCompiler", "%1 can't run help file");

// Row k's choose command, or -1 when `command` belongs to no row.
constexpr int RowOfCommand(int command) {
  for (int row = 0; row < kRowCount; ++row) {
    if (kSkinRows[row].command == command)
      return row;
  }
  return -1;
}

}  // namespace orbello::csfob
