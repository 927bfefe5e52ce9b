#include "game/engine/high_score_rules.h"

#include <algorithm>

namespace orbello {

uint32_t BestTablePoints(const HighScorePoints& points) {
  return *std::max_element(points.begin(), points.end());
}

bool ScoreEntersTable(const HighScorePoints& as_read, uint32_t score) {
  for (size_t j = 0; j < as_read.size(); ++j) {
    if (as_read[j] < score || (as_read[j] == score && j < as_read.size() - 1))
      return true;
  }
  return false;
}

int InsertionRow(const HighScorePoints& sorted, uint32_t score) {
  const auto row =
      std::find_if(sorted.begin(), sorted.end(), [&](uint32_t points) { return points < score; });
  return row == sorted.end() ? kNoNewRecordRow : static_cast<int>(row - sorted.begin());
}

}  // namespace orbello
