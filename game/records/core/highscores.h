// The high-score file cvobhs.dat: three tables of ten 32-byte entries (Lines, Squares, Blocks),
// 960 bytes, no header.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "game/engine/high_score_rules.h"

namespace orbello {

inline constexpr int kPlayerNameSize = 28;
inline constexpr int kHighScoreEntrySize = 32;
inline constexpr int kHighScoreTableSize = kHighScoreRows * kHighScoreEntrySize;  // 320
inline constexpr int kHighScoreFileSize = 3 * kHighScoreTableSize;                // 960
inline constexpr const char* kHighScoreFileName = "cvobhs.dat";

struct THighScoreEntry {
  uint32_t Points = 0;
  // Zero-terminated; bytes after the zero are kept as they were read.
  char PlayerName[kPlayerNameSize] = {};
};

using HighScoreTable = std::array<THighScoreEntry, kHighScoreRows>;

// ProgramFolder() + "/cvobhs.dat"
std::string HighScoreFilePath();

// 320 bytes <-> table, little-endian, byte for byte.
std::array<unsigned char, kHighScoreTableSize> EncodeHighScoreTable(const HighScoreTable& table);
HighScoreTable DecodeHighScoreTable(const unsigned char* bytes);  // reads 320 bytes

// The in-memory table of the current variant with the row of the last inserted record; the one
// reader and writer of cvobhs.dat. Messages (caption "Error", error icon) are owned by `owner`.
class HighScores {
 public:
  explicit HighScores(std::string file_path = HighScoreFilePath(), void* owner = nullptr)
      : file_path_(std::move(file_path)), owner_(owner) {}

  // Clears the table, then reads the variant's 320 bytes (offset (variant - 1) * 320; variants
  // of 1 or less read offset 0) from the existing file. Shows "Can't read data from cvobhs.dat"
  // and returns false when the file is missing, locked, or short.
  bool ReadHighScores(int32_t variant);
  // Writes the table over the variant's 320 bytes of the existing file; the other tables stay.
  // Shows "Can't write data into cvobhs.dat" and returns false on failure.
  bool WriteHighScores(int32_t variant);
  // Reads the variant's table; when new_record_mode is set, sorts it (highest first, equal
  // scores in file order), and puts `score` with the name "Pretender" into its InsertionRow,
  // dropping row 9. NewRecordRow() is that row or 99. False when the read failed.
  bool InsertNewRecord(int32_t variant, bool new_record_mode, uint32_t score);
  int NewRecordRow() const { return new_record_row_; }
  // Gives the row just inserted its player's name and writes the table into the variant's place
  // in the file. An empty name gives the record up: the file keeps its old table. Without a new
  // row nothing happens. False only when the write failed (and was reported).
  bool NameNewRecord(const std::string& name);
  HighScorePoints Points() const;

  HighScoreTable& Table() { return table_; }
  const HighScoreTable& Table() const { return table_; }

 private:
  std::string file_path_;
  void* owner_;
  HighScoreTable table_{};
  int new_record_row_ = kNoNewRecordRow;
  int32_t new_record_variant_ = 0;
};

// Sets a name (cut to 27 characters) with a terminating zero, keeping the bytes after it.
void SetPlayerName(THighScoreEntry& entry, const std::string& name);

}  // namespace orbello
