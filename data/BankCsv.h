// A question bank as a spreadsheet holds it, and back. The CSV starts with
// rows that each name what they hold in their first cell (the first line,
// the title, the kind, one row per lesson name and per name of the second
// classification), then a row of column names, then one row per question
// in bank order. The columns are those of the bank's layout, always in this
// order: 分野, 第二分類 (解答方法 in layout 3), 問題文, 解答文, 選択肢, 解説.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Said.h"

namespace vcq {

// The labels of the rows before the column names (UTF-8).
inline constexpr std::string_view kCsvFirstLine = "1行目";
inline constexpr std::string_view kCsvTitle = "題名";
inline constexpr std::string_view kCsvKind = "種類";
inline constexpr std::string_view kCsvLesson = "分野名";
inline constexpr std::string_view kCsvSecond = "第二分類名";

// The column names of a question row in a layout (0 to 3), UTF-8.
std::vector<std::string> CsvColumns(int form);

// The CSV of a bank file's bytes (CP932 or UTF-8): UTF-8 with a byte-order
// mark, CR LF; CP932 for a bank that uses the second code of a character
// CP932 has twice (∵ 0x879A beside 0x81E6), which UTF-8 cannot tell apart. Imported again, a bank
// the checker passes comes back byte for byte, except for what is not in the form the import
// writes: CP932 for UTF-8, CR LF for LF, one blank between the header's three fields and between
// two numbers, numbers without sign or leading blanks, a line end after the last line, and nothing
// after the last question or an end mark. Texts are written whole, even past their byte limits, so
// that an import names what is too long. A bank that cannot be loaded, or of an unknown layout, is
// the loader's error.
std::string BankToCsv(std::string_view bankBytes, const std::string& fileName);

// A cell of the CSV, both 1-based; row 0 for the file as a whole.
struct CsvPlace {
  int row = 0;
  int col = 0;
};
struct CsvProblem {
  CsvPlace at;
  Text message;  // UTF-8
};

struct CsvBank {
  // The bank file (CP932, CR LF), made even past the problems of single
  // cells so that the checker can look at the rest; empty when the rows
  // make no bank at all (no title, kind or column names).
  std::string bytes;
  std::vector<CsvPlace> lines;  // the cell that bank line k + 1 was made of
  std::vector<CsvProblem> problems;
  // The cell of a problem found at `line` of the bank file; `field` 1 is the
  // second number of a number line (its own column).
  CsvPlace PlaceOf(int line, int field = 0) const;
};

// Reads CSV or tab-separated text in UTF-8 (with or without the byte-order
// mark), CP932 (whose texts keep their codes) or UTF-16 with its mark
// (Excel's Unicode text), with any line ends, and makes the bank file it describes.
// What cannot be made into a bank (an empty or binary file, a missing or
// wrong row, a cell that is not a number, a character without a CP932 form,
// more rows than the tables hold) is a problem; what a bank file can hold
// but the program would refuse or cut is left to the bank checker.
CsvBank CsvToBank(std::string_view csvBytes);

// True when the bytes look like a bank's sheet rather than a bank: UTF-16
// with its mark (a bank never is), or a first row whose first cell, before
// a comma or tab, names one of the rows that open a sheet (「題名」 …).
bool LooksLikeBankSheet(std::string_view bytes);

// "name:row:col: message", "name:row: message" for a whole row, or
// "name: message" for the whole file.
std::string FormatCsvProblem(const std::string& csvName, const CsvProblem& p, Lang lang = Lang::Ja);

}  // namespace vcq
