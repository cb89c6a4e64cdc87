// Saves killed at random moments (power cut, kill -9): whatever the moment,
// the record on disk is the whole old one or the whole new one, and what a
// killed save leaves beside it is cleared by the next.
//
// VCQ_KILL_RUNS=5000 runs the killing test longer than the default 200;
// VCQ_KILL_SEED picks another sequence of delays. Both print their figures.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "data/AtomicSave.h"
#include "data/RecordFile.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;

// A full 600-question record; `stage` changes every progress line.
std::string FullRecord(int stage) {
  RecordFile r;
  r.QuesFileName = "/home/hana/big.dat";
  r.BankTitle = "Big";
  r.PlayerName = "Hana";
  r.QuesCount = 600;
  for (int q = 0; q < 600; ++q) {
    r.AnsCount[q] = (q + stage) * (stage + 1) % 1000;
    r.OkLevel[q] = (q + stage) % 4 - 1;
  }
  return FormatRecord(r);
}

// Whatever lies in `folder` besides `record`.
std::vector<std::string> TempsOf(const fs::path& folder, const std::string& record) {
  std::vector<std::string> temps;
  for (const auto& e : fs::directory_iterator(folder)) {
    const std::string name = e.path().filename();
    if (name != record) temps.push_back(name);
  }
  return temps;
}

// The start of the name a save of `path` gives its temporary file, up to
// the pid: seen from inside a save that then fails.
std::string TempNameStart(const std::string& path) {
  std::string seen;
  FileOps ops;
  ops.write = [&seen](int fd, const char*, unsigned long) -> long {
    seen = fs::read_symlink("/proc/self/fd/" + std::to_string(fd)).filename();
    errno = EIO;
    return -1;
  };
  try {
    WriteFileAtomically(path, "x", ops);
  } catch (const std::exception&) {
  }
  const std::size_t pid = seen.rfind("-" + std::to_string(::getpid()) + "-");
  return pid == std::string::npos ? seen : seen.substr(0, pid + 1);
}

long EnvOr(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

// Given a child saving two different records in turn over one path, with
// small writes so that a save takes a while, killed after a random delay
// from a microsecond to 20 milliseconds: the file should be exactly one
// of the two records every time, with at most the killed save's temporary
// file beside it; a save afterwards should leave none.
TEST(FaultKillTest, ASaveKilledAnywhereLeavesOneWholeRecord) {
  const long runs = EnvOr("VCQ_KILL_RUNS", 200);
  const auto seed = static_cast<std::uint32_t>(EnvOr("VCQ_KILL_SEED", 20240501));
  test::TempDir dir;
  const std::string path = dir / "r.ret";
  const std::string a = FullRecord(1), b = FullRecord(2);
  ASSERT_NE(a.size(), b.size());
  WriteFileAtomically(path, a);

  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> logDelay(0.0, std::log(20000.0));
  long onA = 0, onB = 0, tempsLeft = 0;
  for (long run = 0; run < runs; ++run) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const unsigned first = rng() % 2;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive a failed test
      ::close(ready[0]);
      FileOps ops;
      ops.write = [](int fd, const char* data, unsigned long size) -> long {
        return ::write(fd, data, std::min<unsigned long>(size, 256));
      };
      if (::write(ready[1], "r", 1) != 1) ::_exit(2);
      try {
        for (unsigned i = first;; ++i) WriteFileAtomically(path, i % 2 ? a : b, ops);
      } catch (...) {
        ::_exit(3);
      }
    }
    ::close(ready[1]);
    char c = 0;
    const bool saving = ::read(ready[0], &c, 1) == 1;
    ::close(ready[0]);
    const auto delay = std::chrono::microseconds(static_cast<long>(std::exp(logDelay(rng))));
    if (saving) std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(saving);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the saving child ended by itself, status " << status;

    const std::string now = test::ReadBytes(path);
    ASSERT_TRUE(now == a || now == b) << "run " << run << " (seed " << seed << ", " << delay.count()
                                      << " us): " << now.size() << " bytes";
    ++(now == a ? onA : onB);
    const std::vector<std::string> temps = TempsOf(dir.path(), "r.ret");
    ASSERT_LE(temps.size(), 1u) << "run " << run;
    tempsLeft += static_cast<long>(temps.size());
  }
  WriteFileAtomically(path, a);
  EXPECT_TRUE(TempsOf(dir.path(), "r.ret").empty());
  EXPECT_EQ(test::ReadBytes(path), a);
  std::printf(
      "%ld kills (seed %u): %ld records whole (%ld the one, %ld the other), %ld temporary files "
      "left "
      "by killed saves, all cleared\n",
      runs, seed, onA + onB, onA, onB, tempsLeft);
}

// Given temporary files beside a record, named as saves name them now and
// as earlier versions did, a save should remove those of this process and of
// processes that have ended, and nothing else: the file of a live process
// may be a save under way, and other names are not ours.
TEST(FaultKillTest, ASaveClearsWhatEndedSavesLeft) {
  test::TempDir dir;
  const std::string start = TempNameStart(dir / "r.ret");
  ASSERT_TRUE(start.starts_with(".")) << "a temporary file that shows in the dialogs: " << start;
  ASSERT_LT(start.size(), 20u);
  ASSERT_TRUE(TempsOf(dir.path(), "").empty());
  const pid_t ended = ::fork();
  ASSERT_GE(ended, 0);
  if (ended == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
  const std::string dead = std::to_string(ended), self = std::to_string(::getpid()),
                    live = std::to_string(::getppid());
  const std::string other = TempNameStart(dir / "s.ret");
  ASSERT_NE(other, start);
  const std::vector<std::string> cleared = {"r.ret.tmp" + dead + "-0", "r.ret.tmp" + self + "-7",
                                            start + dead + "-0.tmp", start + self + "-3.tmp"};
  const std::vector<std::string> kept = {"r.ret",
                                         start + live + "-2.tmp",
                                         start + dead + "-2",
                                         start + dead + ".tmp",
                                         other + dead + "-0.tmp",
                                         "r.ret.tmp" + live + "-2",
                                         "r.ret.tmp",
                                         "r.ret.tmp" + dead,
                                         "r.ret.tmp" + dead + "-",
                                         "r.ret.tmp" + dead + "-1.bak",
                                         "r.ret.tmpx-1",
                                         "r.ret.tmp-1",
                                         "s.ret.tmp" + dead + "-0",
                                         "r.ret.tmp00000000000000000000001-0"};
  for (const auto& name : cleared) test::WriteBytes(dir / name, "left");
  for (const auto& name : kept) test::WriteBytes(dir / name, "other");

  WriteFileAtomically(dir / "r.ret", "saved");
  for (const auto& name : cleared) EXPECT_FALSE(fs::exists(dir / name)) << name;
  for (const auto& name : kept) EXPECT_TRUE(fs::exists(dir / name)) << name;
  EXPECT_EQ(test::ReadBytes(dir / "r.ret"), "saved");
  // A relative path clears in the working folder.
  const fs::path was = fs::current_path();
  fs::current_path(dir.path());
  test::WriteBytes(dir / ("r.ret.tmp" + dead + "-5"), "left");
  WriteFileAtomically("r.ret", "again");
  fs::current_path(was);
  EXPECT_FALSE(fs::exists(dir / ("r.ret.tmp" + dead + "-5")));
}

}  // namespace
}  // namespace vcq
