// The high-score file reader and the record insertion on arbitrary file contents.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "game/records/core/highscores.h"

using namespace orbello;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::SilenceMessages();
  // The first five bytes choose the score and the variant; the rest is the file.
  if (size < 5)
    return 0;
  uint32_t score;
  std::memcpy(&score, data, 4);
  const auto variant = static_cast<int32_t>(static_cast<int8_t>(data[4]));
  data += 5;
  size -= 5;
  const std::string path = fuzz::ScratchFolder() + "/cvobhs.dat";
  fuzz::WriteWholeFile(path, data, size);

  HighScores scores(path);
  const size_t offset = variant > 1 ? static_cast<size_t>(variant - 1) * kHighScoreTableSize : 0;
  const bool whole = size >= offset + kHighScoreTableSize;
  const bool read = scores.ReadHighScores(variant);
  fuzz::Check(read == whole, "read result does not match the file size");
  if (read) {
    fuzz::Check(std::memcmp(EncodeHighScoreTable(scores.Table()).data(), data + offset,
                            kHighScoreTableSize) == 0,
                "table bytes differ from the file");
  }

  fuzz::Check(scores.InsertNewRecord(variant, true, score) == whole, "insert read result");
  const int row = scores.NewRecordRow();
  if (whole) {
    for (int i = 1; i < kHighScoreRows; ++i) {
      fuzz::Check(scores.Table()[i - 1].Points >= scores.Table()[i].Points, "table not sorted");
    }
    if (row != kNoNewRecordRow) {
      fuzz::Check(row >= 0 && row < kHighScoreRows, "row out of range");
      fuzz::Check(scores.Table()[row].Points == score, "inserted row has another score");
      fuzz::Check(std::strcmp(scores.Table()[row].PlayerName, "Pretender") == 0, "name");
      fuzz::Check(row == kHighScoreRows - 1 || scores.Table()[row + 1].Points < score,
                  "record placed above an equal score");
    } else {
      fuzz::Check(scores.Table()[kHighScoreRows - 1].Points >= score, "a record was missed");
    }
    fuzz::Check(scores.WriteHighScores(variant), "write of a readable table failed");
    const std::string after = fuzz::ReadWholeFile(path);
    fuzz::Check(after.size() == size, "write changed the file size");
    fuzz::Check(std::memcmp(after.data(), data, offset) == 0, "write touched an earlier table");
    fuzz::Check(
        std::memcmp(after.data() + offset + kHighScoreTableSize,
                    data + offset + kHighScoreTableSize, size - offset - kHighScoreTableSize) == 0,
        "write touched a later table");
  } else {
    fuzz::Check(row == kNoNewRecordRow, "row set after a failed read");
  }
  return 0;
}
