#include "drill/DrillCourse.h"

#include "drill/Checked.h"
#include "drill/ChoiceQues.h"
#include "drill/DrillContext.h"
#include "drill/DrillSetup.h"
#include "drill/Presentation.h"
#include "drill/QuesWindow.h"
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

// Starts the question just loaded and shown, as a choice or a typed one; true
// when a typed question was done at once, having no gap.
bool StartAnswer(const DrillContext& ctx) {
  if (ctx.drill.QuesMode == AnswerMode::Choice) {
    StartChoiceQues(ctx);
    return false;
  }
  return StartTypedQues(ctx);
}

// Presents the question at BatchPos.
void AskQues(const DrillContext& ctx) {
  LoadQues(ctx);
  try {
    ShowQues(ctx);
    if (StartAnswer(ctx)) NextQues(ctx);
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
    d.QuesMode =
        At(b.QuesLes2, CurrentQuestion(d), "問題") == 0 ? AnswerMode::Choice : AnswerMode::Typed;
  } else {
    d.QuesMode = AnswerMode::Typed;
  }
}

// In review: whether the question at BatchPos was right last pass and is skipped.
void CheckSkip(DrillState& d) {
  d.SkipQues = false;
  if (!d.Review) return;
  bool& ng = At(d.BatchNg, d.BatchPos, "出題の組の位置");
  if (ng)
    ng = false;  // asked again: it must earn its mark anew
  else
    d.SkipQues = true;
}

// Counts the right positions into OkCnt; true when a position was wrong.
bool CountPass(DrillState& d) {
  bool wrong = false;
  for (std::int32_t i = 0; i < d.BatchCount; ++i) {
    if (At(d.BatchNg, d.BatchOrder[i], "出題の組の位置"))
      wrong = true;
    else
      ++d.OkCnt;
  }
  return wrong;
}

void EndPass(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  const bool wrong = CountPass(d);
  if (!d.Review) {
    // The first pass's score steers the next batch's scan.
    d.BatchScore = BatchScoreOf(d);
    ShowScore(ctx);
  }
  if (!wrong) {
    d.InBatch = false;
    ctx.frmQues.AnnounceNextBatch();
    return;
  }
  ctx.Play(cue::kReview);
  StartReview(ctx);
}

void StartReview(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  d.Review = true;
  d.BatchPos = 0;
  CheckSkip(d);
  if (d.SkipQues)
    NextQues(ctx);
  else
    AskQues(ctx);
}

}  // namespace

std::int32_t BatchScoreOf(const DrillState& d) {
  return d.BatchCount > 0 ? d.OkCnt * 100 / d.BatchCount : d.BatchScore;
}

void BeginRound(const DrillContext& ctx) {
  ++ctx.drill.TestNo;
  ShowRound(ctx);
}

void NextBatch(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  d.InBatch = false;
  PickBatch(d, ctx.bank, ctx.rec);
  ClearQues(ctx);
  if (d.BatchCount > 0) {
    d.InBatch = true;
    AskQues(ctx);
    return;
  }
  ctx.Play(cue::kAllDone);
  ctx.hooks.congratulate();
}

void NextQues(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  for (;;) {
    // Only the first pass counts; a question skipped in review is marked again.
    if (!d.Review) {
      if (At(d.BatchNg, d.BatchPos, "出題の組の位置"))
        CountWrong(ctx);
      else
        CountRight(ctx);
    }
    ShowMark(ctx);
    ++d.BatchPos;
    if (d.BatchPos >= d.BatchCount) {
      EndPass(ctx);
      return;
    }
    CheckSkip(d);
    if (!d.SkipQues) break;
  }
  AskQues(ctx);
  ctx.Play(cue::kNextQuestion);
}

void CountRight(const DrillContext& ctx) {
  const std::int32_t q = CurrentQuestion(ctx.drill);
  Record& r = ctx.rec;
  if (r.FreeMode == 0) {
    std::int32_t& level = At(r.OkLevel, q, "問題");
    if (level == kLevelUnanswered || level == kLevelWrong)
      level = kLevelOnce;
    else if (level == kLevelOnce)
      level = kLevelMastered;
    ++At(r.AnsCount, q, "問題");
  }
  ++ctx.OkSum;
  ctx.frmQues.lblOks.Caption = std::to_string(ctx.OkSum);
}

void CountWrong(const DrillContext& ctx) {
  const std::int32_t q = CurrentQuestion(ctx.drill);
  Record& r = ctx.rec;
  if (r.FreeMode == 0) {
    At(r.OkLevel, q, "問題") = kLevelWrong;
    ++At(r.AnsCount, q, "問題");
  }
  ++ctx.NgSum;
  ctx.frmQues.lblNgs.Caption = std::to_string(ctx.NgSum);
}

}  // namespace vcq
