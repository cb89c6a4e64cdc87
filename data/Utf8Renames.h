// Files unpacked from a Windows zip keep their CP932 bytes as names. The
// toolkit's file dialog cannot show such names, so the program offers to give
// them their UTF-8 names; these are the steps it takes once the learner agrees.
#pragma once

#include <string>
#include <vector>

namespace vcq {

struct Cp932Named {
  std::string from;  // the path as it is, its last part CP932 bytes
  std::string to;    // the same with the last part in UTF-8
  bool folder = false;
};

// The banks (.dat), records (.ret) and folders directly in `folder` whose
// names are CP932 bytes, in name order. A folder that cannot be read has none.
std::vector<Cp932Named> Cp932NamedEntries(const std::string& folder);

// Renames each entry, never over a file that already has the new name.
// Returns a line for each entry that could not be renamed, with the reason.
std::vector<std::string> RenameToUtf8(const std::vector<Cp932Named>& entries);

}  // namespace vcq
