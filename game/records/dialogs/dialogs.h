// The game's dialogs: Settings, Best results, and the file choosers and question of saving and
// loading a game. All are modal and owned by the main window.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/engine/board.h"

class QWidget;

namespace orbello {

struct GameSettings;
class HighScores;

// Resource path of the dialogs' background tile (128 x 128).
inline constexpr char kDialogBackResource[] = ":/game/BITMAP_BACK.bmp";

// Ids of the buttons that close the dialogs; a dialog closed by its close box returns
// kIdDialogClosed, one that could not open returns kIdDialogFailed.
inline constexpr int kIdSettingsOk = 1030;
inline constexpr int kIdSettingsCancel = 1031;
inline constexpr int kIdBestResultsOk = 1038;
inline constexpr int kIdDialogClosed = 2;
inline constexpr int kIdDialogFailed = -1;

// ---- Settings ----

// Asked on Ok with the settings the controls hold, before anything is taken or stored; false
// refuses them (after saying why) and leaves the dialog open.
using SettingsCheck = std::function<bool(const GameSettings& chosen)>;

// Runs "Orbello - Settings" modally over `owner`, filled from `settings`. Ok fills a fresh record
// from the controls (the paths byte for byte as they came or were chosen), lets `check` refuse
// it, then puts it into `settings` and stores it with StoreSettings (the dialog closes with Ok
// even if storing failed); returns kIdSettingsOk then. Any other result: `settings` is unchanged.
int ShowSettingsDialog(QWidget* owner, GameSettings& settings, SettingsCheck check = {});

// What an Ok changed, as the main window's ApplySettings needs it.
struct SettingsChanges {
  bool delay_jump = false;    // Timer1's interval must follow
  bool default_game = false;  // before the first game, GameType follows
  bool skin = false;          // TitleSkin changed (byte for byte): reload the skin
  bool next_colors = false;   // the announcement's display mode changed
};
SettingsChanges CompareSettings(const GameSettings& before, const GameSettings& after);

// True when two skin paths name the same file for the game: equal byte for byte, since file
// names are case-sensitive.
bool SameSkinPath(const std::string& a, const std::string& b);

enum class SettingsFileKind { kSkin, kSound };

// The open-file chooser of the Settings dialog: "Choose of the skin" (*.sf, starting in the
// program's folder + "/skin") or "Choose file" (*.wav, program's folder + "/sound"). Returns the
// full path, or nothing when cancelled (or when the path would not fit a 260-character slot).
std::optional<std::string> ChooseSettingsFile(QWidget* owner, SettingsFileKind kind);

// ---- Best results ----

// Runs "The best results for Lines/Squares/Blocks" modally over `owner`, its top-left corner at
// (25, 6) from the top-left corner of `board_panel` (Panel3; centred over the owner when null).
// On opening calls scores.InsertNewRecord(game_type, new_record_mode, score): with a new row, that
// row is drawn in RGB(255, 0, 128) and its name field ("Pretender", at most 25 characters) is
// editable and focused. Ok hands the typed name to scores.NameNewRecord, which writes the table
// for a non-empty name. The close box writes nothing. Returns the closing id.
int ShowBestResults(QWidget* owner, QWidget* board_panel, HighScores& scores, int32_t game_type,
                    bool new_record_mode, uint32_t score);

// ---- Saved games ----

enum class GameFileResult {
  kCancelled,  // chooser cancelled or load question answered No: nothing happened
  kDone,
  kFailed,  // the failure has been shown; nothing has changed and the game goes on
};

// The choosers, owned by `owner`, starting in the program's folder + "/save", filter
// "OB save files: (*.osf)", default extension "osf".
std::optional<std::string> ChooseSaveGameFile(QWidget* owner);  // "Save game", asks to replace
std::optional<std::string> ChooseLoadGameFile(QWidget* owner);  // "Load game", must exist

// SaveGame: chooses a file and writes `state` to it. A chosen path longer than the chooser's 260
// characters is refused with "Can't save current game." (LoadGame: "Can't load selected game.").
GameFileResult SaveGame(QWidget* owner, const SavedGameState& state);

// LoadGame: chooses a file; when slot 0 of `current_next_balls` holds a cell asks "You want to
// load another game without save current game ?" (No the default; No gives kCancelled); then
// reads the file into `state`. On kDone the caller puts `state` into the engine, repaints and
// calls ResumeLoadedGame.
GameFileResult LoadGame(QWidget* owner, const TNextBalls& current_next_balls,
                        SavedGameState& state);

}  // namespace orbello
