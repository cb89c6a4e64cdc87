#include "data/Utf8Renames.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "data/Cp932.h"
#include "data/WindowsNames.h"

namespace vcq {

namespace fs = std::filesystem;

namespace {

// rename(2) that refuses to replace; where the file system cannot do that in
// one step, a look first.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  struct stat st;
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return -1;
  }
  return ::rename(from.c_str(), to.c_str());
}

}  // namespace

std::vector<Cp932Named> Cp932NamedEntries(const std::string& folder) {
  std::vector<Cp932Named> out;
  std::error_code ec;
  fs::directory_iterator dir(folder, ec);
  for (fs::directory_iterator end; !ec && dir != end; dir.increment(ec)) {
    const std::string name = dir->path().filename().string();
    if (!IsCp932Name(name)) continue;
    std::error_code ignored;
    const fs::file_status st = fs::status(dir->path(), ignored);
    const std::string key = WindowsKeyOfName(name);
    const bool wanted = fs::is_directory(st) || (fs::is_regular_file(st) &&
                                                 (key.ends_with(".dat") || key.ends_with(".ret")));
    if (!wanted) continue;
    out.push_back({dir->path().string(), (dir->path().parent_path() / ToUtf8(name)).string(),
                   fs::is_directory(st)});
  }
  std::sort(out.begin(), out.end(),
            [](const Cp932Named& a, const Cp932Named& b) { return a.to < b.to; });
  return out;
}

std::vector<std::string> RenameToUtf8(const std::vector<Cp932Named>& entries) {
  std::vector<std::string> failed;
  for (const Cp932Named& e : entries)
    if (RenameNoReplace(e.from, e.to) != 0)
      failed.push_back("「" + fs::path(e.to).filename().string() + "」: " + std::strerror(errno));
  return failed;
}

}  // namespace vcq
