#include "screens/ScoreTable.h"

#include <algorithm>
#include <string>

#include "data/Cp932.h"
#include "screens/LessonTally.h"

namespace vcq {

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
  LessonTally t = TallyLessons(b, rec_.AnsCount, rec_.OkLevel);
  TenQues = t.TenQues;
  TenOk = t.TenOk;
  TenAns = t.TenAns;
  TenPt = t.TenPt;
  TenRows = std::clamp<std::int32_t>(b.LesCount, 0, kMaxLessons);
  for (int i = 0; i < TenRows; ++i) TenName[i] = b.LesName[i];
  grdTen.RowCount = TenRows + 1;
  // A grid keeps at least one row that scrolls.
  grdTen.FixedRows = std::min(1, grdTen.RowCount - 1);
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
    const Figures f{TenQues[L], TenOk[L], TenAns[L], TenPt[L]};
    cells[i][3] = std::to_string(f.Rate());
    cells[i][4] = std::to_string(f.Evaluation());
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
