#include "data/RecordCarry.h"

#include <algorithm>

namespace vcq {

RecordValues CarryValues(const RecordValues& before, std::int32_t lessonsBefore,
                         std::int32_t lessons2Before, const BankDiff& diff, const Bank& after) {
  RecordValues v = before;
  v.AnsCount = {};
  v.OkLevel = {};
  const std::size_t n = std::min<std::size_t>(diff.from.size(), kMaxQuestions);
  for (std::size_t q = 0; q < n; ++q) {
    const int o = diff.from[q];
    const bool known = o >= 0 && o < kMaxQuestions;
    v.AnsCount[q] = known ? before.AnsCount[static_cast<std::size_t>(o)] : 0;
    v.OkLevel[q] = known ? before.OkLevel[static_cast<std::size_t>(o)] : kLevelUnanswered;
  }
  for (std::int32_t i = std::max(lessonsBefore, 0); i < after.LesCount; ++i) v.LesSel[i] = 1;
  for (std::int32_t i = std::max(lessons2Before, 0); i < after.LesCount2; ++i) v.LesSel2[i] = 1;
  if (IsPlainLayout(after.DataForm)) v.LesSel[0] = 1;
  return v;
}

}  // namespace vcq
