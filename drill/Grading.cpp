#include "drill/Grading.h"

#include "app/Program.h"
#include "drill/Checked.h"
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

}  // namespace

void NextBatch(Program& app) {
  DrillState& d = app.drill;
  d.InBatch = 0;
  PickBatch(d, app.bank, app.rec);
  ClearQues(app);
  if (d.BatchCount > 0) {
    d.InBatch = 1;
    AskQues(app);
    return;
  }
  app.Play(cue::kAllDone);
  app.frmOmedeto.Show();
}

void AskQues(Program& app) {
  LoadQues(app);
  try {
    ShowQues(app);
    StartAnswer(app);
  } catch (const RangeError& e) {
    // The sentence and choices come from the bank, which may have changed
    // since it was opened: say which file and question.
    throw RangeError(Where(app.bank.QuesFileName) + "問題 " +
                     std::to_string(CurrentQuestion(app.drill)) + ": " + e.what());
  }
}

void LoadQues(Program& app) {
  DrillState& d = app.drill;
  const Bank& b = app.bank;
  const std::int32_t j = d.BatchPos;
  d.QuesText = At(b.BatchPrompt, j, "出題の組の位置");
  d.AnsAbout = b.BatchNote[j];
  d.AnsText = b.BatchSent[j];
  if (b.DataForm == 3) {
    d.ChoiceText = b.BatchChoice[j];
    // A mode other than pick or type would leave the question unanswerable: type it.
    d.QuesMode = At(b.QuesLes2, CurrentQuestion(d), "問題") == 0 ? 0 : 1;
  } else {
    d.QuesMode = 1;
  }
}

void NextQues(Program& app) {
  DrillState& d = app.drill;
  for (;;) {
    ShowMark(app);
    ++d.BatchPos;
    if (d.BatchPos >= d.BatchCount) {
      EndPass(app);
      return;
    }
    CheckSkip(app);
    if (d.SkipQues == 0) break;
  }
  AskQues(app);
  app.Play(cue::kNextQuestion);
}

void CountRight(Program& app) {
  const std::int32_t q = CurrentQuestion(app.drill);
  Record& r = app.rec;
  if (r.FreeMode == 0) {
    std::int32_t& level = At(r.OkLevel, q, "問題");
    if (level == -1 || level == 0)
      level = 1;
    else if (level == 1)
      level = 2;
    ++At(r.AnsCount, q, "問題");
  }
  ++app.frmMain.OkSum;
  app.frmQues.lblOks.Caption = std::to_string(app.frmMain.OkSum);
}

void CountWrong(Program& app) {
  const std::int32_t q = CurrentQuestion(app.drill);
  Record& r = app.rec;
  if (r.FreeMode == 0) {
    At(r.OkLevel, q, "問題") = 0;
    ++At(r.AnsCount, q, "問題");
  }
  ++app.frmMain.NgSum;
  app.frmQues.lblNgs.Caption = std::to_string(app.frmMain.NgSum);
}

void CheckSkip(Program& app) {
  DrillState& d = app.drill;
  d.SkipQues = 0;
  if (d.Review != 1) return;
  std::int32_t& ng = At(d.BatchNg, d.BatchPos, "出題の組の位置");
  if (ng != 0)
    ng = 0;  // asked again: it must earn its mark anew
  else
    d.SkipQues = 1;
}

bool CountPass(Program& app) {
  DrillState& d = app.drill;
  bool wrong = false;
  for (std::int32_t i = 0; i < d.BatchCount; ++i) {
    if (At(d.BatchNg, d.BatchOrder[i], "出題の組の位置") == 1)
      wrong = true;
    else
      ++d.OkCnt;
  }
  return wrong;
}

void EndPass(Program& app) {
  DrillState& d = app.drill;
  const bool wrong = CountPass(app);
  if (d.Review == 0) ShowScore(app);
  if (!wrong) {
    d.InBatch = 0;
    app.frmQues.tmrStart->SetEnabled(true);
    return;
  }
  app.Play(cue::kReview);
  StartReview(app);
}

void StartReview(Program& app) {
  DrillState& d = app.drill;
  d.Review = 1;
  d.BatchPos = 0;
  CheckSkip(app);
  if (d.SkipQues == 1)
    NextQues(app);
  else
    AskQues(app);
}

}  // namespace vcq
