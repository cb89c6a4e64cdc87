#include "screens/ScoreMap.h"

#include <algorithm>
#include <string>

#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "platform/Cues.h"
#include "platform/Error.h"

namespace vcq {

namespace {

struct Layout {
  int perRow, top, cellWidth, colPitch;
};
constexpr int kLeft = 123;
constexpr int kCellHeight = 12;
constexpr int kRowPitch = 14;
constexpr Layout kNormal{50, 130, 7, 9};
constexpr Layout kDense{65, 102, 5, 7};

// The bank loader checks its counts, but the map must not read past its
// tables whatever the state holds.
void CheckCounts(const Bank& b) {
  if (b.QuesCount < 0 || b.QuesCount > kMaxQuestions)
    throw RangeError(Where(b.QuesFileName) + OutOfRange("問題数", b.QuesCount, kMaxQuestions));
  if (b.LesCount > kMaxLessons)
    throw RangeError(Where(b.QuesFileName) + OutOfRange("分野の数", b.LesCount, kMaxLessons));
}

// The loader lets any number through as a lesson; the map's tables stop at 19.
int CheckedLesson(const Bank& b, int q, std::int32_t g, const char* what) {
  if (g < 0 || g >= kMaxLessons)
    throw RangeError(Where(b.QuesFileName) +
                     OutOfRange("問題 " + std::to_string(q) + " の" + what, g, kMaxLessons - 1));
  return g;
}

bool InRange(const Bank& b, const Record& r, int q) {
  if (HasLessons(b.DataForm) && r.LesSel[CheckedLesson(b, q, b.QuesLes[q], "分野番号")] == 0)
    return false;
  if (HasSecondClass(b.DataForm) &&
      r.LesSel2[CheckedLesson(b, q, b.QuesLes2[q], "第二分類番号")] == 0)
    return false;
  return true;
}

void ComputeRows(const std::array<int, kMaxLessons>& cnt, int count, int perRow,
                 std::array<int, kMaxLessons + 1>& top) {
  top[0] = 0;
  for (int g = 0; g < count; ++g) {
    const int rows = std::max(1, (cnt[g] + perRow - 1) / perRow);
    top[g + 1] = top[g] + rows;
  }
}

void ShowTitleAndPlayer(const MapCanvas& c) {
  c.lblTitle.Caption = c.bank.BankTitle;
  c.lblPlayer.Caption = c.rec.PlayerName;
  c.lblTitle.Visible = c.lblPlayer.Visible = true;
}

// Any level the record should not hold shows as never answered.
Rgb CellFill(int level) {
  switch (KindOfLevel(level)) {
    case kKindWrong:
      return mapcolors::kWrong;
    case kKindOnce:
      return mapcolors::kOnce;
    case kKindMastered:
      return mapcolors::kMastered;
    default:
      return mapcolors::kNever;
  }
}

// Clears the list and paints the map area in the window colour.
void Wipe(ScoreMap& m) {
  m.drawn.clear();
  m.cells.clear();
  m.drawn.push_back(kMapArea);
}

// The levels' names, in the order the help lists them.
constexpr std::array<const char*, kLevelKinds> kLevelNames = {"未解答", "不正解", "1 回正解",
                                                              "習得"};

}  // namespace

std::string MapSummary(const ScoreMap& m) {
  const int groups = std::max(m.SelCount, 1);
  std::vector<std::array<int, kLevelKinds>> counts(static_cast<std::size_t>(groups));
  for (const MapCell& c : m.cells)
    if (c.lesson >= 0 && c.lesson < groups)
      ++counts[static_cast<std::size_t>(c.lesson)][KindOfLevel(c.level)];
  std::string out;
  for (int g = 0; g < groups; ++g) {
    if (m.SelCount > 0) out += m.SelNames[static_cast<std::size_t>(g)] + Sj("： ");
    for (std::size_t l = 0; l < kLevelKinds; ++l) {
      if (l > 0) out += Sj("、");
      out += Sj(kLevelNames[l]) + " " + std::to_string(counts[static_cast<std::size_t>(g)][l]);
    }
    out += "\n";
  }
  return out;
}

std::string CellText(const MapCell& c) {
  return Sj("問 ") + std::to_string(c.ques + 1) + " " + Sj(kLevelNames[KindOfLevel(c.level)]);
}

void ScoreMap::Draw(const MapRect& r) {
  // Painted last means on top: the replaced one leaves its old place in the order.
  auto old =
      std::find_if(drawn.begin(), drawn.end(), [&](const MapRect& d) { return d.SamePlace(r); });
  if (old != drawn.end()) drawn.erase(old);
  drawn.push_back(r);
}

void CountLesQues(const MapCanvas& c) {
  const Bank& b = c.bank;
  CheckCounts(b);
  ScoreMap& m = c.map;
  m.LesQuesCnt.fill(0);
  for (int q = 0; q < b.QuesCount; ++q)
    ++m.LesQuesCnt[CheckedLesson(b, q, b.QuesLes[q], "分野番号")];
}

void DrawScoreMap(const MapCanvas& c) {
  const Bank& b = c.bank;
  CheckCounts(b);
  ScoreMap& m = c.map;
  Wipe(m);
  m.SelCount = b.LesCount;
  for (int i = 0; i < m.SelCount; ++i) m.SelNames[i] = b.LesName[i];
  if (m.SelCount > 0) {
    ComputeRows(m.LesQuesCnt, m.SelCount, kNormal.perRow, m.LesRowTop);
    m.MapRows = m.LesRowTop[m.SelCount];
    if (m.MapRows > 14) ComputeRows(m.LesQuesCnt, m.SelCount, kDense.perRow, m.LesRowTop2);
  } else {
    // No lessons: the cells form one group from row 0, without a label, in
    // the normal layout whatever the record before used.
    m.LesRowTop[0] = 0;
    m.MapRows = 0;
  }
  const bool lessons = HasLessons(b.DataForm);
  c.pnlSel.Visible = c.lblsel.Visible = c.lblsel2.Visible = lessons;
  ShowTitleAndPlayer(c);
  PlaceLesLabels(c);
  DrawMapCells(c);
}

void RefreshScoreMap(const MapCanvas& c) {
  PlayCue(c.sound, cue::kMapRefresh);
  if (c.rec.RecOpen != 1) return;
  ShowTitleAndPlayer(c);
  PlaceLesLabels(c);
  DrawMapCells(c);
}

void PlaceLesLabels(const MapCanvas& c) {
  const Bank& b = c.bank;
  CheckCounts(b);
  ScoreMap& m = c.map;
  m.SelCount = b.LesCount;
  for (int i = 0; i < m.SelCount; ++i) m.SelNames[i] = b.LesName[i];
  for (Control& p : c.LesPanel) p.Visible = false;
  const bool dense = m.Dense();
  for (int i = 0; i < m.SelCount; ++i) {
    Control& p = c.LesPanel[i];
    p.Caption = m.SelNames[i];
    p.Color = c.rec.LesSel[i] == 1 ? mapcolors::kLabelOn : mapcolors::kLabelOff;
    p.Top =
        dense ? m.LesRowTop2[i] * kRowPitch + kDense.top : m.LesRowTop[i] * kRowPitch + kNormal.top;
    p.Visible = true;
  }
}

void DrawMapCells(const MapCanvas& c) {
  const Bank& b = c.bank;
  const Record& r = c.rec;
  CheckCounts(b);
  ScoreMap& m = c.map;
  const bool dense = m.Dense();
  const Layout& lay = dense ? kDense : kNormal;
  const std::array<int, kMaxLessons + 1>& rowTop = dense ? m.LesRowTop2 : m.LesRowTop;
  m.LesQuesCnt.fill(0);
  m.cells.clear();
  for (int q = 0; q < b.QuesCount; ++q) {
    const int g = CheckedLesson(b, q, b.QuesLes[q], "分野番号");
    const int p = m.LesQuesCnt[g]++;
    MapRect cell;
    cell.left = (p % lay.perRow) * lay.colPitch + kLeft;
    cell.top = (p / lay.perRow + rowTop[g]) * kRowPitch + lay.top;
    cell.right = cell.left + lay.cellWidth;
    cell.bottom = cell.top + kCellHeight;
    cell.pen = InRange(b, r, q) ? mapcolors::kInRange : mapcolors::kOutOfRange;
    cell.fill = CellFill(r.OkLevel[q]);
    m.Draw(cell);
    m.cells.push_back({q, g, r.OkLevel[q], cell});
  }
}

}  // namespace vcq
