#include <gtest/gtest.h>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "screens/PlayerName.h"
#include "tests/support/CueTable.h"
#include "tests/support/TestProgram.h"

namespace vcq {
namespace {

using test::PlayedCue;
using test::cues::kRefused;

// Given what the learner types, the box keeps only what a record can hold
// and says why whenever it takes less than was typed: a character with no
// CP932 form (♡, 𠮷, which is outside the BMP) is refused where it stands,
// a name past 12 bytes is cut without splitting a character, and OK takes
// exactly what the box shows.
TEST(PlayerNameBox, RefusesWhatARecordCannotHoldAndSaysSo) {
  test::TestProgram t;
  TfrmInput& in = t.app.frmInput;
  const auto type = [&](const char* utf8) { t.app.Guard([&] { in.MaskEdit1Typed(utf8); }); };

  type("山♡田");
  EXPECT_EQ(in.MaskEdit1.Caption, Sj("山田"));
  EXPECT_EQ(in.lblNote.Caption, Sj("この文字は使えません"));
  EXPECT_EQ(t.sound.played, std::vector<PlayedCue>{kRefused});

  type("山田𠮷");
  EXPECT_EQ(in.MaskEdit1.Caption, Sj("山田"));
  EXPECT_EQ(t.sound.played.size(), 2u);

  type("やまだたろう");  // 12 bytes: taken whole, the note gone
  EXPECT_EQ(in.MaskEdit1.Caption, Sj("やまだたろう"));
  EXPECT_EQ(in.lblNote.Caption, "");
  EXPECT_EQ(t.sound.played.size(), 2u);

  type("abcdefghijkあ");  // 13 bytes: the last character does not fit
  EXPECT_EQ(in.MaskEdit1.Caption, "abcdefghijk");
  EXPECT_EQ(in.lblNote.Caption, Sj("全角6字・半角12字までです"));
  EXPECT_EQ(t.sound.played.size(), 3u);

  t.app.Guard([&] { in.FormKeyDown(vk::kReturn); });
  EXPECT_EQ(in.InputText, "abcdefghijk");
}

}  // namespace
}  // namespace vcq
