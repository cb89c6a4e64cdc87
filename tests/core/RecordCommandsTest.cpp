#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <filesystem>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/Child.h"
#include "tests/support/TestProgram.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;
using test::PlayedCue;

const std::string kBank1 = test::Lines({"", "Bank1 1 3", "2", "L0", "L1", "0", "a @b", "p", "n",
                                        "1", "c @d", "p", "n", "1", "e @f", "p", "n"});
const std::string kBank0 = test::Lines({"", "Bank0 0 2", "a @b", "p", "c @d", "q"});

struct RecordScenario : ::testing::Test {
  RecordScenario() : t(dir.path().string()) {
    test::WriteBytes(dir / "b1.dat", kBank1);
    test::WriteBytes(dir / "b0.dat", kBank0);
    t.StartUp();
  }
  // The learner types `utf8` into the player window and presses Enter.
  void Answer(const std::string& utf8) { t.Answer(utf8); }
  void CancelInput() {
    t.dialogs.inputs.push_back([this] { t.app.frmInput.FormKeyDown(vk::kEscape); });
  }
  void Create(const std::string& bank, const std::string& player, const std::string& name) {
    t.dialogs.files.push_back(dir / bank);
    Answer(player);
    Answer(name);
    t.Key(vk::kF3);
  }

  test::TempDir dir;
  test::TestProgram t;
};

TEST_F(RecordScenario, NewRecordIsWrittenWhenTheProgramEnds) {
  t.sound.played.clear();
  Create("b1.dat", "太郎", "taro");
  const TfrmMain& m = t.app.frmMain;
  EXPECT_EQ(t.app.rec.RecOpen, 1);
  EXPECT_FALSE(fs::exists(dir / "taro.ret"));  // not written until a save
  EXPECT_TRUE(m.pnlGo.Visible && m.pnlOption.Visible && m.pnlSheet.Visible && m.pnlSel.Visible);
  EXPECT_TRUE(m.lblTitle.Visible);
  EXPECT_EQ(m.lblPlayer.Caption, Sj("太郎"));
  EXPECT_EQ(t.app.frmInput.form.Caption, "VocaraforWindows");
  EXPECT_EQ(t.app.frmInput.Label1.Caption, Sj("成績に名前を付けてください。"));

  t.Key(vk::kF1);
  EXPECT_TRUE(m.Closed);
  EXPECT_EQ(test::ReadBytes(dir / "taro.ret"),
            ToCp932(dir / "b1.dat") + "\r\nBank1\r\n" + Sj("太郎") +
                "\r\n1,3,0,0,0,0\r\n2\r\n1\r\n1\r\n0,-1\r\n0,-1\r\n0,-1\r\n");
  EXPECT_EQ(t.sound.played, (std::vector<PlayedCue>{{"button.wav", CueMode::Async},
                                                    {"button.wav", CueMode::Async}}));
  EXPECT_TRUE(t.dialogs.errors.empty());
}

TEST_F(RecordScenario, LayoutZeroHidesTheRangeCommandAndALaterBankShowsIt) {
  Create("b0.dat", "a", "zero");
  EXPECT_FALSE(t.app.frmMain.pnlSel.Visible);
  Create("b1.dat", "b", "one");
  EXPECT_TRUE(t.app.frmMain.pnlSel.Visible);
  // F3 saved the first record before its dialog.
  EXPECT_EQ(test::ReadBytes(dir / "zero.ret").substr(test::ReadBytes(dir / "zero.ret").find("0,2")),
            "0,2,0,0,0,0\r\n0,-1\r\n0,-1\r\n");
}

TEST_F(RecordScenario, OpeningWritesTheOpenRecordFirstEvenWhenCancelled) {
  Create("b1.dat", "a", "first");
  t.app.rec.OkLevel[1] = 2;
  t.app.rec.AnsCount[1] = 4;
  t.Key(vk::kF2);  // cancelled
  EXPECT_EQ(t.dialogs.fileDialogs.back().title, "成績を選んでください。");
  EXPECT_EQ(t.dialogs.fileDialogs.back().filter, "成績 |*.ret");
  EXPECT_NE(test::ReadBytes(dir / "first.ret").find("\r\n4,2\r\n"), std::string::npos);
  EXPECT_EQ(t.app.rec.RecOpen, 1);

  Create("b0.dat", "b", "second");
  t.dialogs.files.push_back(dir / "first.ret");
  t.Key(vk::kF2);
  EXPECT_TRUE(fs::exists(dir / "second.ret"));
  EXPECT_EQ(t.app.rec.RecFileName, dir / "first.ret");
  EXPECT_EQ(t.app.bank.BankTitle, "Bank1");
  EXPECT_EQ(t.app.rec.OkLevel[1], 2);
  EXPECT_EQ(t.app.rec.LesSel[1], 1);
}

// Given F3 abandoned at either prompt while a record is open, the open record
// should keep its bank, its player and its progress.
TEST_F(RecordScenario, AbandonedNewRecordLeavesTheOpenOneAlone) {
  Create("b1.dat", "花子", "hanako");
  t.app.rec.OkLevel[2] = 1;
  t.dialogs.files.push_back(dir / "b0.dat");
  Answer("次郎");
  CancelInput();
  t.Key(vk::kF3);
  EXPECT_EQ(t.app.frmMain.NewCancel, 1);
  EXPECT_EQ(t.app.bank.BankTitle, "Bank1");
  EXPECT_EQ(t.app.bank.QuesCount, 3);
  EXPECT_EQ(t.app.rec.PlayerName, Sj("花子"));
  EXPECT_EQ(t.app.rec.OkLevel[2], 1);

  // The first prompt cancelled, the bank dialog cancelled: the same.
  CancelInput();
  t.Key(vk::kF3);
  EXPECT_EQ(t.app.bank.BankTitle, "Bank1");
  t.Key(vk::kF1);
  EXPECT_NE(test::ReadBytes(dir / "hanako.ret").find(Sj("花子") + "\r\n1,3,"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "jiro.ret"));
}

TEST_F(RecordScenario, ACancelledBankDialogUsesTheBankChosenLast) {
  t.dialogs.files.push_back(dir / "b0.dat");
  CancelInput();
  t.Key(vk::kF3);
  EXPECT_EQ(t.app.rec.RecOpen, 0);
  Answer("x");
  Answer("later");
  t.Key(vk::kF3);  // no file scripted: the dialog is cancelled
  EXPECT_EQ(t.app.rec.RecOpen, 1);
  EXPECT_EQ(t.app.bank.BankTitle, "Bank0");
  // No bank chosen yet in this run: a cancelled dialog ends the command.
  test::TestProgram fresh(dir.path().string());
  fresh.Key(vk::kF3);
  EXPECT_EQ(fresh.app.rec.RecOpen, 0);
  EXPECT_TRUE(fresh.dialogs.inputs.empty());
}

TEST_F(RecordScenario, RecordNamesArePlainFileNames) {
  for (const char* bad : {"../x", "a/b", ".", ".."}) {
    Create("b1.dat", "p", bad);
    EXPECT_EQ(t.app.rec.RecOpen, 0) << bad;
  }
  EXPECT_EQ(t.dialogs.errors.size(), 4u);
  EXPECT_NE(t.dialogs.errors[0].find("「/」"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
}

TEST_F(RecordScenario, AnExistingRecordIsReplacedOnlyWhenTheLearnerSaysSo) {
  test::WriteBytes(dir / "mine.ret", "someone's progress");
  t.dialogs.yesNo.push_back(false);
  Create("b1.dat", "p", "mine");
  EXPECT_EQ(t.app.rec.RecOpen, 0);
  EXPECT_EQ(t.dialogs.questions.at(0), "「mine.ret」はすでにあります。上書きしますか");
  EXPECT_EQ(test::ReadBytes(dir / "mine.ret"), "someone's progress");
  t.dialogs.yesNo.push_back(true);
  Create("b1.dat", "p", "mine");
  EXPECT_EQ(t.app.rec.RecOpen, 1);
  t.Key(vk::kF1);
  EXPECT_NE(test::ReadBytes(dir / "mine.ret"), "someone's progress");
}

TEST_F(RecordScenario, AFailedReadLeavesTheOpenRecordAsItWas) {
  Create("b1.dat", "p", "good");
  t.app.rec.OkLevel[0] = 2;
  const auto before = t.app.rec.OkLevel;
  const std::string head = ToCp932(dir / "b1.dat") + "\r\nT\r\np\r\n";
  test::WriteBytes(dir / "short.ret", head + "1,3,0,0,0,0\r\n2\r\n1\r\n1\r\n0,-1\r\n");
  test::WriteBytes(dir / "huge.ret", head + "1,601,0,0,0,0\r\n");
  test::WriteBytes(dir / "text.ret", head + "1,3,0,zero,0,0\r\n");
  test::WriteBytes(dir / "nobank.ret", "/nowhere/gone.dat\r\nT\r\np\r\n0,0,0,0,0,0\r\n");
  for (const char* name : {"short.ret", "huge.ret", "text.ret", "nobank.ret", "missing.ret"}) {
    t.dialogs.files.push_back(dir / name);
    t.Key(vk::kF2);
    EXPECT_EQ(t.app.rec.RecFileName, dir / "good.ret") << name;
  }
  // The bank nowhere: the learner is asked for it, and cancels.
  EXPECT_EQ(t.dialogs.errors.size(), 4u);
  ASSERT_EQ(t.dialogs.infos.size(), 1u);
  EXPECT_NE(t.dialogs.infos[0].find("gone.dat"), std::string::npos);
  EXPECT_EQ(t.app.rec.OkLevel, before);
  EXPECT_EQ(t.app.bank.QuesCount, 3);
}

TEST_F(RecordScenario, AMovedBankIsFoundBesideItsRecord) {
  fs::create_directory(dir / "elsewhere");
  test::WriteBytes(dir / "elsewhere/b1.dat", kBank1);
  test::WriteBytes(dir / "elsewhere/win.ret",
                   "C:\\VCQ\\b1.dat\r\nBank1\r\np\r\n1,3,0,0,0,0\r\n2\r\n1\r\n0\r\n1,0\r\n0,-1\r\n"
                   "2,2\r\n");
  t.dialogs.files.push_back(dir / "elsewhere/win.ret");
  t.Key(vk::kF2);
  ASSERT_TRUE(t.dialogs.errors.empty()) << t.dialogs.errors[0];
  EXPECT_EQ(t.app.bank.QuesFileName, dir / "elsewhere/b1.dat");
  EXPECT_EQ(t.app.rec.OkLevel[2], 2);
  EXPECT_EQ(t.app.paths.workDir, dir / "elsewhere");
}

TEST_F(RecordScenario, ABankThatGrewGivesItsNewQuestionsNewRecordValues) {
  test::WriteBytes(dir / "grown.ret", ToCp932(dir / "b1.dat") +
                                          "\r\nBank1\r\np\r\n1,2,0,0,0,0\r\n2\r\n1\r\n1\r\n1,1\r\n"
                                          "1,2\r\n");
  t.app.rec.OkLevel[2] = 7;  // whatever was there before must not leak in
  t.dialogs.files.push_back(dir / "grown.ret");
  t.dialogs.yesNo.push_back(true);  // opened for the bank as it is now
  t.Key(vk::kF2);
  ASSERT_EQ(t.dialogs.questions.size(), 1u);
  EXPECT_NE(t.dialogs.questions[0].find("増えた問題は未回答から"), std::string::npos);
  EXPECT_EQ(t.app.rec.OkLevel[1], 2);
  EXPECT_EQ(t.app.rec.OkLevel[2], -1);
  EXPECT_EQ(t.app.rec.AnsCount[2], 0);
}

TEST_F(RecordScenario, ABankPathWithoutAShiftJisFormIsRefused) {
  fs::create_directory(dir / "🙂");
  test::WriteBytes(dir / "🙂/b.dat", kBank1);
  Create("🙂/b.dat", "p", "r");
  EXPECT_EQ(t.app.rec.RecOpen, 0);
  ASSERT_EQ(t.dialogs.errors.size(), 1u);
  EXPECT_NE(t.dialogs.errors[0].find("Shift-JIS"), std::string::npos);
}

TEST_F(RecordScenario, AFailedSaveOnClosingKeepsTheWindowAndTheProgress) {
  Create("b1.dat", "p", "keep");
  t.app.rec.OkLevel[0] = 2;
  t.app.rec.RecFileName = dir / "vanished/keep.ret";
  bool closed = false;
  t.app.Guard([&] { closed = t.app.frmMain.FormClose(); });
  EXPECT_FALSE(closed);
  EXPECT_FALSE(t.app.frmMain.Closed);
  EXPECT_EQ(t.dialogs.questions.size(), 1u);
  EXPECT_EQ(t.app.rec.OkLevel[0], 2);
  t.Key(vk::kF1);
  EXPECT_FALSE(t.app.frmMain.Closed);
  // Once the folder is back, closing works.
  fs::create_directory(dir / "vanished");
  t.Key(vk::kF1);
  EXPECT_TRUE(t.app.frmMain.Closed);
}

TEST_F(RecordScenario, AReadOnlyFolderIsReportedNotLost) {
  Create("b1.dat", "p", "ro");
  fs::create_directory(dir / "ro");
  t.app.rec.RecFileName = dir / "ro/ro.ret";
  fs::permissions(dir.path(), fs::perms::all);
  fs::permissions(dir / "ro", fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  if (::geteuid() != 0) {
    t.Key(vk::kF1);
    EXPECT_FALSE(t.app.frmMain.Closed);
    EXPECT_EQ(t.dialogs.questions.size(), 1u);
    return;
  }
  // Permissions do not bind root: save as an ordinary user in a child process.
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
    t.Key(vk::kF1);
    ::_exit(!t.app.frmMain.Closed && t.dialogs.questions.size() == 1 ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_FALSE(fs::exists(dir / "ro/ro.ret"));
}

// The record of b1.dat with `level` as question 0's level, as the program
// writes it.
std::string B1Record(const test::TempDir& dir, const char* level) {
  return ToCp932(dir / "b1.dat") + "\r\nBank1\r\np\r\n1,3,0,0,0,0\r\n2\r\n1\r\n1\r\n0," + level +
         "\r\n0,-1\r\n0,-1\r\n";
}

// Given a record whose name is 81 kana (247 bytes with ".ret": no room for a
// temporary name longer than the record's), opening it should say nothing,
// and F1 should save the progress with nothing left beside it.
TEST_F(RecordScenario, ARecordWithTheLongestNameIsSaved) {
  std::string name;
  for (int i = 0; i < 81; ++i) name += "か";
  const std::string path = dir / (name + ".ret");
  test::WriteBytes(path, B1Record(dir, "-1"));
  t.dialogs.files.push_back(path);
  t.Key(vk::kF2);
  ASSERT_EQ(t.app.rec.RecOpen, 1);
  EXPECT_TRUE(t.dialogs.infos.empty()) << t.dialogs.infos[0];
  t.app.rec.OkLevel[0] = 2;
  t.Key(vk::kF1);
  EXPECT_TRUE(t.app.frmMain.Closed);
  EXPECT_TRUE(t.dialogs.questions.empty()) << t.dialogs.questions[0];
  EXPECT_EQ(test::ReadBytes(path), B1Record(dir, "2"));
  for (const auto& e : fs::directory_iterator(dir.path()))
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

// Given a write-protected record (0444), opening it should say so at once; F1
// should ask before replacing it: No should leave it as it was and the window
// open, Yes save it, still write-protected. The same for root's record in
// the learner's own folder, which a save would make the learner's.
TEST_F(RecordScenario, AWriteProtectedRecordIsReplacedOnlyWithTheLearnersYes) {
  const std::string path = dir / "ro.ret";
  test::WriteBytes(path, B1Record(dir, "-1"));
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(path, readOnly);
  t.dialogs.files.push_back(path);
  t.Key(vk::kF2);
  ASSERT_EQ(t.app.rec.RecOpen, 1);
  EXPECT_EQ(t.dialogs.infos, std::vector<std::string>{"「" + path +
                                                      "」は書き込み禁止です。保存するときに、上書き"
                                                      "してよいか確かめます。"});
  t.app.rec.OkLevel[0] = 2;
  t.Key(vk::kF1);
  EXPECT_FALSE(t.app.frmMain.Closed);
  EXPECT_EQ(t.dialogs.questions,
            (std::vector<std::string>{
                "「" + path + "」は書き込み禁止です。上書きしますか",
                "「" + path + "」を保存できません (書き込み禁止)。保存せずに終了しますか"}));
  EXPECT_EQ(test::ReadBytes(path), B1Record(dir, "-1"));
  t.dialogs.yesNo = {true};
  t.Key(vk::kF1);
  EXPECT_TRUE(t.app.frmMain.Closed);
  EXPECT_EQ(test::ReadBytes(path), B1Record(dir, "2"));
  EXPECT_EQ(fs::status(path).permissions(), readOnly);

  if (::geteuid() != 0) return;  // only root can give a learner root's file
  const fs::path learner = dir.path() / "learner";
  fs::create_directory(learner);
  ASSERT_EQ(::chown(learner.c_str(), 65534, 65534), 0);
  fs::permissions(dir.path(), fs::perms::all);
  const std::string roots = learner / "roots.ret";
  test::WriteBytes(roots, B1Record(dir, "-1"));
  EXPECT_EQ(
      test::InChild([&]() -> std::string {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) return "cannot drop root";
        test::TestProgram u(learner.string());
        u.StartUp();
        u.dialogs.files.push_back(roots);
        u.Key(vk::kF2);
        if (u.dialogs.infos != std::vector<std::string>{"「" + roots +
                                                        "」は root さんのファイルです。保存"
                                                        "するときに、上書きしてよいか確かめ"
                                                        "ます。"})
          return "no word on opening";
        u.app.rec.OkLevel[0] = 2;
        u.Key(vk::kF1);
        if (u.app.frmMain.Closed || u.dialogs.questions.size() != 2 ||
            u.dialogs.questions[0] != "「" + roots + "」は root さんのファイルです。上書きしますか")
          return "not asked before replacing root's file";
        return "";
      }),
      "");
  struct stat st = {};
  ASSERT_EQ(::stat(roots.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 0u);
  EXPECT_EQ(test::ReadBytes(roots), B1Record(dir, "-1"));
}

}  // namespace
}  // namespace vcq
