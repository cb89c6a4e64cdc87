// Banks and records brought from Windows: names matched as Windows matches
// them, a missing bank asked for, CP932 file names, and first lines that go
// back to Windows unchanged.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "app/CommandLineRecord.h"
#include "data/BankSearch.h"
#include "data/Cp932.h"
#include "data/UnpackedNames.h"
#include "platform/VirtualKeys.h"
#include "tests/support/TestProgram.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;
using How = BankSearch::How;

const std::string kBank = test::Lines({"", "Bank1 1 3", "2", "L0", "L1", "0", "a @b", "p", "n", "1",
                                       "c @d", "p", "n", "1", "e @f", "p", "n"});
const std::string kOtherBank =
    test::Lines({"", "Other 1 2", "1", "L0", "0", "a @b", "p", "n", "0", "c @d", "p", "n"});

// A record of kBank as Windows writes it: CP932, CR LF, `line1` first.
std::string WinRecord(const std::string& line1) {
  return line1 + "\r\nBank1\r\n" + Sj("花子") +
         "\r\n1,3,0,0,0,0\r\n2\r\n1\r\n0\r\n3,2\r\n1,0\r\n0,-1\r\n";
}

// Given a record and files around it, FindBank on `line1` (CP932).
struct Found {
  How how;
  std::string path;
};
Found Find(const test::TempDir& dir, const std::string& line1) {
  BankSearch s = FindBank(line1, dir / "rec/r.ret");
  return {s.how, s.path};
}

// Given the first line of a record and the files on disk, the bank should be
// the file Windows would open: case, trailing blanks and dots, and the
// characters CP932 holds once do not matter, beside the record and along
// the path; an exact name wins; two equal names and no exact one are no answer.
TEST(WindowsNames, TheBankIsTheFileWindowsWouldOpen) {
  test::TempDir dir;
  fs::create_directories(dir / "rec");
  fs::create_directories(dir / "Banks/Level 1");
  for (const char* f : {"rec/eigo1.dat", "rec/EIGO2.DAT", "rec/eigo3.dat.", "rec/two.dat",
                        "rec/TWO.DAT", "rec/Two.Dat", "Banks/Level 1/basic.dat"})
    test::WriteBytes(dir / f, kBank);
  test::WriteBytes(dir / "rec/基本〜応用.dat", kBank);  // U+301C, as Linux types it
  test::WriteBytes(dir / "rec/初級～中級.dat", kBank);  // U+FF5E, as Windows names it
  test::WriteBytes(dir / "rec/‖−¢£¬.dat", kBank);
  test::WriteBytes(dir / "rec/表示.dat", kBank);                  // 表 ends in the byte '\'
  test::WriteBytes(dir / ("rec/" + Sj("単語") + ".dat"), kBank);  // a name from a Windows zip

  auto beside = [&](const char* name) { return Find(dir, "C:\\VCQ\\" + Sj(name)); };
  EXPECT_EQ(beside("EIGO1.DAT").path, dir / "rec/eigo1.dat");
  EXPECT_EQ(beside("EIGO1.DAT").how, How::Beside);
  EXPECT_EQ(beside("eigo2.dat.").path, dir / "rec/EIGO2.DAT");
  EXPECT_EQ(beside("Eigo2.Dat ").path, dir / "rec/EIGO2.DAT");
  EXPECT_EQ(beside("EIGO3.DAT").path, dir / "rec/eigo3.dat.");
  EXPECT_EQ(beside("基本～応用.dat").path, dir / "rec/基本〜応用.dat");
  EXPECT_EQ(beside("初級〜中級.DAT").path, dir / "rec/初級～中級.dat");
  EXPECT_EQ(beside("∥－￠￡￢.dat").path, dir / "rec/‖−¢£¬.dat");
  EXPECT_EQ(beside("表示.DAT").path, dir / "rec/表示.dat");
  EXPECT_EQ(beside("単語.DAT").path, dir / ("rec/" + Sj("単語") + ".dat"));
  EXPECT_EQ(beside("TWO.DAT").path, dir / "rec/TWO.DAT");  // exact
  EXPECT_EQ(beside("two.DAT").how, How::Ambiguous);
  EXPECT_EQ(FindBank("C:\\two.DAT", dir / "rec/r.ret").matching.size(), 3u);
  EXPECT_EQ(beside("three.dat").how, How::Missing);
  EXPECT_EQ(Find(dir, "").how, How::Missing);
  EXPECT_EQ(Find(dir, "C:\\VCQ\\").how, How::Missing);
  EXPECT_EQ(beside("...").how, How::Missing);  // a name that leaves nothing to compare

  // A path here, along which a folder differs as Windows would not mind.
  const Found along = Find(dir, ToCp932(dir.path().string()) + "/BANKS/level 1./Basic.DAT");
  EXPECT_EQ(along.how, How::AlongPath);
  EXPECT_EQ(along.path, dir / "Banks/Level 1/basic.dat");
  EXPECT_EQ(Find(dir, ToCp932(dir / "Banks/Level 1/basic.dat")).how, How::AtPath);
  EXPECT_EQ(Find(dir, "../Banks/Level 1/basic.dat").how, How::AtPath);
  EXPECT_EQ(Find(dir, "../banks/level 1/basic.dat").how, How::AlongPath);
  EXPECT_EQ(Find(dir, ToCp932(dir / "rec/基本〜応用.dat")).how, How::AlongPath);
}

// Given a record whose first line is a relative Windows path, the bank
// should be found from the record's folder with Windows' name rules, before
// a file of the same name beside the record; a path that climbs above the
// root, or runs into a loop of links, finds nothing along it.
TEST(WindowsNames, ARelativeWindowsPathIsFollowedFromTheRecordsFolder) {
  test::TempDir dir;
  fs::create_directories(dir / "rec/sub");
  fs::create_directories(dir / "banks");
  test::WriteBytes(dir / "banks/eigo1.dat", kBank);
  test::WriteBytes(dir / "rec/eigo1.dat", kOtherBank);  // the same name beside the record
  test::WriteBytes(dir / "rec/sub/表示.dat", kBank);    // 表 ends in the byte '\'
  fs::create_directory_symlink("loop", dir / "rec/loop");

  const Found up = Find(dir, "..\\BANKS\\Eigo1.DAT");
  EXPECT_EQ(up.how, How::Relative);
  EXPECT_EQ(up.path, dir / "banks/eigo1.dat");
  EXPECT_TRUE(FindBank("..\\banks\\eigo1.dat", dir / "rec/r.ret").KeepsLine());
  EXPECT_EQ(Find(dir, Sj(".\\Sub\\表示.dat")).path, dir / "rec/sub/表示.dat");
  EXPECT_EQ(Find(dir, Sj("sub\\表示.DAT.")).path, dir / "rec/sub/表示.dat");
  EXPECT_EQ(Find(dir, "..\\nowhere\\eigo1.dat").how, How::Beside);  // as before

  // Down from the root to the real bank finds it; from above the root, the
  // climb stops there and the bank beside the record is taken.
  std::string down;
  for (const auto& part : fs::path(dir / "banks").relative_path()) down += part.string() + "\\";
  const fs::path rec = fs::path(dir / "rec").relative_path();
  std::string climb;
  for (auto it = rec.begin(); it != rec.end(); ++it) climb += "..\\";
  EXPECT_EQ(Find(dir, climb + down + "eigo1.dat").how, How::Relative);
  EXPECT_EQ(Find(dir, climb + "..\\" + down + "eigo1.dat").path, dir / "rec/eigo1.dat");
  EXPECT_EQ(Find(dir, "loop\\loop\\loop\\eigo1.dat").path, dir / "rec/eigo1.dat");
}

struct WindowsRecord : ::testing::Test {
  WindowsRecord() : t(dir.path().string()) { t.StartUp(); }
  void Open(const std::string& record) {
    t.dialogs.files.push_back(record);
    t.Key(vk::kF2);
  }
  test::TempDir dir;
  test::TestProgram t;
};

// Given a record from Windows whose bank is beside it under another case,
// the record should open with its progress, and a save should leave its
// first line, and so the whole file, as Windows wrote it. A record made
// here names its bank's path, and one made on 「基本〜応用.dat」 opens again.
TEST_F(WindowsRecord, AFirstLineFromWindowsIsKeptAndOneMadeHereNamesItsPath) {
  const std::string win = WinRecord(Sj("C:\\VCQ\\表計算\\EIGO1.DAT"));
  test::WriteBytes(dir / "eigo1.dat", kBank);
  test::WriteBytes(dir / "win.ret", win);
  Open(dir / "win.ret");
  ASSERT_TRUE(t.dialogs.errors.empty()) << t.dialogs.errors[0];
  EXPECT_EQ(t.app.bank.QuesFileName, dir / "eigo1.dat");
  EXPECT_EQ(t.app.rec.OkLevel[0], 2);
  t.Key(vk::kF1);
  EXPECT_EQ(test::ReadBytes(dir / "win.ret"), win);

  std::string made;
  {
    test::TestProgram here(dir.path().string());
    here.StartUp();
    test::WriteBytes(dir / "基本〜応用.dat", kBank);
    here.NewRecord(dir / "基本〜応用.dat", "太郎", "taro");
    here.app.rec.OkLevel[1] = 1;
    here.Key(vk::kF1);
    made = test::ReadBytes(dir / "taro.ret");
    EXPECT_TRUE(
        made.starts_with(ToCp932(dir.path().string()) + "/" + Sj("基本～応用.dat") + "\r\n"));
  }
  test::TestProgram again(dir.path().string());
  again.StartUp();
  again.dialogs.files.push_back(dir / "taro.ret");
  again.Key(vk::kF2);
  ASSERT_TRUE(again.dialogs.errors.empty()) << again.dialogs.errors[0];
  EXPECT_EQ(again.app.bank.QuesFileName, dir / "基本〜応用.dat");
  EXPECT_EQ(again.app.rec.OkLevel[1], 1);
  again.Key(vk::kF1);
  EXPECT_EQ(test::ReadBytes(dir / "taro.ret"), made);
}

// Given a record whose bank is nowhere, the learner should be told which
// bank is missing and asked for it in the record's folder: Cancel, a file
// that is no bank and a different bank change nothing; the right bank opens
// the record with its progress, and the save names the bank picked.
TEST_F(WindowsRecord, AMissingBankIsAskedForAndOnlyTheRightOneTaken) {
  fs::create_directories(dir / "usb");
  const std::string win = WinRecord("C:\\VCQ\\EIGO1.DAT");
  test::WriteBytes(dir / "usb/win.ret", win);
  test::WriteBytes(dir / "moved.dat", kBank);
  test::WriteBytes(dir / "other.dat", kOtherBank);
  test::WriteBytes(dir / "notes.dat", "hello\r\n");

  Open(dir / "usb/win.ret");  // the bank dialog cancelled
  ASSERT_EQ(t.dialogs.infos.size(), 1u);
  EXPECT_NE(t.dialogs.infos[0].find("「" + dir / "usb/win.ret" + "」"), std::string::npos);
  EXPECT_NE(t.dialogs.infos[0].find("「C:\\VCQ\\EIGO1.DAT」"), std::string::npos);
  ASSERT_EQ(t.dialogs.fileDialogs.size(), 2u);
  EXPECT_EQ(t.dialogs.fileDialogs[1].folder, dir / "usb");
  EXPECT_EQ(t.dialogs.fileDialogs[1].filter, "問題 | *.dat");
  EXPECT_EQ(t.app.rec.RecOpen, 0);
  EXPECT_TRUE(t.dialogs.errors.empty());

  for (const char* wrong : {"notes.dat", "other.dat"}) {
    t.dialogs.files.push_back(dir / "usb/win.ret");
    t.dialogs.files.push_back(dir / wrong);
    t.Key(vk::kF2);
    EXPECT_EQ(t.app.rec.RecOpen, 0) << wrong;
  }
  ASSERT_EQ(t.dialogs.errors.size(), 2u);
  EXPECT_NE(t.dialogs.errors[1].find("種類 1・問題数 3 のはずです"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(dir / "usb/win.ret"), win);

  t.dialogs.files.push_back(dir / "usb/win.ret");
  t.dialogs.files.push_back(dir / "moved.dat");
  t.Key(vk::kF2);
  EXPECT_EQ(t.dialogs.errors.size(), 2u);
  EXPECT_EQ(t.app.rec.RecOpen, 1);
  EXPECT_EQ(t.app.rec.OkLevel[0], 2);
  EXPECT_EQ(t.app.rec.AnsCount[0], 3);
  EXPECT_EQ(test::ReadBytes(dir / "usb/win.ret"), win);  // nothing written yet
  t.Key(vk::kF1);
  EXPECT_EQ(test::ReadBytes(dir / "usb/win.ret"),
            ToCp932(dir / "moved.dat") + win.substr(win.find("\r\n")));
}

// Given two files that both match a record's bank as Windows matches names,
// or a record's folder that cannot be listed, the learner should be asked
// for the bank, told why, and the record left as it is.
TEST_F(WindowsRecord, AnAmbiguousOrUnlistableFolderAsksForTheBank) {
  test::WriteBytes(dir / "eigo1.dat", kBank);
  test::WriteBytes(dir / "EIGO1.dat", kBank);
  const std::string win = WinRecord("C:\\VCQ\\Eigo1.DAT");
  test::WriteBytes(dir / "win.ret", win);
  Open(dir / "win.ret");
  ASSERT_EQ(t.dialogs.infos.size(), 1u);
  EXPECT_NE(t.dialogs.infos[0].find("「eigo1.dat」"), std::string::npos) << t.dialogs.infos[0];
  EXPECT_NE(t.dialogs.infos[0].find("「EIGO1.dat」"), std::string::npos);
  EXPECT_EQ(t.app.rec.RecOpen, 0);

  // A folder the learner may enter but not list; permissions do not bind
  // root, so the learner is a child process as an ordinary user.
  fs::create_directory(dir / "locked");
  test::WriteBytes(dir / "locked/win.ret", win);
  fs::permissions(dir / "locked", fs::perms::owner_all | fs::perms::others_exec);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
    Open(dir / "locked/win.ret");
    const bool told = t.dialogs.infos.size() == 2 &&
                      t.dialogs.infos[1].find("読めません") != std::string::npos &&
                      t.dialogs.errors.empty() && t.app.rec.RecOpen == 0;
    ::_exit(told ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(test::ReadBytes(dir / "locked/win.ret"), win);
}

// Given a folder of files unpacked from a Windows zip (CP932 bytes as names),
// the dialog should offer once to give them UTF-8 names, listing them: No
// leaves them, Yes renames them, and a record so renamed opens with its bank.
// A record named on the command line opens by its bytes, with no question.
TEST_F(WindowsRecord, Cp932NamesAreRenamedOnlyWhenTheLearnerSaysSo) {
  fs::create_directories(dir / "zip");
  const std::string bank = dir / ("zip/" + Sj("英語") + ".DAT");
  const std::string record = dir / ("zip/" + Sj("花子") + ".ret");
  const std::string win = WinRecord(Sj("C:\\VCQ\\英語.DAT"));
  test::WriteBytes(bank, kBank);
  test::WriteBytes(record, win);
  fs::create_directories(dir / ("zip/" + Sj("練習")));
  test::WriteBytes(dir / ("zip/" + Sj("説明") + ".txt"), "x");

  {
    // The clock outlives the command line's timer.
    test::ManualClock clock;
    test::ScriptedDialogs real;
    CommandLineRecord commandLine(real, record);
    test::FixedClock timeOfDay;
    test::RecordingSound sound;
    Program app(Ports{clock, timeOfDay, sound, commandLine}, Paths{VCQ_ASSETS, dir / "zip", {}});
    commandLine.Start(app);
    clock.Advance(1400);
    ASSERT_TRUE(real.errors.empty()) << real.errors[0];
    EXPECT_EQ(app.rec.RecOpen, 1);
    EXPECT_EQ(app.bank.QuesFileName, bank);
    EXPECT_TRUE(real.questions.empty());
    // F2 there: the open record and its bank keep their names.
    app.Guard([&] { app.frmMain.FormKeyDown(vk::kF2); });
    ASSERT_EQ(real.questions.size(), 1u);
    EXPECT_EQ(real.questions[0].find("英語"), std::string::npos);
    EXPECT_NE(real.questions[0].find("練習/"), std::string::npos);
    app.Guard([&] { app.frmMain.FormClose(); });
    EXPECT_EQ(test::ReadBytes(record), win);
  }

  t.app.paths.workDir = dir / "zip";
  t.Key(vk::kF2);  // No, and cancelled
  ASSERT_EQ(t.dialogs.questions.size(), 1u);
  const std::string& q = t.dialogs.questions[0];
  EXPECT_NE(q.find("英語.DAT"), std::string::npos) << q;
  EXPECT_NE(q.find("花子.ret"), std::string::npos);
  EXPECT_EQ(q.find("説明"), std::string::npos);
  EXPECT_TRUE(fs::exists(record));
  t.Key(vk::kF2);  // asked once only
  EXPECT_EQ(t.dialogs.questions.size(), 1u);

  test::TestProgram later(dir / "zip");
  later.StartUp();
  later.dialogs.yesNo.push_back(true);
  later.dialogs.files.push_back(dir / "zip/花子.ret");
  later.Key(vk::kF2);
  ASSERT_TRUE(later.dialogs.errors.empty()) << later.dialogs.errors[0];
  EXPECT_FALSE(fs::exists(record));
  EXPECT_TRUE(fs::is_directory(dir / "zip/練習"));
  EXPECT_EQ(later.app.bank.QuesFileName, dir / "zip/英語.DAT");
  EXPECT_EQ(later.app.rec.OkLevel[0], 2);
  later.Key(vk::kF1);
  EXPECT_EQ(test::ReadBytes(dir / "zip/花子.ret"), win);
}

// Given a class folder from a Windows zip as Debian's unzip leaves it (code
// page 850 written as Latin-1) and as Python's zipfile leaves it (code page
// 437 written as UTF-8), the record should find its bank through the
// mangled names, and F2 should offer the real names, naming those it cannot
// tell or that another file has; after Yes the record opens with its bank.
TEST_F(WindowsRecord, NamesAsLinuxUnpackersLeaveThemGetTheirRealNames) {
  fs::create_directories(dir / "zip");
  const std::string taro = "\xE9\xA2\xE9\xD9\xE9\xF1.ret";  // たろう, or 鬚鰮鴦 read as CP932
  const std::string eigo =
      "\xEBp\xEE\xDB"
      "1.DAT";                             // 英語1 from unzip
  const std::string hyogen = "ò\\î╗.dat";  // 表現 from Python's zipfile
  const std::string win = WinRecord(Sj("C:\\VCQ\\英語1.DAT"));
  test::WriteBytes(dir / ("zip/" + taro), win);
  test::WriteBytes(dir / ("zip/" + eigo), kBank);
  test::WriteBytes(dir / ("zip/" + hyogen), kOtherBank);
  test::WriteBytes(dir / "zip/\xEB\xC8\xC4q.ret", win);  // 花子 from unzip, which exists
  test::WriteBytes(dir / "zip/花子.ret", win);
  test::WriteBytes(dir / "zip/\xE9\xA6.ret", win);  // げ, こ, さ or others: unzip made them one

  EXPECT_EQ(RealNameOf(taro)->readings, std::vector<std::string>{"たろう.ret"});
  EXPECT_EQ(RealNameOf(hyogen)->readings, std::vector<std::string>{"表現.dat"});
  EXPECT_FALSE(RealNameOf("\xE9\xA2\xE9.ret"));  // no reading is CP932
  EXPECT_FALSE(RealNameOf("表現.dat"));
  const BankSearch before = FindBank(Sj("C:\\VCQ\\英語1.DAT"), dir / ("zip/" + taro));
  EXPECT_EQ(before.path, dir / ("zip/" + eigo));

  t.app.paths.workDir = dir / "zip";
  t.dialogs.yesNo.push_back(true);
  t.dialogs.files.push_back(dir / "zip/たろう.ret");
  t.Key(vk::kF2);
  ASSERT_EQ(t.dialogs.questions.size(), 1u);
  const std::string& q = t.dialogs.questions[0];
  for (const char* shown :
       {"たろう.ret", "英語1.DAT", "表現.dat", "「花子.ret」", "「げ.ret」か「こ.ret」"})
    EXPECT_NE(q.find(shown), std::string::npos) << shown << "\n" << q;
  EXPECT_EQ(q.find("鬚"), std::string::npos);
  ASSERT_TRUE(t.dialogs.errors.empty()) << t.dialogs.errors[0];
  EXPECT_EQ(t.app.bank.QuesFileName, dir / "zip/英語1.DAT");
  EXPECT_EQ(t.app.rec.OkLevel[0], 2);
  EXPECT_TRUE(fs::exists(dir / "zip/表現.dat"));
  EXPECT_TRUE(fs::exists(dir / "zip/\xEB\xC8\xC4q.ret"));  // left as it was
}

// Given names as Debian's unzip leaves them, where one byte may have come
// from several: a jōyō kanji should win over other kanji, and names whose
// readings are all jōyō kanji, or all kana, should still show both.
TEST(RealNameOf, PrefersJoyoKanjiAndShowsBothWhereTheyTie) {
  // 悲しい, or 誹しい: 0xDF and 0xEE both become 0xAF.
  EXPECT_EQ(RealNameOf("\xF6\xAF\xE9\xC1\xE9\xF3.ret")->readings,
            std::vector<std::string>{"悲しい.ret"});
  // 表現, or 表限, 表古, 表庫 ... (all jōyō), or 表絃, 表諺 (not): any of
  // 0xBB, 0xBC, 0xC0, ... becomes '+'.
  EXPECT_EQ(RealNameOf("\xF2\\\xEE+.dat")->readings,
            (std::vector<std::string>{"表現.dat", "表限.dat"}));
  EXPECT_EQ(RealNameOf("\xE9\xA6.ret")->readings, (std::vector<std::string>{"げ.ret", "こ.ret"}));
}

}  // namespace
}  // namespace vcq
