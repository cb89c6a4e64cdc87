// Which file a path stands for, and whether it is still the one seen before.
#pragma once

#include <cstdint>
#include <string>

namespace vcq {

// What tells one version of a file from another without reading it: the
// file itself (device and inode), its size and when it last changed. Every
// write to a file moves its change time, which no tool sets back (a copy that
// keeps the modification time still gets a new change time), and a file
// saved by rename has a new inode; the size and the modification time are
// kept too for file systems with coarse or missing change times.
struct FileStamp {
  bool exists = false;  // false: no file, or bytes that did not come from one
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;
  bool Known() const { return exists; }
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file at `path`, through links; `exists` is false when
// there is no file there (or it cannot be looked at).
FileStamp StampOf(const std::string& path);

// The stamp of an open file.
FileStamp StampOfOpen(int fd);

// The stamp of the file `name` in the folder open at `folder`, through links.
FileStamp StampAt(int folder, const std::string& name);

// Whether `a` and `b` lead to one existing file (through links, or as two
// names of it): the same device and inode.
bool SameFile(const std::string& a, const std::string& b);

// The path a chain of symbolic links at `path` ends at, which need not exist
// yet; `path` itself when it is no link. IoError for a loop of links.
std::string ResolveLinks(const std::string& path);

}  // namespace vcq
