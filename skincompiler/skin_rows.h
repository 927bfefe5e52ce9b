// The five rows of the skin compiler, one per skin picture in file order, and its commands.
#pragma once

#include <array>

namespace orbello::csfob {

inline constexpr char kWindowTitle[] = "Creator Skins for Orbello";

struct SkinRow {
  const char* picture;  // the picture's name in the skin file
  const char* label;    // the row's label, also the title of its file dialog
  int width;            // required pixel size
  int height;
  int command;               // command of the row's "..." button
  const char* size_message;  // shown when the chosen bitmap has another size
};

inline constexpr int kRowCount = 5;

inline constexpr std::array<SkinRow, kRowCount> kSkinRows = {{
    {"board", "Select bitmap for board (36x36 pixels)", 36, 36, 201,
     "Size of bitmap for board incorrect, must be 36x36 pixels"},
    {"score", "Select bitmap for score (160x20 pixels)", 160, 20, 202,
     "Size of bitmap for score incorrect, must be 160x20 pixels"},
    {"balls", "Select bitmap for balls (768x224 pixels)", 768, 224, 203,
     "Size of bitmap for balls incorrect, must be 768x224 pixels"},
    {"timer", "Select bitmap for timer (99x11 pixels)", 99, 11, 204,
     "Size of bitmap for timer incorrect, must be 99x11 pixels"},
    {"walk", "Select bitmap for walk (128x32 pixels)", 128, 32, 205,
     "Size of bitmap for walk incorrect, must be 128x32 pixels"},
}};

inline constexpr int kFirstChooseCommand = 201;
inline constexpr int kHelpCommand = 206;
inline constexpr int kCompileCommand = 207;
inline constexpr int kQuitCommand = 208;

inline constexpr char kNotBitmapMessage[] = "Invalid graphic format (not bitmap)";
inline constexpr char kFatalErrorMessage[] = "Fatal Error";
inline constexpr char kSaveDialogTitle[] = "Save skin file for Orbello";
inline constexpr char kHelpFileName[] = "cvob.chm";
inline constexpr char kHelpFailedSuffix[] = " can't run help file";

// Row k's choose command, or -1 when `command` belongs to no row.
constexpr int RowOfCommand(int command) {
  for (int row = 0; row < kRowCount; ++row) {
    if (kSkinRows[row].command == command)
      return row;
  }
  return -1;
}

}  // namespace orbello::csfob
