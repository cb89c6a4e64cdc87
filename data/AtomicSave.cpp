#include "data/AtomicSave.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "data/PlainFile.h"
#include "platform/Error.h"

namespace vcq {

namespace {

bool AllDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// A save killed part-way leaves its "<name>.tmp<pid>-<n>" beside the file.
// Removes those of this process and of processes that have ended; one of
// another live process may be a save under way and stays. Best effort.
void RemoveLeftoverTemps(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  const std::string prefix = target.filename().string() + ".tmp";
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const std::string_view rest = std::string_view(name).substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || dash > 9 || !AllDigits(rest.substr(0, dash)) ||
        !AllDigits(rest.substr(dash + 1)))
      continue;
    const pid_t pid = static_cast<pid_t>(std::stol(std::string(rest.substr(0, dash))));
    if (pid != ::getpid() && (pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH)) continue;
    std::error_code ignored;
    fs::remove(it->path(), ignored);
  }
}

}  // namespace

FileOps::FileOps()
    : write([](int fd, const char* data, unsigned long size) {
        return static_cast<long>(::write(fd, data, size));
      }),
      fsync(::fsync),
      rename(::rename),
      fsyncFolder(::fsync) {}

void WriteFileAtomically(const std::string& path, std::string_view bytes, const FileOps& ops,
                         FileStamp* written, const RecordHold* hold) {
  static std::atomic<unsigned> serial{0};
  auto fail = [&](const std::string& what) {
    throw IoError("「" + path + "」を保存できません (" + what + "): " + std::strerror(errno));
  };
  // Through a link, the file it leads to is replaced, from a temporary file
  // beside that file: a rename only replaces within one folder.
  const std::string target = ResolveLinks(path);
  RequirePlainOrAbsent(target);
  RemoveLeftoverTemps(target);
  const std::string temp =
      target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
  struct stat old;
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  // Private until its permissions are set; a new record gets 0666 less the umask.
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666);
  if (fd < 0) fail("作成");
  auto abandon = [&](const std::string& what) {
    int saved = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    errno = saved;
    fail(what);
  };
  if (replacing) {
    // Owner first: changing it may clear the set-id bits the mode then restores.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      [[maybe_unused]] int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) abandon("権限の設定");
  }
  for (std::size_t done = 0; done < bytes.size();) {
    long n = ops.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      abandon("書き込み");
    }
    done += static_cast<std::size_t>(n);
  }
  if (ops.fsync(fd) != 0) abandon("書き込み");
  const FileStamp stamp = StampOfOpen(fd);
  // Held before it is the record, so that no other program can take it.
  RecordHold::Successor next = hold ? hold->LockSuccessor(fd) : RecordHold::Successor{};
  if (::close(fd) != 0) {
    int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    fail("書き込み");
  }
  if (ops.rename(temp.c_str(), target.c_str()) != 0) {
    int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    fail("置き換え");
  }
  if (hold) hold->Follow(std::move(next));
  if (written) {
    // The rename moved the file's change time: the stamp to compare with at
    // the next save is the one after it, of the file this save wrote.
    const FileStamp renamed = StampOf(target);
    const bool same = renamed.device == stamp.device && renamed.inode == stamp.inode;
    *written = same ? renamed : stamp;
  }
  // Until the folder is on disk, a power cut may bring back the old name.
  const std::string folder = std::filesystem::path(target).parent_path().string();
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) fail("フォルダの同期");
  const int synced = ops.fsyncFolder(dir);
  const int saved = errno;
  ::close(dir);
  errno = saved;
  if (synced != 0) fail("フォルダの同期");
}

}  // namespace vcq
