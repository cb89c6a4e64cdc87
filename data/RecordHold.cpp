#include "data/RecordHold.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "data/FileIdentity.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

struct RecordHold::Lock {
  Lock(int fd_, std::string path_) : fd(fd_), path(std::move(path_)) {}
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  // Removed while still locked: a program that opened the old file meanwhile
  // sees it gone after locking and starts again on a new one.
  ~Lock() {
    ::unlink(path.c_str());
    ::close(fd);
  }
  int fd;
  std::string path;
};

namespace {

// One lock file for every path that reaches the record: through links, and
// through whatever way its folder was named.
std::string LockPathFor(const std::string& recordPath) {
  const fs::path record(ResolveLinks(recordPath));
  std::error_code ec;
  fs::path folder = record.has_parent_path() ? record.parent_path() : fs::path(".");
  const fs::path canonical = fs::canonical(folder, ec);
  if (!ec) folder = canonical;
  return (folder / ("." + record.filename().string() + ".lock")).string();
}

int OpenLockFile(const std::string& path) {
  const int flags = O_CREAT | O_CLOEXEC | O_NOFOLLOW;
  // Locks over NFS need a file open for writing; another learner's lock file
  // in a shared folder may be only readable.
  int fd = ::open(path.c_str(), O_RDWR | flags, 0666);
  if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_RDONLY | flags, 0666);
  return fd;
}

bool SameFile(int fd, const std::string& path) {
  struct stat open, named;
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

RecordHold RecordHold::Take(const std::string& recordPath) {
  const std::string lockPath = LockPathFor(recordPath);
  // A few rounds at most: each one lost means another program let go just now.
  for (int round = 0; round < 8; ++round) {
    const int fd = OpenLockFile(lockPath);
    if (fd < 0) return {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int why = errno;
      ::close(fd);
      if (why == EWOULDBLOCK)
        throw IoError("「" + recordPath + "」は別の VCQuick で開かれています");
      return {};
    }
    if (SameFile(fd, lockPath)) {
      RecordHold hold;
      hold.lock_ = std::make_shared<const Lock>(fd, lockPath);
      return hold;
    }
    ::close(fd);
  }
  return {};
}

bool RecordHold::Covers(const std::string& recordPath) const {
  return lock_ && lock_->path == LockPathFor(recordPath);
}

}  // namespace vcq
