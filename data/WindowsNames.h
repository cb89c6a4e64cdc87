// File names as Windows sees them. Learners bring banks and records from
// Windows, where a name is matched without regard to the case of ASCII
// letters and trailing blanks and dots are dropped, and where a record names
// its bank in CP932. On Linux the same file may carry a UTF-8 name, or its
// CP932 bytes when a Windows zip was unpacked. Every name is compared here on
// its CP932 form, through Unicode and back, so that the characters CP932
// holds once (〜 and ～, ‖ and ∥, − and －, ¢ ￠, £ ￡, ¬ ￢) are one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vcq {

// The CP932 form of a file name as the file system holds it: a UTF-8 name
// converted, the bytes of a CP932 name as they are, and a name an unpacker
// mangled (data/UnpackedNames) as it was on Windows, when that is sure.
// Nothing when the name is none of these, or has a character CP932 cannot
// hold.
std::optional<std::string> Cp932FormOfName(std::string_view name);

// True when `name` is no UTF-8 but CP932 bytes (a name from a Windows zip).
bool IsCp932Name(std::string_view name);

// What two names must share to be the same name on Windows: the CP932 form
// with trailing blanks and dots removed and ASCII letters in lower case.
// `cp932` is a name in CP932 (a part of a record's first line). Empty when it
// leaves nothing to compare.
std::string WindowsKey(std::string_view cp932);
// The same for a name as the file system holds it; empty when it has no CP932 form.
std::string WindowsKeyOfName(std::string_view name);

// The CP932 form of a path, part by part: UTF-8 parts converted, CP932 parts
// kept. ConvertError when a part has no CP932 form.
std::string PathToCp932(const std::string& path);

// A path to show in a message: CP932 parts turned into UTF-8.
std::string DisplayPath(const std::string& path);

}  // namespace vcq
