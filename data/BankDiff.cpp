#include "data/BankDiff.h"

#include <algorithm>
#include <deque>
#include <map>

#include "data/Bank.h"

namespace vcq {

std::vector<QuestionKey> ReadQuestionKeys(std::string_view bytes, const std::string& fileName) {
  Bank bank;
  LessonFlags sel{};
  // One made-up stamp for the load and the texts: the same bytes, so a
  // short end is the author's.
  FileStamp same;
  same.exists = true;
  LoadBankText(bank, sel, bytes, fileName, same);
  // A layout that is not known has no texts: every key is empty.
  std::vector<QuestionKey> keys(static_cast<std::size_t>(bank.QuesCount));
  ReadBankTextsFrom(
      bank, bank.QuesCount, [](std::int32_t) { return true; },
      [&](std::int32_t q, BankTexts&& t) {
        keys[static_cast<std::size_t>(q)] = {std::move(t.sent), std::move(t.prompt)};
      },
      bytes, fileName, same);
  return keys;
}

namespace {

// The old questions left to match, by some text of theirs, in old order.
template <typename Text>
class Pool {
 public:
  Pool(const std::vector<QuestionKey>& keys, const std::vector<bool>& taken, Text text) {
    for (std::size_t i = 0; i < keys.size(); ++i)
      if (!taken[i]) left_[text(keys[i])].push_back(static_cast<int>(i));
  }
  // The first old question with this text not matched yet, or -1.
  int Take(const std::string& t, const std::vector<bool>& taken) {
    auto it = left_.find(t);
    if (it == left_.end()) return -1;
    std::deque<int>& q = it->second;
    while (!q.empty() && taken[static_cast<std::size_t>(q.front())]) q.pop_front();
    if (q.empty()) return -1;
    const int i = q.front();
    q.pop_front();
    return i;
  }

 private:
  std::map<std::string, std::deque<int>> left_;
};

}  // namespace

BankDiff DiffQuestions(const std::vector<QuestionKey>& before,
                       const std::vector<QuestionKey>& after) {
  BankDiff d;
  d.from.assign(after.size(), -1);
  std::vector<bool> taken(before.size(), false);
  std::map<std::pair<std::string, std::string>, int> seen;
  for (const QuestionKey& k : before) ++seen[{k.sent, k.prompt}];
  for (const QuestionKey& k : before)
    if (seen[{k.sent, k.prompt}] > 1) ++d.twins;

  auto pass = [&](auto text, bool edited) {
    Pool pool(before, taken, text);
    for (std::size_t n = 0; n < after.size(); ++n) {
      if (d.from[n] >= 0) continue;
      const int o = pool.Take(text(after[n]), taken);
      if (o < 0) continue;
      d.from[n] = o;
      taken[static_cast<std::size_t>(o)] = true;
      if (edited) ++d.edited;
    }
  };
  // A separator that no bank line holds keeps "a"+"bc" apart from "ab"+"c".
  pass([](const QuestionKey& k) { return k.sent + '\n' + k.prompt; }, false);
  pass([](const QuestionKey& k) { return k.sent; }, true);
  pass([](const QuestionKey& k) { return k.prompt; }, true);

  for (std::size_t n = 0; n < after.size(); ++n) {
    if (d.from[n] < 0)
      ++d.added;
    else if (d.from[n] != static_cast<int>(n))
      ++d.moved;
  }
  d.removed = static_cast<int>(std::count(taken.begin(), taken.end(), false));
  return d;
}

Text DescribeDiff(const BankDiff& d) {
  if (d.Unchanged()) return Say({"the questions are as before", "問題は前と同じです"});
  Text s = Say({"questions moved {}, rewritten {}, new {}, gone {}",
                "場所が変わった問題 {}・書き直された問題 {}・新しい問題 {}・なくなった問題 {}"},
               {std::to_string(d.moved), std::to_string(d.edited), std::to_string(d.added),
                std::to_string(d.removed)});
  if (d.twins > 0)
    s += Say({" (the bank before had {} questions of the same sentence, matched in their order)",
              " (前の問題ファイルには同じ文の問題が {} 問あり、その順に合わせました)"},
             {std::to_string(d.twins)});
  return s;
}

}  // namespace vcq
