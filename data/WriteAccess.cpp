#include "data/WriteAccess.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "data/FileIdentity.h"
#include "platform/Said.h"

namespace vcq {

std::string SaveRefusedAt(const std::string& path) {
  const std::filesystem::path target(ResolveLinks(path));
  const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
  // Asked of the kernel for the learner's own ids: ACLs and read-only mounts count.
  if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
    return SystemMessage(errno, Lang::Ja);
  struct stat dir, file;
  const uid_t me = ::geteuid();
  if (me != 0 && ::stat(folder.c_str(), &dir) == 0 && (dir.st_mode & S_ISVTX) && dir.st_uid != me &&
      ::stat(target.c_str(), &file) == 0 && file.st_uid != me)
    return SystemMessage(EPERM, Lang::Ja);
  return {};
}

Protection ProtectionOf(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return Protection::None;
  const uid_t me = ::geteuid();
  if (me != 0 && st.st_uid != me) return Protection::OthersFile;
  return (st.st_mode & S_IWUSR) ? Protection::None : Protection::ReadOnly;
}

std::string OwnerOf(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return {};
  std::vector<char> buf(16384);
  passwd pw, *found = nullptr;
  if (::getpwuid_r(st.st_uid, &pw, buf.data(), buf.size(), &found) == 0 && found)
    return found->pw_name;
  return std::to_string(st.st_uid);
}

}  // namespace vcq
