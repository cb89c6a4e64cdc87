// The course of a drill: batch after batch, question after question, the
// first pass and the review passes, and what a first-pass answer does to the
// question's level and answer count and to the running counters.
#pragma once

namespace vcq {

class Program;

// Starts the next batch, or ends the drill with the congratulations window.
void NextBatch(Program& app);
// Presents the question at BatchPos.
void AskQues(Program& app);
void LoadQues(Program& app);
// Marks the finished question and goes on to the next one, or ends the pass.
void NextQues(Program& app);
void CountRight(Program& app);
void CountWrong(Program& app);
// In review: whether the question at BatchPos was right last pass and is skipped.
void CheckSkip(Program& app);
// Counts the right positions into OkCnt; true when a position was wrong.
bool CountPass(Program& app);
void EndPass(Program& app);
void StartReview(Program& app);

}  // namespace vcq
