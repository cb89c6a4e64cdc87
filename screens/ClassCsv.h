// The class table and the questions the class gets wrong, as one CSV file
// for a spreadsheet: UTF-8 with the byte-order mark and CR LF, as the bank
// export writes, or CP932 for a spreadsheet that reads only that.
#pragma once

#include <string>

#include "screens/ClassTable.h"

namespace vcq {

// Per section: a header row (成績ファイル, 名前, 問題ファイル, the lessons,
// 題数, 習得数, 習得率, 評価, 備考), a row per record, then the class's mean and
// the learners who mastered each lesson. After an empty row, the questions
// the class gets wrong. A character with no CP932 form becomes '?'.
std::string ClassCsv(const ClassTable& t, bool cp932);

}  // namespace vcq
