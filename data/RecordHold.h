// One program per record. The hold is two advisory locks (flock), which the
// kernel drops when the program ends in any way, so a crash or a kill never
// locks the learner out:
// - one on a hidden file beside the record, ".<name>.lock", which also
//   holds a record not yet written; a lock file left behind is simply taken
//   over;
// - one on the record file itself, which needs no room on the disk: it holds
//   the record where no lock file can be made (a full disk, no inode left, a
//   folder the learner may not write to). Every save renames a new file over
//   the record, so each save locks its new file before the rename and lets
//   go of the old one after it: the record is never unheld.
// A second program is refused when either lock is taken. Both work for
// every program on the machine; over NFS, where the kernel turns them into
// locks of the whole process that closing any copy of the file drops, the
// lock file is what holds.
#pragma once

#include <memory>
#include <string>

namespace vcq {

class RecordHold {
 public:
  RecordHold() = default;  // holds nothing

  // Takes the hold on the record at `recordPath`, which need not exist yet.
  // IoError naming the record when another program has it. Whichever lock
  // cannot be had for want of room or rights is done without.
  static RecordHold Take(const std::string& recordPath);

  // Whether a program holds the record at `recordPath`, told from the
  // kernel's list of locks without taking or touching either lock: a reader
  // that only looks (the class view) must never keep a learner out, even for
  // a moment. False where that list cannot be read.
  static bool HeldByAnyone(const std::string& recordPath);

  // Whether this is the hold on the record at `recordPath`: a program
  // opening its own record again keeps its hold rather than meeting it.
  bool Covers(const std::string& recordPath) const;

  // The new file of a save, open at `fd` and about to be renamed over the
  // record, locked as the record is. Follow() once it has taken the
  // record's place; dropped, it lets go again (a save that failed).
  class Successor {
   public:
    Successor() = default;
    explicit Successor(int fd) : fd_(fd) {}
    Successor(Successor&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    Successor& operator=(Successor&& o) noexcept;
    Successor(const Successor&) = delete;
    Successor& operator=(const Successor&) = delete;
    ~Successor();

   private:
    friend class RecordHold;
    int fd_ = -1;
  };
  Successor LockSuccessor(int fd) const;
  void Follow(Successor&& next) const;

 private:
  struct Lock;
  // Shared, so that a record copied in memory keeps one hold; released with
  // the last copy.
  std::shared_ptr<Lock> lock_;
};

}  // namespace vcq
