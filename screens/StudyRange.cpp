#include "screens/StudyRange.h"

#include <algorithm>
#include <string>

#include "data/Cp932.h"
#include "platform/Cues.h"
#include "platform/Error.h"
#include "platform/VirtualKeys.h"

namespace vcq {

namespace {

constexpr std::array<int, kMaxLessons> kPanelTop{8,   22,  36,  50,  64,  77,  91,  105, 119, 133,
                                                 147, 161, 175, 189, 204, 219, 233, 247, 261, 276};

// Right of the lesson panels (which end at 144): the hint and the buttons,
// all within the ten-panel height of the window.
constexpr int kSideLeft = 152;
constexpr int kSideWidth = 142;

}  // namespace

TfrmSel::TfrmSel(const Bank& bank, Record& rec, SoundPort& sound, const MapCanvas& canvas)
    : bank_(bank), rec_(rec), sound_(sound), canvas_(canvas) {
  form.Caption = Sj("学習範囲の指定");
  form.Color = selcolors::kWindow;
  form.Width = 307;
  form.Height = 161;
  form.Visible = false;
  for (int i = 0; i < kMaxLessons; ++i) {
    Control& p = pnl[i];
    p.Left = 3;
    p.Top = kPanelTop[i];
    p.Width = 141;
    p.Height = 14;
    p.Color = selcolors::kOn;
    p.FontColor = colors::kWhite;
    p.Visible = false;
    lblKey[i].Caption = std::string(1, static_cast<char>('a' + i));
    lblKey[i].Color = selcolors::kKey;  // inside its panel, at the left edge
    lblKey[i].FontColor = colors::kBlack;
    lblKey[i].Width = 10;
    lblKey[i].Height = 14;
  }
  Label1.Caption =
      Sj("レッスン名をクリックするか英字をキー入力すると個別の選択・非選択ができます。");
  btnOn.Caption = Sj("全選択");
  btnOf.Caption = Sj("全解除");
  btnOk.Caption = "OK";
  Place(Label1, kSideLeft, 8, kSideWidth, 58);
  Place(btnOn, kSideLeft, 72, 68, 25);
  Place(btnOf, kSideLeft + kSideWidth - 68, 72, 68, 25);
  Place(btnOk, kSideLeft + (kSideWidth - 75) / 2, 103, 75, 25);
}

void TfrmSel::OpenRange() {
  const ScoreMap& m = canvas_.map;
  for (Control& p : pnl) p.Visible = false;
  form.Height = m.SelCount < 10 ? 161 : 323;
  const int count = std::min(m.SelCount, kMaxLessons);
  for (int i = 0; i < count; ++i) {
    pnl[i].Caption = m.SelNames[i];
    pnl[i].Visible = true;
  }
  ColorPanels();
}

void TfrmSel::ColorPanels() {
  const int count = std::min(canvas_.map.SelCount, kMaxLessons);
  for (int i = 0; i < count; ++i)
    pnl[i].Color = rec_.LesSel[i] != 0 ? selcolors::kOn : selcolors::kOff;
}

void TfrmSel::ToggleLesson(int i) {
  if (i < 0 || i >= kMaxLessons) throw RangeError(OutOfRange("分野", i, kMaxLessons - 1));
  std::int32_t& flag = rec_.LesSel[i];
  flag = flag == 1 ? 0 : 1;
}

void TfrmSel::UpdateMain() {
  PlaceLesLabels(canvas_);
  DrawMapCells(canvas_);
}

void TfrmSel::pnlClick(int i) {
  PlayCue(sound_, cue::kRangeClick);
  ToggleLesson(i);
  ColorPanels();
  UpdateMain();
}

void TfrmSel::FormKeyPress(char key) {
  if (key < 'a' || key > 't') return;
  PlayCue(sound_, cue::kRangeClick);
  // A letter past the last lesson clicks and changes nothing.
  const int i = key - 'a';
  if (pnl[i].Visible) ToggleLesson(i);
  ColorPanels();
  UpdateMain();
}

void TfrmSel::FormKeyDown(int key) {
  if (key == vk::kReturn) btnOkClick();
}

void TfrmSel::btnOnClick() {
  PlayCue(sound_, cue::kRangeClick);
  const int count = std::min<int>(bank_.LesCount, kMaxLessons);
  for (int i = 0; i < count; ++i) rec_.LesSel[i] = 1;
  ColorPanels();
  UpdateMain();
}

void TfrmSel::btnOfClick() {
  PlayCue(sound_, cue::kRangeClick);
  const int count = std::min<int>(bank_.LesCount, kMaxLessons);
  for (int i = 0; i < count; ++i) rec_.LesSel[i] = 0;
  ColorPanels();
  UpdateMain();
}

void TfrmSel::btnOkClick() {
  PlayCue(sound_, cue::kRangeClick);
  form.Visible = false;
  RefreshScoreMap(canvas_);
}

void TfrmSel::FormClose() {
  form.Visible = false;
}

}  // namespace vcq
