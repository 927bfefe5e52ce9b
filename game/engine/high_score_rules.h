// Where a finished game's score stands against a variant's table of ten. The game end and the
// table both ask; the answers live here once, without Qt or files, so that the rules and the
// records can share them.
#pragma once

#include <array>
#include <cstdint>

namespace orbello {

inline constexpr int kHighScoreRows = 10;
// "No row": the score was not inserted.
inline constexpr int kNoNewRecordRow = 99;

// Points of the ten entries of one variant's table, entry 0 first.
using HighScorePoints = std::array<uint32_t, kHighScoreRows>;

// Ties: equal to a row above the last counts as entering; the row it gets is below its equals.

// The champion: the largest points, unsigned; 0 for a table of zeros.
uint32_t BestTablePoints(const HighScorePoints& points);

// The game end's question, on the table as read (unsorted): the first entry j (0..9) that is
// smaller than the score, or equal to it with j < 9, lets it in. Players meet this rule as
// "Congratulation!", which a 0 on a table of zeros therefore earns.
bool ScoreEntersTable(const HighScorePoints& as_read, uint32_t score);

// The row a score takes in a table sorted highest first: the first whose points are smaller;
// kNoNewRecordRow when none is.
int InsertionRow(const HighScorePoints& sorted, uint32_t score);

}  // namespace orbello
