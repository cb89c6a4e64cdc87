#include "platform/Error.h"

namespace vcq {

std::string Where(const std::string& fileName, int line) {
  if (fileName.empty()) return {};
  std::string s = "「" + fileName + "」";
  if (line > 0) s += "の " + std::to_string(line) + " 行目";
  return s + ": ";
}

}  // namespace vcq
