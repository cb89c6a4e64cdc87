#include "drill/Presentation.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "app/Program.h"
#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "drill/Checked.h"
#include "drill/Grading.h"

namespace vcq {

namespace {

constexpr std::size_t kLineBytes = 180;

// The answer line: each word as its piece and one blank, cut to 180 bytes
// after every piece. A word starting with "@" is a gap; `gap` gives its
// piece from the index and the word without the "@".
template <typename GapPiece>
void PutAnsLine(Program& app, GapPiece gap) {
  DrillState& d = app.drill;
  std::string line;
  for (std::int32_t i = 0; i < d.WordCnt; ++i) {
    const std::string& word = At(d.Words.Words, i, "語");
    line += FirstIs(word, "@") ? gap(i, DropFirst(word)) : word;
    line += ' ';
    line = std::string(CutBytes(line, kLineBytes));
  }
  TfrmQues& f = app.frmQues;
  f.w3.FontColor = f.AnsColor;
  f.w3.Caption = std::move(line);
  f.w3.Visible = true;
}

// The row of the current question in the answer list, red in review.
Control& AnswerRow(Program& app) {
  const DrillState& d = app.drill;
  Control& row = app.frmQues.AnsList(d.BatchPos);
  row.FontColor = d.Review == 1 ? colors::kRed : colors::kBlack;
  return row;
}

void SetMessage(Program& app, const std::string& text, Rgb font, Rgb strip) {
  TfrmQues& f = app.frmQues;
  f.lblMes.Caption = text;
  f.lblMes.FontColor = font;
  f.pnlMes.Color = strip;  // the label is transparent: the strip is its background
}

}  // namespace

void ShowRound(Program& app) {
  static const std::string kDai = Sj("第 ");
  static const std::string kKai = Sj(" 回");
  TfrmQues& f = app.frmQues;
  ++app.drill.TestNo;
  f.lblDName.Caption = app.bank.BankTitle;
  f.lblTestCnt.Caption = kDai + std::to_string(app.drill.TestNo) + kKai;
  f.lblDName.Visible = f.lblTestCnt.Visible = true;
}

void ClearQues(Program& app) {
  TfrmQues& f = app.frmQues;
  f.w1.Caption.clear();
  f.w2.Caption.clear();
  f.w3.Caption.clear();
  f.lblTen.Visible = false;
  for (Control& c : f.a) c.Caption.clear();
  for (Control& c : f.lox) c.Visible = false;
}

void ShowQues(Program& app) {
  TfrmQues& f = app.frmQues;
  const DrillState& d = app.drill;
  Control& row = f.AnsList(d.BatchPos);
  const bool shortAnswer = d.AnsText.size() < 32;
  f.w2.FontSize = f.w3.FontSize = Pt(shortAnswer ? 16 : 12);
  row.FontSize = Pt(shortAnswer ? 10 : 8);
  f.w1.FontSize = Pt(d.QuesText.size() < 14 ? 14 : 12);
  f.w1.Caption = d.QuesText;
  f.w2.Caption.clear();
  f.w3.Caption.clear();
  f.w1.Visible = f.w2.Visible = f.w3.Visible = true;
}

void ShowQuesTitle(Program& app) {
  TfrmQues& f = app.frmQues;
  const DrillState& d = app.drill;
  const std::int32_t q = At(d.Batch, d.BatchPos, "出題の組の位置");
  const std::int32_t lesson = At(app.bank.QuesLes, q, "問題");
  f.lblTitle.Caption = At(app.frmMain.map.SelNames, lesson, "分野");
  f.lblTitle.Visible = true;
  if (d.QuesMode == 0) {
    f.pnlInf.Visible = false;
    f.pnlSel.Visible = f.imgMouse.Visible = true;
  } else {
    ShowSettings(app);
  }
}

void ShowSettings(Program& app) {
  static const std::string kHintOff = Sj("１字表示していません");
  static const std::string kHintOn = Sj("１字表示しています");
  static const std::string kDataOrder = Sj("並び順出題です");
  static const std::string kRandomOrder = Sj("ﾗﾝﾀﾞﾑ順出題です");
  static const std::string kFlashOff = Sj("ﾌﾗｯｼｭ表示していません");
  static const std::string kFlash = Sj("ﾌﾗｯｼｭ表示");
  static const std::string kDesu = Sj("です");
  TfrmQues& f = app.frmQues;
  const Record& r = app.rec;
  f.pnlInf.Visible = true;
  f.pnlSel.Visible = f.imgMouse.Visible = false;
  f.pnlHint.Caption = r.OneLetter == 0 ? kHintOff : kHintOn;
  f.pnlorder.Caption = r.OrderMode == 0 ? kDataOrder : kRandomOrder;
  f.pnlFlash.Caption = r.FlashTime == 0 ? kFlashOff : kFlash + std::to_string(r.FlashTime) + kDesu;
}

void ShowMes(Program& app) {
  static const std::string kAnswer = Sj("答を入れてください");
  static const std::string kReview = Sj("復習です");
  if (app.drill.Review == 1)
    SetMessage(app, kReview, colors::kNavy, quescolors::kReviewStrip);
  else
    SetMessage(app, kAnswer, colors::kNavy, quescolors::kWindow);
}

void ShowCorrection(Program& app) {
  static const std::string kCorrect = Sj("直しです");
  ShowAbout(app);
  SetMessage(app, kCorrect, colors::kWhite, quescolors::kReviewStrip);
}

void ShowAbout(Program& app) {
  TfrmQues& f = app.frmQues;
  const std::string& about = app.drill.AnsAbout;
  f.lblAnsAbout.FontSize = Pt(about.size() < 20 ? 12 : 10);
  if (!about.empty()) f.lblAnsAbout.Caption = about;
}

void ClearAbout(Program& app) {
  app.frmQues.lblAnsAbout.Caption.clear();
}

void ShowAnsLine(Program& app) {
  const DrillState& d = app.drill;
  PutAnsLine(app, [&d](std::int32_t i, std::string word) {
    if (i >= d.WordPos) return std::string("(    )");
    return d.WordNg == 1 ? "(" + word + ")" : word;
  });
}

void ShowFullLine(Program& app) {
  PutAnsLine(app, [](std::int32_t, std::string word) { return word; });
}

void ShowChoiceLine(Program& app) {
  DrillState& d = app.drill;
  // Without a gap nothing is expected, rather than the last question's answer.
  d.AnsWord.clear();
  PutAnsLine(app, [&d](std::int32_t, const std::string& word) {
    d.AnsWord = std::string(CutBytes(UnderToBlank(word), kLineBytes));
    return std::string("(       )");
  });
}

void ShowChoiceResult(Program& app) {
  PutAnsLine(app,
             [](std::int32_t, const std::string& word) { return "(" + UnderToBlank(word) + ")"; });
}

void StartFlash(Program& app) {
  TfrmQues& f = app.frmQues;
  const std::int32_t flash = app.rec.FlashTime;
  if (flash <= 0) {
    f.AnsColor = colors::kBlack;
    ShowAnsLine(app);
    return;
  }
  f.tmrFlash->SetInterval(static_cast<int>(std::min<long long>(flash * 200LL, INT_MAX)));
  f.FlashHalf = 0;
  f.AnsColor = colors::kGreen;
  ShowFullLine(app);
  f.tmrFlash->SetEnabled(true);
}

// The full sentence stays two ticks, then the gaps close.
void TfrmQues::tmrFlashTimer() {
  if (FlashHalf == 0) {
    FlashHalf = 1;
    return;
  }
  AnsColor = colors::kBlack;
  ShowAnsLine(app_);
  tmrFlash->SetEnabled(false);
}

void ShowOneLetter(Program& app) {
  if (app.rec.OneLetter != 1 || app.drill.QuesMode != 1) return;
  TfrmQues& f = app.frmQues;
  f.w2.FontColor = quescolors::kHint;
  f.w2.Caption = OneLetterHint(app.drill.AnsWord);
}

void ShowKeyIn(Program& app) {
  app.frmQues.w2.Caption = app.drill.KeyIn;
}

void LogKeyIn(Program& app) {
  DrillState& d = app.drill;
  Control& row = AnswerRow(app);
  if (d.AnsLogged == 0) {
    d.AnsLog = std::string(CutBytes(d.AnsLog + " " + d.KeyIn, kLineBytes));
    row.Caption = d.AnsLog;
    d.AnsLogged = 1;
  }
  row.Visible = true;
}

void ShowPicked(Program& app, const std::string& text) {
  app.frmQues.w2.Caption = text;
}

void LogChoice(Program& app, const std::string& text) {
  DrillState& d = app.drill;
  Control& row = AnswerRow(app);
  if (d.AnsLogged == 0) {
    row.Caption = text;
    d.AnsLogged = 1;
  }
  row.Visible = true;
}

void ShowMark(Program& app) {
  static const std::string kRight = Sj("○");
  static const std::string kWrong = Sj("×");
  DrillState& d = app.drill;
  Control& mark = app.frmQues.MarkList(d.BatchPos);
  if (At(d.BatchNg, d.BatchPos, "出題の組の位置") == 0) {
    if (d.Review == 0) CountRight(app);
    mark.Caption = kRight;
  } else {
    if (d.Review == 0) CountWrong(app);
    mark.Caption = kWrong;
  }
  mark.Visible = true;
}

void ShowScore(Program& app) {
  DrillState& d = app.drill;
  if (d.BatchCount <= 0) return;
  d.BatchScore = d.OkCnt * 100 / d.BatchCount;
  app.frmQues.lblTen.Caption = std::to_string(d.BatchScore);
  app.frmQues.lblTen.Visible = true;
}

}  // namespace vcq
