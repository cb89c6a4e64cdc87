#include "screens/ClassTable.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "data/BankSearch.h"
#include "data/ClassPlaces.h"
#include "data/Cp932.h"
#include "data/LineReader.h"
#include "data/RecordHold.h"
#include "data/TextUtil.h"
#include "data/WindowsNames.h"
#include "platform/Error.h"

namespace vcq {

namespace {

// A message on one line of a table.
std::string OneLine(std::string s) {
  std::replace(s.begin(), s.end(), '\n', ' ');
  std::replace(s.begin(), s.end(), '\r', ' ');
  return s;
}

std::int64_t Mean(std::int64_t sum, int n) {
  return n == 0 ? 0 : (2 * sum + n) / (2 * n);  // rounded half up; rates are never negative
}

// The sentence with its gaps as the drill shows them before an answer.
std::string GappedSentence(std::string_view sentence, bool choice) {
  Fields words;
  try {
    words = SplitBlank(sentence);
  } catch (const Error&) {
    return std::string(sentence);  // more words than a drill takes: shown as written
  }
  std::string line;
  for (int i = 0; i < words.Count(); ++i) {
    const std::string& w = words.Words[i];
    line += FirstIs(w, "@") ? (choice ? "(       )" : "(    )") : w;
    line += ' ';
  }
  if (!line.empty()) line.pop_back();
  return std::string(CutBytes(line, kTextBytes));
}

std::string FileNameOf(const std::string& path) {
  return DisplayPath(std::filesystem::path(path).filename().string());
}

ClassRow ProblemRow(const std::string& path, const std::string& why) {
  ClassRow row;
  row.path = path;
  row.fileName = FileNameOf(path);
  row.problem = OneLine(why);
  return row;
}

struct LoadedBank {
  Bank bank;
  std::string bytes;
  std::string problem;  // why it could not be loaded
  int section = -1;
  // Learners at each level, per question, summed as each record is read:
  // a record is let go once it has its row, however large the class.
  std::vector<std::array<std::int32_t, kLevelKinds>> at;

  void Count(const RecordFile& f) {
    at.resize(static_cast<std::size_t>(std::max<std::int32_t>(bank.QuesCount, 0)));
    for (std::int32_t q = 0; q < static_cast<std::int32_t>(at.size()); ++q)
      ++at[q][KindOfLevel(q < f.QuesCount ? f.OkLevel[q] : kLevelUnanswered)];
  }
};

// The hardest questions by the levels counted, with their texts, read from
// the bytes already in memory.
void FindHardQuestions(ClassSection& s, LoadedBank& lb) {
  const Bank& b = lb.bank;
  const auto& at = lb.at;
  std::vector<std::int32_t> order;
  for (std::int32_t q = 0; q < static_cast<std::int32_t>(at.size()); ++q)
    if (at[q][kKindWrong] > 0) order.push_back(q);
  std::stable_sort(order.begin(), order.end(), [&](std::int32_t x, std::int32_t y) {
    if (at[x][kKindWrong] != at[y][kKindWrong]) return at[x][kKindWrong] > at[y][kKindWrong];
    return at[x][kKindMastered] < at[y][kKindMastered];
  });
  if (order.size() > kHardQuestions) order.resize(kHardQuestions);
  Bank texts = b;
  for (std::size_t from = 0; from < order.size(); from += kBatchSize) {
    BatchSlots batch{};
    const int n = static_cast<int>(std::min<std::size_t>(kBatchSize, order.size() - from));
    for (int j = 0; j < n; ++j) batch[j] = order[from + j];
    try {
      ReadBatchTextsFrom(texts, batch, n, lb.bytes, b.QuesFileName, b.LoadedStamp);
    } catch (const Error&) {
      texts.BatchPrompt.fill({});
      texts.BatchSent.fill({});
    }
    for (int j = 0; j < n; ++j) {
      const std::int32_t q = batch[j];
      const bool choice = HasChoices(b.DataForm) && b.QuesLes2[q] == 0;
      s.hard.push_back({q, b.QuesLes[q], texts.BatchPrompt[j],
                        GappedSentence(texts.BatchSent[j], choice), at[q]});
    }
  }
}

std::unique_ptr<LoadedBank> LoadOnce(const std::string& path) {
  auto lb = std::make_unique<LoadedBank>();
  lb->bank.QuesFileName = path;
  try {
    FileStamp stamp;
    lb->bytes = ReadWholeFile(path, &stamp);
    LessonFlags sel{};
    LoadBankText(lb->bank, sel, lb->bytes, path, stamp);
  } catch (const Error& e) {
    lb->problem = OneLine(e.what());
  }
  return lb;
}

void FillFigures(ClassSection& s) {
  ClassFigures& c = s.figures;
  c = {};
  std::array<std::int64_t, kMaxLessons> sum{};
  std::int64_t wholeSum = 0, evalSum = 0;
  for (const ClassRow& r : s.rows) {
    if (!r.hasLessons) continue;
    ++c.learners;
    for (int L = 0; L < s.lessons; ++L) {
      sum[L] += r.lessonRate[L];
      c.masteredBy[L] += r.lessonMastered[L] ? 1 : 0;
    }
    wholeSum += r.whole.Rate();
    evalSum += r.whole.Evaluation();
    c.masteredAll += r.whole.ques > 0 && r.whole.ok == r.whole.ques ? 1 : 0;
  }
  for (int L = 0; L < s.lessons; ++L) c.meanRate[L] = Mean(sum[L], c.learners);
  c.meanWholeRate = Mean(wholeSum, c.learners);
  c.meanEvaluation = Mean(evalSum, c.learners);
}

// The four whole-bank columns follow the lessons.
enum WholeColumn { kQues, kOk, kRate, kEval };
int WholeIndex(const ClassSection& s, int column) {
  return column - 2 - s.lessons;
}

}  // namespace

int ClassTable::Rows() const {
  int n = 0;
  for (const ClassSection& s : sections) n += static_cast<int>(s.rows.size());
  return n;
}

static ClassRow RowOfRecord(RecordFile& f, const std::string& path, const Bank* bank,
                            const std::string& noBank) {
  ClassRow row;
  row.path = path;
  row.fileName = FileNameOf(path);
  row.player = f.PlayerName;
  // Questions the record does not count yet are questions never answered.
  for (std::int32_t q = f.QuesCount; q < kMaxQuestions; ++q) f.OkLevel[q] = kLevelUnanswered;
  // What needs no bank: the record's own questions, as one lesson.
  Bank alone;
  alone.QuesCount = f.QuesCount;
  row.whole = WholeFigures(TallyLessons(alone, f.AnsCount, f.OkLevel));
  row.hasTotals = true;
  if (!bank) {
    row.problem = OneLine(noBank);
    return row;
  }
  if (bank->DataKind != f.DataKind || bank->QuesCount < f.QuesCount) {
    row.problem = OneLine(ChangedBankMessage(path, *bank, f));
    return row;
  }
  try {
    const LessonTally t = TallyLessons(*bank, f.AnsCount, f.OkLevel);
    for (int L = 0; L < kMaxLessons; ++L) {
      const Figures lf = LessonFigures(t, L);
      row.lessonRate[L] = lf.Rate();
      row.lessonMastered[L] = lf.ques > 0 && lf.ok == lf.ques;
    }
    row.whole = WholeFigures(t);
    row.hasLessons = true;
  } catch (const Error& e) {
    row.problem = OneLine(e.what());
  }
  return row;
}

ClassRow MakeClassRow(std::string_view bytes, const std::string& path, const Bank* bank,
                      const std::string& noBank) {
  RecordFile f;
  try {
    f = ParseRecord(bytes, path);
  } catch (const Error& e) {
    return ProblemRow(path, e.what());
  }
  return RowOfRecord(f, path, bank, noBank);
}

ClassTable ReadClass(const std::vector<std::string>& places) {
  ClassTable t;
  t.places = places;
  std::map<std::string, std::unique_ptr<LoadedBank>> banks;  // by the bank's real path
  std::vector<std::pair<std::string, ClassRow>> rows;        // bank key ("" none), row
  for (const ClassPlace& place : FindClassRecords(places)) {
    ++t.records;
    if (!place.problem.empty()) {
      rows.emplace_back("", ProblemRow(place.path, place.problem));
      rows.back().second.fileName = DisplayPath(place.path);
      continue;
    }
    RecordFile file;
    try {
      file = ParseRecord(ReadWholeFile(place.path), place.path);
    } catch (const Error& e) {
      rows.emplace_back("", ProblemRow(place.path, e.what()));
      continue;
    }
    std::string key, noBank;
    LoadedBank* lb = nullptr;
    const BankSearch found = FindBank(file.QuesFileLine, place.path);
    if (found.Found()) {
      std::error_code ec;
      key = std::filesystem::weakly_canonical(found.path, ec).string();
      if (ec) key = found.path;
      auto& slot = banks[key];
      if (!slot) slot = LoadOnce(found.path);
      lb = slot.get();
      if (!lb->problem.empty()) {
        noBank = lb->problem;
        lb = nullptr;
        key.clear();
      }
    } else {
      noBank = MissingBankMessage(found, file.QuesFileLine, place.path);
    }
    ClassRow row = RowOfRecord(file, place.path, lb ? &lb->bank : nullptr, noBank);
    row.inUse = RecordHold::HeldByAnyone(place.path);
    if (row.hasLessons) lb->Count(file);
    rows.emplace_back(key, std::move(row));
  }
  // A section per bank, by title; rows by file name, as given.
  std::vector<LoadedBank*> used;
  for (auto& [key, row] : rows)
    if (!key.empty() && banks[key]->section < 0) {
      banks[key]->section = 0;
      used.push_back(banks[key].get());
    }
  std::stable_sort(used.begin(), used.end(), [](const LoadedBank* x, const LoadedBank* y) {
    return x->bank.BankTitle < y->bank.BankTitle;
  });
  for (LoadedBank* lb : used) {
    lb->section = static_cast<int>(t.sections.size());
    ClassSection s;
    s.bankPath = lb->bank.QuesFileName;
    s.title = lb->bank.BankTitle;
    s.lessons = std::clamp<std::int32_t>(lb->bank.LesCount, 0, kMaxLessons);
    for (int L = 0; L < s.lessons; ++L) s.lessonName[L] = lb->bank.LesName[L];
    t.sections.push_back(std::move(s));
  }
  ClassSection unknown;
  for (auto& [key, row] : rows)
    (key.empty() ? unknown : t.sections[banks[key]->section]).rows.push_back(std::move(row));
  for (LoadedBank* lb : used) {
    ClassSection& s = t.sections[lb->section];
    FillFigures(s);
    FindHardQuestions(s, *lb);
  }
  if (!unknown.rows.empty()) t.sections.push_back(std::move(unknown));
  return t;
}

int ColumnCount(const ClassSection& s) {
  return 2 + s.lessons + 4;
}

std::string ColumnName(const ClassSection& s, int c) {
  if (c == 0) return "成績ファイル";
  if (c == 1) return "名前";
  if (c < 2 + s.lessons) return ToUtf8(s.lessonName[c - 2]);
  static const char* const kWhole[] = {"題数", "習得数", "習得率", "評価"};
  return kWhole[WholeIndex(s, c)];
}

std::int64_t CellRate(const ClassSection& s, const ClassRow& r, int c) {
  if (c >= 2 && c < 2 + s.lessons) return r.hasLessons ? r.lessonRate[c - 2] : -1;
  if (c < 2 || !r.hasTotals) return -1;
  const int w = WholeIndex(s, c);
  return w == kRate ? r.whole.Rate() : w == kEval ? r.whole.Evaluation() : -1;
}

std::string CellText(const ClassSection& s, const ClassRow& r, int c) {
  if (c == 0) return r.fileName;
  if (c == 1) return ToUtf8(r.player);
  if (c < 2 + s.lessons) return r.hasLessons ? std::to_string(r.lessonRate[c - 2]) : "";
  if (!r.hasTotals) return "";
  switch (WholeIndex(s, c)) {
    case kQues:
      return std::to_string(r.whole.ques);
    case kOk:
      return std::to_string(r.whole.ok);
    case kRate:
      return std::to_string(r.whole.Rate());
    default:
      return std::to_string(r.whole.Evaluation());
  }
}

std::string ClassCellText(const ClassSection& s, int c) {
  const ClassFigures& f = s.figures;
  if (c == 0) return "クラス (" + std::to_string(f.learners) + " 人)";
  if (c == 1) return "平均 (習得した人数)";
  if (c < 2 + s.lessons)
    return std::to_string(f.meanRate[c - 2]) + " (" + std::to_string(f.masteredBy[c - 2]) + ")";
  switch (WholeIndex(s, c)) {
    case kRate:
      return std::to_string(f.meanWholeRate) + " (" + std::to_string(f.masteredAll) + ")";
    case kEval:
      return std::to_string(f.meanEvaluation);
    default:
      return "";
  }
}

void SortRows(ClassSection& s, int c, bool descending) {
  // Numbers as numbers, names as bytes; rows without the figure stay last.
  const auto key = [&](const ClassRow& r) -> std::int64_t {
    if (c < 2 + s.lessons) return r.hasLessons ? r.lessonRate[c - 2] : -1;
    if (!r.hasTotals) return -1;
    switch (WholeIndex(s, c)) {
      case kQues:
        return r.whole.ques;
      case kOk:
        return r.whole.ok;
      case kRate:
        return r.whole.Rate();
      default:
        return r.whole.Evaluation();
    }
  };
  std::stable_sort(s.rows.begin(), s.rows.end(), [&](const ClassRow& x, const ClassRow& y) {
    if (c < 2) {
      const std::string& a = c == 0 ? x.fileName : x.player;
      const std::string& b = c == 0 ? y.fileName : y.player;
      return descending ? b < a : a < b;
    }
    const std::int64_t a = key(x), b = key(y);
    if ((a < 0) != (b < 0)) return b < 0;
    return descending ? b < a : a < b;
  });
}

std::string PlacesText(const ClassTable& t) {
  std::string out;
  for (const std::string& p : t.places) out += (out.empty() ? "" : "、") + DisplayPath(p);
  return out;
}

std::string NoRecordMessage(const ClassTable& t) {
  if (t.records > 0) return {};
  return PlacesText(t) + " に成績ファイル (*.ret) がありません";
}

}  // namespace vcq
