#include "drill/Verdict.h"

#include "data/Cp932.h"
#include "drill/Checked.h"
#include "drill/DrillContext.h"
#include "drill/Presentation.h"
#include "drill/QuesWindow.h"
#include "drill/ReadAloud.h"
#include "platform/Cues.h"

namespace vcq {

void AnswerRight(const DrillContext& ctx, bool sentenceWhole, ShowLine showLine) {
  DrillState& d = ctx.drill;
  d.AnsLogged = false;  // an answer after this one is written into the list again
  ctx.Play(cue::kRight);
  if (sentenceWhole) SpeakAnswer(ctx.readAloud, ctx.ports.dialogs, d);  // read aloud
  ctx.frmQues.AnsColor = colors::kBlack;
  ctx.frmQues.Said.Say(Sj("正解です"));
  showLine(ctx);
  ClearAbout(ctx);
}

void AnswerWrong(const DrillContext& ctx, ShowLine showLine) {
  DrillState& d = ctx.drill;
  ctx.Play(cue::kWrong);
  At(d.BatchNg, d.BatchPos, "出題の組の位置") = true;
  // Before the correction, as the line and the strip show it.
  ctx.frmQues.Said.Say(Sj("違います。正解は ") + d.AnsWord);
  ShowCorrection(ctx);
  ctx.frmQues.AnsColor = colors::kRed;
  showLine(ctx);
}

}  // namespace vcq
