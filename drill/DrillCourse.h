// The course of a drill: batch after batch, question after question, the
// first pass and the review passes, and what a first-pass answer does to the
// question's level and answer count and to the running counters.
#pragma once

#include <cstdint>

namespace vcq {

struct DrillContext;
struct DrillState;

// The percentage of the batch right in its first pass, its fraction
// dropped; a batch of no questions keeps the score before it.
std::int32_t BatchScoreOf(const DrillState& d);

// Counts the round about to start and shows it in the caption.
void BeginRound(const DrillContext& ctx);

// Starts the next batch, or ends the drill with the congratulations window.
void NextBatch(const DrillContext& ctx);
// Counts the finished question (in the first pass only), marks it and goes
// on to the next one, or ends the pass.
void NextQues(const DrillContext& ctx);
// What a first-pass answer does to the question's level and answer count
// (not in free mode) and to the running counter.
void CountRight(const DrillContext& ctx);
void CountWrong(const DrillContext& ctx);

}  // namespace vcq
