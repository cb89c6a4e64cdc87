#include "data/RecordHold.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "data/FileIdentity.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

struct RecordHold::Lock {
  explicit Lock(std::string key_) : key(std::move(key_)) {}
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  // The lock file is removed while still locked: a program that opened it
  // meanwhile sees it gone after locking and starts again on a new one.
  ~Lock() {
    if (lockFd >= 0) {
      ::unlink(key.c_str());
      ::close(lockFd);
    }
    if (recordFd >= 0) ::close(recordFd);
  }
  std::string key;    // the lock file's path, the same for every path to the record
  int lockFd = -1;    // the lock file, when one could be made
  int recordFd = -1;  // the record file, when there is one; moved on by each save
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

// Without waiting, and only a plain file: a pipe put in the place of either
// would hold the open for ever.
int OnlyPlain(int fd) {
  struct stat st;
  if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

int OpenLockFile(const std::string& path) {
  const int flags = O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
  // Locks over NFS need a file open for writing; another learner's lock file
  // in a shared folder may be only readable.
  int fd = ::open(path.c_str(), O_RDWR | flags, 0666);
  if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_RDONLY | flags, 0666);
  return OnlyPlain(fd);
}

int OpenRecord(const std::string& path) {
  return OnlyPlain(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
}

bool SameFile(int fd, const std::string& path) {
  struct stat open, named;
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// The file at `path`, opened by `open` and locked; -1 when there is none or
// it cannot be locked (no room, no rights, no locks on that file system).
// IoError naming the record when another program holds it.
int LockAt(const std::string& path, int (*open)(const std::string&),
           const std::string& recordPath) {
  // A few rounds at most: each one lost means the file was just replaced
  // (another program let go, or saved).
  for (int round = 0; round < 8; ++round) {
    const int fd = open(path);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int why = errno;
      ::close(fd);
      if (why == EWOULDBLOCK)
        throw IoError(
            Say({"'{}' is open in another VCQuick", "「{}」は別の VCQuick で開かれています"},
                {recordPath}));
      return -1;
    }
    if (SameFile(fd, path)) return fd;
    ::close(fd);
  }
  return -1;
}

}  // namespace

RecordHold RecordHold::Take(const std::string& recordPath) {
  auto lock = std::make_shared<Lock>(LockPathFor(recordPath));
  lock->lockFd = LockAt(lock->key, OpenLockFile, recordPath);
  // Refused here, the lock file just taken goes with `lock`.
  lock->recordFd = LockAt(ResolveLinks(recordPath), OpenRecord, recordPath);
  RecordHold hold;
  hold.lock_ = std::move(lock);
  return hold;
}

bool RecordHold::HeldByAnyone(const std::string& recordPath) {
  // The files a hold locks: the lock file and the record itself.
  struct Key {
    unsigned major, minor;
    unsigned long long inode;
  };
  std::vector<Key> keys;
  std::vector<std::string> paths;
  try {
    paths = {LockPathFor(recordPath), ResolveLinks(recordPath)};
  } catch (const Error&) {
    return false;  // a loop of links: no file, no hold
  }
  for (const std::string& path : paths) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
      keys.push_back({::major(st.st_dev), ::minor(st.st_dev), st.st_ino});
  }
  if (keys.empty()) return false;
  // Lines like "1: FLOCK  ADVISORY  WRITE 4242 08:01:131090 0 EOF"; a
  // waiter's line has "->" after the number.
  std::ifstream locks("/proc/locks");
  std::string line;
  while (std::getline(locks, line)) {
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
      unsigned major = 0, minor = 0;
      unsigned long long inode = 0;
      char rest = 0;
      if (std::sscanf(word.c_str(), "%x:%x:%llu%c", &major, &minor, &inode, &rest) != 3) continue;
      for (const Key& k : keys)
        if (k.major == major && k.minor == minor && k.inode == inode) return true;
    }
  }
  return false;
}

bool RecordHold::Covers(const std::string& recordPath) const {
  return lock_ && lock_->key == LockPathFor(recordPath);
}

RecordHold::Successor& RecordHold::Successor::operator=(Successor&& o) noexcept {
  if (this != &o) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = o.fd_;
    o.fd_ = -1;
  }
  return *this;
}

RecordHold::Successor::~Successor() {
  if (fd_ >= 0) ::close(fd_);
}

RecordHold::Successor RecordHold::LockSuccessor(int fd) const {
  if (!lock_) return {};
  // A copy of its own, which the save's closing of `fd` leaves open.
  const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (copy < 0) return {};
  if (::flock(copy, LOCK_EX | LOCK_NB) != 0) {
    ::close(copy);
    return {};
  }
  return Successor(copy);
}

void RecordHold::Follow(Successor&& next) const {
  if (!lock_ || next.fd_ < 0) return;
  if (lock_->recordFd >= 0) ::close(lock_->recordFd);
  lock_->recordFd = next.fd_;
  next.fd_ = -1;
}

}  // namespace vcq
