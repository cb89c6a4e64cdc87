// Files unpacked from a Windows zip keep their CP932 bytes as names, or
// come out under names an unpacker made of them (data/UnpackedNames). The
// toolkit's file dialog cannot show the first, and shows the others under
// names they never had, so the program offers to give them their real names
// in UTF-8; these are the steps it takes once the learner agrees.
#pragma once

#include <string>
#include <vector>

namespace vcq {

struct Cp932Named {
  std::string from;  // the path as it is
  std::string to;    // the same with the last part the real name, in UTF-8
  bool folder = false;
};

// The banks (.dat), records (.ret) and folders directly in `folder` that
// have another real name, in name order. A folder that cannot be read has
// none. An entry whose real name cannot be told, or that another file has
// or would get, is not offered but named, so that the learner knows why.
struct UnpackedEntries {
  std::vector<Cp932Named> renamable;
  std::vector<std::string> unsure;     // 「A」か「B」: equally likely readings
  std::vector<std::string> colliding;  // real names another file has or would get
};
UnpackedEntries Cp932NamedEntries(const std::string& folder);

// Renames each entry, never over a file that already has the new name.
// Returns a line for each entry that could not be renamed, with the reason.
std::vector<std::string> RenameToUtf8(const std::vector<Cp932Named>& entries);

}  // namespace vcq
