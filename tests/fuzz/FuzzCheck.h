// What the fuzz targets share: a check that stops the run with a message
// libFuzzer keeps beside the crashing input, and the comparison of records.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "data/RecordFile.h"

#define FUZZ_CHECK(cond)                                                            \
  do {                                                                              \
    if (!(cond)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)

namespace vcq::fuzz {

// What a file keeps of a record: lesson flags and progress only as far as
// the counts reach, the lesson lists only in the layouts that write them,
// and the bank by its path, whatever bytes its line had.
inline RecordFile Kept(RecordFile r) {
  auto clearFrom = [](auto& table, std::int32_t count) {
    const auto size = static_cast<std::int32_t>(table.size());
    std::fill(table.begin() + std::clamp(count, 0, size), table.end(), 0);
  };
  if (!HasLessons(r.DataForm)) r.LesCount = 0;
  if (!HasSecondClass(r.DataForm)) r.LesCount2 = 0;
  clearFrom(r.LesSel, r.LesCount);
  clearFrom(r.LesSel2, r.LesCount2);
  clearFrom(r.AnsCount, r.QuesCount);
  clearFrom(r.OkLevel, r.QuesCount);
  r.QuesFileLine.clear();
  return r;
}

inline bool SameRecord(const RecordFile& a, const RecordFile& b) {
  return Kept(a) == Kept(b);
}

}  // namespace vcq::fuzz
