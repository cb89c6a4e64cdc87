#include "data/BankCsv.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "data/Bank.h"
#include "data/Cp932.h"
#include "data/Csv.h"
#include "data/LineReader.h"
#include "data/QuesLines.h"
#include "data/TextUtil.h"
#include "data/Utf16.h"
#include "platform/Error.h"

namespace vcq {

namespace {

// Where each part of a question sits in the row of a known layout: its
// numbers, then its texts in the sheet's order; -1 when the layout has no
// such part.
struct Columns {
  int lesson = -1, second = -1;
  std::array<int, kQuesTexts> text{-1, -1, -1, -1};
  int count = 0;
};

Columns ColumnsOf(int form) {
  const QuesLines lines = QuesLinesOf(form);
  Columns c;
  int k = 0;
  if (lines.numbers > 0) c.lesson = k++;
  if (lines.numbers > 1) c.second = k++;
  for (QuesText t : kSheetTextOrder)
    if (lines.Has(t)) c.text[t] = k++;
  c.count = k;
  return c;
}

std::string KindNote(int form) {
  switch (form) {
    case 0:
      return "形式 0: 分野なし";
    case 1:
      return "形式 1: 分野あり";
    case 2:
      return "形式 2: 分野と第二分類";
    default:
      return "形式 3: 分野と解答方法 (0 選択・1 入力)";
  }
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A cell shown in a message: its first 60 bytes, never half a character,
// on one line.
std::string Shown(std::string_view utf8) {
  std::size_t n = std::min<std::size_t>(utf8.size(), 60);
  while (n < utf8.size() && n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80) --n;
  std::string shown(utf8.substr(0, n));
  for (char& c : shown)
    if (c == '\r' || c == '\n') c = ' ';  // a message is one line
  return shown;
}

// Builds the bank from the rows, collecting problems.
class Importer {
 public:
  // `raw`, when the sheet is CP932, holds its cells as they were, row for
  // row beside `rows` (their UTF-8 reading): texts are taken from there, so
  // that a character CP932 has twice (∵ 0x81E6 and 0x879A) keeps its code.
  Importer(const std::vector<CsvRow>& rows, const std::vector<CsvRow>* raw)
      : rows_(rows), raw_(raw) {}

  CsvBank Run() {
    for (const CsvRow& row : rows_) {
      if (row.Empty()) continue;
      if (!header_) {
        if (!InfoRow(row)) {
          if (!Header(row)) return Done();
        }
        continue;
      }
      if (!Question(row)) break;
    }
    if (!header_ && out_.problems.empty())
      Problem({}, Say({"no row of column names ('{}')", "列名の行 (「{}」) がありません"},
                      {Joined(CsvColumns(kind_ ? *kind_ % 10 : 1))}));
    if (!titleRow_ && out_.problems.empty())
      Problem({}, Say({"no '{}' row", "「{}」の行がありません"}, {kCsvTitle}));
    if (header_ && titleRow_) Build();
    return Done();
  }

 private:
  static std::string Joined(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : ",") + n;
    return s;
  }

  void Problem(CsvPlace at, vcq::Text message) {
    out_.problems.push_back({at, std::move(message)});
  }

  // A cell's text in CP932; a character without a CP932 form is a problem.
  // A line break inside a cell becomes a blank: a bank line holds none.
  std::string CellText(const CsvRow& row, std::size_t k) {
    if (k >= row.cells.size()) return {};
    const std::string& cell = row.cells[k];
    const CsvPlace at{row.row, static_cast<int>(k) + 1};
    Utf8Text t;
    if (raw_) {
      t.cp932 = (*raw_)[static_cast<std::size_t>(&row - rows_.data())].cells[k];
    } else {
      t = Utf8ToCp932(cell);
      if (!t.bad.empty()) Problem(at, DescribeBadChar(cell, t.bad.front()));
    }
    const std::string& text = t.cp932;
    std::string flat;
    flat.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c == '\r' || c == '\n') {
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        flat += ' ';
      } else {
        flat += c;
      }
    }
    if (flat.find('\x1A') != std::string::npos)
      Problem(at, Say({"the character 0x1A (Ctrl-Z) cannot be used (it marks the end of a bank)",
                       "文字 0x1A (Ctrl-Z) は使えません (問題ファイルの終わりの印です)"}));
    return flat;
  }

  std::optional<std::int32_t> Number(const CsvRow& row, std::size_t k, const SaidArg& what) {
    const std::string_view cell = k < row.cells.size() ? Trim(row.cells[k]) : std::string_view();
    if (auto n = TryParseInt(cell)) return n;
    Problem({row.row, static_cast<int>(k) + 1},
            Say({"{} needs a whole number, not '{}'", "{}には整数が必要ですが「{}」でした"},
                {what.text, Shown(cell)}));
    return std::nullopt;
  }

  // The rows before the column names. False for any other row.
  bool InfoRow(const CsvRow& row) {
    const std::string_view label = Trim(row.cells[0]);
    auto once = [&](std::optional<int>& seen) {
      if (seen) Problem({row.row, 1}, Say({"two '{}' rows", "「{}」の行が 2 つあります"}, {label}));
      seen = row.row;
    };
    if (label == kCsvFirstLine) {
      once(firstRow_);
      first_ = CellText(row, 1);
    } else if (label == kCsvTitle) {
      once(titleRow_);
      title_ = CellText(row, 1);
    } else if (label == kCsvKind) {
      once(kindRow_);
      kind_ = Number(row, 1, kFieldKind);
    } else if (label == kCsvLesson || label == kCsvSecond) {
      const bool second = label == kCsvSecond;
      std::vector<Name>& names = second ? les2_ : les_;
      if (names.size() == static_cast<std::size_t>(kMaxLessons)) {
        Problem({row.row, 1}, Say({"'{}' rows: at most {}", "{}は {} 個までです"},
                                  {label, std::to_string(kMaxLessons)}));
        return true;
      }
      auto n =
          Number(row, 1,
                 label == kCsvLesson ? Said{"the lesson name's number", "分野名の番号"}
                                     : Said{"the second class name's number", "第二分類名の番号"});
      if (n && *n != static_cast<std::int32_t>(names.size()))
        Problem({row.row, 2},
                Say({"'{}' rows are numbered from 0 in turn: this one should be {}, not {}",
                     "{}の番号は 0 から順に付けます: ここは {} のはずですが {} でした"},
                    {label, std::to_string(names.size()), std::to_string(*n)}));
      names.push_back({CellText(row, 2), row.row});
    } else {
      return false;
    }
    return true;
  }

  // The row of column names: the kind must be known by now, as the columns
  // depend on its layout. False when the rows after it cannot be read.
  bool Header(const CsvRow& row) {
    if (!kind_) {
      if (!kindRow_)
        Problem({row.row, 1},
                Say({"no '{}' row before this one ('{}' names no row)",
                     "「{}」の行がこの行より前にありません (「{}」 は行の名前ではありません)"},
                    {kCsvKind, Shown(row.cells[0])}));
      return false;
    }
    form_ = *kind_ % 10;
    if (!IsKnownLayout(form_)) {
      Problem({*kindRow_, 2}, Say(kUnknownForm, {std::to_string(*kind_)}));
      return false;
    }
    if (!HasLessons(form_) && !les_.empty())
      Problem({les_.front().row, 1}, Say({"a bank of form 0 has no '{}' rows",
                                          "形式 0 の問題集には分野名の行を書けません"},
                                         {kCsvLesson}));
    if (!HasSecondClass(form_) && !les2_.empty())
      Problem({les2_.front().row, 1}, Say({"a bank of form {} has no '{}' rows",
                                           "形式 {} の問題集には第二分類名の行を書けません"},
                                          {std::to_string(form_), kCsvSecond}));
    cols_ = ColumnsOf(form_);
    const std::vector<std::string> names = CsvColumns(form_);
    for (std::size_t k = 0; k < row.cells.size(); ++k) {
      const std::string_view cell = Trim(row.cells[k]);
      if (k < names.size() ? cell == names[k] : cell.empty()) continue;
      Problem({row.row, static_cast<int>(k) + 1},
              Say({"wrong column name: the columns of form {} are '{}'",
                   "列名が違います: 形式 {} の列は「{}」です"},
                  {std::to_string(form_), Joined(names)}));
      return false;
    }
    if (row.cells.size() < names.size()) {
      Problem({row.row, static_cast<int>(row.cells.size()) + 1},
              Say({"too few column names: the columns of form {} are '{}'",
                   "列名が足りません: 形式 {} の列は「{}」です"},
                  {std::to_string(form_), Joined(names)}));
      return false;
    }
    header_ = row.row;
    return true;
  }

  // One question. False once the bank is full.
  bool Question(const CsvRow& row) {
    const std::size_t n = static_cast<std::size_t>(cols_.count);
    // A row of the wrong width still counts as its question, so that the
    // checker's question numbers stay those of the rows.
    for (std::size_t k = n; k < row.cells.size(); ++k)
      if (!row.cells[k].empty()) {
        Problem({row.row, static_cast<int>(k) + 1},
                Say({"too many columns (form {} has {})", "列が多すぎます (形式 {} は {} 列です)"},
                    {std::to_string(form_), std::to_string(n)}));
        break;
      }
    if (row.cells.size() < n)
      Problem({row.row, static_cast<int>(row.cells.size()) + 1},
              Say({"too few columns (form {} has {}, this row only {})",
                   "列が足りません (形式 {} は {} 列ですが {} 列しかありません)"},
                  {std::to_string(form_), std::to_string(n), std::to_string(row.cells.size())}));
    if (ques_.size() == static_cast<std::size_t>(kMaxQuestions)) {
      Problem({row.row, 1}, Say({"at most {} questions", "問題は {} 問までです"},
                                {std::to_string(kMaxQuestions)}));
      return false;
    }
    Ques q;
    q.row = row.row;
    if (cols_.lesson >= 0) q.lesson = Number(row, cols_.lesson, CsvColumns(form_)[0]).value_or(0);
    if (cols_.second >= 0) q.second = Number(row, cols_.second, CsvColumns(form_)[1]).value_or(0);
    for (int t = 0; t < kQuesTexts; ++t)
      if (cols_.text[t] >= 0) q.text[t] = CellText(row, cols_.text[t]);
    ques_.push_back(std::move(q));
    return true;
  }

  void Line(std::string_view text, CsvPlace at) {
    out_.bytes.append(text);
    out_.bytes += "\r\n";
    out_.lines.push_back(at);
  }

  void Build() {
    const int titleRow = *titleRow_;
    if (title_.empty()) Problem({titleRow, 2}, Say({"the title is empty", "題名が空です"}));
    if (title_.find(' ') != std::string::npos)
      Problem({titleRow, 2},
              Say({"the title cannot hold a blank (blanks part the header line's fields)",
                   "題名に半角の空白は使えません (見出し行では空白が区切りです)"}));
    // Without a title of one field the header line would read otherwise.
    if (title_.empty() || title_.find(' ') != std::string::npos) return;
    Line(firstRow_ ? first_ : title_, {firstRow_.value_or(titleRow), 2});
    Line(title_ + " " + std::to_string(*kind_) + " " + std::to_string(ques_.size()), {titleRow, 2});
    auto names = [&](const std::vector<Name>& list) {
      Line(std::to_string(list.size()), {list.empty() ? *header_ : list.front().row, 1});
      for (const Name& n : list) Line(n.text, {n.row, 3});
    };
    if (HasLessons(form_)) names(les_);
    if (HasSecondClass(form_)) names(les2_);
    auto at = [](const Ques& q, int col) { return CsvPlace{q.row, col + 1}; };
    const QuesLines lines = QuesLinesOf(form_);
    for (const Ques& q : ques_) {
      if (lines.numbers == 2)
        Line(std::to_string(q.lesson) + " " + std::to_string(q.second), at(q, cols_.lesson));
      else if (lines.numbers == 1)
        Line(std::to_string(q.lesson), at(q, cols_.lesson));
      for (int k = 0; k < lines.count; ++k) {
        const QuesText t = lines.texts[k];
        Line(q.text[t], at(q, cols_.text[t]));
      }
    }
  }

  CsvBank Done() { return std::move(out_); }

  struct Name {
    std::string text;
    int row = 0;
  };
  struct Ques {
    int row = 0;
    std::int32_t lesson = 0, second = 0;
    std::array<std::string, kQuesTexts> text;
  };

  const std::vector<CsvRow>& rows_;
  const std::vector<CsvRow>* raw_;
  CsvBank out_;
  std::optional<int> firstRow_, titleRow_, kindRow_, header_;
  std::string first_, title_;
  std::optional<std::int32_t> kind_;
  std::vector<Name> les_, les2_;
  std::int32_t form_ = 0;
  Columns cols_;
  std::vector<Ques> ques_;
};

}  // namespace

std::vector<std::string> CsvColumns(int form) {
  const QuesLines lines = QuesLinesOf(form);
  std::vector<std::string> names;
  if (lines.numbers > 0) names.emplace_back("分野");
  if (lines.numbers > 1) names.emplace_back(HasChoices(form) ? "解答方法" : "第二分類");
  for (QuesText t : kSheetTextOrder)
    if (lines.Has(t)) names.emplace_back(QuesTextName(t).ja);
  return names;
}

std::string BankToCsv(std::string_view bankBytes, const std::string& fileName) {
  Bank bank;
  LessonFlags sel{};
  LoadBankText(bank, sel, bankBytes, fileName);
  const std::int32_t form = bank.DataForm;
  if (!IsKnownLayout(form))
    throw ConvertError(WhereSaid(fileName, 2) + Say(kUnknownForm, {std::to_string(bank.DataKind)}));
  // The load has shown that a UTF-8 bank converts whole.
  const std::string converted =
      LooksLikeUtf8(bankBytes) ? Utf8ToCp932(bankBytes).cp932 : std::string();
  const std::string_view cp932 = converted.empty() ? bankBytes : std::string_view(converted);
  // A bank that uses the second code of a character CP932 has twice (∵
  // 0x879A, 黑 0xEEEC, ￢ 0xFA54) would come back from UTF-8 with the
  // first: its CSV is written in CP932, which the import keeps byte for byte.
  const bool keepCp932 = Utf8ToCp932(ToUtf8(cp932)).cp932 != cp932;
  auto text = [&](std::string_view t) { return keepCp932 ? std::string(t) : ToUtf8(t); };
  auto label = [&](std::string_view utf8) { return keepCp932 ? Sj(utf8) : std::string(utf8); };
  LineReader in(cp932, fileName);
  constexpr std::size_t kWhole = std::string_view::npos;

  const QuesLines lines = QuesLinesOf(form);
  const Columns cols = ColumnsOf(form);
  const std::size_t width = std::max<std::size_t>(3, static_cast<std::size_t>(cols.count));
  std::string out(keepCp932 ? std::string_view() : kUtf8Bom);
  out.reserve(bankBytes.size() * 2);
  auto row = [&](std::vector<std::string> cells) {
    cells.resize(std::max(cells.size(), width));
    AppendCsvRow(out, cells);
  };
  row({label(kCsvFirstLine), text(in.NextView(kWhole))});
  const FieldViews header = SplitBlankViews(in.NextView(kHeaderBytes));
  row({label(kCsvTitle), text(header.Words[0])});
  row({label(kCsvKind), std::to_string(bank.DataKind), label(KindNote(form))});
  auto names = [&](std::string_view name, std::int32_t count) {
    in.NextView(kWhole);
    for (std::int32_t i = 0; i < count; ++i)
      row({label(name), std::to_string(i), text(in.NextView(kWhole))});
  };
  if (HasLessons(form)) names(kCsvLesson, bank.LesCount);
  if (HasSecondClass(form)) names(kCsvSecond, bank.LesCount2);
  row({});
  std::vector<std::string> columns = CsvColumns(form);
  for (std::string& c : columns) c = label(c);
  row(std::move(columns));
  for (std::int32_t q = 0; q < bank.QuesCount; ++q) {
    std::vector<std::string> cells(static_cast<std::size_t>(cols.count));
    if (lines.numbers > 0) {
      in.NextView(kWhole);
      cells[static_cast<std::size_t>(cols.lesson)] = std::to_string(bank.QuesLes[q]);
      if (lines.numbers > 1)
        cells[static_cast<std::size_t>(cols.second)] = std::to_string(bank.QuesLes2[q]);
    }
    for (int k = 0; k < lines.count; ++k)
      cells[static_cast<std::size_t>(cols.text[lines.texts[k]])] = text(in.NextView(kWhole));
    row(std::move(cells));
  }
  return out;
}

CsvPlace CsvBank::PlaceOf(int line, int field) const {
  if (line < 1 || static_cast<std::size_t>(line) > lines.size()) return {};
  CsvPlace at = lines[static_cast<std::size_t>(line) - 1];
  at.col += field;
  return at;
}

CsvBank CsvToBank(std::string_view bytes) {
  CsvBank none;
  const bool utf16 = HasUtf16Bom(bytes);
  Utf16Text wide;
  if (utf16) {
    wide = Utf16ToUtf8(bytes);
    if (!wide.problem.ja.empty()) {
      none.problems.push_back({{wide.line, 0}, wide.problem});
      return none;
    }
    bytes = wide.utf8;
  }
  const bool bom = utf16 || bytes.starts_with(kUtf8Bom);
  std::string_view text = bytes.starts_with(kUtf8Bom) ? bytes.substr(kUtf8Bom.size()) : bytes;
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    none.problems.push_back({{}, Say({"the file is empty", "空のファイルです"})});
    return none;
  }
  if (std::memchr(text.data(), '\0', text.size())) {
    none.problems.push_back({{},
                             Say({"not a text file (it holds a 0 byte)",
                                  "テキストのファイルではありません (0 のバイトがあります)"})});
    return none;
  }
  // CP932 text is read as UTF-8 too, for the row names, column names and
  // numbers; its texts are taken from its own cells.
  std::string fromCp932;
  std::optional<CsvTable> raw;
  if (!bom && !LooksLikeUtf8(text)) {
    fromCp932 = ToUtf8(text);
    if (fromCp932.find("\xEF\xBF\xBD") != std::string::npos) {
      none.problems.push_back(
          {{},
           Say({"some characters read neither as UTF-8 nor as Shift-JIS (CP932)",
                "UTF-8 としても Shift-JIS (CP932) としても読めない文字があります"})});
      return none;
    }
    raw = ReadCsv(text, GuessSeparator(text));
    text = fromCp932;
  }
  const CsvTable table = ReadCsv(text, GuessSeparator(text));
  if (table.openRow > 0) {
    none.problems.push_back(
        {{table.openRow, table.openCol},
         Say({"a cell opened with '\"' is not closed", "「\"」で始まった欄が閉じていません"})});
    return none;
  }
  return Importer(table.rows, raw ? &raw->rows : nullptr).Run();
}

bool LooksLikeBankSheet(std::string_view bytes) {
  if (HasUtf16Bom(bytes)) return true;
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  const char sep = GuessSeparator(bytes);
  std::string_view line;
  while (!bytes.empty() && line.find_first_not_of(" \t,") == std::string_view::npos) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    line = bytes.substr(0, end);
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
  }
  const std::size_t cut = line.find(sep);
  if (cut == std::string_view::npos) return false;
  std::string_view first = Trim(line.substr(0, cut));
  if (first.size() >= 2 && first.front() == '"' && first.back() == '"')
    first = first.substr(1, first.size() - 2);
  const std::string label = LooksLikeUtf8(first) ? std::string(first) : ToUtf8(first);
  for (std::string_view l : {kCsvFirstLine, kCsvTitle, kCsvKind, kCsvLesson, kCsvSecond})
    if (label == l) return true;
  return false;
}

std::string FormatCsvProblem(const std::string& csvName, const CsvProblem& p, Lang lang) {
  const std::string& message = p.message.In(lang);
  if (p.at.row <= 0) return csvName + ": " + message;
  if (p.at.col <= 0) return csvName + ":" + std::to_string(p.at.row) + ": " + message;
  return csvName + ":" + std::to_string(p.at.row) + ":" + std::to_string(p.at.col) + ": " + message;
}

}  // namespace vcq
