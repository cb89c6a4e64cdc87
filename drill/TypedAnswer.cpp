#include "drill/TypedAnswer.h"

#include "data/Cp932.h"
#include "data/Limits.h"
#include "data/TextUtil.h"
#include "drill/Checked.h"
#include "drill/DrillContext.h"
#include "drill/Presentation.h"
#include "drill/QuesWindow.h"
#include "drill/ReadAloud.h"
#include "drill/Verdict.h"
#include "platform/Cues.h"
#include "platform/VirtualKeys.h"

namespace vcq {

namespace {

bool NextGap(const DrillContext& ctx);
void LogKeyIn(const DrillContext& ctx);
bool AfterWord(const DrillContext& ctx, bool right);
void GapRight(const DrillContext& ctx);
void GapWrong(const DrillContext& ctx);

// Presents the word at WordPos: waits if it is a gap, passes it otherwise.
bool NextGap(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  d.CapFlag = false;
  const std::string& word = At(d.Words.Words, d.WordPos, "語");
  if (FirstIs(word, "@")) {
    ShowMes(ctx);
    d.WordFixed = false;
    d.AnsWord = DropFirst(word);
    d.AnsReady = true;
    d.CapFlag = TestCap(d.AnsWord) == 1;
    ShowOneLetter(ctx);
    // KeyIn stays: what was typed during the last animation begins this answer.
    return false;
  }
  d.WordFixed = true;
  ShowKeyIn(ctx);
  ++d.WordPos;
  return AfterWord(ctx, true);
}

// After a word: a context word goes straight on, an answered gap empties the
// input and plays the animation of its verdict.
bool AfterWord(const DrillContext& ctx, bool right) {
  DrillState& d = ctx.drill;
  if (d.WordFixed) {
    // A context word: what was typed ahead goes on to the next gap.
    return NextWord(ctx);
  }
  d.KeyIn.clear();
  d.KeyLen = 0;
  ctx.frmQues.StartAnswerAnim(right);
  return false;
}

void AddKey(const DrillContext& ctx, char ch) {
  DrillState& d = ctx.drill;
  if (d.KeyLen == 0) {
    if (d.CapFlag && ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
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

// The gap as typed goes into the answer list once per answer: after a wrong
// one, the retyped gap is judged but not written again.
void LogKeyIn(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  if (!d.AnsLogged) {
    d.AnsLog = std::string(CutBytes(d.AnsLog + " " + d.KeyIn, kTextBytes));
    d.AnsLogged = true;
  }
  ShowAnsLog(ctx);
}

bool CheckGap(const DrillContext& ctx) {
  LogKeyIn(ctx);
  const bool right = SameAnswer(ctx.drill.KeyIn, ctx.drill.AnsWord);
  if (right)
    GapRight(ctx);
  else
    GapWrong(ctx);
  return AfterWord(ctx, right);
}

void GapRight(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  d.WordNg = false;
  ++d.WordPos;
  AnswerRight(ctx, LastGapDone(d), ShowAnsLine);
}

// The line with the current gap revealed too, in brackets; the gap stays current.
void ShowRevealedLine(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  ++d.WordPos;
  ShowAnsLine(ctx);
  --d.WordPos;
}

void GapWrong(const DrillContext& ctx) {
  ctx.drill.WordNg = true;
  AnswerWrong(ctx, ShowRevealedLine);
}

}  // namespace

bool StartTypedQues(const DrillContext& ctx) {
  DrillState& d = ctx.drill;
  ShowQuesTitle(ctx);
  d.WordFixed = true;
  {
    // A sentence of more than 18 words stops the set-up with a range error;
    // the question before must not be answerable meanwhile.
    const AnswersShut shut(d);
    d.Words = SplitBlank(d.AnsText);
  }
  d.WordCnt = d.Words.Count();
  d.WordPos = 0;
  d.KeyLen = 0;
  d.WordNg = false;
  d.AnsLogged = false;
  d.AnsLog.clear();
  d.KeyIn.clear();
  StartFlash(ctx);
  return NextGap(ctx);
}

bool NextWord(const DrillContext& ctx) {
  if (ctx.drill.WordPos < ctx.drill.WordCnt) return NextGap(ctx);
  return true;
}

bool TypedKeyDown(const DrillContext& ctx, int key) {
  if (!AnswersAccepted(ctx.drill)) {
    ctx.Play(cue::kIdleKey);
    if (key == vk::kEscape) ctx.frmQues.LeaveDrill();
    return false;
  }
  ctx.Play(cue::kTypedKey);
  switch (key) {
    case vk::kBack:
      BackKey(ctx);
      break;
    case vk::kReturn:
      return CheckGap(ctx);
    case vk::kEscape:
      ctx.frmQues.LeaveDrill();
      break;
    case vk::kDelete:
      ClearKeys(ctx);
      break;
    default:
      break;  // its character, if any, comes through TypedKeyPress
  }
  return false;
}

void TypedKeyPress(const DrillContext& ctx, char ch) {
  if (!AnswersAccepted(ctx.drill) || !IsAnswerChar(ch)) return;
  AddKey(ctx, ch);
}

}  // namespace vcq
