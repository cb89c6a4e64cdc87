#include <gtest/gtest.h>

#include "app/CommandLineRecord.h"
#include "app/Program.h"
#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/Fakes.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

const std::string kBank =
    test::Lines({"", "Bank1 1 2", "1", "L0", "0", "a @b", "p", "n", "0", "c @d", "p", "n"});

// The program as main() builds it for `vcquick FILE`, on the fake ports.
struct Started {
  explicit Started(const std::string& file, const std::string& workDir)
      : commandLine(dialogs, file),
        app(Ports{clock, timeOfDay, sound, commandLine}, Paths{VCQ_ASSETS, workDir, {}}) {
    commandLine.Start(app);
  }
  test::ManualClock clock;
  test::FixedClock timeOfDay;
  test::RecordingSound sound;
  test::ScriptedDialogs dialogs;
  CommandLineRecord commandLine;
  Program app;
};

// Given a record named on the command line, it is open once the start-up
// sequence has shown the commands, and not before; later dialogs are the
// learner's again and open in the record's folder, as after F2.
TEST(CommandLineRecord, OpensTheRecordAfterTheStartUpSequence) {
  test::TempDir dir;
  test::WriteBytes(dir / "b.dat", kBank);
  test::WriteBytes(dir / "r.ret", ToCp932(dir / "b.dat") + "\r\nBank1\r\n" + Sj("太郎") +
                                      "\r\n1,2,0,0,0,0\r\n1\r\n1\r\n3,2\r\n1,0\r\n");
  test::TempDir elsewhere;
  Started s(dir / "r.ret", elsewhere.path().string());

  s.clock.Advance(1200);
  EXPECT_EQ(s.app.rec.RecOpen, 0);
  s.clock.Advance(100);
  EXPECT_TRUE(s.app.frmMain.pnlOpen.Visible);
  EXPECT_EQ(s.app.rec.RecOpen, 1);
  EXPECT_EQ(s.app.rec.RecFileName, dir / "r.ret");
  EXPECT_EQ(s.app.rec.OkLevel[0], 2);
  EXPECT_TRUE(s.app.frmMain.pnlGo.Visible);
  EXPECT_EQ(s.app.frmMain.lblPlayer.Caption, Sj("太郎"));
  EXPECT_TRUE(s.dialogs.errors.empty());
  EXPECT_TRUE(s.dialogs.fileDialogs.empty());  // answered without a dialog

  s.clock.Advance(5000);  // opened once only
  s.app.Guard([&] { s.app.frmMain.FormKeyDown(vk::kF2); });
  ASSERT_EQ(s.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(s.dialogs.fileDialogs[0].folder, dir.path().string());
  EXPECT_EQ(s.app.rec.RecFileName, dir / "r.ret");  // the learner cancelled
}

// Given a file that is not a readable record, the error box says what F2
// would say and the program goes on with no record open.
TEST(CommandLineRecord, AFileThatIsNoRecordGivesF2sErrorBox) {
  test::TempDir dir;
  test::WriteBytes(dir / "notes.ret", "hello\r\n");
  std::string f2Error;
  {
    test::TempDir other;
    Started viaF2("", other.path().string());
    viaF2.clock.Advance(1300);
    viaF2.dialogs.files.push_back(dir / "notes.ret");
    viaF2.app.Guard([&] { viaF2.app.frmMain.FormKeyDown(vk::kF2); });
    ASSERT_EQ(viaF2.dialogs.errors.size(), 1u);
    f2Error = viaF2.dialogs.errors[0];
  }
  Started s(dir / "notes.ret", dir.path().string());
  s.clock.Advance(3000);
  EXPECT_EQ(s.dialogs.errors, std::vector<std::string>{f2Error});
  EXPECT_EQ(s.app.rec.RecOpen, 0);
  EXPECT_TRUE(s.app.frmMain.pnlFileCreate.Visible);
  EXPECT_FALSE(s.app.frmMain.Closed);
}

}  // namespace
}  // namespace vcq
