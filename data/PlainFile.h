// Files a learner names (a bank, a record, the help, a list to import or
// export) are plain files, or they are refused at once. Opening anything
// else can wait for ever: a named pipe until someone writes to it, a device,
// a socket. So the open itself never waits, the kind is checked before a
// byte is read, and so is the size: a refused file costs nothing.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "data/FileIdentity.h"

namespace vcq {

// An open plain file, read only; closed with the last move of it.
class PlainFile {
 public:
  // Opens `path` (through links) without waiting. IoError naming the file
  // when it cannot be opened or is not a plain file: "「…」は通常のファイル
  // ではありません (フォルダです)" and the like.
  static PlainFile Open(const std::string& path);

  PlainFile(PlainFile&& other) noexcept : fd_(other.fd_), size_(other.size_) { other.fd_ = -1; }
  PlainFile& operator=(PlainFile&& other) noexcept;
  PlainFile(const PlainFile&) = delete;
  PlainFile& operator=(const PlainFile&) = delete;
  ~PlainFile();

  int Fd() const { return fd_; }
  std::size_t Size() const { return size_; }  // as the file was when opened

 private:
  PlainFile(int fd, std::size_t size) : fd_(fd), size_(size) {}
  int fd_ = -1;
  std::size_t size_ = 0;
};

// The whole of the plain file at `path`, at most `limit` bytes: a larger
// file is refused from its size before anything is read, one that grows
// past the limit meanwhile as soon as it does. `stamp`, when given, is the
// file's stamp taken after the read, so that a write during the read shows
// as a change. IoError naming the file.
std::string ReadPlainFile(const std::string& path, std::size_t limit, FileStamp* stamp = nullptr);

// The same bytes in a buffer that is not cleared before the read, for the
// files read most often: a bank, at every load and every batch.
class FileBytes {
 public:
  std::string_view View() const { return {data_.get(), size_}; }

 private:
  void Append(const char* bytes, std::size_t n);
  friend FileBytes ReadPlainBytes(const std::string& path, std::size_t limit, FileStamp* stamp);
  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t room_ = 0;
};
FileBytes ReadPlainBytes(const std::string& path, std::size_t limit, FileStamp* stamp = nullptr);

// A place about to be written: nothing there yet, or a plain file (through
// links). IoError naming the file otherwise, before anything is written.
void RequirePlainOrAbsent(const std::string& path);

}  // namespace vcq
