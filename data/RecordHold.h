// One program per record. The hold is an advisory lock (flock) on a hidden
// file beside the record, ".<name>.lock": the kernel drops it when the
// program ends in any way, so a crash or a kill never locks the learner out,
// and a lock file left behind is simply taken over. The lock file, not the
// record, carries it because every save renames a new file over the record.
#pragma once

#include <memory>
#include <string>

namespace vcq {

class RecordHold {
 public:
  RecordHold() = default;  // holds nothing

  // Takes the hold on the record at `recordPath`, which need not exist yet.
  // IoError naming the record when another program has it. Where no lock
  // file can be made (a folder the learner may not write to, where no save
  // could land either) the record opens without a hold.
  static RecordHold Take(const std::string& recordPath);

  // Whether this is the hold on the record at `recordPath`: a program
  // opening its own record again keeps its hold rather than meeting it.
  bool Covers(const std::string& recordPath) const;

 private:
  struct Lock;
  // Shared, so that a record copied in memory keeps one hold; released with
  // the last copy.
  std::shared_ptr<const Lock> lock_;
};

}  // namespace vcq
