// Saving a file whole or not at all: a new file beside the old one, renamed
// over it. It knows nothing of what it saves; the record is saved this way.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "data/FileIdentity.h"
#include "data/RecordHold.h"

namespace vcq {

// The system calls a save goes through; a test replaces one to make it fail.
struct FileOps {
  std::function<long(int fd, const char* data, unsigned long size)> write;
  std::function<int(int fd)> fsync;
  // Names relative to the folder open at `folder`, as renameat takes them.
  std::function<int(int folder, const char* from, const char* to)> rename;
  std::function<int(int folder)> fsyncFolder;  // makes the rename itself durable
  FileOps();
};

// Writes `bytes` to a new file beside `path` and renames it over `path`, so
// a save that fails or is interrupted leaves the old file whole; what killed
// saves left beside it is removed first. The new file has a short hidden
// name of its own, ".vcq-<digest of the name>-<pid>-<n>.tmp", and every step
// names files relative to the folder: any name and path the file itself can
// have can be saved. A link at `path` stays: the file it leads to is
// replaced. The replaced file's permissions are kept, and its owner and
// group where the process may set them. IoError names the file and
// the reason; a place that holds anything but a plain file is refused
// before anything is written. `written`, when given, gets the stamp of the
// new file as soon as it has taken the old one's place, even if syncing the
// folder then fails. `hold`, when given, moves on to the new file with it.
void WriteFileAtomically(const std::string& path, std::string_view bytes, const FileOps& ops = {},
                         FileStamp* written = nullptr, const RecordHold* hold = nullptr);

}  // namespace vcq
