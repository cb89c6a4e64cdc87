#include "data/RecordFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include "data/Cp932.h"
#include "data/LineReader.h"
#include "data/PlainFile.h"
#include "data/TextUtil.h"
#include "data/WindowsNames.h"
#include "platform/Error.h"

namespace vcq {

namespace {

constexpr std::size_t kWholeLine = 4096;  // a path or a name: the whole line
constexpr std::size_t kNumberLine = 80;
constexpr std::size_t kWrittenLine = 120;
constexpr std::size_t kWrittenNumber = 20;

// Views into `line`.
FieldViews SplitNumbers(const LineReader& in, std::string_view line) {
  try {
    return SplitCommaViews(line);
  } catch (const RangeError& e) {
    throw RangeError(in.Here() + e.what());
  }
}

std::int32_t ReadCount(LineReader& in, int max, const char* what) {
  std::int32_t n = ParseInt(in.Next(kNumberLine), in.Here(), what);
  if (n < 0 || n > max)
    throw RangeError(in.Here() + what + "は 0 から " + std::to_string(max) + " までですが " +
                     std::to_string(n) + " でした");
  return n;
}

void ReadFlags(LineReader& in, std::int32_t count, LessonFlags& flags, const char* what) {
  for (std::int32_t i = 0; i < count; ++i) {
    const std::string_view line = in.NextView(kNumberLine);
    const std::optional<std::int32_t> value = TryParseInt(line);
    flags[i] = value ? *value : ParseInt(line, in.Here(), what);
  }
}

// A number on the line of question `i`; the message naming the place is only
// made for a field that is not a number.
std::int32_t QuestionNumber(std::string_view field, const LineReader& in, std::int32_t i,
                            const char* what) {
  if (std::optional<std::int32_t> value = TryParseInt(field)) return *value;
  return ParseInt(field, in.Here() + "問題 " + std::to_string(i) + " の", what);
}

std::string Cut(std::string s, std::size_t limit) {
  return std::string(CutBytes(s, limit));
}

bool AllDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// A save killed part-way leaves its "<name>.tmp<pid>-<n>" beside the record.
// Removes those of this process and of processes that have ended; one of
// another live process may be a save under way and stays. Best effort.
void RemoveLeftoverTemps(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  const std::string prefix = target.filename().string() + ".tmp";
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const std::string_view rest = std::string_view(name).substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || dash > 9 || !AllDigits(rest.substr(0, dash)) ||
        !AllDigits(rest.substr(dash + 1)))
      continue;
    const pid_t pid = static_cast<pid_t>(std::stol(std::string(rest.substr(0, dash))));
    if (pid != ::getpid() && (pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH)) continue;
    std::error_code ignored;
    fs::remove(it->path(), ignored);
  }
}

}  // namespace

RecordFile ParseRecord(std::string_view bytes, const std::string& fileName) {
  RecordFile r;
  LineReader in(bytes, fileName);
  r.QuesFileLine = in.Next(kWholeLine);
  r.QuesFileName = ToUtf8(r.QuesFileLine);
  r.BankTitle = in.Next(kTitleBytes);
  r.PlayerName = in.Next(kWholeLine);
  FieldViews head = SplitNumbers(in, in.NextView(kNumberLine));
  if (in.PastEnd()) throw IoError(in.Here() + "成績ファイルが途中で終わっています");
  const std::string at = in.Here();
  r.DataKind = ParseInt(head.Words[0], at, "種類");
  r.QuesCount = ParseInt(head.Words[1], at, "問題数");
  r.FreeMode = ParseInt(head.Words[2], at, "自由練習");
  r.FlashTime = ParseInt(head.Words[3], at, "フラッシュ時間");
  r.OrderMode = ParseInt(head.Words[4], at, "出題順");
  r.OneLetter = ParseInt(head.Words[5], at, "一字表示");
  r.DataForm = r.DataKind % 10;
  if (r.QuesCount < 0 || r.QuesCount > kMaxQuestions)
    throw RangeError(at + "問題数は 0 から " + std::to_string(kMaxQuestions) + " までですが " +
                     std::to_string(r.QuesCount) + " でした");
  if (HasLessons(r.DataForm)) {
    r.LesCount = ReadCount(in, kMaxLessons, "分野の数");
    ReadFlags(in, r.LesCount, r.LesSel, "分野の選択");
  }
  if (HasSecondClass(r.DataForm)) {
    r.LesCount2 = ReadCount(in, kMaxLessons, "第二分類の数");
    ReadFlags(in, r.LesCount2, r.LesSel2, "第二分類の選択");
  }
  for (std::int32_t i = 0; i < r.QuesCount; ++i) {
    const std::string_view line = in.NextView(kNumberLine);
    if (auto pair = PlainPair(line, ',')) {
      r.AnsCount[i] = pair->first;
      r.OkLevel[i] = pair->second;
      continue;
    }
    FieldViews f = SplitNumbers(in, line);
    r.AnsCount[i] = QuestionNumber(f.Words[0], in, i, "解答回数");
    r.OkLevel[i] = QuestionNumber(f.Words[1], in, i, "習得段階");
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
  r.QuesFileName = bank.QuesFileName;
  r.QuesFileLine = rec.BankLine;
  r.BankTitle = bank.BankTitle;
  r.DataKind = bank.DataKind;
  r.DataForm = bank.DataForm;
  r.QuesCount = bank.QuesCount;
  r.LesCount = bank.LesCount;
  r.LesCount2 = bank.LesCount2;
  return r;
}

FileOps::FileOps()
    : write([](int fd, const char* data, unsigned long size) {
        return static_cast<long>(::write(fd, data, size));
      }),
      fsync(::fsync),
      rename(::rename),
      fsyncFolder(::fsync) {}

void WriteFileAtomically(const std::string& path, std::string_view bytes, const FileOps& ops,
                         FileStamp* written, const RecordHold* hold) {
  static std::atomic<unsigned> serial{0};
  auto fail = [&](const std::string& what) {
    throw IoError("「" + path + "」を保存できません (" + what + "): " + std::strerror(errno));
  };
  // Through a link, the file it leads to is replaced, from a temporary file
  // beside that file: a rename only replaces within one folder.
  const std::string target = ResolveLinks(path);
  RequirePlainOrAbsent(target);
  RemoveLeftoverTemps(target);
  const std::string temp =
      target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
  struct stat old;
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  // Private until its permissions are set; a new record gets 0666 less the umask.
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666);
  if (fd < 0) fail("作成");
  auto abandon = [&](const std::string& what) {
    int saved = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    errno = saved;
    fail(what);
  };
  if (replacing) {
    // Owner first: changing it may clear the set-id bits the mode then restores.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      [[maybe_unused]] int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) abandon("権限の設定");
  }
  for (std::size_t done = 0; done < bytes.size();) {
    long n = ops.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      abandon("書き込み");
    }
    done += static_cast<std::size_t>(n);
  }
  if (ops.fsync(fd) != 0) abandon("書き込み");
  const FileStamp stamp = StampOfOpen(fd);
  // Held before it is the record, so that no other program can take it.
  RecordHold::Successor next = hold ? hold->LockSuccessor(fd) : RecordHold::Successor{};
  if (::close(fd) != 0) {
    int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    fail("書き込み");
  }
  if (ops.rename(temp.c_str(), target.c_str()) != 0) {
    int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    fail("置き換え");
  }
  if (hold) hold->Follow(std::move(next));
  if (written) {
    // The rename moved the file's change time: the stamp to compare with at
    // the next save is the one after it, of the file this save wrote.
    const FileStamp renamed = StampOf(target);
    const bool same = renamed.device == stamp.device && renamed.inode == stamp.inode;
    *written = same ? renamed : stamp;
  }
  // Until the folder is on disk, a power cut may bring back the old name.
  const std::string folder = std::filesystem::path(target).parent_path().string();
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) fail("フォルダの同期");
  const int synced = ops.fsyncFolder(dir);
  const int saved = errno;
  ::close(dir);
  errno = saved;
  if (synced != 0) fail("フォルダの同期");
}

}  // namespace vcq
