// Which questions make the next batch: a scan along the question order that
// takes up to ten questions in the study range and not yet mastered.
#pragma once

#include <cstdint>

#include "data/Bank.h"
#include "data/Record.h"
#include "drill/DrillState.h"

namespace vcq {

inline constexpr int kRestartScore = 70;  // percent

// Fills Batch from OrderPos on and returns how many questions it took. After
// a batch that scored below 70 the scan starts again where the last one
// started. It looks at most twice round the order: the first time for new
// and wrongly answered questions, the second also for those right once. In
// free mode it takes every question in range once per run instead. A
// question whose lesson lies outside the lesson table stops the scan with a
// RangeError; Batch then holds what was taken so far.
std::int32_t ScanBatch(DrillState& drill, const Bank& bank, const Record& rec,
                       std::int32_t lastScore);

// Prepares the next batch: the scan, the asking order and, when the batch is
// not empty, its texts read from the bank file.
void PickBatch(DrillState& drill, Bank& bank, const Record& rec);

}  // namespace vcq
