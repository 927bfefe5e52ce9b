// What the records (settings, high scores, saved games) tell the player. Each failure is named by
// its English sentence: the identifier under which the game finds it in the player's catalogue,
// and the words of English, the C locale and the transcripts.
#pragma once

namespace orbello::records_message {

inline constexpr char kCantReadRegistryKey[] = "Can't read registry key.";
inline constexpr char kCantReadRegistry[] = "Can't read from registry.";
inline constexpr char kCantOpenRegistryKey[] = "Can't open registry key.";
inline constexpr char kCantWriteRegistry[] = "Can't write into registry.";
inline constexpr char kCantReadHighScores[] = "Can't read data from cvobhs.dat";
inline constexpr char kCantWriteHighScores[] = "Can't write data into cvobhs.dat";
inline constexpr char kCantSaveGame[] = "Can't save current game.";
inline constexpr char kCantLoadGame[] = "Can't load selected game.";
inline constexpr char kFatalError[] = "Fatal Error";
// The caption of the question before a load over a running game (savedgame.h's kLoadQuestion).
inline constexpr char kWarningCaption[] = "Warning";

}  // namespace orbello::records_message
