#include "platform/Error.h"

namespace vcq {

std::string Where(const std::string& fileName, int line) {
  return WhereSaid(fileName, line).ja;
}

Text WhereSaid(const std::string& fileName, int line) {
  if (fileName.empty()) return {};
  if (line > 0)
    return Say({"'{}' line {}: ", "「{}」の {} 行目: "}, {fileName, std::to_string(line)});
  return Say({"'{}': ", "「{}」: "}, {fileName});
}

std::string OutOfRange(const std::string& what, long long value, long long last) {
  return what + " " + std::to_string(value) + " は 0 から " + std::to_string(last) +
         " の範囲外です";
}

}  // namespace vcq
