// `vcquick --class PLACE... --csv OUT.csv [--cp932]`: a class's records as a
// spreadsheet opens them, without a window (screens/ClassCsv.h).
#pragma once

#include <string>
#include <vector>

#include "screens/ClassTable.h"

namespace vcq {

// Writes the class's CSV to `outPath`, replaced atomically; IoError for an
// `outPath` that is one of the records read (by file, not by name), or that
// cannot be written.
void WriteClassCsv(const ClassTable& t, const std::string& outPath, bool cp932);

// Reads the class in `places` and writes its CSV to `outPath` (replaced
// atomically). Messages go to `err`. Returns the exit status: 0 done, 1
// when no record was found or the file could not be written. A record is
// never written: an `outPath` that is one of them is refused.
int RunClassCsv(const std::vector<std::string>& places, const std::string& outPath, bool cp932,
                std::string& err);

}  // namespace vcq
