// The question bank: its structure (title, layout, lessons, the lesson of
// every question) is kept for the whole run; the texts only for the ten
// questions of the current batch, read again from the file for every batch.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "data/Limits.h"
#include "data/LineReader.h"
#include "platform/Said.h"

namespace vcq {

using LessonFlags = std::array<std::int32_t, kMaxLessons>;
using BatchSlots = std::array<std::int32_t, kBatchSize>;

// The bank layouts, by DataForm (DataKind mod 10): 0 sentences and prompts,
// 1 with lessons, 2 with a second classification as well, 3 also with choice
// questions. Any other value is a layout the program cannot read; a record
// still writes lesson lines for every DataForm above 0.
constexpr bool IsKnownLayout(std::int32_t form) {
  return form >= 0 && form <= 3;
}
// What the checker and the sheets say of a kind whose layout is none of them.
constexpr Said kUnknownForm{"the form (last digit) of kind {} is not 0 to 3",
                            "種類 {} の形式 (下 1 桁) は 0 から 3 ではありません"};
constexpr bool IsPlainLayout(std::int32_t form) {
  return form == 0;
}
constexpr bool HasLessons(std::int32_t form) {
  return form > 0;
}
constexpr bool HasSecondClass(std::int32_t form) {
  return form > 1;
}
constexpr bool HasChoices(std::int32_t form) {
  return form == 3;
}

// What a record file keeps of its bank, as one value: the bank in memory
// and the record file both hold it.
struct BankHeader {
  std::string QuesFileName;  // UTF-8 path
  std::string BankTitle;     // CP932, at most 120 bytes
  std::int32_t DataKind = 0;
  std::int32_t DataForm = 0;  // DataKind mod 10, with the sign of DataKind
  std::int32_t QuesCount = 0;
  std::int32_t LesCount = 0;
  std::int32_t LesCount2 = 0;

  bool operator==(const BankHeader&) const = default;
  BankHeader& Header() { return *this; }
  const BankHeader& Header() const { return *this; }
};

// The same kind and number of questions: the progress of one fits the other
// question for question.
constexpr bool SameShape(const BankHeader& a, const BankHeader& b) {
  return a.DataKind == b.DataKind && a.QuesCount == b.QuesCount;
}

struct Bank : BankHeader {
  std::array<std::string, kMaxLessons> LesName;
  std::array<std::string, kMaxLessons> LesName2;
  std::int32_t LesLines = 0;
  std::array<std::int32_t, kMaxQuestions> QuesLes{};
  std::array<std::int32_t, kMaxQuestions> QuesLes2{};

  std::array<std::string, kBatchSize> BatchSent;
  std::array<std::string, kBatchSize> BatchPrompt;
  std::array<std::string, kBatchSize> BatchNote;
  std::array<std::string, kBatchSize> BatchChoice;

  // The bank file as the last successful load found it: a batch read from
  // the same file knows that a short end is the author's, not a change.
  FileStamp LoadedStamp;
  bool LoadedUtf8 = false;  // and found it UTF-8
};

// Reads the structure of `bank.QuesFileName`. On success the bank holds the
// file's values and, in layout 0, LesSel[0] is set. On failure (IoError,
// ConvertError, RangeError, each naming the file and line) the bank is left
// empty: its counts are 0 until a load succeeds.
void LoadBank(Bank& bank, LessonFlags& LesSel);
// The same from bytes already read; `fileName` is for messages, `stamp` the
// file's when the bytes came from one.
void LoadBankText(Bank& bank, LessonFlags& LesSel, std::string_view bytes,
                  const std::string& fileName, const FileStamp& stamp = {});

// Fills the text slots of Batch[0..count-1] from the bank file. In the file
// that was loaded, missing lines at its end read as empty texts. A file that
// changed since (or whose stamp is unknown) must still hold every line of the
// batch's questions, and its kind and question count: otherwise IoError.
void ReadBatchTexts(Bank& bank, const BatchSlots& Batch, int count);
void ReadBatchTextsFrom(Bank& bank, const BatchSlots& Batch, int count, std::string_view bytes,
                        const std::string& fileName, const FileStamp& stamp = {});

// A question's texts as the drill shows them: CP932, each cut to its limit.
struct BankTexts {
  std::string sent, prompt, note, choice;
};
// The same rules in one pass over the file for any questions: `take(q,
// texts)` for each question q below `end` that is `wanted`, in bank order.
// A layout that is not known has no texts to take.
void ReadBankTextsFrom(const Bank& bank, std::int32_t end,
                       const std::function<bool(std::int32_t)>& wanted,
                       const std::function<void(std::int32_t, BankTexts&&)>& take,
                       std::string_view bytes, const std::string& fileName,
                       const FileStamp& stamp = {});

}  // namespace vcq
