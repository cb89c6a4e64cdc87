#include "screens/LessonTally.h"

#include <string>

#include "data/TextUtil.h"
#include "platform/Error.h"

namespace vcq {

LessonTally TallyLessons(const Bank& b, const QuestionTable& AnsCount,
                         const QuestionTable& OkLevel) {
  if (b.QuesCount < 0 || b.QuesCount > kMaxQuestions)
    throw RangeError(Where(b.QuesFileName) + OutOfRange("問題数", b.QuesCount, kMaxQuestions));
  LessonTally t;
  for (int q = 0; q < b.QuesCount; ++q) {
    const std::int32_t L = b.QuesLes[q];
    if (L < 0 || L >= kMaxLessons)
      throw RangeError(Where(b.QuesFileName) +
                       OutOfRange("問題 " + std::to_string(q) + " の分野番号", L, kMaxLessons - 1));
    ++t.TenQues[L];
    t.TenAns[L] += AnsCount[q];
    if (OkLevel[q] == kLevelMastered) ++t.TenOk[L];
    t.TenPt[L] += ProgressPoints(OkLevel[q]);
  }
  return t;
}

std::int64_t Figures::Rate() const {
  return ques == 0 ? 0 : std::int64_t{ok} * 100 / ques;
}

std::int64_t Figures::Evaluation() const {
  return ans == 0 ? 0 : std::int64_t{pt} * 100 / ans;
}

Figures LessonFigures(const LessonTally& t, int L) {
  return {t.TenQues[L], t.TenOk[L], t.TenAns[L], t.TenPt[L]};
}

Figures WholeFigures(const LessonTally& t) {
  Figures f;
  for (int L = 0; L < kMaxLessons; ++L) {
    f.ques += t.TenQues[L];
    f.ok += t.TenOk[L];
    f.ans += t.TenAns[L];
    f.pt += t.TenPt[L];
  }
  return f;
}

}  // namespace vcq
