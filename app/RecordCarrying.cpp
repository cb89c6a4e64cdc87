#include "app/RecordCarrying.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "data/AtomicSave.h"
#include "data/BankSearch.h"
#include "data/FileIdentity.h"
#include "data/LineReader.h"
#include "data/RecordCarry.h"
#include "data/RecordFile.h"
#include "data/StudyRecord.h"
#include "platform/Error.h"

namespace vcq {

namespace fs = std::filesystem;

namespace {

bool HasRecordName(const fs::path& p) {
  std::string ext = p.extension().string();
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
  return ext == ".ret";
}

void AddFolder(const fs::path& folder, std::vector<std::string>& out) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (HasRecordName(it->path()) && it->is_regular_file(ec)) out.push_back(it->path().string());
}

}  // namespace

std::vector<std::string> RecordsOfBank(const std::string& bankPath,
                                       const std::vector<std::string>& places) {
  std::vector<std::string> candidates;
  AddFolder(
      fs::path(bankPath).parent_path().empty() ? fs::path(".") : fs::path(bankPath).parent_path(),
      candidates);
  for (const std::string& place : places) {
    std::error_code ec;
    if (fs::is_directory(place, ec))
      AddFolder(place, candidates);
    else
      candidates.push_back(place);
  }
  std::vector<std::string> records;
  std::set<std::string> seen;
  for (const std::string& c : candidates) {
    const std::string key = fs::weakly_canonical(c).string();
    if (!seen.insert(key).second) continue;
    try {
      const RecordFile f = ParseRecord(ReadWholeFile(c), c);
      const BankSearch found = FindBank(f.QuesFileLine, c);
      if (found.Found() && SameFile(found.path, bankPath)) records.push_back(c);
    } catch (const Error&) {
      // Not a record, or one of another bank: not this bank's.
    }
  }
  std::sort(records.begin(), records.end());
  return records;
}

CarryReport CarryRecords(const std::vector<std::string>& records, std::int32_t questionsBefore,
                         const BankDiff& diff, const Bank& after, const RecordHold& open) {
  CarryReport report;
  for (const std::string& path : records) {
    if (open.Covers(path)) continue;
    try {
      LoadedRecord r = ReadRecordOnly(path);
      if (r.file.QuesCount != questionsBefore) {
        report.lines.push_back(
            Say({"'{}': not carried, as its question count ({}) is not the old bank's",
                 "「{}」: 問題数が前の問題ファイルと違う ({} 問) ため、移しません"},
                {path, std::to_string(r.file.QuesCount)}));
        ++report.failed;
        continue;
      }
      const BankSearch found = FindBank(r.file.QuesFileLine, path);
      Record rec;
      rec.Values() = CarryValues(r.file.Values(), r.file.LesCount, r.file.LesCount2, diff, after);
      rec.BankLine = found.KeepsLine() ? r.file.QuesFileLine : std::string();
      WriteFileAtomically(path, FormatRecord(ToRecordFile(after, rec)), {}, nullptr, &r.place.hold);
      report.lines.push_back(Say(
          {"'{}': carried to the new order of the questions", "「{}」: 新しい問題の順に移しました"},
          {path}));
      ++report.carried;
    } catch (const Error& e) {
      report.lines.push_back(Say(
          {"'{}': cannot be carried ({}); left as it was", "「{}」: 移せません ({})。元のままです"},
          {path, e.text()}));
      ++report.failed;
    }
  }
  return report;
}

}  // namespace vcq
