#include "drill/QuesWindow.h"

#include "data/Cp932.h"
#include "drill/ReadAloud.h"

namespace vcq {

namespace {

// A picture or a plain label: no colour of its own.
Control Place(int left, int top, int width = 0, int height = 0, bool visible = true) {
  return MakeControl(left, top, width, height, {}, colors::kBlack, 0, visible);
}

constexpr std::array<int, 5> kListRows{56, 76, 96, 116, 136};
constexpr std::array<int, kChoicePanels> kChoiceTops{3, 25, 48, 71, 95, 119, 144, 169, 192};

}  // namespace

QuesWindow::QuesWindow(DrillLinks links) : ctx_{std::move(links), *this} {
  using namespace quescolors;
  form = MakeControl(0, 0, kQuesOuterWidth, kQuesOuterHeight, kWindow, colors::kBlack, 12, false,
                     "MiravelCompany");

  SpeedBar = MakeControl(1, 0, 590, 57, kBar, colors::kBlack, 12);
  pnlQuit = MakeControl(6, 2, 36, 36, colors::kSilver, colors::kBlack, 12);
  imgQuit = Place(2, 2, 32, 32);
  Label11 = MakeControl(16, 40, 0, 0, kBar, colors::kBlack, 12, true, "Esc");
  lblDName = MakeControl(313, 23, 207, 20, kBar, colors::kBlack, 16, false);
  imgMouse = Place(524, 17, 32, 32, false);
  imgKB = Place(556, 17, 32, 32);

  pnlQues = MakeControl(11, 76, 569, 107, kPaper, colors::kBlack, 12);
  w1 = MakeControl(57, 14, 0, 0, kPaper, colors::kBlack, 19, false);
  w3 = MakeControl(54, 42, 0, 0, kPaper, colors::kBlack, 19, false);
  w2 = MakeControl(55, 77, 0, 0, kPaper, colors::kBlack, 19, false);
  imgEsper = Place(17, 66, 24, 32);
  pnlMes = MakeControl(337, 83, 230, 22, kWindow, colors::kBlack, 12);
  lblMes = MakeControl(4, 3, 130, 18, kWindow, colors::kNavy, 15);
  Image1 = Place(139, 4);
  lblOks = MakeControl(160, 4, 0, 0, kWindow, colors::kBlack, 15, true, "0");
  Image2 = Place(189, 4);
  lblNgs = MakeControl(212, 4, 0, 0, kWindow, colors::kBlack, 15, true, "0");

  Panel3 = MakeControl(11, 199, 319, 215, kPaper, colors::kBlack, 12);
  lblTitle = MakeControl(4, 15, 209, 20, kPaper, colors::kBlack, 15, false);
  lblTestCnt = MakeControl(216, 17, 0, 0, kPaper, colors::kBlack, 13, false);
  lblTen = MakeControl(279, 15, 36, 25, kPaper, colors::kRed, 19, false);
  for (int i = 0; i < kBatchSize; ++i) {
    const bool left = i < 5;
    a[i] = MakeControl(left ? 35 : 193, kListRows[i % 5], 0, 0, kPaper, colors::kBlack, 12, false);
    lox[i] = MakeControl(left ? 10 : 169, kListRows[i % 5], 24, 19, kPaper, colors::kRed, 19, false,
                         Sj("○"));
  }
  lblAnsAbout = MakeControl(6, 156, 309, 49, kPaper, colors::kTeal, 15);

  pnlSel = MakeControl(338, 194, 243, 220, kWindow, colors::kBlack, 12);
  for (int i = 0; i < kChoicePanels; ++i) {
    s[i] = MakeControl(4, kChoiceTops[i], 237, 23, kPaper, colors::kNavy, 16);
    s[i].Enabled = false;
    sLabel[i] = MakeControl(3, 5, 0, 0, kPaper, colors::kBlack, 11, true, std::to_string(i + 1));
  }
  pnlInf = MakeControl(338, 194, 243, 220, kWindow, colors::kBlack, 12);
  Image3 = Place(20, 17);
  Label10 = MakeControl(59, 31, 0, 0, kWindow, colors::kBlack, 12, true, Sj("現在の設定"));
  pnlorder = MakeControl(20, 55, 142, 20, kPaper, colors::kBlack, 13);
  pnlHint = MakeControl(20, 79, 142, 20, kPaper, colors::kBlack, 13);
  pnlFlash = MakeControl(20, 103, 142, 20, kPaper, colors::kBlack, 13);
}

void QuesWindow::LeaveDrill() {
  CutSpeech(ctx_.readAloud);  // read aloud
  form.Visible = false;
  ctx_.hooks.showMain();
}

void QuesWindow::HideChoices() {
  for (Control& p : s) p.Visible = p.Enabled = false;
}

void QuesWindow::ResetChoiceColors() {
  for (Control& p : s) p.Color = quescolors::kPaper;
}

void QuesWindow::StartAnswerAnim(bool right) {
  tmrOK.SetInterval(ctx_.drill.Review ? 10 : 100);
  if (right) {
    OkStep = 0;
    tmrOK.Start();
  } else {
    NgStep = 0;
    tmrNG.Start();
  }
}

void QuesWindow::AnnounceNextBatch() {
  tmrStart.Start();
}

void QuesWindow::StartFlashTimer(int intervalMs) {
  tmrFlash.SetInterval(intervalMs);
  FlashHalf = false;
  tmrFlash.Start();
}

void QuesWindow::StopFlashTimer() {
  tmrFlash.Stop();
}

void QuesWindow::tmrNGTimer() {
  ctx_.drill.AnsReady = true;
  if (NgStep >= 1 && NgStep <= 4) EsperPicture = NgStep + 3;
  if (NgStep == 4) tmrNG.Stop();
  ++NgStep;
}

}  // namespace vcq
