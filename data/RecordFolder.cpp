#include "data/RecordFolder.h"

#include <unistd.h>

namespace vcq {

bool IsWritableFolder(const std::string& folder) {
  // access() asks the kernel, so ACLs and read-only mounts count too.
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

std::string NewRecordFolder(const std::string& workDir, const std::string& learnerDir) {
  if (learnerDir.empty() || IsWritableFolder(workDir)) return workDir;
  return learnerDir;
}

}  // namespace vcq
