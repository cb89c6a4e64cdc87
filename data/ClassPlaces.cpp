#include "data/ClassPlaces.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <set>
#include <utility>

#include "data/WindowsNames.h"
#include "platform/Said.h"

namespace vcq {

namespace {

std::string Joined(const std::string& folder, const char* name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string Unreadable(const std::string& place, int why) {
  return "「" + DisplayPath(place) + "」を読めません (" + SystemMessage(why, Lang::Ja) + ")";
}

}  // namespace

bool IsRecordName(std::string_view name) {
  if (name.size() < 5) return false;  // a name of its own before the extension
  std::string ext(name.substr(name.size() - 4));
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return ext == ".ret";
}

std::vector<ClassPlace> FindClassRecords(const std::vector<std::string>& places) {
  std::vector<ClassPlace> out;
  // A record reached twice (a folder and a file in it, a link) is one row.
  std::set<std::pair<dev_t, ino_t>> seen;
  const auto add = [&](std::string path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && !seen.insert({st.st_dev, st.st_ino}).second) return;
    out.push_back({std::move(path), {}});
  };
  for (const std::string& place : places) {
    struct stat st;
    if (::stat(place.c_str(), &st) != 0) {
      out.push_back({place, Unreadable(place, errno)});
      continue;
    }
    if (!S_ISDIR(st.st_mode)) {
      add(place);  // the reader says what it is, when no record
      continue;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(place.c_str()), ::closedir);
    if (!dir) {
      out.push_back({place, Unreadable(place, errno)});
      continue;
    }
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* e = ::readdir(dir.get())) {
      if (IsRecordName(e->d_name)) names.emplace_back(e->d_name);
      errno = 0;
    }
    if (errno != 0) out.push_back({place, Unreadable(place, errno)});
    std::sort(names.begin(), names.end());
    for (const std::string& n : names) add(Joined(place, n.c_str()));
  }
  return out;
}

}  // namespace vcq
