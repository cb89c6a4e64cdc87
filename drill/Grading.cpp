#include "drill/Grading.h"

#include "drill/Checked.h"
#include "drill/DrillContext.h"
#include "drill/DrillScreen.h"
#include "drill/DrillSetup.h"
#include "drill/Presentation.h"
#include "drill/TypedAnswer.h"
#include "platform/Cues.h"
#include "platform/Error.h"

namespace vcq {

namespace {

std::int32_t CurrentQuestion(const DrillState& d) {
  return At(d.Batch, d.BatchPos, "出題の組の位置");
}

void LoadQues(const DrillContext& ctx);
void StartReview(const DrillContext& ctx);

// Presents the question at BatchPos.
void AskQues(const DrillContext& ctx) {
  LoadQues(ctx);
  try {
    ShowQues(ctx);
    StartAnswer(ctx);
  } catch (const RangeError& e) {
    // The sentence and choices come from the bank, which may have changed
    // since it was opened: say which file and question.
    throw RangeError(Where(ctx.bank.QuesFileName) + "問題 " +
                     std::to_string(CurrentQuestion(ctx.drill)) + ": " + e.what());
  }
}

void LoadQues(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  const Bank& b = ctx.bank;
  const std::int32_t j = d.BatchPos;
  d.QuesText = At(b.BatchPrompt, j, "出題の組の位置");
  d.AnsAbout = b.BatchNote[j];
  d.AnsText = b.BatchSent[j];
  if (HasChoices(b.DataForm)) {
    d.ChoiceText = b.BatchChoice[j];
    // A mode other than pick or type would leave the question unanswerable: type it.
    d.QuesMode = At(b.QuesLes2, CurrentQuestion(d), "問題") == 0 ? 0 : 1;
  } else {
    d.QuesMode = 1;
  }
}

// In review: whether the question at BatchPos was right last pass and is skipped.
void CheckSkip(DrillState& d) {
  d.SkipQues = 0;
  if (d.Review != 1) return;
  std::int32_t& ng = At(d.BatchNg, d.BatchPos, "出題の組の位置");
  if (ng != 0)
    ng = 0;  // asked again: it must earn its mark anew
  else
    d.SkipQues = 1;
}

// Counts the right positions into OkCnt; true when a position was wrong.
bool CountPass(DrillState& d) {
  bool wrong = false;
  for (std::int32_t i = 0; i < d.BatchCount; ++i) {
    if (At(d.BatchNg, d.BatchOrder[i], "出題の組の位置") == 1)
      wrong = true;
    else
      ++d.OkCnt;
  }
  return wrong;
}

void EndPass(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  const bool wrong = CountPass(d);
  if (d.Review == 0) ShowScore(ctx);
  if (!wrong) {
    d.InBatch = 0;
    ctx.frmQues.tmrStart->SetEnabled(true);
    return;
  }
  ctx.Play(cue::kReview);
  StartReview(ctx);
}

void StartReview(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  d.Review = 1;
  d.BatchPos = 0;
  CheckSkip(d);
  if (d.SkipQues == 1)
    NextQues(ctx);
  else
    AskQues(ctx);
}

}  // namespace

void NextBatch(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  d.InBatch = 0;
  PickBatch(d, ctx.bank, ctx.rec);
  ClearQues(ctx);
  if (d.BatchCount > 0) {
    d.InBatch = 1;
    AskQues(ctx);
    return;
  }
  ctx.Play(cue::kAllDone);
  ctx.hooks.congratulate();
}

void NextQues(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  for (;;) {
    ShowMark(ctx);
    ++d.BatchPos;
    if (d.BatchPos >= d.BatchCount) {
      EndPass(ctx);
      return;
    }
    CheckSkip(d);
    if (d.SkipQues == 0) break;
  }
  AskQues(ctx);
  ctx.Play(cue::kNextQuestion);
}

void CountRight(const DrillContext& ctx) {
  const std::int32_t q = CurrentQuestion(ctx.drill);
  Record& r = ctx.rec;
  if (r.FreeMode == 0) {
    std::int32_t& level = At(r.OkLevel, q, "問題");
    if (level == -1 || level == 0)
      level = 1;
    else if (level == 1)
      level = 2;
    ++At(r.AnsCount, q, "問題");
  }
  ++ctx.OkSum;
  ctx.frmQues.lblOks.Caption = std::to_string(ctx.OkSum);
}

void CountWrong(const DrillContext& ctx) {
  const std::int32_t q = CurrentQuestion(ctx.drill);
  Record& r = ctx.rec;
  if (r.FreeMode == 0) {
    At(r.OkLevel, q, "問題") = 0;
    ++At(r.AnsCount, q, "問題");
  }
  ++ctx.NgSum;
  ctx.frmQues.lblNgs.Caption = std::to_string(ctx.NgSum);
}

}  // namespace vcq
