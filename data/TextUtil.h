// Field splitting, answer-word markup and the shuffles shared by the bank and
// record readers and the drill. All of it works on CP932 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/Limits.h"
#include "platform/Ports.h"

namespace vcq {

inline constexpr int kMaxChoiceOrder = 16;

// The result of a split: the fields and the index of the last one, so
// `WordTop + 1` is the number of fields.
template <typename Text>
struct BasicFields {
  std::array<Text, kMaxFields> Words;
  std::int32_t WordTop = 0;
  int Count() const { return WordTop + 1; }
};
using Fields = BasicFields<std::string>;

// Splits at blanks (or commas): leading separators are skipped and a run of
// them counts as one; a trailing separator leaves an empty last field. More
// than 18 fields is a RangeError.
Fields SplitBlank(std::string_view s);

// The same split as views into `s`, for the number lines of the bank and the
// record (`SplitCommaViews` is the record's comma split), which are read by
// the hundred: nothing is copied.
using FieldViews = BasicFields<std::string_view>;
FieldViews SplitBlankViews(std::string_view s);
FieldViews SplitCommaViews(std::string_view s);

// Every single-byte '_' as a blank.
std::string UnderToBlank(std::string_view s);
// The first character, then one '-' for each further byte.
std::string OneLetterHint(std::string_view s);
// 1 when `s` starts with the character `t`, else 0.
int FirstIs(std::string_view s, std::string_view t);
// `s` without its first character.
std::string DropFirst(std::string_view s);
// 1 when the first character of `s` is 'A'..'Z', else 0.
int TestCap(std::string_view s);

using RandPerm = std::array<std::int32_t, kMaxQuestions>;
using ChoiceOrder = std::array<std::int32_t, kMaxChoiceOrder>;

// A permutation of 0..n-1, seeded from the time of day at every call, so two
// calls within one millisecond give the same order. n above 600 is a RangeError.
RandPerm MakePerm(int n, const TimeOfDay& now);
std::int32_t PermAt(const RandPerm& perm, int i);
// The same shuffle for the choices of a question: n from 0 to 16.
ChoiceOrder ShuffleChoices(int n, const TimeOfDay& now);

// The generator behind both shuffles: seed = seed * 134775813 + 1 (mod 2^32);
// a draw below n is the high half of the 64-bit product of the seed and n.
class Lcg {
 public:
  explicit Lcg(std::uint32_t seed) : seed_(seed) {}
  static std::uint32_t SeedFrom(const TimeOfDay& t);
  std::uint32_t Draw(std::uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
  }

 private:
  std::uint32_t seed_;
};

}  // namespace vcq
