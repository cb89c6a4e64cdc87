#include "bench/BenchFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>

#include "data/Cp932.h"
#include "data/RecordFile.h"

namespace vcq::bench {

namespace {

constexpr int kQuestions = 600;
constexpr int kLessons = 20;
constexpr std::size_t kLineLimit = 180;

const std::array<const char*, 24> kWords = {
    "yesterday", "afternoon", "remember",   "together",  "children",  "important",
    "different", "beautiful", "community",  "questions", "carefully", "libraries",
    "knowledge", "travelled", "mountains",  "described", "surprised", "breakfast",
    "sometimes", "everybody", "understand", "neighbour", "principal", "countries"};

// Close to 180 bytes, at most 18 words, two gaps.
std::string Sentence(int q) {
  std::string s;
  for (int w = 0; w < 18; ++w) {
    std::string word = kWords[(q * 7 + w * 5) % kWords.size()];
    if (w == 2 || w == 9) word = "@" + word;
    if (w == 0) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    const std::size_t add = word.size() + (s.empty() ? 0 : 1) + 1;  // blank and the full stop
    if (s.size() + add > kLineLimit - 2) break;
    if (!s.empty()) s += ' ';
    s += word;
  }
  return s + ".";
}

// CP932 text of `utf8` repeated up to just under 180 bytes.
std::string Filled(const std::string& utf8, int q) {
  const std::string unit = ToCp932(utf8);
  std::string s = ToCp932(std::to_string(q) + " ");
  while (s.size() + unit.size() <= kLineLimit - 2) s += unit;
  return std::string(CutBytes(s + unit, kLineLimit - 2));
}

std::string MakeBank() {
  std::string out;
  auto line = [&](const std::string& cp932) {
    out += cp932;
    out += "\r\n";
  };
  line(ToCp932("VCQuick 性能測定用の問題ファイル"));
  line(ToCp932("性能測定 2 ") + std::to_string(kQuestions));
  line(std::to_string(kLessons));
  for (int i = 0; i < kLessons; ++i) line(ToCp932("第" + std::to_string(i + 1) + "課の文型"));
  line(std::to_string(kLessons));
  for (int i = 0; i < kLessons; ++i) line(ToCp932("分類 " + std::to_string(i + 1)));
  for (int q = 0; q < kQuestions; ++q) {
    line(std::to_string(q / (kQuestions / kLessons)) + " " + std::to_string(q % kLessons));
    line(Sentence(q));
    line(Filled("昨日の午後、子どもたちは一緒に図書館へ行きました。", q));
    line(Filled("「remember」は「覚えている」。過去の出来事を思い出すときに使う。", q));
  }
  return out;
}

RecordFile MakeRecord(const std::string& bankPath) {
  RecordFile r;
  r.QuesFileName = bankPath;
  r.BankTitle = ToCp932("性能測定");
  r.PlayerName = ToCp932("太郎");
  r.DataKind = 2;
  r.DataForm = 2;
  r.QuesCount = kQuestions;
  r.LesCount = r.LesCount2 = kLessons;
  r.LesSel.fill(1);
  r.LesSel2.fill(1);
  std::mt19937 rng(600);
  for (int q = 0; q < kQuestions; ++q) {
    r.AnsCount[q] = static_cast<std::int32_t>(rng() % 1000);
    r.OkLevel[q] = static_cast<std::int32_t>(rng() % 4) - 1;
  }
  return r;
}

void WriteOrThrow(const std::string& path, const std::string& bytes) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
    throw std::runtime_error("cannot write " + path);
}

struct Owner {
  BenchFiles files;
  Owner() {
    const char* where = std::getenv("VCQ_BENCH_DIR");
    const std::filesystem::path base =
        where && *where ? std::filesystem::path(where) : std::filesystem::temp_directory_path();
    std::random_device rd;
    do files.dir = base / ("vcq-bench-" + std::to_string(rd()));
    while (!std::filesystem::create_directory(files.dir));
    files.bankPath = (files.dir / "bench.dat").string();
    files.recordPath = (files.dir / "bench.ret").string();
    files.bankBytes = MakeBank();
    files.recordBytes = FormatRecord(MakeRecord(files.bankPath));
    files.bankUtf8Path = (files.dir / "bench-utf8.dat").string();
    files.bankUtf8Bytes = ToUtf8(files.bankBytes);
    WriteOrThrow(files.bankPath, files.bankBytes);
    WriteOrThrow(files.bankUtf8Path, files.bankUtf8Bytes);
    WriteOrThrow(files.recordPath, files.recordBytes);
  }
  ~Owner() {
    std::error_code ec;
    std::filesystem::remove_all(files.dir, ec);
  }
};

}  // namespace

const BenchFiles& Files() {
  static Owner owner;
  return owner.files;
}

std::size_t ReadAndCountLines(const std::string& path) {
  std::string buffer;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + path);
  struct stat st = {};
  ::fstat(fd, &st);
  buffer.resize(static_cast<std::size_t>(st.st_size));
  const ssize_t n = ::read(fd, buffer.data(), buffer.size());
  ::close(fd);
  if (n != st.st_size) throw std::runtime_error("cannot read " + path);
  std::size_t lines = 0;
  for (const char* p = buffer.data();
       (p = static_cast<const char*>(std::memchr(p, '\n', buffer.data() + buffer.size() - p))); ++p)
    ++lines;
  return lines;
}

}  // namespace vcq::bench
