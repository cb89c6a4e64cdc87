// Where the drill stands in the question order and in the current batch.
// None of it is stored in the record.
#pragma once

#include <array>
#include <cstdint>

#include "data/Bank.h"
#include "data/Record.h"

namespace vcq {

struct DrillState {
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
};

}  // namespace vcq
