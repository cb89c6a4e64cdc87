#include "app/BankCheck.h"

#include "data/Answers.h"
#include "data/Bank.h"
#include "data/Cp932.h"
#include "data/LineReader.h"
#include "data/TextUtil.h"
#include "platform/Error.h"

namespace vcq {

namespace {

class Checker {
 public:
  Checker(std::string_view bytes, const std::string& fileName)
      : bytes_(bytes),
        fileName_(fileName),
        utf8_(LooksLikeUtf8(bytes)),
        converted_(utf8_ ? Utf8ToCp932(bytes) : Utf8Text{}),
        text_(utf8_ ? std::string_view(converted_.cp932) : bytes),
        in_(text_, fileName) {}

  std::vector<BankProblem> Run() {
    if (utf8_) {
      problems_.push_back({0, "UTF-8 として読みます", true});
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
      Add(0, std::string("読み込めません: ") + e.what());
      return problems_;
    }
    Walk(bank);
    return problems_;
  }

 private:
  void Add(int line, std::string message, int field = 0) {
    problems_.push_back({line, std::move(message), false, field});
  }

  // In a file with CR line ends a lone LF stays inside its line: an author
  // who mixed line ends may not mean that.
  void CheckLineEnds() {
    const std::string_view text = text_.substr(0, text_.find('\x1A'));
    if (text.find('\r') == std::string_view::npos) return;
    for (std::size_t i = 0; i < text.size(); ++i)
      if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
        Add(LineOf(text, i),
            "改行が LF だけの行と CR LF の行が混ざっています (LF だけでは行は終わりません)");
        return;
      }
  }

  std::string Read(std::size_t limit, const char* what) {
    std::string s = in_.Next(limit);
    if (in_.LostBytes() > 0)
      Add(in_.LineNo(), std::string(what) + "が " + std::to_string(limit) +
                            " バイトを超えています (" + std::to_string(in_.LostBytes()) +
                            " バイトが切り捨てられます)");
    return s;
  }

  void Walk(const Bank& b) {
    Read(kHeaderBytes, "1 行目");
    const std::string header = Read(kHeaderBytes, "見出し行");
    try {
      const std::string_view title = SplitBlankViews(header).Words[0];
      if (title.size() > kTitleBytes)
        Add(2, "題名が " + std::to_string(kTitleBytes) + " バイトを超えています (" +
                   std::to_string(title.size() - CutBytes(title, kTitleBytes).size()) +
                   " バイトが切り捨てられます)");
    } catch (const RangeError&) {
      // the load has refused such a header already
    }
    if (!IsKnownLayout(b.DataForm)) {
      Add(2, "種類 " + std::to_string(b.DataKind) + " の形式 (下 1 桁) は 0 から 3 ではありません");
      return;
    }
    if (HasLessons(b.DataForm)) {
      Read(kHeaderBytes, "分野の数");
      for (int i = 0; i < b.LesCount; ++i) Read(kNameBytes, "分野名");
      if (HasSecondClass(b.DataForm)) {
        Read(kHeaderBytes, "第二分類の数");
        for (int i = 0; i < b.LesCount2; ++i) Read(kNameBytes, "第二分類名");
      }
    }
    for (int q = 0; q < b.QuesCount; ++q) {
      if (HasLessons(b.DataForm)) {
        Read(kHeaderBytes, "番号の行");
        CheckLesson(q, b.QuesLes[q], b.LesCount, "分野番号", 0);
        if (HasSecondClass(b.DataForm))
          CheckLesson(q, b.QuesLes2[q], b.LesCount2, "第二分類番号", 1);
      }
      std::string sent, choices;
      int sentLine = 0, choiceLine = 0;
      if (HasChoices(b.DataForm)) {
        Read(kTextBytes, "問題文");
        choices = Read(kTextBytes, "選択肢");
        choiceLine = in_.LineNo();
      }
      sent = Read(kTextBytes, "解答文");
      sentLine = in_.LineNo();
      if (!HasChoices(b.DataForm)) Read(kTextBytes, "問題文");
      if (HasLessons(b.DataForm)) Read(kTextBytes, "解説");
      if (in_.PastEnd()) {
        Add(in_.LineNo(), "問題 " + std::to_string(q) + " の途中でファイルが終わっています");
        return;
      }
      const bool choice = HasChoices(b.DataForm) && b.QuesLes2[q] == 0;
      CheckSentence(q, sent, sentLine, choice);
      if (choice) CheckChoices(q, sent, choices, choiceLine);
    }
  }

  void CheckLesson(int q, std::int32_t n, std::int32_t count, const char* what, int field) {
    if (n < 0 || n >= count)
      Add(in_.LineNo(),
          "問題 " + std::to_string(q) + " の" + what + " " + std::to_string(n) + " は 0 から " +
              std::to_string(count - 1) + " の範囲にありません",
          field);
  }

  void CheckSentence(int q, const std::string& sent, int line, bool choice) {
    Fields words;
    try {
      words = SplitBlank(sent);
    } catch (const RangeError&) {
      Add(line, "問題 " + std::to_string(q) + " の解答文の単語が " + std::to_string(kMaxFields) +
                    " を超えています");
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
          Add(line, "問題 " + std::to_string(q) + " の空所「" + ToUtf8(gap) +
                        "」には入力できない文字があります");
          break;
        }
      if (gap.size() > static_cast<std::size_t>(kMaxKeys))
        Add(line, "問題 " + std::to_string(q) + " の空所「" + ToUtf8(gap) + "」は " +
                      std::to_string(kMaxKeys) + " 文字より長く、入力しきれません");
    }
    if (choice && gaps == 0)
      Add(line, "問題 " + std::to_string(q) + " は選択問題ですが「@」の付いた答がありません");
    else if (gaps == 0)
      Add(line, "問題 " + std::to_string(q) + " の解答文に「@」の付いた空所がありません");
  }

  void CheckChoices(int q, const std::string& sent, const std::string& list, int line) {
    Fields items;
    try {
      items = SplitBlank(list);
    } catch (const RangeError&) {
      Add(line, "問題 " + std::to_string(q) + " の選択肢が " + std::to_string(kMaxFields) +
                    " を超えています");
      return;
    }
    if (items.Count() > kChoicePanels)
      Add(line, "問題 " + std::to_string(q) + " の選択肢が " + std::to_string(items.Count()) +
                    " 個あります (表示されるのは 9 個まで)");
    std::string answer;
    Fields words;
    try {
      words = SplitBlank(sent);
    } catch (const RangeError&) {
      return;  // the sentence's own check has reported it
    }
    for (int i = 0; i < words.Count(); ++i)
      if (FirstIs(words.Words[i], "@")) answer = UnderToBlank(DropFirst(words.Words[i]));
    if (answer.empty()) return;
    for (int i = 0; i < items.Count(); ++i)
      if (LowerCp932(CutBytes(UnderToBlank(items.Words[i]), kChoiceBytes)) == LowerCp932(answer))
        return;
    Add(line, "問題 " + std::to_string(q) + " の答「" + ToUtf8(answer) + "」が選択肢にありません");
  }

  std::string_view bytes_;
  std::string fileName_;
  bool utf8_;
  Utf8Text converted_;
  std::string_view text_;  // CP932
  LineReader in_;
  std::vector<BankProblem> problems_;
};

}  // namespace

std::vector<BankProblem> CheckBank(std::string_view bytes, const std::string& fileName) {
  return Checker(bytes, fileName).Run();
}

bool HasProblem(const std::vector<BankProblem>& problems) {
  for (const BankProblem& p : problems)
    if (!p.note) return true;
  return false;
}

std::string FormatProblems(const std::string& fileName, const std::vector<BankProblem>& problems) {
  std::string out;
  for (const BankProblem& p : problems)
    out += fileName + (p.line > 0 ? ":" + std::to_string(p.line) : std::string()) + ": " +
           p.message + "\n";
  if (!HasProblem(problems)) out += fileName + ": 問題は見つかりませんでした\n";
  return out;
}

int RunBankCheck(const std::vector<std::string>& files, std::string& out) {
  int status = 0;
  for (const std::string& f : files) {
    try {
      auto problems = CheckBank(ReadWholeFile(f), f);
      out += FormatProblems(f, problems);
      if (HasProblem(problems)) status = 1;
    } catch (const Error& e) {
      out += f + ": " + e.what() + "\n";
      status = 1;
    }
  }
  return status;
}

}  // namespace vcq
