// The program's fixed capacities and the byte limits of its texts. Every
// table is an array of one of these sizes; every text is cut, never refused,
// at its limit (in bytes of CP932, where a Japanese character takes two).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vcq {

inline constexpr int kMaxQuestions = 600;  // questions of a bank, numbered 0 to 599
inline constexpr int kMaxLessons = 20;     // lessons, and entries of the second classification
inline constexpr int kBatchSize = 10;      // questions asked together
inline constexpr int kMaxFields = 18;      // words of a sentence, fields of a split line
inline constexpr int kMaxKeys = 30;        // characters typed for one gap
inline constexpr int kChoicePanels = 9;    // choices of a choice question
inline constexpr std::int32_t kMaxFlashTime = 20;

inline constexpr std::size_t kHeaderBytes = 255;  // a line of a bank read whole
inline constexpr std::size_t kTitleBytes = 120;   // the bank's title
inline constexpr std::size_t kNameBytes = 40;     // a lesson's name
inline constexpr std::size_t kTextBytes = 180;    // a question's texts and the lines built of them
inline constexpr int kChoiceBytes = 60;           // one choice
inline constexpr std::size_t kInputBytes = 12;    // the player's name

// The largest bank or record file read. The largest bank whose every line
// fits the length it is read to (layout 3, 600 questions, 20 lessons of each
// kind, every line at its limit, CR LF) is 593,708 bytes in CP932; saved as
// UTF-8, where one CP932 byte takes at most three (a half-width kana), it is
// 1,768,951. A record is far smaller (two paths of 4 KB and 600 short lines).
// So no file the program could read in full is refused, and a larger one
// is refused from its size, before a byte of it is read.
inline constexpr std::size_t kMaxFileBytes = 2u << 20;

}  // namespace vcq
