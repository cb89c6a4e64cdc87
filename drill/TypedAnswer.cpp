#include "drill/TypedAnswer.h"

#include "app/Cues.h"
#include "app/Program.h"
#include "data/Cp932.h"
#include "data/TextUtil.h"
#include "drill/Checked.h"
#include "drill/ChoiceQues.h"
#include "drill/Grading.h"
#include "drill/Presentation.h"
#include "drill/ReadAloud.h"
#include "platform/VirtualKeys.h"

namespace vcq {

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

void StartAnswer(Program& app) {
  if (app.drill.QuesMode == 0)
    StartChoiceQues(app);
  else
    StartTypedQues(app);
}

void StartTypedQues(Program& app) {
  DrillState& d = app.drill;
  ShowQuesTitle(app);
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
  StartFlash(app);
  NextGap(app);
}

void NextGap(Program& app) {
  DrillState& d = app.drill;
  d.CapFlag = 0;
  const std::string& word = At(d.Words.Words, d.WordPos, "語");
  if (FirstIs(word, "@")) {
    ShowMes(app);
    d.WordFixed = 0;
    d.AnsWord = DropFirst(word);
    d.AnsReady = 1;
    d.CapFlag = TestCap(d.AnsWord);
    ShowOneLetter(app);
    // KeyIn stays: what was typed during the last animation begins this answer.
    return;
  }
  d.WordFixed = 1;
  ShowKeyIn(app);
  ++d.WordPos;
  AfterWord(app);
}

void NextWord(Program& app) {
  if (app.drill.WordPos < app.drill.WordCnt)
    NextGap(app);
  else
    NextQues(app);
}

void AfterWord(Program& app) {
  DrillState& d = app.drill;
  TfrmQues& f = app.frmQues;
  if (d.WordFixed == 1) {
    // A context word: what was typed ahead goes on to the next gap.
    NextWord(app);
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

void TypedKeyDown(Program& app, int key) {
  if (!AnswersAccepted(app)) {
    app.Play(cue::kIdleKey);
    if (key == vk::kEscape) app.frmQues.LeaveDrill();
    return;
  }
  app.Play(cue::kTypedKey);
  switch (key) {
    case vk::kBack:
      BackKey(app);
      break;
    case vk::kReturn:
      CheckGap(app);
      break;
    case vk::kEscape:
      app.frmQues.LeaveDrill();
      break;
    case vk::kDelete:
      ClearKeys(app);
      break;
    default:
      break;  // its character, if any, comes through TypedKeyPress
  }
}

void TypedKeyPress(Program& app, char ch) {
  if (!AnswersAccepted(app) || !IsAnswerChar(ch)) return;
  AddKey(app, ch);
}

void AddKey(Program& app, char ch) {
  DrillState& d = app.drill;
  if (d.KeyLen == 0) {
    if (d.CapFlag == 1 && ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    d.KeyIn = std::string(1, ch);
    ++d.KeyLen;
  } else if (d.KeyLen < kMaxKeys) {
    d.KeyIn += ch;
    ++d.KeyLen;
  }
  app.frmQues.w2.FontColor = colors::kBlack;  // no longer the grey hint
  ShowKeyIn(app);
}

void BackKey(Program& app) {
  DrillState& d = app.drill;
  if (d.KeyLen <= 0) {
    d.KeyIn.clear();
    d.KeyLen = 0;
  } else {
    --d.KeyLen;
    d.KeyIn.resize(static_cast<std::size_t>(d.KeyLen));
  }
  ShowKeyIn(app);
}

void ClearKeys(Program& app) {
  app.drill.KeyIn.clear();
  app.drill.KeyLen = 0;
  ShowKeyIn(app);
}

void CheckGap(Program& app) {
  LogKeyIn(app);
  if (SameAnswer(app.drill.KeyIn, app.drill.AnsWord))
    GapRight(app);
  else
    GapWrong(app);
  AfterWord(app);
}

void GapRight(Program& app) {
  DrillState& d = app.drill;
  d.AnsLogged = 0;
  d.WordNg = 0;
  ++d.WordPos;
  app.Play(cue::kRight);
  if (LastGapDone(d)) SpeakAnswer(app);  // read aloud: the sentence is whole
  app.frmQues.AnsColor = colors::kBlack;
  ShowAnsLine(app);
  ClearAbout(app);
}

void GapWrong(Program& app) {
  DrillState& d = app.drill;
  d.WordNg = 1;
  app.Play(cue::kWrong);
  At(d.BatchNg, d.BatchPos, "出題の組の位置") = 1;
  ShowCorrection(app);
  // The line reveals the current gap too, in brackets; the gap stays current.
  ++d.WordPos;
  app.frmQues.AnsColor = colors::kRed;
  ShowAnsLine(app);
  --d.WordPos;
}

}  // namespace vcq
