#include "drill/ChoiceQues.h"

#include <algorithm>
#include <string>

#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "drill/Checked.h"
#include "drill/DrillContext.h"
#include "drill/Presentation.h"
#include "drill/QuesWindow.h"
#include "drill/Verdict.h"
#include "platform/Cues.h"

namespace vcq {

namespace {

// With more than nine items the shuffle may leave the expected one off the
// panels: it then takes the place of a shown one, drawn from the same seed
// as the shuffle so that a fixed clock fixes the place.
void KeepAnswerShown(DrillState& d, const Fields& items, const TimeOfDay& now) {
  for (std::int32_t i = 0; i < d.ChoiceCnt; ++i)
    if (SameAnswer(ShownChoice(At(items.Words, At(d.ChoiceOrd, i, "選択肢の順"), "選択肢")),
                   d.AnsWord))
      return;
  for (std::int32_t item = 0; item < items.Count(); ++item) {
    if (!SameAnswer(ShownChoice(At(items.Words, item, "選択肢")), d.AnsWord)) continue;
    Lcg rng(Lcg::SeedFrom(now));
    At(d.ChoiceOrd, rng.Draw(static_cast<std::uint32_t>(d.ChoiceCnt)), "選択肢の順") = item;
    return;
  }
}

void ChoiceRight(const DrillContext& ctx);
void ChoiceWrong(const DrillContext& ctx);

// Deals the choices of a blank-separated list onto the panels' places,
// shuffled anew for every question.
void DealChoices(const DrillContext& ctx, std::string_view list) {
  DrillState& d = ctx.drill;
  // The choices get their own split: Words keeps the answer's words for the
  // line that shows the pick.
  const Fields items = SplitBlank(list);
  const TimeOfDay now = ctx.ports.clock.NowUtc();
  d.ChoiceOrd = ShuffleChoices(std::min(items.Count(), kMaxChoiceOrder), now);
  d.ChoiceCnt = std::min(items.Count(), kChoicePanels);
  KeepAnswerShown(d, items, now);
  for (std::int32_t i = 0; i < d.ChoiceCnt; ++i)
    At(d.ChoiceItem, i, "選択肢") =
        ShownChoice(At(items.Words, At(d.ChoiceOrd, i, "選択肢の順"), "選択肢"));
}

// The dealt choices on their panels; the rest stay hidden and disabled.
void ShowChoices(const DrillContext& ctx) {
  const DrillState& d = ctx.drill;
  for (std::int32_t i = 0; i < d.ChoiceCnt; ++i) {
    const std::string& item = At(d.ChoiceItem, i, "選択肢");
    Control& panel = ctx.frmQues.ChoicePnl(i);
    panel.Caption = item;
    panel.FontSize = Pt(item.size() <= 15 ? 12 : 10);
    panel.Visible = panel.Enabled = true;
  }
}

// Judges choice i; a number past the choices shown does nothing.
void PickChoice(const DrillContext& ctx, int i) {
  DrillState& d = ctx.drill;
  if (i < 0 || i >= d.ChoiceCnt) return;
  const std::string item = At(d.ChoiceItem, i, "選択肢");
  if (!d.AnsLogged) {  // the first pick of the answer goes into the list
    d.AnsLog = item;
    d.AnsLogged = true;
  }
  ShowAnsLog(ctx);
  ShowPicked(ctx, item);
  const bool right = SameAnswer(item, d.AnsWord);
  if (right)
    ChoiceRight(ctx);
  else
    ChoiceWrong(ctx);
  ctx.frmQues.StartAnswerAnim(right);
}

// The sentence is whole at once: a choice question has one gap.
void ChoiceRight(const DrillContext& ctx) {
  AnswerRight(ctx, true, ShowChoiceResult);
  ctx.frmQues.HideChoices();
}

// The choices stay live: the learner picks again.
void ChoiceWrong(const DrillContext& ctx) {
  AnswerWrong(ctx, ShowChoiceResult);
}

}  // namespace

void StartChoiceQues(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  QuesWindow& f = ctx.frmQues;
  // A sentence or a list of more than 18 words stops the set-up with a range
  // error; the choices of the question before must not be pickable meanwhile.
  const AnswersShut shut(d);
  // A flash left running by a typed question would redraw this answer line.
  f.StopFlashTimer();
  ShowQuesTitle(ctx);
  d.AnsLogged = false;
  f.HideChoices();
  ShowMes(ctx);
  d.AnsReady = true;
  f.AnsColor = colors::kBlack;
  d.Words = SplitBlank(d.AnsText);
  d.WordCnt = d.Words.Count();
  d.AnsWord = ExpectedPick(d.Words);
  ShowChoiceLine(ctx);
  DealChoices(ctx, d.ChoiceText);
  ShowChoices(ctx);
}

void ChoiceKey(const DrillContext& ctx, char ch) {
  if (ch < '1' || ch > '9' || !AnswersAccepted(ctx.drill)) return;
  const int i = ch - '1';
  // Lit while the key is held: FormKeyUp puts every panel back.
  ctx.frmQues.ChoicePnl(i).Color = quescolors::kKeyLit;
  ctx.Play(cue::kChoiceKey);
  PickChoice(ctx, i);
}

void ChoiceClick(const DrillContext& ctx, int tag) {
  if (ctx.drill.QuesMode != AnswerMode::Choice || !AnswersAccepted(ctx.drill)) return;
  const Control& panel = ctx.frmQues.ChoicePnl(tag);
  if (!panel.Visible || !panel.Enabled) return;
  ctx.Play(cue::kChoiceKey);  // a click sounds as the digit key does
  PickChoice(ctx, tag);
}

}  // namespace vcq
