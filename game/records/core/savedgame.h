// The saved-game file (*.osf): 1348 bytes, little-endian, written field by field: GameType,
// Score, the 81 board cells (Color, Number, Reserved1, Reserved2), the three next balls
// (X, Y, Color), SelX, SelY.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "game/engine/board.h"

namespace orbello {

inline constexpr size_t kSavedGameSize = 1348;
inline constexpr const char* kSaveFilter = "OB save files: (*.osf)";
inline constexpr const char* kSavePattern = "*.osf";
inline constexpr const char* kSaveExtension = "osf";
inline constexpr const char* kLoadQuestion =
    "You want to load another game without save current game ?";

using SavedGameBytes = std::array<unsigned char, kSavedGameSize>;

SavedGameBytes EncodeSavedGame(const SavedGameState& state);
// Decodes the first 1348 bytes; false when fewer are given.
bool DecodeSavedGame(const unsigned char* bytes, size_t count, SavedGameState& state);

// ProgramFolder() + "/save": where the file chooser starts.
std::string SaveFolder();

// The file half of SaveGame: writes the five fields, each in one write that must write all its
// bytes, to a new temporary file beside `path`, flushes it and renames it over `path`
// (platform::ReplaceFile; a link is kept and its target replaced); an existing `path` is held
// under an exclusive lock meanwhile and keeps its permissions. On any failure the temporary file
// is removed and an existing save stays as it was; temporaries of killed saves are removed by the
// next save into the folder. Shows "Can't save
// current game." (caption "Error") owned by `owner` and returns false on failure.
bool WriteSavedGame(const std::string& path, const SavedGameState& state, void* owner = nullptr);

// The file half of LoadGame: reads the five fields from the existing `path` (bytes after 1348
// are ignored) into a copy and hands it to `state` only when all 1348 bytes were read and every
// value is playable (IsPlayableState); otherwise shows "Can't load selected game." and returns
// false, leaving `state` untouched.
bool ReadSavedGame(const std::string& path, SavedGameState& state, void* owner = nullptr);

// The question before a load over a running game: asked only when slot 0 of the next balls
// holds a cell ("Warning", warning icon, Yes/No, No the default). True when loading goes on.
bool ConfirmLoadOverCurrentGame(const TNextBalls& next_balls, void* owner = nullptr);

}  // namespace orbello
