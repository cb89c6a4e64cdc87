// Files a learner can name that are not plain files, or are far too large:
// each is refused at once, by name, before the program reads a byte of it.
// Opening a named pipe the usual way waits for ever for a writer; this test
// runs under a short timeout of its own, so such a wait fails it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/BankCheck.h"
#include "data/Limits.h"
#include "data/RecordFile.h"
#include "platform/VirtualKeys.h"
#include "tests/support/DrillBanks.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;

// A socket file at `path`, as a program serving on it leaves one.
void MakeSocket(const std::string& path) {
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(s, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof addr.sun_path);
  path.copy(addr.sun_path, path.size());
  ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
  ::close(s);
}

struct Kind {
  const char* name;  // what the message calls it
  void (*make)(const std::string& path);
};

const Kind kKinds[] = {
    {"名前付きパイプです", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
    {"フォルダです", [](const std::string& p) { fs::create_directory(p); }},
    {"ソケットです", MakeSocket},
};

std::string Refusal(const std::string& path, const char* kind) {
  return "「" + path + "」は通常のファイルではありません (" + kind + ")";
}

// Bytes this process has read through read() so far.
long long BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return -1;
}

// Given a named pipe, a folder and a socket, each named as the bank of a new
// record (F3), as the bank of the open record when its drill reads the next
// batch, as a record to open (F2), as the name of a new record, and to
// --check: each should be refused at once with a message naming the file and
// what it is, and the program should go on with what it had.
TEST(FileKind, WhatIsNoPlainFileIsRefusedWithoutWaiting) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    test::TempDir dir;
    const std::string odd = dir / "odd.dat", oddRecord = dir / "odd.ret";
    kind.make(odd);
    kind.make(oddRecord);
    test::WriteBytes(dir / "t.dat", test::TypedBank({"@a", "@b"}));
    test::DrillDriver d(dir.path().string());
    test::TestProgram& t = d.t;

    t.dialogs.files.push_back(odd);
    t.Key(vk::kF3);
    ASSERT_EQ(t.dialogs.errors.size(), 1u);
    EXPECT_EQ(t.dialogs.errors[0], Refusal(odd, kind.name));
    EXPECT_EQ(t.app.rec.RecOpen, 0);

    t.dialogs.files.push_back(oddRecord);
    t.Key(vk::kF2);
    ASSERT_EQ(t.dialogs.errors.size(), 2u);
    EXPECT_EQ(t.dialogs.errors[1], Refusal(oddRecord, kind.name));
    EXPECT_EQ(t.app.rec.RecOpen, 0);

    // A new record named like it is refused before the question to replace it.
    d.NewRecord(dir / "t.dat", "mine");
    test::TestProgram other(dir.path().string());
    other.StartUp();
    other.NewRecord(dir / "t.dat", "p", "odd");
    ASSERT_EQ(other.dialogs.errors.size(), 1u);
    EXPECT_EQ(other.dialogs.errors[0], Refusal(oddRecord, kind.name));
    EXPECT_TRUE(other.dialogs.questions.empty());
    EXPECT_EQ(other.app.rec.RecOpen, 0);

    // The open record's bank replaced by it before the batch is read.
    fs::remove(dir / "t.dat");
    fs::rename(odd, dir / "t.dat");
    d.StartDrill();
    ASSERT_EQ(t.dialogs.errors.size(), 3u);
    EXPECT_EQ(t.dialogs.errors[2], Refusal(dir / "t.dat", kind.name));
    EXPECT_EQ(t.app.rec.RecOpen, 1);

    std::string out;
    EXPECT_EQ(RunBankCheck({oddRecord}, out), 1);
    EXPECT_EQ(out, oddRecord + ": " + Refusal(oddRecord, kind.name) + "\n");
  }
}

// A bank at every limit of its format: layout 3, 600 questions, 20 lessons
// of each kind, every line as long as it is read, in UTF-8 and written in
// half-width kana, which take three bytes there for one in CP932.
std::string LargestBank() {
  const std::string kana = "\xEF\xBD\xB1";  // ｱ
  auto repeat = [](const std::string& s, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
  };
  std::string b = repeat(kana, kHeaderBytes) + "\r\n";
  b += repeat(kana, kHeaderBytes - 7) + " 13 600\r\n";
  for (int list = 0; list < 2; ++list) {
    b += std::string(kHeaderBytes - 2, ' ') + "20\r\n";
    for (int i = 0; i < kMaxLessons; ++i) b += repeat(kana, kNameBytes) + "\r\n";
  }
  for (int q = 0; q < kMaxQuestions; ++q) {
    b += "19 1 " + repeat(kana, kHeaderBytes - 5) + "\r\n";
    for (int line = 0; line < 4; ++line) b += repeat(kana, kTextBytes) + "\r\n";
  }
  return b;
}

// Given the largest bank the program can read, it should load; given a
// sparse file of 500 MB as a bank, as a record and to --check, each should
// be refused as too large with no more than a few bytes read.
TEST(FileKind, AHugeFileIsRefusedBeforeItIsRead) {
  test::TempDir dir;
  const std::string largest = LargestBank();
  ASSERT_LT(largest.size(), kMaxFileBytes);
  test::WriteBytes(dir / "largest.dat", largest);
  test::DrillDriver d(dir.path().string());
  d.NewRecord(dir / "largest.dat");
  EXPECT_EQ(d.t.app.bank.QuesCount, kMaxQuestions);
  EXPECT_EQ(d.t.app.bank.LesCount2, kMaxLessons);

  const std::string huge = dir / "huge.dat";
  {
    const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 500LL << 20), 0);
    ::close(fd);
  }
  const std::string tooLarge = "「" + huge + "」は大きすぎます (2 MiB を超えています)";
  test::TestProgram& t = d.t;
  const long long before = BytesRead();
  ASSERT_GE(before, 0);
  t.dialogs.files.push_back(huge);
  t.Key(vk::kF3);
  t.dialogs.files.push_back(huge);
  t.Key(vk::kF2);
  std::string out;
  EXPECT_EQ(RunBankCheck({huge}, out), 1);
  EXPECT_LT(BytesRead() - before, 1 << 20);
  ASSERT_EQ(t.dialogs.errors.size(), 2u);
  EXPECT_EQ(t.dialogs.errors[0], tooLarge);
  EXPECT_EQ(t.dialogs.errors[1], tooLarge);
  EXPECT_EQ(out, huge + ": " + tooLarge + "\n");
  EXPECT_EQ(t.app.bank.QuesCount, kMaxQuestions);
}

}  // namespace
}  // namespace vcq
