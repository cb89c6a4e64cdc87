#include "data/BankSearch.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

#include "data/Cp932.h"
#include "data/RecordFile.h"
#include "data/WindowsNames.h"
#include "platform/Said.h"

namespace vcq {

namespace fs = std::filesystem;

namespace {

struct Entry {
  std::string name;
  std::string key;
  bool folder = false;
  bool file = false;
};

// Folders listed once each, for the whole search.
class Listings {
 public:
  explicit Listings(std::string& unreadable) : unreadable_(unreadable) {}

  const std::vector<Entry>& Of(const fs::path& folder) {
    auto [it, fresh] = listed_.try_emplace(folder.string());
    if (!fresh) return it->second;
    std::error_code ec;
    fs::directory_iterator dir(folder, ec);
    for (fs::directory_iterator end; !ec && dir != end; dir.increment(ec)) {
      Entry e;
      e.name = dir->path().filename().string();
      e.key = WindowsKeyOfName(e.name);  // empty for a name with no CP932 form: never matches
      std::error_code ignored;
      const fs::file_status st = fs::status(dir->path(), ignored);  // through links
      e.folder = fs::is_directory(st);
      e.file = fs::is_regular_file(st);
      it->second.push_back(std::move(e));
    }
    if (ec && unreadable_.empty())
      unreadable_ = "フォルダ「" + DisplayPath(folder.string()) +
                    "」を読めません: " + SystemMessage(ec.value(), Lang::Ja);
    return it->second;
  }

 private:
  std::map<std::string, std::vector<Entry>> listed_;
  std::string& unreadable_;
};

struct Match {
  std::string path;
  std::vector<std::string> several;
};

bool IsKind(const fs::path& p, bool folder) {
  std::error_code ec;
  return folder ? fs::is_directory(p, ec) : fs::is_regular_file(p, ec);
}

// The entry of `folder` named `part` (CP932, from the first line): the exact
// name first, as UTF-8 or as the bytes themselves, then as Windows matches.
Match Lookup(Listings& listings, const fs::path& folder, std::string_view part, bool wantFolder) {
  for (const std::string& exact : {ToUtf8(part), std::string(part)})
    if (IsKind(folder / exact, wantFolder)) return {(folder / exact).string(), {}};
  const std::string key = WindowsKey(part);
  if (key.empty()) return {};
  Match m;
  for (const Entry& e : listings.Of(folder))
    if (e.key == key && (wantFolder ? e.folder : e.file)) m.several.push_back(e.name);
  if (m.several.size() == 1) {
    m.path = (folder / m.several[0]).string();
    m.several.clear();
  }
  return m;
}

bool IsWindowsPath(std::string_view line) {
  const bool drive = line.size() >= 2 && line[1] == ':' &&
                     ((line[0] >= 'A' && line[0] <= 'Z') || (line[0] >= 'a' && line[0] <= 'z'));
  return drive || line.starts_with("\\\\");
}

// The file name of the first line: after its last '/' or '\'. In CP932 a
// trail byte can be '\' (表, 能), so the line is walked by characters.
std::string_view FileNameOf(std::string_view line) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size(); i += CharLen(line, i))
    if (line[i] == '/' || line[i] == '\\') start = i + 1;
  return line.substr(start);
}

// The folder above `at`; nothing above the root, where a path that climbs
// further stops.
std::optional<fs::path> Up(const fs::path& at) {
  fs::path p = fs::absolute(at).lexically_normal();
  if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
  if (p == p.root_path()) return std::nullopt;
  return p.parent_path();
}

// The parts of a path, split at '/' (and at '\' in a Windows path) by
// characters: in CP932 a trail byte can be '\'.
std::vector<std::string_view> PartsOf(std::string_view line, bool windows) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); i += i < line.size() ? CharLen(line, i) : 1) {
    if (i < line.size() && line[i] != '/' && !(windows && line[i] == '\\')) continue;
    if (i > start) parts.push_back(line.substr(start, i - start));
    start = i + 1;
  }
  return parts;
}

// Along the parts of a path from `at`, each found as Windows finds it.
Match Walk(Listings& listings, const std::vector<std::string_view>& parts, fs::path at) {
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const bool last = i + 1 == parts.size();
    if (!last && parts[i] == ".") continue;
    if (!last && parts[i] == "..") {
      const std::optional<fs::path> up = Up(at);
      if (!up) return {};
      at = *up;
      continue;
    }
    Match m = Lookup(listings, at, parts[i], !last);
    if (m.path.empty()) return last ? m : Match{};
    at = m.path;
  }
  return {at.string(), {}};
}

// `..\banks\eigo1.dat`, `.\eigo1.dat`, `banks\eigo1.dat`: a path from the
// record's folder as Windows writes it.
bool IsRelativeWindowsPath(std::string_view line) {
  if (line.empty() || line[0] == '\\' || line[0] == '/' || IsWindowsPath(line)) return false;
  for (std::size_t i = 0; i < line.size(); i += CharLen(line, i))
    if (line[i] == '\\') return true;
  return false;
}

std::string Listed(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += "「" + DisplayPath(n) + "」";
  return out;
}

}  // namespace

BankSearch FindBank(std::string_view firstLine, const std::string& recordPath) {
  BankSearch s;
  const fs::path folder =
      fs::path(recordPath).has_parent_path() ? fs::path(recordPath).parent_path() : fs::path(".");
  Listings listings(s.unreadable);
  std::vector<std::string> unsure;
  if (IsRelativeWindowsPath(firstLine)) {
    Match m = Walk(listings, PartsOf(firstLine, true), folder);
    if (!m.path.empty()) {
      s.how = BankSearch::How::Relative;
      s.path = m.path;
      return s;
    }
    unsure = std::move(m.several);
  } else if (!firstLine.empty() && !IsWindowsPath(firstLine)) {
    fs::path p(ToUtf8(firstLine));
    if (p.is_relative()) p = folder / p;
    if (IsKind(p, false)) {
      s.how = BankSearch::How::AtPath;
      s.path = p.string();
      return s;
    }
    Match m = Walk(listings, PartsOf(firstLine, false),
                   firstLine.starts_with('/') ? fs::path("/") : folder);
    if (!m.path.empty()) {
      s.how = BankSearch::How::AlongPath;
      s.path = m.path;
      return s;
    }
    unsure = std::move(m.several);
  }
  const std::string_view name = FileNameOf(firstLine);
  Match m = name.empty() ? Match{} : Lookup(listings, folder, name, false);
  if (!m.path.empty()) {
    s.how = BankSearch::How::Beside;
    s.path = m.path;
    return s;
  }
  if (!m.several.empty()) unsure = std::move(m.several);
  s.how = unsure.empty() ? BankSearch::How::Missing : BankSearch::How::Ambiguous;
  s.matching = std::move(unsure);
  return s;
}

std::string MissingBankMessage(const BankSearch& s, std::string_view firstLine,
                               const std::string& recordPath) {
  const std::string name = ToUtf8(FileNameOf(firstLine));
  std::string m =
      "成績「" + DisplayPath(recordPath) + "」の問題ファイル「" + ToUtf8(firstLine) + "」";
  if (s.how == BankSearch::How::Ambiguous)
    m += "にあたるファイルが " + Listed(s.matching) + " と複数あり、どれか決められません";
  else
    m += "が見つかりません (成績と同じフォルダにも「" + name + "」はありません)";
  if (!s.unreadable.empty()) m += " (" + s.unreadable + ")";
  return m;
}

namespace {

std::string Shape(std::int32_t kind, std::int32_t count) {
  return "種類 " + std::to_string(kind) + "・" + std::to_string(count) + " 問";
}

}  // namespace

std::string ChangedBankMessage(const std::string& recordPath, const Bank& now,
                               const RecordFile& saved) {
  return "成績「" + DisplayPath(std::filesystem::path(recordPath).filename().string()) +
         "」は問題ファイル「" + DisplayPath(now.QuesFileName) + "」が " +
         Shape(saved.DataKind, saved.QuesCount) + "だったときのものですが、今は " +
         Shape(now.DataKind, now.QuesCount) + "です";
}

}  // namespace vcq
