#include "drill/Presentation.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "drill/Checked.h"
#include "drill/DrillContext.h"
#include "drill/QuesWindow.h"

namespace vcq {

namespace {

constexpr std::size_t kLineBytes = kTextBytes;  // a built line

// The answer line: each word as its piece and one blank, cut to 180 bytes
// after every piece. A word starting with "@" is a gap; `gap` gives its
// piece from the index and the word without the "@".
template <typename GapPiece>
void PutAnsLine(const DrillContext& ctx, GapPiece gap) {
  const DrillState& d = ctx.drill;
  std::string line;
  for (std::int32_t i = 0; i < d.WordCnt; ++i) {
    const std::string& word = At(d.Words.Words, i, "語");
    line += FirstIs(word, "@") ? gap(i, DropFirst(word)) : word;
    line += ' ';
    line = std::string(CutBytes(line, kLineBytes));
  }
  QuesWindow& f = ctx.frmQues;
  f.w3.FontColor = f.AnsColor;
  f.w3.Caption = std::move(line);
  f.w3.Visible = true;
}

// The row of the current question in the answer list, red in review.
Control& AnswerRow(const DrillContext& ctx) {
  const DrillState& d = ctx.drill;
  Control& row = ctx.frmQues.AnsList(d.BatchPos);
  row.FontColor = d.Review ? colors::kRed : colors::kBlack;
  return row;
}

void SetMessage(const DrillContext& ctx, const std::string& text, Rgb font, Rgb strip) {
  QuesWindow& f = ctx.frmQues;
  f.lblMes.Caption = text;
  f.lblMes.FontColor = font;
  f.pnlMes.Color = strip;  // the label is transparent: the strip is its background
}

}  // namespace

void ShowRound(const DrillContext& ctx) {
  static const std::string kDai = Sj("第 ");
  static const std::string kKai = Sj(" 回");
  QuesWindow& f = ctx.frmQues;
  f.lblDName.Caption = ctx.bank.BankTitle;
  f.lblTestCnt.Caption = kDai + std::to_string(ctx.drill.TestNo) + kKai;
  f.lblDName.Visible = f.lblTestCnt.Visible = true;
}

void ClearQues(const DrillContext& ctx) {
  QuesWindow& f = ctx.frmQues;
  f.w1.Caption.clear();
  f.w2.Caption.clear();
  f.w3.Caption.clear();
  f.lblTen.Visible = false;
  for (Control& c : f.a) c.Caption.clear();
  for (Control& c : f.lox) c.Visible = false;
}

void ShowQues(const DrillContext& ctx) {
  QuesWindow& f = ctx.frmQues;
  const DrillState& d = ctx.drill;
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

void ShowQuesTitle(const DrillContext& ctx) {
  QuesWindow& f = ctx.frmQues;
  const DrillState& d = ctx.drill;
  const std::int32_t q = At(d.Batch, d.BatchPos, "出題の組の位置");
  const std::int32_t lesson = At(ctx.bank.QuesLes, q, "問題");
  f.lblTitle.Caption = At(ctx.SelNames, lesson, "分野");
  f.lblTitle.Visible = true;
  if (d.QuesMode == AnswerMode::Choice) {
    f.pnlInf.Visible = false;
    f.pnlSel.Visible = f.imgMouse.Visible = true;
  } else {
    ShowSettings(ctx);
  }
}

void ShowSettings(const DrillContext& ctx) {
  static const std::string kHintOff = Sj("１字表示していません");
  static const std::string kHintOn = Sj("１字表示しています");
  static const std::string kDataOrder = Sj("並び順出題です");
  static const std::string kRandomOrder = Sj("ﾗﾝﾀﾞﾑ順出題です");
  static const std::string kFlashOff = Sj("ﾌﾗｯｼｭ表示していません");
  static const std::string kFlash = Sj("ﾌﾗｯｼｭ表示");
  static const std::string kDesu = Sj("です");
  QuesWindow& f = ctx.frmQues;
  const Record& r = ctx.rec;
  f.pnlInf.Visible = true;
  f.pnlSel.Visible = f.imgMouse.Visible = false;
  f.pnlHint.Caption = r.OneLetter == 0 ? kHintOff : kHintOn;
  f.pnlorder.Caption = r.OrderMode == 0 ? kDataOrder : kRandomOrder;
  f.pnlFlash.Caption = r.FlashTime == 0 ? kFlashOff : kFlash + std::to_string(r.FlashTime) + kDesu;
}

void ShowMes(const DrillContext& ctx) {
  static const std::string kAnswer = Sj("答を入れてください");
  static const std::string kReview = Sj("復習です");
  if (ctx.drill.Review) {
    // Said once as the review begins, not at each of its gaps.
    if (ctx.frmQues.lblMes.Caption != kReview) ctx.frmQues.Said.Say(kReview);
    SetMessage(ctx, kReview, colors::kNavy, quescolors::kReviewStrip);
  } else
    SetMessage(ctx, kAnswer, colors::kNavy, quescolors::kWindow);
}

void ShowCorrection(const DrillContext& ctx) {
  static const std::string kCorrect = Sj("直しです");
  ShowAbout(ctx);
  SetMessage(ctx, kCorrect, colors::kWhite, quescolors::kReviewStrip);
  ctx.frmQues.Said.Say(kCorrect);
  if (!ctx.drill.AnsAbout.empty()) ctx.frmQues.Said.Say(ctx.drill.AnsAbout);
}

void ShowAbout(const DrillContext& ctx) {
  QuesWindow& f = ctx.frmQues;
  const std::string& about = ctx.drill.AnsAbout;
  f.lblAnsAbout.FontSize = Pt(about.size() < 20 ? 12 : 10);
  if (!about.empty()) f.lblAnsAbout.Caption = about;
}

void ClearAbout(const DrillContext& ctx) {
  ctx.frmQues.lblAnsAbout.Caption.clear();
}

void ShowAnsLine(const DrillContext& ctx) {
  const DrillState& d = ctx.drill;
  PutAnsLine(ctx, [&d](std::int32_t i, std::string word) {
    if (i >= d.WordPos) return std::string("(    )");
    return d.WordNg ? "(" + word + ")" : word;
  });
}

void ShowFullLine(const DrillContext& ctx) {
  PutAnsLine(ctx, [](std::int32_t, std::string word) { return word; });
}

void ShowChoiceLine(const DrillContext& ctx) {
  PutAnsLine(ctx, [](std::int32_t, const std::string&) { return std::string("(       )"); });
}

void ShowChoiceResult(const DrillContext& ctx) {
  PutAnsLine(ctx,
             [](std::int32_t, const std::string& word) { return "(" + UnderToBlank(word) + ")"; });
}

void StartFlash(const DrillContext& ctx) {
  QuesWindow& f = ctx.frmQues;
  const std::int32_t flash = ctx.rec.FlashTime;
  if (flash <= 0) {
    f.AnsColor = colors::kBlack;
    ShowAnsLine(ctx);
    return;
  }
  f.AnsColor = colors::kGreen;
  ShowFullLine(ctx);
  f.StartFlashTimer(static_cast<int>(std::min<long long>(flash * 200LL, INT_MAX)));
}

void ShowOneLetter(const DrillContext& ctx) {
  if (ctx.rec.OneLetter != 1 || ctx.drill.QuesMode != AnswerMode::Typed) return;
  QuesWindow& f = ctx.frmQues;
  f.w2.FontColor = quescolors::kHint;
  f.w2.Caption = OneLetterHint(ctx.drill.AnsWord);
}

void ShowKeyIn(const DrillContext& ctx) {
  ctx.frmQues.w2.Caption = ctx.drill.KeyIn;
}

void ShowAnsLog(const DrillContext& ctx) {
  Control& row = AnswerRow(ctx);
  row.Caption = ctx.drill.AnsLog;
  row.Visible = true;
}

void ShowPicked(const DrillContext& ctx, const std::string& text) {
  ctx.frmQues.w2.Caption = text;
}

void ShowMark(const DrillContext& ctx) {
  static const std::string kRight = Sj("○");
  static const std::string kWrong = Sj("×");
  const DrillState& d = ctx.drill;
  Control& mark = ctx.frmQues.MarkList(d.BatchPos);
  mark.Caption = At(d.BatchNg, d.BatchPos, "出題の組の位置") ? kWrong : kRight;
  mark.Visible = true;
}

void ShowScore(const DrillContext& ctx) {
  const DrillState& d = ctx.drill;
  ctx.frmQues.lblTen.Caption = std::to_string(d.BatchScore);
  ctx.frmQues.lblTen.Visible = true;
  ctx.frmQues.Said.Say(Sj("得点 ") + std::to_string(d.BatchScore) + Sj(" 点"));
}

}  // namespace vcq
