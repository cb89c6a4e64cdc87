#include "data/AtomicSave.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "data/PlainFile.h"
#include "platform/Error.h"

namespace vcq {

namespace {

bool AllDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// "<pid>-<n>", the pid of the saving process: that process, when it has
// ended, or nothing.
std::optional<pid_t> SaverOf(std::string_view pidDashSerial) {
  const std::size_t dash = pidDashSerial.find('-');
  if (dash == std::string_view::npos || dash > 9 || !AllDigits(pidDashSerial.substr(0, dash)) ||
      !AllDigits(pidDashSerial.substr(dash + 1)))
    return std::nullopt;
  return static_cast<pid_t>(std::stol(std::string(pidDashSerial.substr(0, dash))));
}

// The temporary files are named by a short digest of the record's name, not
// by the name itself: the name may already be as long as the folder allows.
std::string NameDigest(std::string_view name) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (unsigned char c : name) h = (h ^ c) * 16777619u;
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(h));
  return hex;
}

std::string TempPrefix(std::string_view name) {
  return ".vcq-" + NameDigest(name) + "-";
}
constexpr std::string_view kTempSuffix = ".tmp";

// The saving process a temporary file of the record `name` names: its
// ".vcq-<digest>-<pid>-<n>.tmp", or the "<name>.tmp<pid>-<n>" of earlier
// versions; nothing for any other name.
std::optional<pid_t> TempSaver(std::string_view entry, std::string_view name) {
  const std::string prefix = TempPrefix(name);
  if (entry.starts_with(prefix) && entry.ends_with(kTempSuffix))
    return SaverOf(entry.substr(prefix.size(), entry.size() - prefix.size() - kTempSuffix.size()));
  const std::string old = std::string(name) + ".tmp";
  if (entry.starts_with(old)) return SaverOf(entry.substr(old.size()));
  return std::nullopt;
}

// A save killed part-way leaves its temporary file beside the record.
// Removes those of this process and of processes that have ended; one of
// another live process may be a save under way and stays. Best effort.
void RemoveLeftoverTemps(int folder, std::string_view name) {
  const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return;
  DIR* d = ::fdopendir(listing);
  if (!d) {
    ::close(listing);
    return;
  }
  while (const dirent* e = ::readdir(d)) {
    const std::optional<pid_t> pid = TempSaver(e->d_name, name);
    if (!pid) continue;
    if (*pid != ::getpid() && (*pid <= 0 || ::kill(*pid, 0) == 0 || errno != ESRCH)) continue;
    ::unlinkat(folder, e->d_name, 0);
  }
  ::closedir(d);
}

// The record's folder, open for the length of one save. Every step names
// files relative to it, so that a path the record itself can have is never
// made too long by the temporary file's name.
class Folder {
 public:
  explicit Folder(const std::string& path)
      : fd_(::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
  ~Folder() {
    if (fd_ >= 0) ::close(fd_);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

// The steps of a save, as its errors name them.
constexpr Said kSaveCreating{"creating", "作成"};
constexpr Said kSaveSettingPermissions{"setting permissions", "権限の設定"};
constexpr Said kSaveWriting{"writing", "書き込み"};
constexpr Said kSaveReplacing{"replacing", "置き換え"};
constexpr Said kSaveSyncingFolder{"syncing the folder", "フォルダの同期"};

FileOps::FileOps()
    : write([](int fd, const char* data, unsigned long size) {
        return static_cast<long>(::write(fd, data, size));
      }),
      fsync(::fsync),
      rename([](int folder, const char* from, const char* to) {
        return ::renameat(folder, from, folder, to);
      }),
      fsyncFolder(::fsync) {}

void WriteFileAtomically(const std::string& path, std::string_view bytes, const FileOps& ops,
                         FileStamp* written, const RecordHold* hold) {
  static std::atomic<unsigned> serial{0};
  auto fail = [&](const Said& what) {
    throw IoError(Say({"cannot save '{}' ({}): {}", "「{}」を保存できません ({}): {}"},
                      {path, what, SystemMessage(errno)}));
  };
  // Through a link, the file it leads to is replaced, from a temporary file
  // beside that file: a rename only replaces within one folder.
  const std::string target = ResolveLinks(path);
  RequirePlainOrAbsent(target);
  const std::filesystem::path targetPath(target);
  const std::string name = targetPath.filename().string();
  const Folder folder(targetPath.parent_path().string());
  if (folder.Fd() < 0) fail(kSaveCreating);
  RemoveLeftoverTemps(folder.Fd(), name);
  const std::string temp = TempPrefix(name) + std::to_string(::getpid()) + "-" +
                           std::to_string(serial++) + std::string(kTempSuffix);
  struct stat old;
  const bool replacing = ::fstatat(folder.Fd(), name.c_str(), &old, 0) == 0;
  // Private until its permissions are set; a new record gets 0666 less the umask.
  int fd = ::openat(folder.Fd(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    replacing ? 0600 : 0666);
  if (fd < 0) fail(kSaveCreating);
  auto removeTemp = [&] {
    int saved = errno;
    ::unlinkat(folder.Fd(), temp.c_str(), 0);
    errno = saved;
  };
  auto abandon = [&](const Said& what) {
    int saved = errno;
    ::close(fd);
    errno = saved;
    removeTemp();
    fail(what);
  };
  if (replacing) {
    // Owner first: changing it may clear the set-id bits the mode then restores.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      [[maybe_unused]] int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) abandon(kSaveSettingPermissions);
  }
  for (std::size_t done = 0; done < bytes.size();) {
    long n = ops.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      abandon(kSaveWriting);
    }
    done += static_cast<std::size_t>(n);
  }
  if (ops.fsync(fd) != 0) abandon(kSaveWriting);
  const FileStamp stamp = StampOfOpen(fd);
  // Held before it is the record, so that no other program can take it.
  RecordHold::Successor next = hold ? hold->LockSuccessor(fd) : RecordHold::Successor{};
  if (::close(fd) != 0) {
    removeTemp();
    fail(kSaveWriting);
  }
  if (ops.rename(folder.Fd(), temp.c_str(), name.c_str()) != 0) {
    removeTemp();
    fail(kSaveReplacing);
  }
  if (hold) hold->Follow(std::move(next));
  if (written) {
    // The rename moved the file's change time: the stamp to compare with at
    // the next save is the one after it, of the file this save wrote.
    const FileStamp renamed = StampAt(folder.Fd(), name);
    const bool same = renamed.device == stamp.device && renamed.inode == stamp.inode;
    *written = same ? renamed : stamp;
  }
  // Until the folder is on disk, a power cut may bring back the old name.
  if (ops.fsyncFolder(folder.Fd()) != 0) fail(kSaveSyncingFolder);
}

}  // namespace vcq
