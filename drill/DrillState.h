// Where the drill stands in the question order and in the current batch, and
// the question being asked. None of it is stored in the record.
//
// The drill engine is split by role, each file a set of steps on this state
// and on the drill screen's controls, reached through a DrillContext:
//   DrillContext  what the steps work on, and what they ask of the windows above
//   DrillSetup    which questions make the next batch
//   DrillScreen   the drill screen: controls, keys, timers, leaving
//   Presentation  what the screen shows of the question and the batch
//   TypedAnswer   typing a gap and judging it
//   ChoiceQues    picking one of the choices
//   Grading       batch to batch, question to question, levels and counters
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/Bank.h"
#include "data/Record.h"
#include "data/TextUtil.h"

namespace vcq {

inline constexpr int kChoiceItems = 13;

struct DrillState {
  // Order and batch.
  QuestionTable QuesOrder{};
  std::int32_t OrderPos = 0;
  std::int32_t PassStart = 0;
  BatchSlots Batch{};
  std::int32_t BatchCount = 0;
  std::int32_t BatchPos = 0;
  QuestionTable BatchOrder{};
  std::int32_t BatchScore = 0;
  QuestionTable AskedFlag{};  // free mode: taken into a batch in this run
  std::int32_t TestNo = 0;

  // Passes of the batch.
  BatchSlots BatchNg{};  // 1: answered wrong in the current pass
  std::int32_t Review = 0;
  std::int32_t SkipQues = 0;
  std::int32_t OkCnt = 0;
  // 1 while a batch is being asked. Answer keys act only then: in the pause
  // before a batch and after the drill has ended no question is current, and
  // BatchPos may stand past the batch.
  std::int32_t InBatch = 0;

  // The current question.
  std::string QuesText;
  std::string AnsText;
  std::string ChoiceText;
  std::string AnsAbout;
  std::int32_t QuesMode = 0;  // 0 pick a choice, 1 type the answer
  std::int32_t AnsReady = 0;  // never cleared once a question was presented
  std::int32_t AnsLogged = 0;
  Fields Words;  // the words of AnsText
  std::int32_t WordCnt = 0;
  std::string AnsWord;
  std::string AnsLog;

  // Typed entry.
  std::int32_t WordPos = 0;
  std::string KeyIn;
  std::int32_t KeyLen = 0;
  std::int32_t CapFlag = 0;
  std::int32_t WordFixed = 0;
  std::int32_t WordNg = 0;

  // Choice questions: ChoiceItem[0 .. ChoiceCnt-1] are on the panels, in
  // panel order; ChoiceOrd gives the list position each was taken from.
  std::int32_t ChoiceCnt = 0;
  std::array<std::string, kChoiceItems> ChoiceItem;
  ChoiceOrder ChoiceOrd{};
};

// At the start of every drill: the scan begins at the top of the order.
void ResetDrill(DrillState& drill);

}  // namespace vcq
