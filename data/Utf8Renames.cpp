#include "data/Utf8Renames.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "data/Cp932.h"
#include "data/UnpackedNames.h"
#include "data/WindowsNames.h"
#include "platform/Said.h"

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

UnpackedEntries Cp932NamedEntries(const std::string& folder) {
  UnpackedEntries out;
  std::vector<Cp932Named>& found = out.renamable;
  std::error_code ec;
  fs::directory_iterator dir(folder, ec);
  for (fs::directory_iterator end; !ec && dir != end; dir.increment(ec)) {
    const std::string name = dir->path().filename().string();
    const std::optional<RealName> real = RealNameOf(name);
    if (!real) continue;
    std::error_code ignored;
    const fs::file_status st = fs::status(dir->path(), ignored);
    const std::string key = WindowsKey(ToCp932(real->readings[0]));
    const bool wanted = fs::is_directory(st) || (fs::is_regular_file(st) &&
                                                 (key.ends_with(".dat") || key.ends_with(".ret")));
    if (!wanted) continue;
    if (!real->Sure()) {
      std::string both;
      for (const std::string& r : real->readings) both += (both.empty() ? "「" : "か「") + r + "」";
      out.unsure.push_back(both);
      continue;
    }
    found.push_back({dir->path().string(), (dir->path().parent_path() / real->readings[0]).string(),
                     fs::is_directory(st)});
  }
  std::sort(found.begin(), found.end(),
            [](const Cp932Named& a, const Cp932Named& b) { return a.to < b.to; });
  // A real name that a file already has, or that two files would get, is
  // left alone: the learner renames by hand, knowing which is which.
  std::vector<Cp932Named> kept;
  for (std::size_t i = 0; i < found.size(); ++i) {
    struct stat st;
    const std::string& to = found[i].to;
    const bool twice =
        (i > 0 && found[i - 1].to == to) || (i + 1 < found.size() && found[i + 1].to == to);
    if (!twice && ::lstat(to.c_str(), &st) != 0) {
      kept.push_back(found[i]);
      continue;
    }
    const std::string shown = "「" + fs::path(to).filename().string() + "」";
    if (out.colliding.empty() || out.colliding.back() != shown) out.colliding.push_back(shown);
  }
  found = std::move(kept);
  return out;
}

std::vector<std::string> RenameToUtf8(const std::vector<Cp932Named>& entries) {
  std::vector<std::string> failed;
  for (const Cp932Named& e : entries)
    if (RenameNoReplace(e.from, e.to) != 0)
      failed.push_back("「" + fs::path(e.to).filename().string() +
                       "」: " + SystemMessage(errno, Lang::Ja));
  return failed;
}

}  // namespace vcq
