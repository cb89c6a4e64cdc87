// Replacing the open record: what belonged to the record before (its open
// windows, a right answer still animating, its lessons) stays its own.
#include <gtest/gtest.h>

#include "platform/VirtualKeys.h"
#include "tests/support/DrillBanks.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

struct RecordSwitch : ::testing::Test {
  RecordSwitch() : d(dir.path().string()) {
    test::WriteBytes(dir / "t.dat", test::TypedBank({"@a", "@b"}));
  }
  void Open(const std::string& name) {
    d.t.dialogs.files.push_back(dir / name);
    d.t.Key(vk::kF2);
    ASSERT_TRUE(d.t.dialogs.errors.empty()) << d.t.dialogs.errors.front();
  }
  std::string Bytes(const std::string& name) { return test::ReadBytes(dir / name); }

  test::TempDir dir;
  test::DrillDriver d;
};

// Given A's options window, range window and score table open, F2 to B closes
// them: Esc can no longer put A's options into B, and B's file stays B's.
TEST_F(RecordSwitch, TheOldRecordsWindowsCloseWithIt) {
  d.NewRecord(dir / "t.dat", "B");
  d.NewRecord(dir / "t.dat", "A");  // B is saved with the new record's values
  Record& r = d.t.app.rec;
  r.FlashTime = 7;
  r.OrderMode = 1;
  r.OneLetter = 1;
  d.t.Key(vk::kF6);
  d.t.Key(vk::kF4);
  d.t.Key(vk::kF7);
  const std::string bBefore = Bytes("B.ret");
  Open("B.ret");
  const Program& app = d.t.app;
  EXPECT_FALSE(app.frmOption.form.Visible);
  EXPECT_FALSE(app.frmSel.form.Visible);
  EXPECT_FALSE(app.frmScoreTable.form.Visible);
  EXPECT_EQ(r.FlashTime, 0);
  d.t.Key(vk::kF1);
  EXPECT_EQ(Bytes("B.ret"), bBefore);
  EXPECT_NE(Bytes("A.ret").find("\r\n1,2,0,7,1,1\r\n"), std::string::npos);
}

// Given Esc during a right answer's animation and F2 at once, the answer
// counts in the record saved before the other one opens.
TEST_F(RecordSwitch, LeavingTheDrillSettlesTheAnswer) {
  d.NewRecord(dir / "t.dat", "B");
  d.NewRecord(dir / "t.dat", "A");
  d.StartDrill();
  d.Type(d.t.app.drill.AnsWord);
  d.Enter();
  ASSERT_TRUE(d.t.app.frmQues.tmrOK->Enabled());
  d.Esc();
  Open("B.ret");
  d.t.clock.Advance(2000);
  EXPECT_NE(Bytes("A.ret").find("\r\n1,1\r\n0,-1\r\n"), std::string::npos) << Bytes("A.ret");
}

// Given a record written when its bank had one lesson, a lesson added to the
// bank since starts selected.
TEST_F(RecordSwitch, LessonsTheRecordDoesNotKnowStartSelected) {
  d.NewRecord(dir / "t.dat", "A");
  d.NewRecord(dir / "t.dat", "B");  // A is saved with its one lesson
  test::WriteBytes(dir / "t.dat", test::Lines({"", "Typed 1 2", "2", "L0", "L1", "0", "@a", "p",
                                               "n", "1", "@b", "p", "n"}));
  Open("A.ret");
  EXPECT_EQ(d.t.app.rec.LesSel[0], 1);
  EXPECT_EQ(d.t.app.rec.LesSel[1], 1);
}

}  // namespace
}  // namespace vcq
