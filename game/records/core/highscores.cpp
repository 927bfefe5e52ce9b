#include "game/records/core/highscores.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "game/records/core/records_messages.h"
#include "platform/core/bytes.h"
#include "platform/core/files.h"
#include "platform/core/message.h"
#include "platform/core/paths.h"

namespace orbello {
namespace {

// Variants above 1 start (variant - 1) tables in; 1 and below read the first table. 64-bit so
// that no variant number overflows the offset.
off_t TableOffset(int32_t variant) {
  return variant > 1 ? static_cast<off_t>(variant - 1) * kHighScoreTableSize : 0;
}

// Seeks to the variant's table; for variants above 1 a resulting position of 0 is a failure.
bool SeekToTable(int fd, int32_t variant) {
  if (variant <= 1)
    return true;
  off_t position = lseek(fd, TableOffset(variant), SEEK_SET);
  return position > 0;
}

}  // namespace

std::string HighScoreFilePath() {
  return platform::ProgramFolder() + "/" + kHighScoreFileName;
}

std::array<unsigned char, kHighScoreTableSize> EncodeHighScoreTable(const HighScoreTable& table) {
  std::array<unsigned char, kHighScoreTableSize> bytes{};
  for (int row = 0; row < kHighScoreRows; ++row) {
    unsigned char* entry = bytes.data() + row * kHighScoreEntrySize;
    platform::PutLittleEndian(entry, table[row].Points);
    std::memcpy(entry + 4, table[row].PlayerName, kPlayerNameSize);
  }
  return bytes;
}

HighScoreTable DecodeHighScoreTable(const unsigned char* bytes) {
  HighScoreTable table{};
  for (int row = 0; row < kHighScoreRows; ++row) {
    const unsigned char* entry = bytes + row * kHighScoreEntrySize;
    table[row].Points = platform::GetLittleEndian<uint32_t>(entry);
    std::memcpy(table[row].PlayerName, entry + 4, kPlayerNameSize);
  }
  return table;
}

void SetPlayerName(THighScoreEntry& entry, const std::string& name) {
  size_t length = std::min<size_t>(name.size(), kPlayerNameSize - 1);
  std::memcpy(entry.PlayerName, name.data(), length);
  entry.PlayerName[length] = '\0';
}

bool HighScores::ReadHighScores(int32_t variant) {
  table_ = HighScoreTable{};
  platform::UniqueFd fd = platform::OpenUnshared(file_path_, O_RDONLY);
  std::array<unsigned char, kHighScoreTableSize> bytes{};
  if (!fd.Valid() || !SeekToTable(fd.Get(), variant) ||
      platform::ReadFull(fd.Get(), bytes.data(), bytes.size()) != kHighScoreTableSize) {
    platform::ShowError(records_message::kCantReadHighScores, owner_);
    return false;
  }
  table_ = DecodeHighScoreTable(bytes.data());
  return true;
}

bool HighScores::WriteHighScores(int32_t variant) {
  // Existing file only and never truncated: the other two tables stay as they are.
  platform::UniqueFd fd = platform::OpenUnshared(file_path_, O_WRONLY);
  std::array<unsigned char, kHighScoreTableSize> bytes = EncodeHighScoreTable(table_);
  bool ok = fd.Valid() && SeekToTable(fd.Get(), variant) &&
            platform::WriteFull(fd.Get(), bytes.data(), bytes.size());
  ok = fd.Reset() && ok;
  if (!ok) {
    platform::ShowError(records_message::kCantWriteHighScores, owner_);
  }
  return ok;
}

HighScorePoints HighScores::Points() const {
  HighScorePoints points{};
  for (size_t row = 0; row < points.size(); ++row)
    points[row] = table_[row].Points;
  return points;
}

bool HighScores::InsertNewRecord(int32_t variant, bool new_record_mode, uint32_t score) {
  new_record_row_ = kNoNewRecordRow;
  new_record_variant_ = variant;
  if (!ReadHighScores(variant))
    return false;
  if (!new_record_mode)
    return true;
  std::stable_sort(
      table_.begin(), table_.end(),
      [](const THighScoreEntry& a, const THighScoreEntry& b) { return a.Points > b.Points; });
  const int row = InsertionRow(Points(), score);
  if (row == kNoNewRecordRow)
    return true;
  auto entry = table_.begin() + row;
  std::move_backward(entry, table_.end() - 1, table_.end());
  // Only the score and the name are set: the bytes after the name's zero stay as they were.
  entry->Points = score;
  SetPlayerName(*entry, "Pretender");
  new_record_row_ = row;
  return true;
}

bool HighScores::NameNewRecord(const std::string& name) {
  if (new_record_row_ == kNoNewRecordRow)
    return true;
  SetPlayerName(table_[static_cast<size_t>(new_record_row_)], name);
  return name.empty() || WriteHighScores(new_record_variant_);
}

}  // namespace orbello
