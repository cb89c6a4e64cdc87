// What the fuzz targets share: a check that stops the run with a message
// libFuzzer keeps beside the crashing input, and the comparison of records.
#pragma once

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

// The values a record file holds; lesson flags and progress only as far as
// the counts reach, as that is all a file keeps.
inline bool SameRecord(const RecordFile& a, const RecordFile& b) {
  if (a.QuesFileName != b.QuesFileName || a.BankTitle != b.BankTitle ||
      a.PlayerName != b.PlayerName || a.DataKind != b.DataKind || a.DataForm != b.DataForm ||
      a.QuesCount != b.QuesCount || a.FreeMode != b.FreeMode || a.FlashTime != b.FlashTime ||
      a.OrderMode != b.OrderMode || a.OneLetter != b.OneLetter)
    return false;
  if (a.DataForm > 0) {
    if (a.LesCount != b.LesCount) return false;
    for (int i = 0; i < a.LesCount; ++i)
      if (a.LesSel[i] != b.LesSel[i]) return false;
  }
  if (a.DataForm > 1) {
    if (a.LesCount2 != b.LesCount2) return false;
    for (int i = 0; i < a.LesCount2; ++i)
      if (a.LesSel2[i] != b.LesSel2[i]) return false;
  }
  for (int i = 0; i < a.QuesCount; ++i)
    if (a.AnsCount[i] != b.AnsCount[i] || a.OkLevel[i] != b.OkLevel[i]) return false;
  return true;
}

}  // namespace vcq::fuzz
