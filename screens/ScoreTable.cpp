#include "screens/ScoreTable.h"

#include <algorithm>
#include <string>

#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "platform/Error.h"

namespace vcq {

namespace {

std::string Percent(std::int64_t part, std::int64_t whole) {
  return whole == 0 ? "0" : std::to_string(part * 100 / whole);
}

}  // namespace

TfrmScoreTable::TfrmScoreTable(const Bank& bank, const Record& rec, const MapCanvas& canvas)
    : bank_(bank), rec_(rec), canvas_(canvas) {
  form.Caption = Sj("成績集計表");
  form.Width = 334;
  form.Height = 291;
  form.Color = tablecolors::kWindow;
  form.FontSize = 12;
  form.Visible = false;
  grdTen.Left = 5;
  grdTen.Top = 7;
  grdTen.Width = 316;
  grdTen.Height = 210;
  grdTen.Color = colors::kWhite;
  grdTen.FixedColor = tablecolors::kFixed;
  btnOK.Caption = "OK";
  btnOK.Left = 212;
  btnOK.Top = 229;
  btnOK.Width = 75;
  btnOK.Height = 25;
}

void TfrmScoreTable::Tally() {
  const Bank& b = bank_;
  const Record& r = rec_;
  if (b.QuesCount < 0 || b.QuesCount > kMaxQuestions)
    throw RangeError(Where(b.QuesFileName) + OutOfRange("問題数", b.QuesCount, kMaxQuestions));
  TenQues.fill(0);
  TenOk.fill(0);
  TenAns.fill(0);
  TenPt.fill(0);
  TenRows = std::clamp<std::int32_t>(b.LesCount, 0, kMaxLessons);
  for (int i = 0; i < TenRows; ++i) TenName[i] = b.LesName[i];
  grdTen.RowCount = TenRows + 1;
  // A grid keeps at least one row that scrolls.
  grdTen.FixedRows = std::min(1, grdTen.RowCount - 1);
  for (int q = 0; q < b.QuesCount; ++q) {
    const std::int32_t L = b.QuesLes[q];
    if (L < 0 || L >= kMaxLessons)
      throw RangeError(Where(b.QuesFileName) +
                       OutOfRange("問題 " + std::to_string(q) + " の分野番号", L, kMaxLessons - 1));
    ++TenQues[L];
    TenAns[L] += r.AnsCount[q];
    if (r.OkLevel[q] == 2) {
      ++TenOk[L];
      TenPt[L] += 2;
    } else if (r.OkLevel[q] == 1) {
      TenPt[L] += 1;
    }
  }
}

void TfrmScoreTable::ShowScoreTable() {
  auto& cells = grdTen.Cells;
  cells[0][1] = Sj("題数");
  cells[0][2] = Sj("習得数");
  cells[0][3] = Sj("習得率");
  cells[0][4] = Sj("評価");
  Tally();
  for (int i = 1; i <= TenRows; ++i) {
    const int L = i - 1;
    cells[i][0] = TenName[L];
    cells[i][1] = std::to_string(TenQues[L]);
    cells[i][2] = std::to_string(TenOk[L]);
    cells[i][3] = Percent(TenOk[L], TenQues[L]);
    cells[i][4] = Percent(TenPt[L], TenAns[L]);
  }
  form.Visible = true;
}

void TfrmScoreTable::btnOKClick() {
  form.Visible = false;
  RefreshScoreMap(canvas_);
}

void TfrmScoreTable::FormClose() {
  form.Visible = false;
}

}  // namespace vcq
