// Names of files from a Windows zip as Linux unpackers leave them. Explorer
// writes CP932 names without saying so; 7z and bsdtar keep the bytes, but
// Debian's unzip reads each byte as code page 850 and writes its Latin-1
// form (たろう.ret arrives as `e9 a2 e9 d9 e9 f1 .ret`, and the line-drawing
// characters of 850, which Latin-1 lacks, all become `+`, `-` or `¦`),
// and Python's zipfile reads them as code page 437 and writes UTF-8 of
// unrelated characters. The name a teacher gave the file is recovered from
// any of these forms where its bytes are valid CP932.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vcq {

// The readings of a name as it was on Windows, in UTF-8, best first: one
// when the name tells, two when two readings are equally likely (where
// unzip made one byte of several). A reading prefers kana and common kanji
// to rare kanji and symbols, as a Japanese teacher writes names.
struct RealName {
  std::vector<std::string> readings;
  bool Sure() const { return readings.size() == 1; }
};

// Nothing for a name that is already right: UTF-8 whose every character
// CP932 holds. Nothing too for a name no reading makes valid CP932. A name
// of CP932 bytes as they are (7z, bsdtar) is read as such unless its
// reading from unzip's form is the likelier name.
std::optional<RealName> RealNameOf(std::string_view name);

}  // namespace vcq
