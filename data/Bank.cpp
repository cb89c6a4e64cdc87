#include "data/Bank.h"

#include <algorithm>
#include <optional>

#include "data/Cp932.h"
#include "data/Limits.h"
#include "data/LineReader.h"
#include "data/PlainFile.h"
#include "data/QuesLines.h"
#include "data/TextUtil.h"
#include "platform/Error.h"

namespace vcq {

namespace {

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// The lines of a bank as the load reads them, in CP932 and cut to their
// limits. UTF-8 text known to have a CP932 form for every character is read
// as it is, and only the lines the load keeps are converted (it skips every
// question text); any other text must be CP932 already.
class LoadLines {
 public:
  LoadLines(std::string_view text, const std::string& fileName, bool utf8)
      : in_(text, fileName), utf8_(utf8) {}
  // A view that lasts until the next line is read.
  std::string_view NextView(std::size_t limit) {
    if (!utf8_) return in_.NextView(limit);
    const std::string_view line = in_.NextView(std::string_view::npos);
    if (IsAscii(line)) return CutBytes(line, limit);
    buf_ = Utf8ToCp932(line).cp932;
    return CutBytes(buf_, limit);
  }
  std::string Next(std::size_t limit) { return std::string(NextView(limit)); }
  // Skipped: not even converted.
  void Skip() { in_.Skip(); }
  Text Here() const { return in_.Here(); }
  const LineReader& Reader() const { return in_; }

 private:
  LineReader in_;
  bool utf8_;
  std::string buf_;
};

// The line helpers of data/LineReader, on the load's lines.
FieldViews SplitLine(const LoadLines& in, std::string_view line, char sep) {
  return vcq::SplitLine(in.Reader(), line, sep);
}

std::int32_t QuestionNumber(std::string_view field, const LoadLines& in, std::int32_t q,
                            const Said& what) {
  return vcq::QuestionNumber(field, in.Reader(), q, what);
}

void CheckCount(const LoadLines& in, std::int32_t n, int max, const Said& what) {
  vcq::CheckCount(in.Reader(), n, max, what);
}

std::int32_t ReadCount(LoadLines& in, std::size_t limit, int max, const Said& what) {
  // Read before Here() is taken, which names the line read.
  const std::string_view line = in.NextView(limit);
  const std::int32_t n = ParseInt(line, in.Here(), what);
  CheckCount(in, n, max, what);
  return n;
}

void ReadNames(LoadLines& in, std::int32_t count, std::array<std::string, kMaxLessons>& names) {
  for (std::int32_t i = 0; i < count; ++i) names[i] = in.Next(kNameBytes);
}

// The file is read again for every batch: a bank replaced since it was
// opened must not feed other questions' texts, or none, to the progress of
// this one. Its kind and question count must still be the ones loaded.
void CheckUnchanged(const Bank& bank, const LineReader& in, std::string_view header) {
  FieldViews f;
  try {
    f = SplitBlankViews(header);
  } catch (const RangeError&) {
    f = {};
  }
  const auto kind = TryParseInt(f.Words[1]);
  const auto count = TryParseInt(f.Words[2]);
  if (kind != bank.DataKind || count != bank.QuesCount)
    throw IoError(in.Here().ja + "問題ファイルが開いた時から変わっています (種類 " +
                  std::to_string(bank.DataKind) + "・問題数 " + std::to_string(bank.QuesCount) +
                  " のはずです)。成績を開き直してください。");
}

// The bank's text in CP932: a file taken as UTF-8 is converted, and its first
// character without a CP932 form stops the read, named with its line; any
// other file is read as it is. What follows an end mark is never read.
std::string_view Cp932Text(std::string_view bytes, const std::string& fileName,
                           std::string& converted) {
  if (!LooksLikeUtf8(bytes)) return bytes;
  Utf8Text t = Utf8ToCp932(bytes);
  const std::string_view read = bytes.substr(0, bytes.find('\x1A'));
  for (const BadChar& bad : t.bad)
    if (bad.pos < read.size())
      throw ConvertError(Where(fileName, LineOf(read, bad.pos)) + DescribeBadChar(bytes, bad).ja);
  converted = std::move(t.cp932);
  return converted;
}

}  // namespace

void LoadBankText(Bank& bank, LessonFlags& LesSel, std::string_view bytes,
                  const std::string& fileName, const FileStamp& stamp) {
  Bank next = bank;  // a question count of 0 leaves the lessons of the questions as they were
  // One pass tells UTF-8 from CP932 and finds whether every character of
  // a UTF-8 bank has a CP932 form; only then may its lines be read as UTF-8.
  // Other UTF-8 is converted whole, so that its first bad character is named.
  // The UTF-8 file this bank was loaded from, unchanged since (the record
  // commands load a bank again before they draw its map), needs no new pass.
  const bool again = stamp.Known() && stamp == bank.LoadedStamp && bank.LoadedUtf8;
  const Utf8Scan scan = again ? Utf8Scan{} : ScanUtf8(bytes);
  const bool bom = bytes.starts_with(kUtf8Bom);
  const bool utf8 = again || bom || (scan.valid && scan.multi);
  const bool byLine = again || (utf8 && scan.fits);
  std::string converted;
  LoadLines in(byLine ? bytes.substr(bom ? kUtf8Bom.size() : 0)
               : utf8 ? Cp932Text(bytes, fileName, converted)
                      : bytes,
               fileName, byLine);
  in.Next(kHeaderBytes);
  FieldViews header = SplitLine(in, in.NextView(kHeaderBytes), ' ');
  const Text at = in.Here();
  next.BankTitle = std::string(CutBytes(header.Words[0], kTitleBytes));
  next.DataKind = ParseInt(header.Words[1], at, kFieldKind);
  next.QuesCount = ParseInt(header.Words[2], at, kFieldQuesCount);
  next.DataForm = next.DataKind % 10;
  CheckCount(in, next.QuesCount, kMaxQuestions, kFieldQuesCount);
  next.LesCount = 0;
  next.LesCount2 = 0;
  next.LesLines = 0;

  const std::int32_t form = next.DataForm;
  if (IsPlainLayout(form)) {
    for (std::int32_t q = 0; q < next.QuesCount; ++q) next.QuesLes[q] = next.QuesLes2[q] = 0;
    next.LesCount = 1;
    next.LesName[0] = Sj("全問題");
  } else if (IsKnownLayout(form)) {
    next.LesCount = ReadCount(in, kHeaderBytes, kMaxLessons, kFieldLesCount);
    ReadNames(in, next.LesCount, next.LesName);
    if (HasSecondClass(form)) {
      next.LesCount2 = ReadCount(in, kHeaderBytes, kMaxLessons, kFieldLesCount2);
      ReadNames(in, next.LesCount2, next.LesName2);
    }
    next.LesLines = HasSecondClass(form) ? next.LesCount + next.LesCount2 + 2 : next.LesCount + 1;
    const QuesLines lines = QuesLinesOf(form);
    for (std::int32_t q = 0; q < next.QuesCount; ++q) {
      std::string_view line = in.NextView(kHeaderBytes);
      if (lines.numbers < 2) {
        next.QuesLes[q] = QuestionNumber(line, in, q, kFieldLesson);
      } else if (auto pair = PlainPair(line, ' ')) {
        next.QuesLes[q] = pair->first;
        next.QuesLes2[q] = pair->second;
      } else {
        FieldViews nums = SplitLine(in, line, ' ');
        next.QuesLes[q] = QuestionNumber(nums.Words[0], in, q, kFieldLesson);
        next.QuesLes2[q] = QuestionNumber(nums.Words[1], in, q, kFieldLesson2);
      }
      for (int k = 0; k < lines.count; ++k) in.Skip();
    }
  }
  if (IsPlainLayout(form)) LesSel[0] = 1;
  next.LoadedStamp = stamp;
  next.LoadedUtf8 = utf8;
  bank = std::move(next);
}

void LoadBank(Bank& bank, LessonFlags& LesSel) {
  try {
    FileStamp stamp;
    const FileBytes bytes = ReadPlainBytes(bank.QuesFileName, kMaxFileBytes, &stamp);
    LoadBankText(bank, LesSel, bytes.View(), bank.QuesFileName, stamp);
  } catch (const Error&) {
    bank.QuesCount = bank.LesCount = bank.LesCount2 = bank.LesLines = 0;
    bank.LoadedStamp = {};
    throw;
  }
}

void ReadBankTextsFrom(const Bank& bank, std::int32_t end,
                       const std::function<bool(std::int32_t)>& wanted,
                       const std::function<void(std::int32_t, BankTexts&&)>& take,
                       std::string_view bytes, const std::string& fileName,
                       const FileStamp& stamp) {
  // A bank may end before the lines of its last question (an editor that drops
  // a trailing empty line); only a file that changed since it was loaded
  // shows by its end that the texts are no longer where the load found them.
  const bool unchanged = stamp.Known() && stamp == bank.LoadedStamp;
  // The UTF-8 file the load converted whole, unchanged since, has the same
  // lines and every character a CP932 form: only the wanted texts are
  // converted, each then cut to its limit. Any other file is converted whole.
  const bool utf8Lines = unchanged && bank.LoadedUtf8;
  std::string converted;
  const std::string_view text =
      utf8Lines ? bytes.substr(bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0)
                : Cp932Text(bytes, fileName, converted);
  const std::size_t lineLimit = utf8Lines ? std::string_view::npos : kHeaderBytes;
  const std::size_t textLimit = utf8Lines ? std::string_view::npos : kTextBytes;
  auto keep = [&](std::string_view line) {
    return utf8Lines ? std::string(CutBytes(Utf8ToCp932(line).cp932, kTextBytes))
                     : std::string(line);
  };
  LineReader in(text, fileName);
  const std::int32_t form = bank.DataForm;
  in.NextView(lineLimit);
  CheckUnchanged(bank, in, in.NextView(lineLimit));
  if (HasLessons(form))
    for (std::int32_t i = 0; i < bank.LesLines; ++i) in.NextView(lineLimit);
  if (!IsKnownLayout(form)) return;
  const QuesLines lines = QuesLinesOf(form);
  end = std::min(end, bank.QuesCount);
  for (std::int32_t q = 0; q < end; ++q) {
    if (lines.numbers > 0) in.NextView(lineLimit);
    // Views into `bytes`: only the wanted texts are copied.
    std::array<std::string_view, kQuesTexts> texts{};
    for (int k = 0; k < lines.count; ++k) texts[lines.texts[k]] = in.NextView(textLimit);
    if (!wanted(q)) continue;
    if (in.PastEnd() && !unchanged)
      throw IoError(in.Here().ja + "問題 " + std::to_string(q) +
                    " の途中でファイルが終わっています。問題ファイルが開いた時から変わって"
                    "います。成績を開き直してください。");
    take(q, BankTexts{keep(texts[kSentText]), keep(texts[kPromptText]), keep(texts[kNoteText]),
                      keep(texts[kChoiceText])});
  }
}

void ReadBatchTextsFrom(Bank& bank, const BatchSlots& Batch, int count, std::string_view bytes,
                        const std::string& fileName, const FileStamp& stamp) {
  if (count < 1 || count > kBatchSize)
    throw RangeError("出題の組の問題数 " + std::to_string(count) + " が範囲外です");
  const bool choices = QuesLinesOf(bank.DataForm).Has(kChoiceText);
  // No question after the last one of the batch can fill a slot.
  std::int32_t last = -1;
  for (int j = 0; j < count; ++j) last = std::max(last, Batch[j]);
  const auto inBatch = [&](std::int32_t q) {
    for (int j = 0; j < count; ++j)
      if (Batch[j] == q) return true;
    return false;
  };
  ReadBankTextsFrom(
      bank, last + 1, inBatch,
      [&](std::int32_t q, BankTexts&& texts) {
        for (int j = 0; j < count; ++j) {
          if (Batch[j] != q) continue;
          bank.BatchSent[j] = texts.sent;
          bank.BatchPrompt[j] = texts.prompt;
          bank.BatchNote[j] = texts.note;
          if (choices) bank.BatchChoice[j] = texts.choice;
        }
      },
      bytes, fileName, stamp);
  if (!IsKnownLayout(bank.DataForm))
    for (int j = 0; j < count; ++j)
      bank.BatchSent[j] = bank.BatchPrompt[j] = bank.BatchNote[j] = bank.BatchChoice[j] = {};
}

void ReadBatchTexts(Bank& bank, const BatchSlots& Batch, int count) {
  FileStamp stamp;
  const FileBytes bytes = ReadPlainBytes(bank.QuesFileName, kMaxFileBytes, &stamp);
  ReadBatchTextsFrom(bank, Batch, count, bytes.View(), bank.QuesFileName, stamp);
}

}  // namespace vcq
