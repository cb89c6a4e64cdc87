// Where a new record goes when the folder it would go in is not the learner's
// to write: an installed program's sample banks sit in a read-only folder.
#pragma once

#include <string>

namespace vcq {

// True when the current user may create files in `folder`.
bool IsWritableFolder(const std::string& folder);

// `workDir` when the learner may write there or there is no learner folder;
// otherwise `learnerDir`.
std::string NewRecordFolder(const std::string& workDir, const std::string& learnerDir);

}  // namespace vcq
