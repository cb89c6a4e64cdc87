// Text saved as UTF-16 with its byte-order mark, as Excel saves "Unicode
// テキスト" (little-endian, tab-separated); big-endian is read too.
#pragma once

#include <string>
#include <string_view>

#include "platform/Said.h"

namespace vcq {

// True when the bytes start with the UTF-16 byte-order mark, either order.
bool HasUtf16Bom(std::string_view bytes);

// The UTF-8 of UTF-16 text after its mark. A file cut in the middle of a
// unit (an odd byte count) or a surrogate without its pair gives no text
// but `problem`, with the line where it was met (1-based, counted by line
// ends).
struct Utf16Text {
  std::string utf8;
  Text problem;
  int line = 0;
};
Utf16Text Utf16ToUtf8(std::string_view bytes);

}  // namespace vcq
