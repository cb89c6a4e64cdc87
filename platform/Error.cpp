#include "platform/Error.h"

namespace vcq {

std::string Where(const std::string& fileName, int line) {
  if (fileName.empty()) return {};
  std::string s = "「" + fileName + "」";
  if (line > 0) s += "の " + std::to_string(line) + " 行目";
  return s + ": ";
}

std::string OutOfRange(const std::string& what, long long value, long long last) {
  return what + " " + std::to_string(value) + " は 0 から " + std::to_string(last) +
         " の範囲外です";
}

}  // namespace vcq
