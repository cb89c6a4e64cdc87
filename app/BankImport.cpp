#include "app/BankImport.h"

#include <filesystem>

#include "app/BankCheck.h"
#include "app/BankExport.h"
#include "app/RecordCarrying.h"
#include "data/AtomicSave.h"
#include "data/BankCsv.h"
#include "data/BankDiff.h"
#include "data/FileIdentity.h"
#include "data/LineReader.h"
#include "data/PlainFile.h"
#include "platform/Error.h"

namespace vcq {

namespace {
// A bank of 600 questions at its limits is under 2 MB as UTF-8 CSV; a
// spreadsheet's quoting and empty cells may double that.
constexpr std::size_t kMaxCsvBytes = 16u << 20;
}  // namespace

std::string ReadCsvFile(const std::string& path) {
  return ReadPlainFile(path, kMaxCsvBytes);
}

ImportedBank ImportBank(std::string_view csvBytes, const std::string& csvName, Lang lang) {
  ImportedBank result;
  const CsvBank csv = CsvToBank(csvBytes);
  for (const CsvProblem& p : csv.problems)
    result.problems.push_back(FormatCsvProblem(csvName, p, lang));
  if (csv.bytes.empty()) return result;
  // A cell already reported (a character without a CP932 form, a number
  // that is none) is not reported again for what it became.
  auto reported = [&](CsvPlace at) {
    for (const CsvProblem& p : csv.problems)
      if (p.at.row == at.row && p.at.col == at.col) return true;
    return false;
  };
  for (const BankProblem& p : CheckBank(csv.bytes, csvName, lang)) {
    const CsvPlace at = csv.PlaceOf(p.line, p.field);
    if (!p.note && !reported(at))
      result.problems.push_back(FormatCsvProblem(csvName, {at, Text::Same(p.message)}, lang));
  }
  if (result.problems.empty()) result.bytes = csv.bytes;
  return result;
}

int RunBankImport(const std::string& csvPath, const std::string& bankPath, bool force,
                  std::string& out, std::string& err, const CarryRequest& carry, Lang lang) {
  try {
    if (SameFile(csvPath, bankPath))
      throw IoError(
          Say({"'{}' is the CSV being imported itself", "「{}」は読み込む元の CSV そのものです"},
              {bankPath}));
    std::error_code ec;
    RequirePlainOrAbsent(bankPath);
    const bool replacing = std::filesystem::exists(bankPath, ec);
    if (!force && replacing) throw IoError(Say(kExists, {bankPath}));
    const ImportedBank bank = ImportBank(ReadCsvFile(csvPath), csvPath, lang);
    for (const std::string& p : bank.problems) err += p + "\n";
    if (!bank.problems.empty()) return 1;
    if (!replacing) {
      WriteFileAtomically(bankPath, bank.bytes);
      if (carry.wanted)
        out += Say({"'{}' is a new bank: there are no records to carry",
                    "「{}」は新しい問題ファイルです。移す成績はありません"},
                   lang, {bankPath}) +
               "\n";
      return 0;
    }
    // The bank replaced: which question became which, told by their texts.
    std::vector<QuestionKey> before;
    try {
      before = ReadQuestionKeys(ReadWholeFile(bankPath), bankPath);
    } catch (const Error& e) {
      if (carry.wanted)
        throw IoError(Say({"the records cannot be carried, as the bank before cannot be read: {}",
                           "前の問題ファイルが読めないため、成績を移せません: {}"},
                          {e.text()}));
    }
    const BankDiff diff = DiffQuestions(before, ReadQuestionKeys(bank.bytes, bankPath));
    const std::vector<std::string> records = RecordsOfBank(bankPath, carry.places);
    out += Say({"'{}': {}", "「{}」: {}"}, lang, {bankPath, DescribeDiff(diff)}) + "\n";
    WriteFileAtomically(bankPath, bank.bytes);
    if (!carry.wanted) {
      if (!records.empty() && !diff.Unchanged())
        out += Say({"{} records use this bank: to carry their progress to the questions, add "
                    "--carry",
                    "この問題ファイルを使う成績が {} 件あります。進み具合を問題に合わせて移すには "
                    "--carry を付けてください"},
                   lang, {std::to_string(records.size())}) +
               "\n";
      return 0;
    }
    Bank after;
    after.QuesFileName = bankPath;
    LessonFlags sel{};
    LoadBankText(after, sel, bank.bytes, bankPath);
    const CarryReport report =
        CarryRecords(records, static_cast<std::int32_t>(before.size()), diff, after);
    for (const Text& line : report.lines) out += line.In(lang) + "\n";
    if (records.empty())
      out += Say({"no record of this bank was found",
                  "この問題ファイルを使う成績は見つかりませんでした"},
                 lang) +
             "\n";
    return report.failed > 0 ? 1 : 0;
  } catch (const Error& e) {
    err += e.In(lang) + "\n";
    return 1;
  }
}

}  // namespace vcq
