// The record files of a class: the places a teacher names are folders, read
// without descending, or files. A folder's records are its entries named
// "*.ret" in any case (Windows writes "*.RET"), taken by their own bytes, so
// that a name in CP932 from a Windows zip still opens.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vcq {

struct ClassPlace {
  std::string path;     // a record file, or a place that could not be read
  std::string problem;  // why the place could not be read (UTF-8, one line); empty when it could
};

// True for a name ending in ".ret", letters in any case.
bool IsRecordName(std::string_view name);

// The record files in `places`, in the order given; a folder's by name.
// A file named in `places` is taken whatever its name; a folder that cannot
// be read is an entry with its problem. Never throws for a place.
std::vector<ClassPlace> FindClassRecords(const std::vector<std::string>& places);

}  // namespace vcq
