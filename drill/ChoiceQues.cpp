#include "drill/ChoiceQues.h"

#include <algorithm>
#include <string>

#include "app/Cues.h"
#include "app/Program.h"
#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "drill/Checked.h"
#include "drill/Presentation.h"
#include "drill/ReadAloud.h"
#include "drill/TypedAnswer.h"

namespace vcq {

namespace {

// A list item as its panel shows it.
std::string Shown(std::string_view item) {
  return std::string(CutBytes(UnderToBlank(item), kChoiceBytes));
}

// With more than nine items the shuffle may leave the expected one off the
// panels: it then takes the place of a shown one, drawn from the same seed
// as the shuffle so that a fixed clock fixes the place.
void KeepAnswerShown(DrillState& d, const Fields& items, const TimeOfDay& now) {
  for (std::int32_t i = 0; i < d.ChoiceCnt; ++i)
    if (SameAnswer(Shown(At(items.Words, At(d.ChoiceOrd, i, "選択肢の順"), "選択肢")), d.AnsWord))
      return;
  for (std::int32_t item = 0; item < items.Count(); ++item) {
    if (!SameAnswer(Shown(At(items.Words, item, "選択肢")), d.AnsWord)) continue;
    Lcg rng(Lcg::SeedFrom(now));
    At(d.ChoiceOrd, rng.Draw(static_cast<std::uint32_t>(d.ChoiceCnt)), "選択肢の順") = item;
    return;
  }
}

}  // namespace

void StartChoiceQues(Program& app) {
  DrillState& d = app.drill;
  TfrmQues& f = app.frmQues;
  // A sentence or a list of more than 18 words stops the set-up with a range
  // error; the choices of the question before must not be pickable meanwhile.
  const std::int32_t live = d.InBatch;
  d.InBatch = 0;
  // A flash left running by a typed question would redraw this answer line.
  f.tmrFlash->SetEnabled(false);
  ShowQuesTitle(app);
  d.AnsLogged = 0;
  f.HideChoices();
  ShowMes(app);
  d.AnsReady = 1;
  f.AnsColor = colors::kBlack;
  d.Words = SplitBlank(d.AnsText);
  d.WordCnt = d.Words.Count();
  ShowChoiceLine(app);
  ShowChoices(app, d.ChoiceText);
  d.InBatch = live;
}

void ShowChoices(Program& app, std::string_view list) {
  DrillState& d = app.drill;
  // The choices get their own split: Words keeps the answer's words for the
  // line that shows the pick.
  const Fields items = SplitBlank(list);
  const TimeOfDay now = app.ports.clock.NowUtc();
  d.ChoiceOrd = ShuffleChoices(std::min(items.Count(), kMaxChoiceOrder), now);
  d.ChoiceCnt = std::min(items.Count(), kChoicePanels);
  KeepAnswerShown(d, items, now);
  for (std::int32_t i = 0; i < d.ChoiceCnt; ++i) {
    std::string& item = At(d.ChoiceItem, i, "選択肢");
    item = Shown(At(items.Words, At(d.ChoiceOrd, i, "選択肢の順"), "選択肢"));
    Control& panel = app.frmQues.ChoicePnl(i);
    panel.Caption = item;
    panel.FontSize = Pt(item.size() <= 15 ? 12 : 10);
    panel.Visible = panel.Enabled = true;
  }
}

void ChoiceKey(Program& app, char ch) {
  if (ch < '1' || ch > '9' || !AnswersAccepted(app)) return;
  const int i = ch - '1';
  // Lit while the key is held: FormKeyUp puts every panel back.
  app.frmQues.ChoicePnl(i).Color = quescolors::kKeyLit;
  app.Play(cue::kChoiceKey);
  PickChoice(app, i);
}

void ChoiceClick(Program& app, int tag) {
  if (app.drill.QuesMode != 0 || !AnswersAccepted(app)) return;
  const Control& panel = app.frmQues.ChoicePnl(tag);
  if (!panel.Visible || !panel.Enabled) return;
  app.Play(cue::kChoiceKey);  // a click sounds as the digit key does
  PickChoice(app, tag);
}

void PickChoice(Program& app, int i) {
  DrillState& d = app.drill;
  if (i < 0 || i >= d.ChoiceCnt) return;
  const std::string item = At(d.ChoiceItem, i, "選択肢");
  LogChoice(app, item);
  ShowPicked(app, item);
  if (SameAnswer(item, d.AnsWord))
    ChoiceRight(app);
  else
    ChoiceWrong(app);
  StartAnswerAnim(app);
}

void ChoiceRight(Program& app) {
  app.drill.AnsLogged = 0;
  app.Play(cue::kRight);
  SpeakAnswer(app);  // read aloud
  app.frmQues.AnsColor = colors::kBlack;
  ShowChoiceResult(app);
  ClearAbout(app);
  app.frmQues.HideChoices();
}

void ChoiceWrong(Program& app) {
  DrillState& d = app.drill;
  app.Play(cue::kWrong);
  At(d.BatchNg, d.BatchPos, "出題の組の位置") = 1;
  ShowCorrection(app);
  app.frmQues.AnsColor = colors::kRed;
  ShowChoiceResult(app);
}

void StartAnswerAnim(Program& app) {
  TfrmQues& f = app.frmQues;
  f.tmrOK->SetInterval(app.drill.Review == 1 ? 10 : 100);
  // Only a right pick clears AnsLogged, which the pick itself has set.
  if (app.drill.AnsLogged == 0) {
    f.OkStep = 0;
    f.tmrOK->SetEnabled(true);
  } else {
    f.NgStep = 0;
    f.tmrNG->SetEnabled(true);
  }
}

}  // namespace vcq
