// Comma- and tab-separated text as spreadsheets write it (RFC 4180 and its
// common variants): reading it into rows of cells, and writing one row.
// Only the ASCII bytes `"`, `,`, TAB, CR and LF structure it, and none of
// them is ever the second byte of a CP932 character, so the same reader
// serves UTF-8 and CP932 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vcq {

struct CsvRow {
  int row =
      0;  // 1-based, counted as a spreadsheet counts them (a quoted line break stays in its row)
  std::vector<std::string> cells;
  bool Empty() const;  // every cell empty
};

struct CsvTable {
  std::vector<CsvRow> rows;
  // A quote left open: the cell where it opened (1-based), 0 when none was.
  int openRow = 0;
  int openCol = 0;
};

// Reads every row that holds a cell; rows of empty cells are counted in the
// row numbers but not kept. A cell in quotes may hold the separator, quotes written
// twice and line breaks; a quote inside an unquoted cell is kept as it is.
// Lines end at CR LF, LF or CR. A quote left open ends the reading.
CsvTable ReadCsv(std::string_view text, char sep);

// TAB when a tab comes before any comma on the first line (text copied from
// cells, or saved as tab-separated), else a comma: the first cell of a file
// is a short name that holds neither.
char GuessSeparator(std::string_view text);

// Appends one row, cells separated by commas and ended by CR LF; a cell is
// quoted when it holds a comma, a quote, a line break, a tab or blanks at
// either end (which some programs would drop).
void AppendCsvRow(std::string& out, const std::vector<std::string>& cells);

}  // namespace vcq
