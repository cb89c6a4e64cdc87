// Where the drill stands in the question order and in the current batch, and
// the question being asked. None of it is stored in the record.
//
// The drill engine is split by role, each file a set of steps on this state
// and on the drill screen's controls, reached through a DrillContext:
//   DrillContext  what the steps work on, and what they ask of the windows above
//   DrillSetup    which questions make the next batch
//   Spoken        what a screen reader is told of the verdicts
//   QuesWindow    the drill screen's controls and timers, and its own steps
//   Presentation  what the screen shows of the question and the batch
//   Verdict       what a right or wrong answer does
//   TypedAnswer   typing a gap and judging it
//   ChoiceQues    picking one of the choices
//   DrillCourse   batch to batch, question to question, levels, counters, scores
//   DrillScreen   the drill screen's keys, clicks and ticks, which drive the rest
// Each includes only those above it in this list, never one below: the
// drill_includes_have_no_cycle test checks that no two of them include each
// other, directly or round a loop.
#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <string>

#include "data/Bank.h"
#include "data/Record.h"
#include "data/TextUtil.h"

namespace vcq {

inline constexpr int kChoiceItems = 13;

// How the current question is answered.
enum class AnswerMode : std::int32_t { Choice = 0, Typed = 1 };

using BatchFlags = std::array<bool, kBatchSize>;

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
  std::array<bool, kMaxQuestions> AskedFlag{};  // free mode: taken into a batch in this run
  std::int32_t TestNo = 0;

  // Passes of the batch.
  BatchFlags BatchNg{};  // answered wrong in the current pass
  bool Review = false;   // a review pass, not the first
  bool SkipQues = false;
  std::int32_t OkCnt = 0;
  // While a batch is being asked. Answer keys act only then: in the pause
  // before a batch and after the drill has ended no question is current, and
  // BatchPos may stand past the batch.
  bool InBatch = false;

  // The current question.
  std::string QuesText;
  std::string AnsText;
  std::string ChoiceText;
  std::string AnsAbout;
  AnswerMode QuesMode = AnswerMode::Choice;
  bool AnsReady = false;  // never cleared once a question was presented
  bool AnsLogged = false;
  Fields Words;  // the words of AnsText
  std::int32_t WordCnt = 0;
  std::string AnsWord;
  std::string AnsLog;

  // Typed entry.
  std::int32_t WordPos = 0;
  std::string KeyIn;
  std::int32_t KeyLen = 0;
  bool CapFlag = false;
  bool WordFixed = false;
  bool WordNg = false;

  // Choice questions: ChoiceItem[0 .. ChoiceCnt-1] are on the panels, in
  // panel order; ChoiceOrd gives the list position each was taken from.
  std::int32_t ChoiceCnt = 0;
  std::array<std::string, kChoiceItems> ChoiceItem;
  ChoiceOrder ChoiceOrd{};
};

// At the start of every drill: the scan begins at the top of the order.
void ResetDrill(DrillState& drill);

// Answer keys and choice clicks act only while this holds: a question of the
// current batch is being asked.
inline bool AnswersAccepted(const DrillState& drill) {
  return drill.AnsReady && drill.InBatch;
}

// Shuts the answer keys while a question is set up. A set-up that fails (a
// sentence or a list too long to split) leaves them shut, so that the
// question before cannot be answered meanwhile; one that ends normally opens
// them again as they were.
class AnswersShut {
 public:
  explicit AnswersShut(DrillState& drill)
      : inBatch_(drill.InBatch), was_(drill.InBatch), failures_(std::uncaught_exceptions()) {
    inBatch_ = false;
  }
  ~AnswersShut() {
    if (std::uncaught_exceptions() == failures_) inBatch_ = was_;
  }
  AnswersShut(const AnswersShut&) = delete;
  AnswersShut& operator=(const AnswersShut&) = delete;

 private:
  bool& inBatch_;
  bool was_;
  int failures_;
};

}  // namespace vcq
