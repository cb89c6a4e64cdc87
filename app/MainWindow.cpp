#include "app/MainWindow.h"

#include "app/Program.h"
#include "data/Cp932.h"
#include "platform/Cues.h"
#include "platform/VirtualKeys.h"
#include "screens/ScoreMap.h"

namespace vcq {

namespace {

Control CommandPanel(int left, Rgb color, bool visible) {
  Control c;
  c.Left = left;
  c.Top = 4;
  c.Width = c.Height = 36;
  c.Color = color;
  c.Visible = visible;
  return c;
}

Control Hidden(std::string caption = {}) {
  Control c;
  c.Caption = std::move(caption);
  c.Visible = false;
  return c;
}

using maincolors::kBarBlue;
using maincolors::kBarGreen;
using maincolors::kBarHelp;

}  // namespace

TfrmMain::TfrmMain(Program& app)
    : mapCanvas{app.bank,  app.rec, app.ports.sound, map,     lblTitle,
                lblPlayer, pnlSel,  lblsel,          lblsel2, LesPanel},
      app_(app) {
  form.Caption = "MiravelCompany";
  form.Color = maincolors::kWindow;
  form.FontColor = maincolors::kText;
  // Shown at the end of the start-up sequence.
  pnlQuit = CommandPanel(6, colors::kSilver, false);
  pnlOpen = CommandPanel(42, kBarGreen, false);
  pnlFileCreate = CommandPanel(78, kBarGreen, false);
  pnlClass = CommandPanel(270, kBarHelp, false);
  pnlHelp = CommandPanel(317, kBarHelp, false);
  // Shown with a record.
  pnlSel = CommandPanel(115, kBarGreen, false);
  pnlGo = CommandPanel(162, kBarGreen, false);
  pnlOption = CommandPanel(198, kBarBlue, false);
  pnlSheet = CommandPanel(234, kBarBlue, false);
  pnlReDraw = CommandPanel(317, kBarHelp, false);
  lblsel = Hidden("F4");
  lblsel2 = Hidden(Sj("範囲"));
  lblGo = Hidden("F5");
  lblGo2 = Hidden(Sj("問題へ"));
  lblOption = Hidden("F6");
  lblOption2 = Hidden(Sj("設定"));
  lblSheet = Hidden("F7");
  lblSheet2 = Hidden(Sj("成績"));
  lblHelp2.Caption = Sj("ヘルプ");

  lblTitle = Hidden();
  lblTitle.Left = 55;
  lblTitle.Top = 76;
  lblTitle.Width = 222;
  lblTitle.Height = 19;
  lblTitle.FontColor = colors::kBlack;
  lblPlayer = Hidden();
  lblPlayer.Left = 347;
  lblPlayer.Top = 74;
  lblPlayer.Width = 114;
  lblPlayer.Height = 18;
  lblPlayer.FontColor = colors::kNavy;
  for (Control& p : LesPanel) {
    p = Hidden();
    p.Left = 8;
    p.Width = 111;
    p.Height = 14;
    p.Color = mapcolors::kLabelOn;
    p.FontColor = colors::kWhite;
  }
  FormCreate();
  Timer3 = app_.NewTimer(100, true, [this] { Timer3Timer(); });
}

void TfrmMain::FormCreate() {
  app_.rec.RecOpen = 0;
  app_.QuesChosen = 0;
  StartTick = 0;
  OkSum = 0;
  NgSum = 0;
  form.Width = 600;
  form.Height = 450;
}

void TfrmMain::Timer3Timer() {
  ++StartTick;
  if (StartTick == 1) app_.frmStartPan.form.Visible = true;
  if (StartTick == 2) app_.Play(cue::kStartUp);
  if (StartTick >= 13) {
    app_.frmStartPan.form.Visible = false;
    Timer3->SetEnabled(false);
    ShowStartCommands();
  }
}

void TfrmMain::ShowStartCommands() {
  pnlQuit.Visible = pnlOpen.Visible = pnlFileCreate.Visible = pnlHelp.Visible = true;
  pnlClass.Visible = true;
  lblHelp2.Caption = Sj("ﾍﾙﾌﾟ");
}

void TfrmMain::FormKeyDown(int key) {
  switch (key) {
    case vk::kF1:
      cmdQuit();
      break;
    case vk::kF2:
      cmdOpen();
      break;
    case vk::kF3:
      cmdFileCreate();
      break;
    case vk::kF4:
      if (pnlSel.Visible) cmdSel();
      break;
    case vk::kF5:
      if (pnlGo.Visible) cmdGo();
      break;
    case vk::kF6:
      if (pnlOption.Visible) cmdOption();
      break;
    case vk::kF7:
      if (pnlSheet.Visible) cmdSheet();
      break;
    case vk::kF8:
      if (pnlClass.Visible) cmdClass();
      break;
    case vk::kF9:
      if (pnlHelp.Visible)
        cmdHelp();
      else
        cmdReDraw();
      break;
    default:
      break;
  }
}

bool TfrmMain::FormClose() {
  if (!SaveIfOpen("保存せずに終了しますか")) return false;
  Closed = true;
  form.Visible = false;
  return true;
}

// One save: a second one right after would write the same bytes, and after a
// failed one would only ask the same question again.
void TfrmMain::cmdQuit() {
  app_.Play(cue::kCommand);
  FormClose();
}

void TfrmMain::ShowRecordCommands() {
  pnlSheet.Visible = lblSheet.Visible = lblSheet2.Visible = true;
  pnlGo.Visible = lblGo.Visible = lblGo2.Visible = true;
  pnlOption.Visible = lblOption.Visible = lblOption2.Visible = true;
  const bool lessons = HasLessons(app_.bank.DataForm);
  pnlSel.Visible = lblsel.Visible = lblsel2.Visible = lessons;
}

void TfrmMain::cmdSel() {
  app_.frmSel.form.Visible = true;
  app_.frmSel.OpenRange();
}

void TfrmMain::cmdGo() {
  app_.Play(cue::kCommand);
  app_.frmQues.Show();
  ResetDrill(app_.drill);
  app_.frmQues.AnnounceNextBatch();
}

void TfrmMain::cmdOption() {
  app_.Play(cue::kCommand);
  app_.frmOption.form.Visible = true;
  app_.frmOption.OpenOption();
}

void TfrmMain::cmdSheet() {
  app_.Play(cue::kCommand);
  app_.frmScoreTable.ShowScoreTable();
  RefreshScoreMap(mapCanvas);
}

void TfrmMain::cmdClass() {
  app_.Play(cue::kCommand);
  if (OpenClassView) OpenClassView();
}

void TfrmMain::cmdHelp() {
  app_.ports.dialogs.ShowHelp();
  pnlHelp.Visible = false;
  pnlReDraw.Visible = true;
  lblHelp2.Caption = Sj("成績の再描画");
}

void TfrmMain::cmdReDraw() {
  pnlReDraw.Visible = false;
  pnlHelp.Visible = true;
  lblHelp2.Caption = Sj("ﾍﾙﾌﾟ");
  RefreshScoreMap(mapCanvas);
}

}  // namespace vcq
