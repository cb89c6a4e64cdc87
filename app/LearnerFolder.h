// The learner's own folder: where an installed program keeps copies of its
// sample banks and the records that cannot go beside a read-only bank.
#pragma once

#include <string>

namespace vcq {

// Makes `learner` on the first start (when it does not exist yet) and copies
// the sample banks (*.dat) of `samples` into it; a file already there is
// never replaced. Returns `learner` when the folder exists afterwards, empty
// when it could not be made.
std::string PrepareLearnerFolder(const std::string& learner, const std::string& samples);

// Where the file dialogs open first: `learner` when the program started in
// `home` (as from the menu) or in a folder the learner may not write to;
// `current` otherwise, and always when there is no learner folder.
std::string StartFolder(const std::string& current, const std::string& home,
                        const std::string& learner);

}  // namespace vcq
