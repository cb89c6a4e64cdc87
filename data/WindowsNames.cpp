#include "data/WindowsNames.h"

#include "data/Cp932.h"
#include "data/UnpackedNames.h"
#include "platform/Error.h"

namespace vcq {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsUtf8(std::string_view name) {
  for (const BadChar& b : Utf8ToCp932(name).bad)
    if (b.codePoint < 0) return false;
  return true;
}

// CP932 bytes that all decode: the UTF-8 text, else nothing.
std::optional<std::string> DecodedCp932(std::string_view bytes) {
  std::string utf8 = ToUtf8(bytes);
  if (utf8.find(kReplacement) != std::string::npos) return std::nullopt;
  return utf8;
}

// Unicode and back: the one CP932 code of each character.
std::optional<std::string> Canonical(std::string_view utf8) {
  Utf8Text t = Utf8ToCp932(utf8);
  if (!t.bad.empty()) return std::nullopt;
  return std::move(t.cp932);
}

template <typename Part>
std::string EachPart(const std::string& path, Part part) {
  std::string out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = path.find('/', start);
    out += part(std::string_view(path).substr(start, slash - start));
    if (slash == std::string::npos) return out;
    out += '/';
    start = slash + 1;
  }
}

}  // namespace

std::optional<std::string> Cp932FormOfName(std::string_view name) {
  if (IsUtf8(name))
    if (auto form = Canonical(name)) return form;
  // A name as an unpacker left it: the name it had on Windows.
  if (const std::optional<RealName> real = RealNameOf(name); real && real->Sure())
    return Canonical(real->readings[0]);
  if (IsUtf8(name)) return std::nullopt;
  if (auto utf8 = DecodedCp932(name)) return Canonical(*utf8);
  return std::nullopt;
}

bool IsCp932Name(std::string_view name) {
  return !IsUtf8(name) && DecodedCp932(name).has_value();
}

std::string WindowsKey(std::string_view cp932) {
  const std::optional<std::string> utf8 = DecodedCp932(cp932);
  if (!utf8) return {};
  std::optional<std::string> form = Canonical(*utf8);
  if (!form) return {};
  std::string& s = *form;
  // A trail byte is never a blank or a dot, so the end can be cut byte-wise.
  while (!s.empty() && (s.back() == ' ' || s.back() == '.')) s.pop_back();
  for (std::size_t i = 0; i < s.size(); i += CharLen(s, i))
    if (s[i] >= 'A' && s[i] <= 'Z') s[i] = static_cast<char>(s[i] - 'A' + 'a');
  return s;
}

std::string WindowsKeyOfName(std::string_view name) {
  const std::optional<std::string> form = Cp932FormOfName(name);
  return form ? WindowsKey(*form) : std::string();
}

std::string PathToCp932(const std::string& path) {
  return EachPart(path, [&](std::string_view part) -> std::string {
    if (IsCp932Name(part)) return std::string(part);
    return ToCp932(part);  // ConvertError names the part
  });
}

std::string DisplayPath(const std::string& path) {
  return EachPart(path, [](std::string_view part) {
    return IsCp932Name(part) ? ToUtf8(part) : std::string(part);
  });
}

}  // namespace vcq
