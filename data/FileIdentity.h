// Which file a path stands for, and whether it is still the one seen before.
#pragma once

#include <cstdint>
#include <string>

namespace vcq {

// What tells a file apart without reading it: the file itself (device and
// inode), its size and when it last changed.
struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file at `path`, through links; `exists` is false when
// there is no file there (or it cannot be looked at).
FileStamp StampOf(const std::string& path);

// The stamp of an open file.
FileStamp StampOfOpen(int fd);

// The path a chain of symbolic links at `path` ends at, which need not exist
// yet; `path` itself when it is no link. IoError for a loop of links.
std::string ResolveLinks(const std::string& path);

}  // namespace vcq
