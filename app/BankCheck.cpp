#include "app/BankCheck.h"

#include "data/Answers.h"
#include "data/Bank.h"
#include "data/Cp932.h"
#include "data/LineReader.h"
#include "data/QuesLines.h"
#include "data/TextUtil.h"
#include "platform/Error.h"

namespace vcq {

namespace {

constexpr Said kTooLong{"{} is longer than {} bytes ({} bytes are cut off)",
                        "{}が {} バイトを超えています ({} バイトが切り捨てられます)"};

class Checker {
 public:
  Checker(std::string_view bytes, const std::string& fileName, Lang lang)
      : lang_(lang),
        bytes_(bytes),
        fileName_(fileName),
        utf8_(LooksLikeUtf8(bytes)),
        converted_(utf8_ ? Utf8ToCp932(bytes) : Utf8Text{}),
        text_(utf8_ ? std::string_view(converted_.cp932) : bytes),
        in_(text_, fileName) {}

  std::vector<BankProblem> Run() {
    if (utf8_) {
      problems_.push_back({0, Say({"read as UTF-8", "UTF-8 として読みます"}, lang_), true});
      // Line numbers are those of the CP932 text, which has the same lines.
      const std::string_view read = bytes_.substr(0, bytes_.find('\x1A'));
      for (const BadChar& bad : converted_.bad)
        if (bad.pos < read.size()) Add(LineOf(read, bad.pos), DescribeBadChar(bytes_, bad));
    }
    CheckLineEnds();
    Bank bank;
    LessonFlags sel{};
    try {
      // With its bad characters as '?' a UTF-8 bank is checked on as CP932.
      LoadBankText(bank, sel, converted_.bad.empty() ? bytes_ : text_, fileName_);
    } catch (const Error& e) {
      Add(0, Say({"cannot be loaded: {}", "読み込めません: {}"}, {e.text()}));
      return problems_;
    }
    Walk(bank);
    return problems_;
  }

 private:
  void Add(int line, const Text& message, int field = 0) {
    problems_.push_back({line, message.In(lang_), false, field});
  }

  // In a file with CR line ends a lone LF stays inside its line: an author
  // who mixed line ends may not mean that.
  void CheckLineEnds() {
    const std::string_view text = text_.substr(0, text_.find('\x1A'));
    if (text.find('\r') == std::string_view::npos) return;
    for (std::size_t i = 0; i < text.size(); ++i)
      if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
        Add(LineOf(text, i),
            Say({"lines ending in LF alone are mixed with lines ending in CR LF (LF alone ends "
                 "no line)",
                 "改行が LF だけの行と CR LF の行が混ざっています (LF だけでは行は終わりません)"}));
        return;
      }
  }

  std::string Read(std::size_t limit, const Said& what) {
    std::string s = in_.Next(limit);
    if (in_.LostBytes() > 0)
      Add(in_.LineNo(),
          Say(kTooLong, {what, std::to_string(limit), std::to_string(in_.LostBytes())}));
    return s;
  }

  void Walk(const Bank& b) {
    Read(kHeaderBytes, {"line 1", "1 行目"});
    const std::string header = Read(kHeaderBytes, {"the header line", "見出し行"});
    try {
      const std::string_view title = SplitBlankViews(header).Words[0];
      if (title.size() > kTitleBytes)
        Add(2, Say(kTooLong, {Said{"the title", "題名"}, std::to_string(kTitleBytes),
                              std::to_string(title.size() - CutBytes(title, kTitleBytes).size())}));
    } catch (const RangeError&) {
      // the load has refused such a header already
    }
    if (!IsKnownLayout(b.DataForm)) {
      Add(2, Say(kUnknownForm, {std::to_string(b.DataKind)}));
      return;
    }
    if (HasLessons(b.DataForm)) {
      Read(kHeaderBytes, kFieldLesCount);
      for (int i = 0; i < b.LesCount; ++i) Read(kNameBytes, {"a lesson name", "分野名"});
      if (HasSecondClass(b.DataForm)) {
        Read(kHeaderBytes, kFieldLesCount2);
        for (int i = 0; i < b.LesCount2; ++i)
          Read(kNameBytes, {"a second class name", "第二分類名"});
      }
    }
    const QuesLines lines = QuesLinesOf(b.DataForm);
    for (int q = 0; q < b.QuesCount; ++q) {
      if (lines.numbers > 0) {
        Read(kHeaderBytes, {"the line of numbers", "番号の行"});
        CheckLesson(q, b.QuesLes[q], b.LesCount, kFieldLesson, 0);
        if (lines.numbers > 1) CheckLesson(q, b.QuesLes2[q], b.LesCount2, kFieldLesson2, 1);
      }
      std::array<std::string, kQuesTexts> text;
      std::array<int, kQuesTexts> at{};
      for (int k = 0; k < lines.count; ++k) {
        const QuesText t = lines.texts[k];
        text[t] = Read(kTextBytes, QuesTextName(t));
        at[t] = in_.LineNo();
      }
      if (in_.PastEnd()) {
        Add(in_.LineNo(),
            Say({"the file ends inside question {}", "問題 {} の途中でファイルが終わっています"},
                {std::to_string(q)}));
        return;
      }
      const bool choice = HasChoices(b.DataForm) && b.QuesLes2[q] == 0;
      CheckSentence(q, text[kSentText], at[kSentText], choice);
      if (choice) CheckChoices(q, text[kSentText], text[kChoiceText], at[kChoiceText]);
    }
  }

  void CheckLesson(int q, std::int32_t n, std::int32_t count, const Said& what, int field) {
    if (n < 0 || n >= count)
      Add(in_.LineNo(),
          Say({"question {}: {} {} is not in 0 to {}",
               "問題 {} の{} {} は 0 から {} の範囲にありません"},
              {std::to_string(q), what, std::to_string(n), std::to_string(count - 1)}),
          field);
  }

  void CheckSentence(int q, const std::string& sent, int line, bool choice) {
    Fields words;
    try {
      words = SplitBlank(sent);
    } catch (const RangeError&) {
      Add(line, Say({"question {}: the answer sentence has more than {} words",
                     "問題 {} の解答文の単語が {} を超えています"},
                    {std::to_string(q), std::to_string(kMaxFields)}));
      return;
    }
    int gaps = 0;
    for (int i = 0; i < words.Count(); ++i) {
      const std::string& w = words.Words[i];
      if (!FirstIs(w, "@")) continue;
      ++gaps;
      if (choice) continue;
      const std::string gap = DropFirst(w);
      for (char c : gap)
        if (!IsAnswerChar(c)) {
          Add(line, Say({"question {}: the gap '{}' holds a character that cannot be typed",
                         "問題 {} の空所「{}」には入力できない文字があります"},
                        {std::to_string(q), ToUtf8(gap)}));
          break;
        }
      if (gap.size() > static_cast<std::size_t>(kMaxKeys))
        Add(line, Say({"question {}: the gap '{}' is longer than {} characters and cannot be typed "
                       "in full",
                       "問題 {} の空所「{}」は {} 文字より長く、入力しきれません"},
                      {std::to_string(q), ToUtf8(gap), std::to_string(kMaxKeys)}));
    }
    if (choice && gaps == 0)
      Add(line, Say({"question {} is a choice question but has no answer marked '@'",
                     "問題 {} は選択問題ですが「@」の付いた答がありません"},
                    {std::to_string(q)}));
    else if (gaps == 0)
      Add(line, Say({"question {}: the answer sentence has no gap marked '@'",
                     "問題 {} の解答文に「@」の付いた空所がありません"},
                    {std::to_string(q)}));
  }

  void CheckChoices(int q, const std::string& sent, const std::string& list, int line) {
    Fields items;
    try {
      items = SplitBlank(list);
    } catch (const RangeError&) {
      Add(line, Say({"question {}: more than {} choices", "問題 {} の選択肢が {} を超えています"},
                    {std::to_string(q), std::to_string(kMaxFields)}));
      return;
    }
    if (items.Count() > kChoicePanels)
      Add(line, Say({"question {}: {} choices (at most 9 are shown)",
                     "問題 {} の選択肢が {} 個あります (表示されるのは 9 個まで)"},
                    {std::to_string(q), std::to_string(items.Count())}));
    std::string answer;
    try {
      answer = ExpectedPick(SplitBlank(sent));
    } catch (const RangeError&) {
      return;  // the sentence's own check has reported it
    }
    if (answer.empty()) return;
    // Each choice as its panel shows it, judged as a pick is.
    for (int i = 0; i < items.Count(); ++i)
      if (SameAnswer(ShownChoice(items.Words[i]), answer)) return;
    Add(line, Say({"question {}: the answer '{}' is not among the choices",
                   "問題 {} の答「{}」が選択肢にありません"},
                  {std::to_string(q), ToUtf8(answer)}));
  }

  Lang lang_;
  std::string_view bytes_;
  std::string fileName_;
  bool utf8_;
  Utf8Text converted_;
  std::string_view text_;  // CP932
  LineReader in_;
  std::vector<BankProblem> problems_;
};

}  // namespace

std::vector<BankProblem> CheckBank(std::string_view bytes, const std::string& fileName, Lang lang) {
  return Checker(bytes, fileName, lang).Run();
}

bool HasProblem(const std::vector<BankProblem>& problems) {
  for (const BankProblem& p : problems)
    if (!p.note) return true;
  return false;
}

std::string FormatProblems(const std::string& fileName, const std::vector<BankProblem>& problems,
                           Lang lang) {
  std::string out;
  for (const BankProblem& p : problems)
    out += fileName + (p.line > 0 ? ":" + std::to_string(p.line) : std::string()) + ": " +
           p.message + "\n";
  if (!HasProblem(problems))
    out += fileName + ": " + Say({"no problem found", "問題は見つかりませんでした"}, lang) + "\n";
  return out;
}

int RunBankCheck(const std::vector<std::string>& files, std::string& out, Lang lang) {
  int status = 0;
  for (const std::string& f : files) {
    try {
      auto problems = CheckBank(ReadWholeFile(f), f, lang);
      out += FormatProblems(f, problems, lang);
      if (HasProblem(problems)) status = 1;
    } catch (const Error& e) {
      out += f + ": " + e.In(lang) + "\n";
      status = 1;
    }
  }
  return status;
}

}  // namespace vcq
