#include "data/TextUtil.h"

#include <vector>

#include "data/Cp932.h"
#include "platform/Error.h"

namespace vcq {

namespace {

FieldViews SplitViews(std::string_view s, char sep) {
  FieldViews f;
  auto store = [&](std::string_view piece) {
    if (f.WordTop >= kMaxFields)
      throw RangeError(Say({"more than {} items on one line", "1 行の項目が {} を超えています"},
                           {std::to_string(kMaxFields)}));
    f.Words[f.WordTop] = piece;
  };
  // A field is one run of characters between separators, stored when it ends.
  bool inField = false;
  std::size_t from = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = IsLeadByte(static_cast<unsigned char>(s[i])) ? CharLen(s, i) : 1;
    if (n == 1 && s[i] == sep) {
      if (inField) {
        store(s.substr(from, i - from));
        ++f.WordTop;
        inField = false;
      }
    } else if (!inField) {
      from = i;
      inField = true;
    }
    i += n;
  }
  if (inField)
    store(s.substr(from));
  else
    store({});  // the step past the end, which a trailing separator makes count
  return f;
}

Fields Split(std::string_view s, char sep) {
  const FieldViews views = SplitViews(s, sep);
  Fields f;
  f.WordTop = views.WordTop;
  for (std::int32_t i = 0; i <= views.WordTop; ++i) f.Words[i] = views.Words[i];
  return f;
}

// Fills a permutation of 0..n-1 into the head of `out`.
template <typename Table>
void Permute(int n, const TimeOfDay& now, Table& out) {
  Lcg rng(Lcg::SeedFrom(now));
  if (n <= 0) return;
  if (n > static_cast<int>(out.size()))
    throw RangeError("並べ替えの数 " + std::to_string(n) + " が表の大きさ " +
                     std::to_string(out.size()) + " を超えています");
  std::vector<std::int32_t> work(n);
  for (int i = 0; i < n; ++i) work[i] = i;
  int remaining = n;
  for (int k = 0; k < n; ++k) {
    std::uint32_t r = rng.Draw(static_cast<std::uint32_t>(n));
    int idx = static_cast<int>(r % static_cast<std::uint32_t>(remaining));
    out[k] = work[idx];
    work.erase(work.begin() + idx);
    --remaining;
  }
}

}  // namespace

Fields SplitBlank(std::string_view s) {
  return Split(s, ' ');
}
FieldViews SplitBlankViews(std::string_view s) {
  return SplitViews(s, ' ');
}
FieldViews SplitCommaViews(std::string_view s) {
  return SplitViews(s, ',');
}

std::string UnderToBlank(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size(); i += CharLen(out, i))
    if (out[i] == '_' && CharLen(out, i) == 1) out[i] = ' ';
  return out;
}

std::string OneLetterHint(std::string_view s) {
  if (s.empty()) return {};
  std::size_t first = CharLen(s, 0);
  return std::string(s.substr(0, first)) + std::string(s.size() - first, '-');
}

int FirstIs(std::string_view s, std::string_view t) {
  if (s.empty() || t.empty()) return 0;
  return s.substr(0, CharLen(s, 0)) == t.substr(0, CharLen(t, 0)) ? 1 : 0;
}

std::string DropFirst(std::string_view s) {
  if (s.empty()) return {};
  return std::string(s.substr(CharLen(s, 0)));
}

int TestCap(std::string_view s) {
  if (s.empty() || CharLen(s, 0) != 1) return 0;
  return s[0] >= 'A' && s[0] <= 'Z' ? 1 : 0;
}

std::uint32_t Lcg::SeedFrom(const TimeOfDay& t) {
  return static_cast<std::uint32_t>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 +
                                    t.millisecond);
}

RandPerm MakePerm(int n, const TimeOfDay& now) {
  RandPerm perm{};
  Permute(n, now, perm);
  return perm;
}

std::int32_t PermAt(const RandPerm& perm, int i) {
  if (i < 0 || i >= kMaxQuestions)
    throw RangeError("並べ替えの位置 " + std::to_string(i) + " が範囲外です");
  return perm[i];
}

ChoiceOrder ShuffleChoices(int n, const TimeOfDay& now) {
  ChoiceOrder order{};
  Permute(n, now, order);
  return order;
}

}  // namespace vcq
