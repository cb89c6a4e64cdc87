#include "app/CsvBankPick.h"

#include <algorithm>
#include <filesystem>

#include "app/BankImport.h"
#include "app/Program.h"
#include "app/RecordCarrying.h"
#include "app/RecordSteps.h"
#include "data/AtomicSave.h"
#include "data/BankCsv.h"
#include "data/BankDiff.h"
#include "data/FileIdentity.h"
#include "data/LineReader.h"
#include "data/RecordCarry.h"
#include "data/RecordFolder.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

namespace {

// An error box of more lines would run off the screen; --import lists all.
constexpr std::size_t kShownProblems = 15;

bool HasExtension(const fs::path& p, std::string_view lower) {
  std::string ext = p.extension().string();
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
  return ext == lower;
}

bool IsCsv(const fs::path& p) {
  return HasExtension(p, ".csv");
}

std::string ProblemsMessage(const fs::path& csv, const fs::path& dat,
                            const std::vector<std::string>& problems) {
  std::string message = "「" + csv.filename().string() + "」は問題ファイルにできません:";
  for (std::size_t i = 0; i < problems.size() && i < kShownProblems; ++i)
    message += "\n" + problems[i];
  if (problems.size() > kShownProblems)
    message += "\nほかに " + std::to_string(problems.size() - kShownProblems) +
               " 件あります。すべては「vcquick --import \"" + csv.string() + "\" \"" +
               dat.string() + "\"」で確かめられます";
  return message;
}

// The bank at `dat` was replaced: offers to carry the records on it (the
// open one in memory, the others on disk) to the questions' new places.
void OfferCarry(Program& app, const std::string& dat, const std::vector<QuestionKey>& before,
                const std::string& bytes) {
  const BankDiff diff = DiffQuestions(before, ReadQuestionKeys(bytes, dat));
  if (diff.Unchanged()) return;
  const bool openOnIt = app.rec.RecOpen == 1 && SameFile(app.bank.QuesFileName, dat);
  const std::vector<std::string> records = RecordsOfBank(dat, {});
  std::size_t count = records.size();
  if (openOnIt && !std::any_of(records.begin(), records.end(),
                               [&](const std::string& r) { return app.rec.hold.Covers(r); }))
    ++count;
  const std::string name = fs::path(dat).filename().string();
  if (count == 0) {
    app.ports.dialogs.ShowInfo("「" + name + "」を置き換えました: " + DescribeDiff(diff).ja);
    return;
  }
  if (!app.ports.dialogs.AskYesNo("「" + name + "」を置き換えました: " + DescribeDiff(diff).ja +
                                  "。\nこの問題ファイルを使う成績 " + std::to_string(count) +
                                  " 件の進み具合を、問題の新しい場所に移しますか"))
    return;
  Bank after;
  after.QuesFileName = app.bank.QuesFileName;
  if (!openOnIt) after.QuesFileName = dat;
  LessonFlags sel{};
  LoadBankText(after, sel, bytes, dat);
  const CarryReport report = CarryRecords(records, static_cast<std::int32_t>(before.size()), diff,
                                          after, openOnIt ? app.rec.hold : RecordHold());
  std::string lines;
  for (const Text& l : report.lines) lines += "\n" + l.ja;
  if (openOnIt) {
    // The open record moves in memory and is saved at once, so that what was
    // learned since it was opened goes with it.
    app.rec.Values() =
        CarryValues(app.rec.Values(), app.bank.LesCount, app.bank.LesCount2, diff, after);
    LoadBankText(app.bank, app.rec.LesSel, bytes, dat);
    app.bank.QuesFileName = after.QuesFileName;
    try {
      WriteRecord(app);
      lines += "\n「" + app.rec.RecFileName + "」: 新しい問題の順に移しました";
    } catch (const Error& e) {
      lines += "\n「" + app.rec.RecFileName + "」: 新しい問題の順に移しましたが、保存できません (" +
               e.what() + ")";
    }
  }
  app.ports.dialogs.ShowInfo("成績の進み具合を移しました:" + lines);
}

}  // namespace

std::optional<std::string> BankFileForPick(Program& app, const std::string& picked) {
  const fs::path csv(picked);
  std::string bytes;
  if (!IsCsv(csv)) {
    // A sheet saved as `.txt` or `.tsv` is known by its rows; a `.dat` is a
    // bank whatever it holds, so that the import never writes over its sheet.
    if (HasExtension(csv, ".dat")) return picked;
    try {
      bytes = ReadCsvFile(picked);
    } catch (const Error&) {
      return picked;  // the bank's loader says why it cannot be read
    }
    if (!LooksLikeBankSheet(bytes)) return picked;
  } else {
    bytes = ReadCsvFile(picked);
  }
  const std::string here = csv.parent_path().string();
  const std::string folder = NewRecordFolder(here, app.paths.learnerDir);
  const fs::path dat = fs::path(folder) / csv.filename().replace_extension(".dat");
  const ImportedBank bank = ImportBank(bytes, csv.filename().string());
  if (!bank.problems.empty()) throw IoError(ProblemsMessage(csv, dat, bank.problems));
  std::error_code ec;
  const bool replacing = fs::exists(dat, ec);
  if (replacing) {
    const bool openBank = app.rec.RecOpen == 1 && SameFile(app.bank.QuesFileName, dat.string());
    const std::string file = "「" + dat.filename().string() + "」";
    const std::string question = openBank ? file + "は開いている成績「" +
                                                fs::path(app.rec.RecFileName).filename().string() +
                                                "」の問題ファイルです。新しい問題で上書きしますか"
                                          : file + "はすでにあります。上書きしますか";
    if (!app.ports.dialogs.AskYesNo(question)) return std::nullopt;
  }
  if (folder != here)
    app.ports.dialogs.ShowInfo("「" + here + "」には書き込めないため、問題ファイルは「" +
                               dat.string() + "」に作ります。");
  // The questions being replaced, for the records on them; a bank that no
  // longer loads has nothing to carry.
  std::vector<QuestionKey> before;
  if (replacing) try {
      before = ReadQuestionKeys(ReadWholeFile(dat.string()), dat.string());
    } catch (const Error&) {
      before.clear();
    }
  WriteFileAtomically(dat.string(), bank.bytes);
  if (!before.empty()) OfferCarry(app, dat.string(), before, bank.bytes);
  return dat.string();
}

}  // namespace vcq
