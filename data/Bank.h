// The question bank: its structure (title, layout, lessons, the lesson of
// every question) is kept for the whole run; the texts only for the ten
// questions of the current batch, read again from the file for every batch.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vcq {

inline constexpr int kMaxLessons = 20;
inline constexpr int kBatchSize = 10;
inline constexpr std::size_t kHeaderBytes = 255;
inline constexpr std::size_t kTitleBytes = 120;
inline constexpr std::size_t kNameBytes = 40;
inline constexpr std::size_t kTextBytes = 180;

using LessonFlags = std::array<std::int32_t, kMaxLessons>;
using BatchSlots = std::array<std::int32_t, kBatchSize>;

struct Bank {
  std::string QuesFileName;  // UTF-8 path
  std::string BankTitle;     // CP932, at most 120 bytes
  std::int32_t DataKind = 0;
  std::int32_t DataForm = 0;  // DataKind mod 10, with the sign of DataKind
  std::int32_t QuesCount = 0;
  std::int32_t LesCount = 0;
  std::array<std::string, kMaxLessons> LesName;
  std::int32_t LesCount2 = 0;
  std::array<std::string, kMaxLessons> LesName2;
  std::int32_t LesLines = 0;
  std::array<std::int32_t, 600> QuesLes{};
  std::array<std::int32_t, 600> QuesLes2{};

  std::array<std::string, kBatchSize> BatchSent;
  std::array<std::string, kBatchSize> BatchPrompt;
  std::array<std::string, kBatchSize> BatchNote;
  std::array<std::string, kBatchSize> BatchChoice;
};

// Reads the structure of `bank.QuesFileName`. On success the bank holds the
// file's values and, in layout 0, LesSel[0] is set. On failure (IoError,
// ConvertError, RangeError, each naming the file and line) the bank is left
// empty: its counts are 0 until a load succeeds.
void LoadBank(Bank& bank, LessonFlags& LesSel);
// The same from bytes already read; `fileName` is for messages.
void LoadBankText(Bank& bank, LessonFlags& LesSel, std::string_view bytes,
                  const std::string& fileName);

// Fills the text slots of Batch[0..count-1] from the bank file. Missing lines
// (a file that has shrunk) read as empty texts.
void ReadBatchTexts(Bank& bank, const BatchSlots& Batch, int count);
void ReadBatchTextsFrom(Bank& bank, const BatchSlots& Batch, int count, std::string_view bytes,
                        const std::string& fileName);

}  // namespace vcq
