// Whether a save could replace a file, seen without writing anything: what
// the learner is told on opening a record, and what a save asks about before
// it replaces one.
#pragma once

#include <string>

namespace vcq {

// Why no save can replace the file at `path`, in the system's words ("Read-only
// file system", "Permission denied"): its folder takes no new file from this
// learner, or its sticky bit keeps the learner from replacing someone else's
// file. Empty when nothing that can be seen stands in the way.
std::string SaveRefusedAt(const std::string& path);

enum class Protection {
  None,
  // Write-protected: the owner may not write it (chmod a-w). Judged from the
  // mode, not by trying: root may write anything.
  ReadOnly,
  // Someone else's: a save writes a new file, which would be the learner's.
  // Root's saves keep the owner, so never for root.
  OthersFile,
};

// What replacing the file at `path` (through links) needs the learner's Yes
// for; None when there is no file.
Protection ProtectionOf(const std::string& path);

// The name of the owner of the file at `path`, or its number.
std::string OwnerOf(const std::string& path);

}  // namespace vcq
