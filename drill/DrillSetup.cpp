#include "drill/DrillSetup.h"

#include <string>

#include "drill/Checked.h"
#include "platform/Error.h"

namespace vcq {

namespace {

std::int32_t SelFlag(const LessonFlags& sel, std::int32_t q, std::int32_t lesson,
                     const char* what) {
  if (lesson < 0 || lesson >= kMaxLessons)
    throw RangeError("問題 " + std::to_string(q) + " の" + what + " " + std::to_string(lesson) +
                     " が 0 から " + std::to_string(kMaxLessons - 1) + " の範囲外です");
  return sel[static_cast<std::size_t>(lesson)];
}

bool InRange(const Bank& bank, const Record& rec, std::int32_t q) {
  if (HasLessons(bank.DataForm) &&
      SelFlag(rec.LesSel, q, At(bank.QuesLes, q, "問題"), "分野番号") != 1)
    return false;
  if (HasSecondClass(bank.DataForm) &&
      SelFlag(rec.LesSel2, q, At(bank.QuesLes2, q, "問題"), "第二分類番号") != 1)
    return false;
  return true;
}

}  // namespace

void ResetDrill(DrillState& drill) {
  drill.OrderPos = 0;
  drill.PassStart = 0;
  drill.BatchScore = 0;
  drill.TestNo = 0;
  drill.InBatch = false;
}

std::int32_t ScanBatch(DrillState& drill, const Bank& bank, const Record& rec,
                       std::int32_t lastScore) {
  if (lastScore < kRestartScore) drill.OrderPos = drill.PassStart;
  const std::int32_t n = bank.QuesCount;
  // With no question the end of a cycle would never come.
  if (n <= 0) return 0;
  if (drill.OrderPos < 0 || drill.OrderPos >= n)
    throw RangeError("出題順の位置 " + std::to_string(drill.OrderPos) + " が問題数 " +
                     std::to_string(n) + " の範囲外です");
  drill.PassStart = drill.OrderPos;
  std::int32_t count = 0;
  int passes = 0;
  bool wrapped = false;
  while (count < kBatchSize) {
    const std::int32_t q = At(drill.QuesOrder, drill.OrderPos, "出題順");
    bool take = false;
    if (InRange(bank, rec, q)) {
      bool& asked = At(drill.AskedFlag, q, "問題");
      const std::int32_t level = At(rec.OkLevel, q, "問題");
      if (rec.FreeMode != 0) {
        take = !asked;
        asked = true;
      } else {
        take = passes == 0 ? level <= kLevelWrong : level != kLevelMastered;
      }
    }
    for (std::int32_t i = 0; take && i < count; ++i)
      if (drill.Batch[i] == q) take = false;
    if (take) drill.Batch[count++] = q;

    if (drill.OrderPos == n - 1) {
      drill.OrderPos = 0;
      wrapped = true;
    } else {
      ++drill.OrderPos;
    }
    if (wrapped && drill.OrderPos >= drill.PassStart) {
      ++passes;
      wrapped = false;
    }
    if (passes == 2) break;
  }
  return count;
}

void PickBatch(DrillState& drill, Bank& bank, const Record& rec) {
  drill.BatchPos = 0;
  drill.BatchNg.fill(false);
  drill.BatchCount = ScanBatch(drill, bank, rec, drill.BatchScore);
  for (std::int32_t i = 0; i < drill.BatchCount; ++i) drill.BatchOrder[i] = i;
  if (drill.BatchCount > 0) {
    ReadBatchTexts(bank, drill.Batch, drill.BatchCount);
    drill.OkCnt = 0;
    drill.Review = false;
  }
}

}  // namespace vcq
