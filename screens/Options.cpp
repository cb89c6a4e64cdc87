#include "screens/Options.h"

#include <algorithm>
#include <string>

#include "data/Cp932.h"
#include "drill/QuesOrder.h"
#include "drill/ReadAloud.h"
#include "platform/VirtualKeys.h"

namespace vcq {

namespace {

// The groups have the items 0 and 1. A larger value shows as 1, as the drill
// takes any non-zero value as on; a negative one shows no item.
int ShownItem(std::int32_t value) {
  return std::clamp<std::int32_t>(value, -1, 1);
}

}  // namespace

TfrmOption::TfrmOption(const Bank& bank, Record& rec, DrillState& drill, ClockPort& clock,
                       const MapCanvas& canvas, ReadAloud& readAloud)
    : bank_(bank), rec_(rec), drill_(drill), clock_(clock), canvas_(canvas), readAloud_(readAloud) {
  form.Caption = Sj("オプション");
  form.Width = 427;
  form.Height = 229;  // a row below the buttons for chkSpeak
  form.Color = optioncolors::kWindow;
  form.Visible = false;
  RadioGroup1.Caption = Sj("１字表示");
  RadioGroup1.Items = {Sj("表示しない"), Sj("最初の１字と語数を表示する")};
  RadioGroup2.Caption = Sj("出題順");
  RadioGroup2.Items = {Sj("データの並び順"), Sj("ランダム順")};
  Label1.Caption = Sj("フラッシュ時間の設定");
  pnlInf.Caption = "0";
  pnlInf.Color = colors::kGreen;
  pnlInf.FontColor = colors::kWhite;
  pnlUp.Caption = "+";
  pnlUp.Color = optioncolors::kStep;
  pnlDown.Caption = "-";
  pnlDown.Color = optioncolors::kStep;
  Label3.Caption = Sj("一定時間、答を表示します。０のとき非表示。数値は秒ではありません。");
  BitBtn1.Caption = "OK";
  BitBtn2.Caption = Sj("ｷｬﾝｾﾙ");
  chkSpeak.Caption = Sj("英文を読み上げる");

  // The layout. Label1 is sized to its text; Label1 to Label3 sit inside Panel1.
  Place(RadioGroup1, 8, 4, 200, 64);
  Place(RadioGroup2, 8, 72, 200, 64);
  Place(Panel1, 216, 4, 196, 132);
  Place(Label1, 8, 6, 0, 0);
  Place(pnlInf, 10, 26, 64, 40);
  Place(pnlUp, 84, 26, 36, 19);
  Place(pnlDown, 84, 47, 36, 19);
  Place(Label3, 8, 74, 180, 52);
  Place(BitBtn1, 234, 144, 84, 28);
  Place(BitBtn2, 326, 144, 84, 28);
  Place(chkSpeak, 12, 178, 300, 20);  // a row of its own below the buttons
}

const std::array<OptionChoice, 2>& TfrmOption::Choices() {
  static constexpr std::array<OptionChoice, 2> kChoices = {{
      {"RadioGroup1", &TfrmOption::RadioGroup1, &RecordOptions::OneLetter},
      {"RadioGroup2", &TfrmOption::RadioGroup2, &RecordOptions::OrderMode},
  }};
  return kChoices;
}

void TfrmOption::OpenOption() {
  OldOptions = rec_.Options();
  OldReadAloud = readAloud_.on;
  ShowOptions();
}

void TfrmOption::ShowOptions() {
  for (const OptionChoice& c : Choices()) (this->*c.group).ItemIndex = ShownItem(rec_.*c.value);
  chkSpeak.Checked = readAloud_.on;
  ShowFlashTime();
}

void TfrmOption::ShowFlashTime() {
  pnlInf.Caption = std::to_string(rec_.FlashTime);
}

void TfrmOption::ChoiceClick(std::size_t choice, int index) {
  if (choice >= Choices().size() || index < 0 || index > 1) return;
  const OptionChoice& c = Choices()[choice];
  (this->*c.group).ItemIndex = index;
  rec_.*c.value = index;
}

// A hand-edited record may hold a value outside 0..20: one step brings it
// back inside the bound it crosses.
void TfrmOption::pnlUpClick() {
  std::int32_t& t = rec_.FlashTime;
  t = t >= kMaxFlashTime ? kMaxFlashTime : t + 1;
  ShowFlashTime();
}

void TfrmOption::pnlDownClick() {
  std::int32_t& t = rec_.FlashTime;
  t = t <= 0 ? 0 : t - 1;
  ShowFlashTime();
}

void TfrmOption::FormKeyPress(char key) {
  if (key == '+') pnlUpClick();
  if (key == '-') pnlDownClick();
}

void TfrmOption::FormKeyDown(int key) {
  switch (key) {
    case vk::kPrior:
      pnlUpClick();
      break;
    case vk::kNext:
      pnlDownClick();
      break;
    case vk::kReturn:
      BitBtn1Click();
      break;
    case vk::kEscape:
      BitBtn2Click();
      break;
    default:
      break;
  }
}

void TfrmOption::CloseAndRebuild() {
  BuildQuesOrder(drill_, bank_.QuesCount, rec_.OrderMode, clock_.NowUtc());
  form.Visible = false;
  RefreshScoreMap(canvas_);
}

// The settings file is written only when the setting differs from the one
// the window opened with: an OK that changed nothing leaves the file alone.
void TfrmOption::KeepReadAloud() {
  SetReadAloud(readAloud_, chkSpeak.Checked, chkSpeak.Checked != OldReadAloud);
}

void TfrmOption::BitBtn1Click() {
  KeepReadAloud();
  CloseAndRebuild();
}

void TfrmOption::BitBtn2Click() {
  rec_.Options() = OldOptions;
  SetReadAloud(readAloud_, OldReadAloud, false);
  ShowOptions();
  CloseAndRebuild();
}

void TfrmOption::chkSpeakClick() {
  chkSpeak.Checked = !chkSpeak.Checked;
  SetReadAloud(readAloud_, chkSpeak.Checked, false);
}

void TfrmOption::FormClose() {
  KeepReadAloud();
  form.Visible = false;
}

}  // namespace vcq
