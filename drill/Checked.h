// Indexing a fixed table with a value that input can steer: past the table
// is a RangeError that names the table, never a stray write.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/Error.h"

namespace vcq {

inline void CheckIndex(long long i, std::size_t size, const char* what) {
  if (i < 0 || i >= static_cast<long long>(size))
    throw RangeError(std::string(what) + "の番号 " + std::to_string(i) + " が 0 から " +
                     std::to_string(size - 1) + " の範囲外です");
}

template <typename T, std::size_t N>
T& At(std::array<T, N>& table, long long i, const char* what) {
  CheckIndex(i, N, what);
  return table[static_cast<std::size_t>(i)];
}

template <typename T, std::size_t N>
const T& At(const std::array<T, N>& table, long long i, const char* what) {
  CheckIndex(i, N, what);
  return table[static_cast<std::size_t>(i)];
}

}  // namespace vcq
