#include "drill/DrillScreen.h"

#include <array>
#include <cstddef>

#include "drill/ChoiceQues.h"
#include "drill/DrillCourse.h"
#include "drill/Presentation.h"
#include "drill/ReadAloud.h"
#include "drill/TypedAnswer.h"
#include "platform/Cues.h"
#include "platform/VirtualKeys.h"

namespace vcq {

namespace {

// The character's frames during the right-answer animation, by step.
constexpr std::array<int, 7> kOkFrames{1, 2, 3, 1, 2, 3, 1};

}  // namespace

TfrmQues::TfrmQues(DrillLinks links) : QuesWindow(std::move(links)) {
  const auto& newTimer = ctx_.hooks.newTimer;
  tmrOK.timer_ = newTimer(300, false, [this] { tmrOKTimer(); });
  tmrNG.timer_ = newTimer(300, false, [this] { tmrNGTimer(); });
  tmrStart.timer_ = newTimer(1000, false, [this] { tmrStartTimer(); });
  tmrFlash.timer_ = newTimer(1000, false, [this] { tmrFlashTimer(); });
}

void TfrmQues::Show() {
  if (form.Visible) return;
  form.Visible = true;
  FormShow();
}

void TfrmQues::FormShow() {
  const Control& main = ctx_.mainForm;
  form.Left = main.Left;
  form.Top = main.Top;
  form.Width = kQuesOuterWidth;
  form.Height = kQuesOuterHeight;
  AnsColor = colors::kWhite;
  StartStep = 0;
  ImeOff = true;
  HideChoices();
  ShowSettings(ctx_);
}

void TfrmQues::FormKeyDown(int key) {
  if (SpeechTakesKey(ctx_.readAloud, ctx_.ports.dialogs, key)) return;  // read aloud
  if (ctx_.drill.QuesMode == AnswerMode::Choice) {
    if (key == vk::kEscape) {
      ctx_.Play(cue::kLeaveChoice);
      LeaveDrill();
    }
    return;
  }
  if (TypedKeyDown(ctx_, key)) NextQues(ctx_);
}

void TfrmQues::FormKeyPress(char ch) {
  if (SpeechTakesPress(ctx_.readAloud)) return;  // read aloud
  if (ctx_.drill.QuesMode == AnswerMode::Choice)
    ChoiceKey(ctx_, ch);
  else
    TypedKeyPress(ctx_, ch);
}

void TfrmQues::FormKeyUp(int) {
  ResetChoiceColors();
}

void TfrmQues::pnlQuitClick() {
  ctx_.Play(cue::kQuitPanel);
  ClearQues(ctx_);
  ClearAbout(ctx_);
  LeaveDrill();
}

void TfrmQues::s0MouseDown(int tag) {
  Control& panel = ChoicePnl(tag);
  if (panel.Visible && panel.Enabled) panel.Color = quescolors::kMouseLit;
}

// Also after a right pick has hidden the panel: it must come back unlit.
void TfrmQues::s0MouseUp(int tag) {
  ChoicePnl(tag).Color = quescolors::kPaper;
}

void TfrmQues::s0Click(int tag) {
  ChoiceClick(ctx_, tag);
}

bool TfrmQues::ChoiceTakesMouse(int tag) const {
  const Control& panel = s[tag];
  return panel.Visible && panel.Enabled;
}

void TfrmQues::tmrStartTimer() {
  ++StartStep;
  if (StartStep == 1) {
    BeginRound(ctx_);
    ctx_.Play(cue::kBatchStart);
  } else if (StartStep == 2) {
    EsperPicture = 1;
    StartStep = 0;
    tmrStart.Stop();
    NextBatch(ctx_);
  }
}

void TfrmQues::tmrOKTimer() {
  if (OkStep >= 0 && OkStep < static_cast<int>(kOkFrames.size())) EsperPicture = kOkFrames[OkStep];
  if (OkStep == 6) {
    if (SpeechHolds(ctx_.readAloud)) return;  // read aloud: the next question waits for the voice
    tmrOK.Stop();
    if (ctx_.drill.QuesMode == AnswerMode::Choice)
      NextQues(ctx_);
    else if (NextWord(ctx_))  // the typed question's last word is done
      NextQues(ctx_);
  }
  ++OkStep;
}

void TfrmQues::SettleAnswer() {
  CutSpeech(ctx_.readAloud);  // read aloud: the voice must not hold the animation
  // The animation switches itself off on its last frame; the bound only
  // guards against a step count that never reaches it.
  for (std::size_t i = 0; tmrOK->Enabled() && i <= kOkFrames.size(); ++i) tmrOKTimer();
  tmrOK.Stop();
}

// The full sentence stays two ticks, then the gaps close.
void TfrmQues::tmrFlashTimer() {
  if (!FlashHalf) {
    FlashHalf = true;
    return;
  }
  AnsColor = colors::kBlack;
  ShowAnsLine(ctx_);
  tmrFlash.Stop();
}

}  // namespace vcq
