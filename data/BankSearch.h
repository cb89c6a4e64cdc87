// Where a record's bank is. A record names its bank in its first line: a
// path here, or the Windows path of the machine it was made on. The bank is
// looked for at that path, then along it folder by folder as Windows matches
// names (a relative Windows path, `..\banks\eigo1.dat`, from the record's
// folder; a path that climbs above the root finds nothing), then beside
// the record under the first line's file name, again as Windows matches
// names. Each folder is read at most once; a name that matches exactly wins
// over names that match only as Windows matches them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vcq {

struct Bank;
struct RecordFile;

struct BankSearch {
  enum class How {
    AtPath,     // where the first line says
    AlongPath,  // along that path, as Windows matches names
    Relative,   // along a relative Windows path from the record's folder
    Beside,     // beside the record, by the first line's file name
    Missing,    // nowhere
    Ambiguous,  // several files match and none exactly
  };
  How how = How::Missing;
  std::string path;                   // the bank, when found
  std::vector<std::string> matching;  // Ambiguous: the files that match
  std::string unreadable;             // a folder that could not be read, and why

  bool Found() const { return how != How::Missing && how != How::Ambiguous; }
  // The first line still finds the bank where it was made: it is saved as it is.
  bool KeepsLine() const {
    return how == How::AtPath || how == How::Relative || how == How::Beside;
  }
};

// `firstLine` is the record's first line (CP932), `recordPath` the record.
BankSearch FindBank(std::string_view firstLine, const std::string& recordPath);

// "成績「…」の問題ファイル「…」が見つかりません" with what the search met.
std::string MissingBankMessage(const BankSearch& s, std::string_view firstLine,
                               const std::string& recordPath);

// "成績「…」は問題ファイル「…」が 種類 k・n 問だったときのものですが、今は …です":
// the bank found is not of the kind or size the record was saved with. F2
// asks on from here; the class view shows it as the record's row.
std::string ChangedBankMessage(const std::string& recordPath, const Bank& now,
                               const RecordFile& saved);

}  // namespace vcq
