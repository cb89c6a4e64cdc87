#include "data/PlainFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/Error.h"

namespace vcq {

namespace {

Said KindOfFile(mode_t mode) {
  if (S_ISDIR(mode)) return {"a folder", "フォルダです"};
  if (S_ISFIFO(mode)) return {"a named pipe", "名前付きパイプです"};
  if (S_ISSOCK(mode)) return {"a socket", "ソケットです"};
  if (S_ISCHR(mode) || S_ISBLK(mode)) return {"a device", "装置です"};
  return {"a special file", "特殊なファイルです"};
}

Text NotPlain(const std::string& path, mode_t mode) {
  return Say({"'{}' is not a plain file ({})", "「{}」は通常のファイルではありません ({})"},
             {path, KindOfFile(mode)});
}

Text TooLarge(const std::string& path, std::size_t limit) {
  return Say({"'{}' is too large (over {} MiB)", "「{}」は大きすぎます ({} MiB を超えています)"},
             {path, std::to_string(limit >> 20)});
}

constexpr Said kCannotOpen{"cannot open '{}': {}", "「{}」を開けません: {}"};
constexpr Said kCannotRead{"cannot read '{}': {}", "「{}」を読めません: {}"};

[[noreturn]] void Fail(const std::string& path, const Said& what, int err) {
  throw IoError(Say(what, {path, SystemMessage(err)}));
}

}  // namespace

PlainFile PlainFile::Open(const std::string& path) {
  // Looked at before it is opened: opening a device may act on it.
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
    throw IoError(NotPlain(path, st.st_mode));
  // Without waiting: a pipe put in its place meanwhile opens at once, and is
  // then refused like any other file that is not plain.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) Fail(path, kCannotOpen, errno);
  PlainFile f(fd, 0);
  if (::fstat(fd, &st) != 0) Fail(path, kCannotOpen, errno);
  if (!S_ISREG(st.st_mode)) throw IoError(NotPlain(path, st.st_mode));
  // Reads of a plain file wait for the disk as usual.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) Fail(path, kCannotOpen, errno);
  f.size_ = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
  return f;
}

PlainFile& PlainFile::operator=(PlainFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    size_ = other.size_;
    other.fd_ = -1;
  }
  return *this;
}

PlainFile::~PlainFile() {
  if (fd_ >= 0) ::close(fd_);
}

void FileBytes::Append(const char* bytes, std::size_t n) {
  if (size_ + n > room_) {
    room_ = std::max(2 * room_, size_ + n);
    auto more = std::make_unique_for_overwrite<char[]>(room_);
    if (size_ > 0) std::memcpy(more.get(), data_.get(), size_);
    data_ = std::move(more);
  }
  std::memcpy(data_.get() + size_, bytes, n);
  size_ += n;
}

FileBytes ReadPlainBytes(const std::string& path, std::size_t limit, FileStamp* stamp) {
  PlainFile f = PlainFile::Open(path);
  if (f.Size() > limit) throw IoError(TooLarge(path, limit));
  auto read = [&](char* into, std::size_t size) {
    for (;;) {
      const ssize_t n = ::read(f.Fd(), into, size);
      if (n >= 0) return static_cast<std::size_t>(n);
      if (errno != EINTR) Fail(path, kCannotRead, errno);
    }
  };
  // Sized from the start: no growing and copying.
  FileBytes bytes;
  bytes.room_ = f.Size();
  bytes.data_ = std::make_unique_for_overwrite<char[]>(bytes.room_);
  for (std::size_t n = 1; bytes.size_ < bytes.room_ && n > 0; bytes.size_ += n)
    n = read(bytes.data_.get() + bytes.size_, bytes.room_ - bytes.size_);
  // The rest, if any: a file that grew meanwhile, or one of no known size
  // (as some of /proc are).
  char buf[1 << 16];
  for (std::size_t n; (n = read(buf, sizeof buf)) > 0;) {
    if (bytes.size_ + n > limit) throw IoError(TooLarge(path, limit));
    bytes.Append(buf, n);
  }
  if (stamp) *stamp = StampOfOpen(f.Fd());
  return bytes;
}

std::string ReadPlainFile(const std::string& path, std::size_t limit, FileStamp* stamp) {
  return std::string(ReadPlainBytes(path, limit, stamp).View());
}

void RequirePlainOrAbsent(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
    throw IoError(NotPlain(path, st.st_mode));
}

}  // namespace vcq
