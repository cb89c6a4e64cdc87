#include "screens/ClassCsv.h"

#include <vector>

#include "data/Cp932.h"
#include "data/Csv.h"

namespace vcq {

namespace {

void ClassRows(std::string& out, const ClassSection& s) {
  const std::string bank = s.bankPath.empty() ? "" : ToUtf8(s.title);
  const int cols = ColumnCount(s);
  std::vector<std::string> cells{"成績ファイル", "名前", "問題ファイル"};
  for (int c = 2; c < cols; ++c) cells.push_back(ColumnName(s, c));
  cells.push_back("備考");
  AppendCsvRow(out, cells);
  for (const ClassRow& r : s.rows) {
    cells = {CellText(s, r, 0), CellText(s, r, 1), bank};
    for (int c = 2; c < cols; ++c) cells.push_back(CellText(s, r, c));
    std::string note = r.inUse ? "使用中" : "";
    if (!r.problem.empty()) note += (note.empty() ? "" : "。") + r.problem;
    cells.push_back(note);
    AppendCsvRow(out, cells);
  }
  if (s.bankPath.empty()) return;
  const ClassFigures& f = s.figures;
  std::vector<std::string> mean{"クラス平均", std::to_string(f.learners) + " 人", bank};
  std::vector<std::string> mastered{"習得した人数", "", bank};
  for (int L = 0; L < s.lessons; ++L) {
    mean.push_back(std::to_string(f.meanRate[L]));
    mastered.push_back(std::to_string(f.masteredBy[L]));
  }
  mean.insert(mean.end(),
              {"", "", std::to_string(f.meanWholeRate), std::to_string(f.meanEvaluation)});
  mastered.insert(mastered.end(), {"", "", std::to_string(f.masteredAll), ""});
  AppendCsvRow(out, mean);
  AppendCsvRow(out, mastered);
}

void HardRows(std::string& out, const ClassSection& s) {
  for (const HardQuestion& h : s.hard) {
    const std::string lesson =
        h.lesson >= 0 && h.lesson < s.lessons ? ToUtf8(s.lessonName[h.lesson]) : "";
    std::vector<std::string> row = {ToUtf8(s.title), std::to_string(h.ques + 1), lesson,
                                    ToUtf8(h.prompt), ToUtf8(h.sentence)};
    for (const HardLevelColumn& c : kHardLevelColumns)
      row.push_back(std::to_string(h.atLevel[c.kind]));
    AppendCsvRow(out, row);
  }
}

}  // namespace

std::string ClassCsv(const ClassTable& t, bool cp932) {
  std::string out;
  for (const ClassSection& s : t.sections) {
    ClassRows(out, s);
    out += "\r\n";
  }
  std::vector<std::string> head = {"問題ファイル", "問題番号", "分野", "問題", "英文"};
  for (const HardLevelColumn& c : kHardLevelColumns) head.emplace_back(c.name);
  AppendCsvRow(out, head);
  for (const ClassSection& s : t.sections) HardRows(out, s);
  if (cp932) return Utf8ToCp932(out).cp932;
  return std::string(kUtf8Bom) + out;
}

}  // namespace vcq
