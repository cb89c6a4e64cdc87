// The course of a drill: batch after batch, question after question, the
// first pass and the review passes, and what a first-pass answer does to the
// question's level and answer count and to the running counters.
#pragma once

namespace vcq {

struct DrillContext;

// Starts the next batch, or ends the drill with the congratulations window.
void NextBatch(const DrillContext& ctx);
// Marks the finished question and goes on to the next one, or ends the pass.
void NextQues(const DrillContext& ctx);
void CountRight(const DrillContext& ctx);
void CountWrong(const DrillContext& ctx);

}  // namespace vcq
