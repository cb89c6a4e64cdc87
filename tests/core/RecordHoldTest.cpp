// One program per record, with two real programs: this test's and a second
// one, record_holder, in its own process. The second to open a record is
// refused and changes nothing; the first saves as usual; once the first has
// ended, however it ended, the record opens again.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "data/AtomicSave.h"
#include "data/Cp932.h"
#include "data/RecordFile.h"
#include "platform/VirtualKeys.h"
#include "tests/support/TestProgram.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;

const std::string kBank1 = test::Lines({"", "Bank1 1 3", "2", "L0", "L1", "0", "a @b", "p", "n",
                                        "1", "c @d", "p", "n", "1", "e @f", "p", "n"});
const std::string kBank0 = test::Lines({"", "Bank0 0 2", "a @b", "p", "c @d", "q"});

// record_holder on `record`, talked to through pipes.
class Holder {
 public:
  explicit Holder(const std::string& record) {
    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(in[0], 0);
      ::dup2(out[1], 1);
      ::execl(VCQ_RECORD_HOLDER, "record_holder", record.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    to_ = in[1];
    from_ = out[0];
  }
  ~Holder() {
    if (pid_ > 0) Kill();
    ::close(to_);
    ::close(from_);
  }
  Holder(const Holder&) = delete;
  Holder& operator=(const Holder&) = delete;

  // The next line it prints, or what went wrong.
  std::string Line() {
    std::string line;
    for (char c; line.size() < 4096;) {
      pollfd p{from_, POLLIN, 0};
      if (::poll(&p, 1, 10'000) != 1) return line + "(no answer)";
      if (::read(from_, &c, 1) != 1) return line + "(it ended)";
      if (c == '\n') return line;
      line += c;
    }
    return line;
  }
  std::string Ask(const std::string& command) {
    const std::string text = command + "\n";
    if (::write(to_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
      return "(cannot write)";
    return Line();
  }
  // Waits for it to end; its exit status.
  int Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  void Kill() {
    ::kill(pid_, SIGKILL);
    Wait();
  }

 private:
  pid_t pid_ = -1;
  int to_ = -1, from_ = -1;
};

struct OneProgramPerRecord : ::testing::Test {
  OneProgramPerRecord() {
    test::WriteBytes(dir / "b1.dat", kBank1);
    test::WriteBytes(dir / "b0.dat", kBank0);
    Make("b1.dat", "mine");
    Make("b0.dat", "other");
    t.StartUp();
  }
  // A saved record `name`.ret on `bank`, made by a program that has ended.
  void Make(const std::string& bank, const std::string& name) {
    test::TestProgram maker(dir.path().string());
    maker.StartUp();
    maker.NewRecord(dir / bank, "p", name);
    maker.Key(vk::kF1);
    ASSERT_TRUE(maker.app.frmMain.Closed);
  }
  void Open(const std::string& name) {
    t.dialogs.files.push_back(dir / name);
    t.Key(vk::kF2);
  }
  RecordFile OnDisk(const std::string& name) {
    return ParseRecord(test::ReadBytes(dir / name), name);
  }

  test::TempDir dir;
  test::TestProgram t{dir.path().string()};
};

// Given a record open in another program, F2 and F3 on it should be refused
// by name, leaving this program's record, bank and window as they were; the
// other program's save should land, and once it has ended the record opens
// with that progress, and the record left is free for others.
TEST_F(OneProgramPerRecord, TheSecondProgramIsRefusedUntilTheFirstEnds) {
  Holder first(dir / "mine.ret");
  ASSERT_EQ(first.Line(), "open");
  Open("other.ret");
  ASSERT_TRUE(t.dialogs.errors.empty()) << t.dialogs.errors[0];
  t.app.rec.OkLevel[1] = 2;
  const std::string recordName = t.app.rec.RecFileName;
  const QuestionTable progress = t.app.rec.OkLevel;
  const TfrmMain& m = t.app.frmMain;
  const std::string title = m.lblTitle.Caption, player = m.lblPlayer.Caption;
  const std::size_t cells = m.map.drawn.size();

  const std::string refused = "「" + dir / "mine.ret" + "」は別の VCQuick で開かれています";
  Open("mine.ret");
  t.NewRecord(dir / "b1.dat", "p", "mine");
  ASSERT_EQ(t.dialogs.errors.size(), 2u);
  EXPECT_EQ(t.dialogs.errors[0], refused);
  EXPECT_EQ(t.dialogs.errors[1], refused);
  EXPECT_TRUE(t.dialogs.questions.empty()) << t.dialogs.questions[0];
  EXPECT_EQ(t.app.rec.RecFileName, recordName);
  EXPECT_EQ(t.app.rec.OkLevel, progress);
  EXPECT_EQ(t.app.bank.BankTitle, "Bank0");
  EXPECT_EQ(t.app.bank.QuesCount, 2);
  EXPECT_EQ(m.lblTitle.Caption, title);
  EXPECT_EQ(m.lblPlayer.Caption, player);
  EXPECT_FALSE(m.pnlSel.Visible);
  EXPECT_EQ(m.map.drawn.size(), cells);

  EXPECT_EQ(first.Ask("learn"), "learnt");
  EXPECT_EQ(first.Ask("quit"), "closed");
  EXPECT_EQ(first.Wait(), 0);
  EXPECT_EQ(OnDisk("mine.ret").OkLevel[0], 2);
  EXPECT_EQ(OnDisk("mine.ret").AnsCount[0], 5);

  Open("mine.ret");
  EXPECT_EQ(t.dialogs.errors.size(), 2u);
  EXPECT_EQ(t.app.rec.RecFileName, dir / "mine.ret");
  EXPECT_EQ(t.app.rec.OkLevel[0], 2);
  EXPECT_EQ(OnDisk("other.ret").OkLevel[1], 2);  // this program's own save, on leaving it
  // Leaving a record lets go of it.
  Holder next(dir / "other.ret");
  EXPECT_EQ(next.Line(), "open");
}

// Given a program holding the record killed with SIGKILL, the record should
// open at once, without an error or a question.
TEST_F(OneProgramPerRecord, AKilledProgramLetsGoWithoutAWord) {
  Holder first(dir / "mine.ret");
  ASSERT_EQ(first.Line(), "open");
  first.Kill();
  Open("mine.ret");
  EXPECT_TRUE(t.dialogs.errors.empty()) << t.dialogs.errors[0];
  EXPECT_TRUE(t.dialogs.questions.empty());
  EXPECT_EQ(t.app.rec.RecFileName, dir / "mine.ret");
  // And the holder of the moment is this program.
  Holder second(dir / "mine.ret");
  EXPECT_EQ(second.Line(), "refused: 「" + dir / "mine.ret" + "」は別の VCQuick で開かれています");
}

// Given a record beside which no lock file can be made (here a folder in
// its place; a full disk or a read-only folder does the same), a second
// program should still be refused, also after the first has saved, which
// puts a new file in the record's place; once the first has ended, the
// record should open.
TEST_F(OneProgramPerRecord, ARecordIsHeldWhereNoLockFileCanBeMade) {
  fs::create_directory(dir / ".mine.ret.lock");
  Holder first(dir / "mine.ret");
  ASSERT_EQ(first.Line(), "open");
  const std::string refused = "「" + dir / "mine.ret" + "」は別の VCQuick で開かれています";
  Open("mine.ret");
  ASSERT_EQ(t.dialogs.errors.size(), 1u);
  EXPECT_EQ(t.dialogs.errors[0], refused);

  struct stat before, after;
  ASSERT_EQ(::stat((dir / "mine.ret").c_str(), &before), 0);
  EXPECT_EQ(first.Ask("learn"), "learnt");
  EXPECT_EQ(first.Ask("save"), "saved");
  ASSERT_EQ(::stat((dir / "mine.ret").c_str(), &after), 0);
  EXPECT_NE(before.st_ino, after.st_ino) << "the save did not replace the file";
  EXPECT_EQ(OnDisk("mine.ret").OkLevel[0], 2);
  Open("mine.ret");
  ASSERT_EQ(t.dialogs.errors.size(), 2u);
  EXPECT_EQ(t.dialogs.errors[1], refused);
  EXPECT_EQ(t.app.rec.RecOpen, 0);

  EXPECT_EQ(first.Ask("quit"), "closed");
  EXPECT_EQ(first.Wait(), 0);
  Open("mine.ret");
  EXPECT_EQ(t.dialogs.errors.size(), 2u);
  EXPECT_EQ(t.app.rec.RecFileName, dir / "mine.ret");
  EXPECT_EQ(t.app.rec.OkLevel[0], 2);
}

// Given the open record replaced on disk by someone else, a save should ask
// before replacing it: No keeps their file and asks whether to go on without
// saving; Yes replaces it. Opening one's own record again is no conflict.
TEST_F(OneProgramPerRecord, AFileChangedElsewhereIsReplacedOnlyWhenTheLearnerSaysSo) {
  Open("mine.ret");
  t.app.rec.OkLevel[2] = 2;
  const std::string theirs = test::ReadBytes(dir / "other.ret");
  WriteFileAtomically(dir / "mine.ret", theirs);
  const std::string changed = "「" + dir / "mine.ret" + "」は他で変更されています。上書きしますか";

  t.dialogs.yesNo = {false, false};
  t.Key(vk::kF2);
  ASSERT_EQ(t.dialogs.questions.size(), 2u);
  EXPECT_EQ(t.dialogs.questions[0], changed);
  EXPECT_EQ(t.dialogs.questions[1], "「" + dir / "mine.ret" +
                                        "」を保存できません (他で変更されています)。"
                                        "保存せずに続けますか");
  EXPECT_EQ(test::ReadBytes(dir / "mine.ret"), theirs);
  EXPECT_EQ(t.app.rec.OkLevel[2], 2);

  t.dialogs.yesNo = {true};
  Open("mine.ret");
  ASSERT_EQ(t.dialogs.questions.size(), 3u);
  EXPECT_EQ(t.dialogs.questions[2], changed);
  EXPECT_TRUE(t.dialogs.errors.empty()) << t.dialogs.errors[0];
  EXPECT_EQ(OnDisk("mine.ret").OkLevel[2], 2);
  EXPECT_EQ(t.app.rec.OkLevel[2], 2);
  t.Key(vk::kF1);
  EXPECT_TRUE(t.app.frmMain.Closed);
  EXPECT_EQ(t.dialogs.questions.size(), 3u);
}

}  // namespace
}  // namespace vcq
