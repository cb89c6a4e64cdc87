#include "data/Csv.h"

#include <algorithm>

namespace vcq {

bool CsvRow::Empty() const {
  return std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); });
}

CsvTable ReadCsv(std::string_view text, char sep) {
  CsvTable table;
  std::vector<CsvRow>& rows = table.rows;
  std::size_t i = 0;
  const std::size_t n = text.size();
  int rowNo = 0;
  while (i < n) {
    // A row of nothing but separators is counted and passed over unread: a
    // spreadsheet may save a million of them, and no reader wants them.
    std::size_t j = i;
    while (j < n && text[j] == sep) ++j;
    if (j == n || text[j] == '\r' || text[j] == '\n') {
      ++rowNo;
      i = j;
      if (i < n && text[i] == '\r') ++i;
      if (i < n && text[i] == '\n') ++i;
      continue;
    }
    CsvRow row;
    row.row = ++rowNo;
    for (;;) {
      std::string cell;
      if (i < n && text[i] == '"') {
        ++i;
        for (;;) {
          const std::size_t q = text.find('"', i);
          if (q == std::string_view::npos) {
            table.openRow = row.row;
            table.openCol = static_cast<int>(row.cells.size()) + 1;
            return table;
          }
          cell.append(text.substr(i, q - i));
          i = q + 1;
          if (i < n && text[i] == '"') {
            cell += '"';
            ++i;
            continue;
          }
          break;
        }
        // What follows the closing quote up to the separator is kept, as
        // spreadsheets read `"a"b`.
      }
      const std::size_t start = i;
      while (i < n && text[i] != sep && text[i] != '\r' && text[i] != '\n') ++i;
      cell.append(text.substr(start, i - start));
      row.cells.push_back(std::move(cell));
      if (i < n && text[i] == sep) {
        ++i;
        continue;
      }
      if (i < n && text[i] == '\r') ++i;
      if (i < n && text[i] == '\n') ++i;
      break;
    }
    rows.push_back(std::move(row));
  }
  return table;
}

char GuessSeparator(std::string_view text) {
  const std::size_t at = text.substr(0, text.find_first_of("\r\n")).find_first_of(",\t");
  return at != std::string_view::npos && text[at] == '\t' ? '\t' : ',';
}

void AppendCsvRow(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (k > 0) out += ',';
    const std::string& c = cells[k];
    const bool quote = c.find_first_of(",\"\r\n\t") != std::string::npos ||
                       (!c.empty() && (c.front() == ' ' || c.back() == ' '));
    if (!quote) {
      out += c;
      continue;
    }
    out += '"';
    for (char ch : c) {
      if (ch == '"') out += '"';
      out += ch;
    }
    out += '"';
  }
  out += "\r\n";
}

}  // namespace vcq
