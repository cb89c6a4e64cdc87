#include "data/FileIdentity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/Error.h"

namespace vcq {

namespace {

FileStamp FromStat(const struct stat& st) {
  FileStamp s;
  s.exists = true;
  s.device = st.st_dev;
  s.inode = st.st_ino;
  s.size = st.st_size;
  s.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  s.changedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
  return s;
}

}  // namespace

FileStamp StampOf(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return {};
  return FromStat(st);
}

FileStamp StampOfOpen(int fd) {
  struct stat st;
  if (::fstat(fd, &st) != 0) return {};
  return FromStat(st);
}

FileStamp StampAt(int folder, const std::string& name) {
  struct stat st;
  if (::fstatat(folder, name.c_str(), &st, 0) != 0) return {};
  return FromStat(st);
}

bool SameFile(const std::string& a, const std::string& b) {
  const FileStamp x = StampOf(a), y = StampOf(b);
  return x.exists && y.exists && x.device == y.device && x.inode == y.inode;
}

std::string ResolveLinks(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path p(path);
  // The kernel's own limit on links followed in one lookup.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p.string();
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(p.c_str(), target.data(), target.size());
    if (n < 0) return p.string();
    target.resize(static_cast<std::size_t>(n));
    const fs::path next(target);
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  throw IoError(
      Say({"cannot open '{}': {}", "「{}」を開けません: {}"}, {path, SystemMessage(ELOOP)}));
}

}  // namespace vcq
