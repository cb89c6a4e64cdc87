#include "drill/TypedAnswer.h"

#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "drill/Checked.h"
#include "drill/ChoiceQues.h"
#include "drill/DrillContext.h"
#include "drill/DrillScreen.h"
#include "drill/Grading.h"
#include "drill/Presentation.h"
#include "drill/ReadAloud.h"
#include "platform/Cues.h"
#include "platform/VirtualKeys.h"

namespace vcq {

namespace {

void NextGap(const DrillContext& ctx);
void AfterWord(const DrillContext& ctx);
void GapRight(const DrillContext& ctx);
void GapWrong(const DrillContext& ctx);

void StartTypedQues(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  ShowQuesTitle(ctx);
  d.WordFixed = 1;
  // A sentence of more than 18 words stops the set-up with a range error; the
  // question before must not be answerable meanwhile.
  const std::int32_t live = d.InBatch;
  d.InBatch = 0;
  d.Words = SplitBlank(d.AnsText);
  d.InBatch = live;
  d.WordCnt = d.Words.Count();
  d.WordPos = 0;
  d.KeyLen = 0;
  d.WordNg = 0;
  d.AnsLogged = 0;
  d.AnsLog.clear();
  d.KeyIn.clear();
  StartFlash(ctx);
  NextGap(ctx);
}

// Presents the word at WordPos: waits if it is a gap, passes it otherwise.
void NextGap(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  d.CapFlag = 0;
  const std::string& word = At(d.Words.Words, d.WordPos, "語");
  if (FirstIs(word, "@")) {
    ShowMes(ctx);
    d.WordFixed = 0;
    d.AnsWord = DropFirst(word);
    d.AnsReady = 1;
    d.CapFlag = TestCap(d.AnsWord);
    ShowOneLetter(ctx);
    // KeyIn stays: what was typed during the last animation begins this answer.
    return;
  }
  d.WordFixed = 1;
  ShowKeyIn(ctx);
  ++d.WordPos;
  AfterWord(ctx);
}

void AfterWord(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  TfrmQues& f = ctx.frmQues;
  if (d.WordFixed == 1) {
    // A context word: what was typed ahead goes on to the next gap.
    NextWord(ctx);
    return;
  }
  d.KeyIn.clear();
  d.KeyLen = 0;
  f.tmrOK->SetInterval(d.Review == 1 ? 10 : 100);
  if (d.WordNg == 0) {
    f.OkStep = 0;
    f.tmrOK->SetEnabled(true);
  } else {
    f.NgStep = 0;
    f.tmrNG->SetEnabled(true);
  }
}

void AddKey(const DrillContext& ctx, char ch) {
  DrillState& d = ctx.drill;
  if (d.KeyLen == 0) {
    if (d.CapFlag == 1 && ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    d.KeyIn = std::string(1, ch);
    ++d.KeyLen;
  } else if (d.KeyLen < kMaxKeys) {
    d.KeyIn += ch;
    ++d.KeyLen;
  }
  ctx.frmQues.w2.FontColor = colors::kBlack;  // no longer the grey hint
  ShowKeyIn(ctx);
}

void BackKey(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  if (d.KeyLen <= 0) {
    d.KeyIn.clear();
    d.KeyLen = 0;
  } else {
    --d.KeyLen;
    d.KeyIn.resize(static_cast<std::size_t>(d.KeyLen));
  }
  ShowKeyIn(ctx);
}

void ClearKeys(const DrillContext& ctx) {
  ctx.drill.KeyIn.clear();
  ctx.drill.KeyLen = 0;
  ShowKeyIn(ctx);
}

void CheckGap(const DrillContext& ctx) {
  LogKeyIn(ctx);
  if (SameAnswer(ctx.drill.KeyIn, ctx.drill.AnsWord))
    GapRight(ctx);
  else
    GapWrong(ctx);
  AfterWord(ctx);
}

void GapRight(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  d.AnsLogged = 0;
  d.WordNg = 0;
  ++d.WordPos;
  ctx.Play(cue::kRight);
  // read aloud: the sentence is whole
  if (LastGapDone(d)) SpeakAnswer(ctx.readAloud, ctx.ports.dialogs, d);
  ctx.frmQues.AnsColor = colors::kBlack;
  ShowAnsLine(ctx);
  ClearAbout(ctx);
}

void GapWrong(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  d.WordNg = 1;
  ctx.Play(cue::kWrong);
  At(d.BatchNg, d.BatchPos, "出題の組の位置") = 1;
  ShowCorrection(ctx);
  // The line reveals the current gap too, in brackets; the gap stays current.
  ++d.WordPos;
  ctx.frmQues.AnsColor = colors::kRed;
  ShowAnsLine(ctx);
  --d.WordPos;
}

}  // namespace

bool SameAnswer(std::string_view a, std::string_view b) {
  return LowerCp932(a) == LowerCp932(b);
}

bool IsAnswerChar(char ch) {
  if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) return true;
  switch (ch) {
    case '!':
    case '"':
    case '\'':
    case ',':
    case '-':
    case '.':
    case '?':
      return true;
    default:
      return false;
  }
}

void StartAnswer(const DrillContext& ctx) {
  if (ctx.drill.QuesMode == 0)
    StartChoiceQues(ctx);
  else
    StartTypedQues(ctx);
}

void NextWord(const DrillContext& ctx) {
  if (ctx.drill.WordPos < ctx.drill.WordCnt)
    NextGap(ctx);
  else
    NextQues(ctx);
}

void TypedKeyDown(const DrillContext& ctx, int key) {
  if (!AnswersAccepted(ctx.drill)) {
    ctx.Play(cue::kIdleKey);
    if (key == vk::kEscape) ctx.frmQues.LeaveDrill();
    return;
  }
  ctx.Play(cue::kTypedKey);
  switch (key) {
    case vk::kBack:
      BackKey(ctx);
      break;
    case vk::kReturn:
      CheckGap(ctx);
      break;
    case vk::kEscape:
      ctx.frmQues.LeaveDrill();
      break;
    case vk::kDelete:
      ClearKeys(ctx);
      break;
    default:
      break;  // its character, if any, comes through TypedKeyPress
  }
}

void TypedKeyPress(const DrillContext& ctx, char ch) {
  if (!AnswersAccepted(ctx.drill) || !IsAnswerChar(ch)) return;
  AddKey(ctx, ch);
}

}  // namespace vcq
