// A bank file of any bytes: the structure is read, a batch of its questions
// has its texts read, and the checker for authors looks at it. Failures must
// be the program's own errors, and the checker must speak up for every bank
// the program refuses.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/BankCheck.h"
#include "data/Bank.h"
#include "data/TextUtil.h"
#include "platform/Error.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace vcq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string name = "fuzz.dat";

  const std::vector<BankProblem> problems = CheckBank(bytes, name);
  for (const BankProblem& p : problems) {
    FUZZ_CHECK(p.line >= 0);
    FUZZ_CHECK(!p.message.empty());
  }
  (void)FormatProblems(name, problems);

  Bank bank;
  LessonFlags sel{};
  try {
    LoadBankText(bank, sel, bytes, name);
  } catch (const Error&) {
    FUZZ_CHECK(!problems.empty());
    FUZZ_CHECK(bank.QuesCount == 0 && bank.LesCount == 0);
    return 0;
  }
  FUZZ_CHECK(bank.QuesCount >= 0 && bank.QuesCount <= kMaxQuestions);
  FUZZ_CHECK(bank.LesCount >= 0 && bank.LesCount <= kMaxLessons);
  FUZZ_CHECK(bank.LesCount2 >= 0 && bank.LesCount2 <= kMaxLessons);
  FUZZ_CHECK(bank.DataForm == bank.DataKind % 10);
  FUZZ_CHECK(bank.BankTitle.size() <= kTitleBytes);
  for (int i = 0; i < bank.LesCount; ++i) FUZZ_CHECK(bank.LesName[i].size() <= kNameBytes);
  for (int i = 0; i < bank.LesCount2; ++i) FUZZ_CHECK(bank.LesName2[i].size() <= kNameBytes);
  if (problems.empty()) {
    // A bank the checker passes puts every question in a lesson the map has.
    const bool lessons = bank.DataForm >= 1 && bank.DataForm <= 3;
    for (int q = 0; q < bank.QuesCount && lessons; ++q) {
      FUZZ_CHECK(bank.QuesLes[q] >= 0 && bank.QuesLes[q] < bank.LesCount);
      if (bank.DataForm >= 2)
        FUZZ_CHECK(bank.QuesLes2[q] >= 0 && bank.QuesLes2[q] < bank.LesCount2);
    }
  }
  if (bank.QuesCount == 0) return 0;

  // Up to ten questions picked by the last bytes of the file, as a batch.
  BatchSlots batch{};
  const int count = 1 + static_cast<int>(size % kBatchSize);
  for (int j = 0; j < count; ++j)
    batch[j] = data[size - 1 - (static_cast<std::size_t>(j) % size)] % bank.QuesCount;
  try {
    ReadBatchTextsFrom(bank, batch, count, bytes, name);
  } catch (const IoError&) {
    return 0;  // the file ends inside a batch question: refused, not graded
  } catch (const Error&) {
    FUZZ_CHECK(!"the texts of a bank that loaded cannot be read");
  }
  for (int j = 0; j < count; ++j) {
    FUZZ_CHECK(bank.BatchSent[j].size() <= kTextBytes);
    FUZZ_CHECK(bank.BatchPrompt[j].size() <= kTextBytes);
    FUZZ_CHECK(bank.BatchNote[j].size() <= kTextBytes);
    FUZZ_CHECK(bank.BatchChoice[j].size() <= kTextBytes);
  }
  return 0;
}
