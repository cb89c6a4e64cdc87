// An open record on a bank built in memory, for the tests of the score map
// and the windows around it: no files, no dialogs.
#pragma once

#include <string>
#include <vector>

#include "data/Cp932.h"
#include "screens/ScoreMap.h"
#include "tests/support/TestProgram.h"

namespace vcq::test {

// Lesson g holds perLesson[g] questions, lessons one after the other, all
// untried and in the range; the map is drawn and the record commands are
// offered, as after F2. Layout 0 takes one lesson, "全問題".
inline void OpenInMemory(TestProgram& t, const std::vector<int>& perLesson, int dataForm = 1) {
  Bank& b = t.app.bank;
  Record& r = t.app.rec;
  b = Bank{};
  r = Record{};
  b.BankTitle = "Title";
  b.DataKind = b.DataForm = dataForm;
  b.LesCount = static_cast<int>(perLesson.size());
  int q = 0;
  for (int g = 0; g < b.LesCount; ++g) {
    b.LesName[g] = dataForm == 0 ? Sj("全問題") : "L" + std::to_string(g);
    for (int k = 0; k < perLesson[g]; ++k) b.QuesLes[q++] = g;
  }
  b.QuesCount = q;
  r.RecOpen = 1;
  r.PlayerName = "Player";
  r.LesSel.fill(0);
  for (int g = 0; g < b.LesCount; ++g) r.LesSel[g] = 1;
  r.LesSel2.fill(1);
  r.OkLevel.fill(-1);
  CountLesQues(t.app.frmMain.mapCanvas);
  DrawScoreMap(t.app.frmMain.mapCanvas);
  t.app.frmMain.ShowRecordCommands();
}

// The cell of question q as drawn last.
inline const MapRect* CellOf(const TestProgram& t, int q) {
  // Questions are drawn in bank order after the wipe; a redraw keeps that order.
  const auto& d = t.app.frmMain.map.drawn;
  if (static_cast<std::size_t>(q) + 1 >= d.size()) return nullptr;
  return &d[q + 1];
}

}  // namespace vcq::test
