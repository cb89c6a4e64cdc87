#include "data/RecordFile.h"

#include <optional>

#include "data/Cp932.h"
#include "data/LineReader.h"
#include "data/TextUtil.h"
#include "data/WindowsNames.h"
#include "platform/Error.h"

namespace vcq {

namespace {

constexpr std::size_t kWholeLine = 4096;  // a path or a name: the whole line
constexpr std::size_t kNumberLine = 80;
constexpr std::size_t kWrittenLine = 120;
constexpr std::size_t kWrittenNumber = 20;

void ReadFlags(LineReader& in, std::int32_t count, LessonFlags& flags, const Said& what) {
  for (std::int32_t i = 0; i < count; ++i) {
    const std::string_view line = in.NextView(kNumberLine);
    const std::optional<std::int32_t> value = TryParseInt(line);
    flags[i] = value ? *value : ParseInt(line, in.Here(), what);
  }
}

std::string Cut(std::string s, std::size_t limit) {
  return std::string(CutBytes(s, limit));
}

}  // namespace

RecordFile ParseRecord(std::string_view bytes, const std::string& fileName) {
  RecordFile r;
  LineReader in(bytes, fileName);
  r.QuesFileLine = in.Next(kWholeLine);
  r.QuesFileName = ToUtf8(r.QuesFileLine);
  r.BankTitle = in.Next(kTitleBytes);
  r.PlayerName = in.Next(kWholeLine);
  FieldViews head = SplitLine(in, in.NextView(kNumberLine), ',');
  if (in.PastEnd())
    throw IoError(in.Here() +
                  Say({"the record ends too early", "成績ファイルが途中で終わっています"}));
  const Text at = in.Here();
  r.DataKind = ParseInt(head.Words[0], at, kFieldKind);
  r.QuesCount = ParseInt(head.Words[1], at, kFieldQuesCount);
  r.FreeMode = ParseInt(head.Words[2], at, Said{"free practice", "自由練習"});
  r.FlashTime = ParseInt(head.Words[3], at, Said{"the flash time", "フラッシュ時間"});
  r.OrderMode = ParseInt(head.Words[4], at, Said{"the question order", "出題順"});
  r.OneLetter = ParseInt(head.Words[5], at, Said{"the first-letter hint", "一字表示"});
  r.DataForm = r.DataKind % 10;
  CheckCount(in, r.QuesCount, kMaxQuestions, kFieldQuesCount);
  if (HasLessons(r.DataForm)) {
    r.LesCount = ReadCount(in, kNumberLine, kMaxLessons, kFieldLesCount);
    ReadFlags(in, r.LesCount, r.LesSel, Said{"the lessons chosen", "分野の選択"});
  }
  if (HasSecondClass(r.DataForm)) {
    r.LesCount2 = ReadCount(in, kNumberLine, kMaxLessons, kFieldLesCount2);
    ReadFlags(in, r.LesCount2, r.LesSel2, Said{"the second classes chosen", "第二分類の選択"});
  }
  for (std::int32_t i = 0; i < r.QuesCount; ++i) {
    const std::string_view line = in.NextView(kNumberLine);
    if (auto pair = PlainPair(line, ',')) {
      r.AnsCount[i] = pair->first;
      r.OkLevel[i] = pair->second;
      continue;
    }
    FieldViews f = SplitLine(in, line, ',');
    r.AnsCount[i] = QuestionNumber(f.Words[0], in, i, Said{"the answer count", "解答回数"});
    r.OkLevel[i] = QuestionNumber(f.Words[1], in, i, Said{"the level", "習得段階"});
  }
  return r;
}

std::string FormatRecord(const RecordFile& r) {
  std::string out;
  auto line = [&](std::string_view s) {
    out += s;
    out += "\r\n";
  };
  auto num = [](std::int32_t v) { return Cut(std::to_string(v), kWrittenNumber); };
  line(r.QuesFileLine.empty() ? PathToCp932(r.QuesFileName) : r.QuesFileLine);
  line(r.BankTitle);
  line(r.PlayerName);
  line(Cut(std::to_string(r.DataKind) + "," + std::to_string(r.QuesCount) + "," +
               std::to_string(r.FreeMode) + "," + std::to_string(r.FlashTime) + "," +
               std::to_string(r.OrderMode) + "," + std::to_string(r.OneLetter),
           kWrittenLine));
  if (HasLessons(r.DataForm)) {
    line(num(r.LesCount));
    for (std::int32_t i = 0; i < r.LesCount; ++i) line(num(r.LesSel[i]));
  }
  if (HasSecondClass(r.DataForm)) {
    line(num(r.LesCount2));
    for (std::int32_t i = 0; i < r.LesCount2; ++i) line(num(r.LesSel2[i]));
  }
  for (std::int32_t i = 0; i < r.QuesCount; ++i)
    line(Cut(num(r.AnsCount[i]) + "," + num(r.OkLevel[i]), kWrittenNumber));
  return out;
}

RecordFile ToRecordFile(const Bank& bank, const Record& rec) {
  RecordFile r;
  r.Values() = rec.Values();
  r.Header() = bank.Header();
  r.QuesFileLine = rec.BankLine;
  return r;
}

}  // namespace vcq
