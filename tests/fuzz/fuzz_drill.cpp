// A learner at work on a bank of any bytes. The input is the bank file up to
// its first end-of-text byte 0x1A (where the bank reader stops anyway); each
// byte after it, some with an operand byte, is one thing the learner does:
// a command key, a key on the drill screen, a click, a change in the range or
// options window, saving and opening the record again, or time passing. After every step the
// drill's counters and positions must lie within their tables, and at the end the record must save
// and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "app/BankCheck.h"
#include "data/RecordFile.h"
#include "platform/VirtualKeys.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/ChoiceDrill.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"

namespace fs = std::filesystem;
using namespace vcq;
using vcq::test::DrillDriver;

namespace {

constexpr std::size_t kMaxActions = 1500;
constexpr int kSteps = 26;

class Actions {
 public:
  explicit Actions(std::string_view bytes) : bytes_(bytes) {}
  bool More() const { return pos_ < bytes_.size(); }
  std::uint8_t Next() { return More() ? static_cast<std::uint8_t>(bytes_[pos_++]) : 0; }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

bool Animating(const Program& app) {
  return app.frmQues.tmrOK->Enabled() || app.frmQues.tmrNG->Enabled();
}

// The clock runs until no answer animation or batch announcement is under
// way, for at most a minute of program time.
void Settle(DrillDriver& d) {
  Program& app = d.t.app;
  for (int ms = 0; ms < 60000 && (Animating(app) || app.frmQues.tmrStart->Enabled()); ms += 10)
    d.t.clock.Advance(10);
}

struct Watch {
  QuestionTable lastAnsCount{};
};

void CheckState(const Program& app, Watch& w) {
  const Bank& b = app.bank;
  const Record& r = app.rec;
  const DrillState& d = app.drill;
  FUZZ_CHECK(b.QuesCount >= 0 && b.QuesCount <= kMaxQuestions);
  if (r.RecOpen == 1) {
    for (int i = 0; i < b.QuesCount; ++i) {
      FUZZ_CHECK(r.OkLevel[i] >= -1 && r.OkLevel[i] <= 2);
      FUZZ_CHECK(r.AnsCount[i] >= w.lastAnsCount[i]);
    }
    w.lastAnsCount = r.AnsCount;
  }
  FUZZ_CHECK(d.BatchCount >= 0 && d.BatchCount <= kBatchSize);
  FUZZ_CHECK(d.BatchPos >= 0 && d.BatchPos <= d.BatchCount);
  if (d.InBatch) FUZZ_CHECK(d.BatchPos < d.BatchCount);
  for (int i = 0; i < d.BatchCount; ++i) {
    FUZZ_CHECK(d.Batch[i] >= 0 && d.Batch[i] < b.QuesCount);
    FUZZ_CHECK(d.BatchOrder[i] >= 0 && d.BatchOrder[i] < d.BatchCount);
    FUZZ_CHECK(d.BatchNg[i] == 0 || d.BatchNg[i] == 1);
  }
  const int orderEnd = b.QuesCount > 0 ? b.QuesCount : 1;
  FUZZ_CHECK(d.OrderPos >= 0 && d.OrderPos < orderEnd);
  FUZZ_CHECK(d.PassStart >= 0 && d.PassStart < orderEnd);
  FUZZ_CHECK(d.WordCnt >= 0 && d.WordCnt <= kMaxFields);
  // An Enter during the right-answer animation is judged against the gap just
  // answered and moves the word position on again, past the last word even;
  // the animation's end then finishes the question. A gap that waits for its
  // answer must still lie within the words.
  FUZZ_CHECK(d.WordPos >= 0);
  if (d.QuesMode == AnswerMode::Typed && d.InBatch && !d.WordFixed && !Animating(app))
    FUZZ_CHECK(d.WordPos < d.WordCnt);
  FUZZ_CHECK(d.KeyLen >= 0 && d.KeyLen <= kMaxKeys);
  FUZZ_CHECK(d.ChoiceCnt >= 0 && d.ChoiceCnt <= kChoicePanels);
  for (int i = 0; i < d.ChoiceCnt; ++i)
    FUZZ_CHECK(d.ChoiceOrd[i] >= 0 && d.ChoiceOrd[i] < kMaxChoiceOrder);
  FUZZ_CHECK(d.TestNo >= 0);
  FUZZ_CHECK(app.frmQues.EsperPicture >= 0 && app.frmQues.EsperPicture <= 7);
  FUZZ_CHECK(app.frmOmedeto.FrameNo >= 0 && app.frmOmedeto.FrameNo < kOmedetoFrames);
}

void Trace(const DrillDriver& driver, std::size_t n, int op) {
  const DrillState& d = driver.t.app.drill;
  std::fprintf(stderr,
               "step %zu (%d): InBatch %d BatchPos %d/%d Review %d QuesMode %d WordPos %d/%d "
               "KeyLen %d AnsWord '%s' errors %zu\n",
               n, op, d.InBatch, d.BatchPos, d.BatchCount, d.Review, static_cast<int>(d.QuesMode),
               d.WordPos, d.WordCnt, d.KeyLen, d.AnsWord.c_str(), driver.t.dialogs.errors.size());
}

// What the learner does next, read from the input.
int Step(DrillDriver& d, Actions& in) {
  Program& app = d.t.app;
  const std::uint8_t op = in.Next();
  const bool drill = app.frmQues.form.Visible;
  const bool range = app.frmSel.form.Visible;
  const bool options = app.frmOption.form.Visible;
  switch (op % kSteps) {
    case 0:
      d.t.Key(vk::kF4);
      break;
    case 1:
      d.t.Key(vk::kF5);
      break;
    case 2:
      d.t.Key(vk::kF6);
      break;
    case 3:
      d.t.Key(vk::kF7);
      break;
    case 4:
      d.t.Key(vk::kF9);
      break;
    case 5: {  // any character, with the key it comes from where there is one
      const char c = static_cast<char>(in.Next());
      if (drill) d.Stroke(test::VkOf(c), c);
      break;
    }
    case 6:
      if (drill) d.Enter();
      break;
    case 7:
      if (drill) d.Back();
      break;
    case 8:
      if (drill) d.Delete();
      break;
    case 9:
      if (drill) d.Esc();
      break;
    case 10: {  // a key held down and released later
      const int key = in.Next();
      if (drill) d.Down(key);
      break;
    }
    case 11:
      if (drill) app.Guard([&] { app.frmQues.pnlQuitClick(); });
      break;
    case 12: {
      const int tag = in.Next() % kChoicePanels;
      if (drill) {
        app.Guard([&] { app.frmQues.s0MouseDown(tag); });
        app.Guard([&] { app.frmQues.s0MouseUp(tag); });
        app.Guard([&] { app.frmQues.s0Click(tag); });
      }
      break;
    }
    case 13: {
      const char letter = static_cast<char>('a' + in.Next() % 22);
      if (range) app.Guard([&] { app.frmSel.FormKeyPress(letter); });
      break;
    }
    case 14: {
      const int i = in.Next() % 20;
      if (range && app.frmSel.pnl[i].Visible) app.Guard([&] { app.frmSel.pnlClick(i); });
      break;
    }
    case 15: {
      const int which = in.Next() % 5;
      if (!range) break;
      app.Guard([&] {
        TfrmSel& s = app.frmSel;
        if (which == 0) s.btnOnClick();
        if (which == 1) s.btnOfClick();
        if (which == 2) s.btnOkClick();
        if (which == 3) s.FormKeyDown(vk::kReturn);
        if (which == 4) s.FormClose();
      });
      break;
    }
    case 16: {
      const int which = in.Next() % 13;
      if (!options) break;
      app.Guard([&] {
        TfrmOption& o = app.frmOption;
        switch (which) {
          case 0:
            o.FormKeyPress('+');
            break;
          case 1:
            o.FormKeyPress('-');
            break;
          case 2:
            o.FormKeyDown(vk::kPrior);
            break;
          case 3:
            o.FormKeyDown(vk::kNext);
            break;
          case 4:
            o.RadioGroup1Click(0);
            break;
          case 5:
            o.RadioGroup1Click(1);
            break;
          case 6:
            o.RadioGroup2Click(0);
            break;
          case 7:
            o.RadioGroup2Click(1);
            break;
          case 8:
            o.pnlUpClick();
            break;
          case 9:
            o.pnlDownClick();
            break;
          case 10:
            o.BitBtn1Click();
            break;
          case 11:
            o.BitBtn2Click();
            break;
          default:
            o.FormClose();
            break;
        }
      });
      break;
    }
    case 17: {
      const int ms = 1 + (in.Next() * 256 + in.Next()) % 3000;
      d.t.clock.Advance(ms);
      break;
    }
    case 18:  // the expected word typed, as a learner who knows it would
      if (drill && d.Waiting() && app.drill.QuesMode == AnswerMode::Typed) {
        d.Type(app.drill.AnsWord);
        d.Enter();
      }
      break;
    case 19:
      if (drill && d.Waiting() && app.drill.QuesMode == AnswerMode::Choice) {
        const int i = test::RightPanel(app.drill);
        if (i >= 0) test::PickKey(d, i);
      }
      break;
    case 20:
      Settle(d);
      break;
    case 21:
      if (app.frmOmedeto.form.Visible) app.Guard([&] { app.frmOmedeto.btnOkClick(); });
      break;
    case 22:
      if (app.frmScoreTable.form.Visible) app.Guard([&] { app.frmScoreTable.btnOKClick(); });
      break;
    case 23: {  // F2 on the open record: it is saved, read again and must be unchanged
      if (app.rec.RecOpen != 1) break;
      // A right answer still animating counts before the save: settle it first.
      app.Guard([&] { app.frmQues.SettleAnswer(); });
      const RecordFile before = ToRecordFile(app.bank, app.rec);
      d.t.dialogs.files.push_back(app.rec.RecFileName);
      // A bank with a lesson past the table fails again in the map, after the
      // record has been read; a bank the checker passes must show no error at all.
      d.t.Key(vk::kF2);
      FUZZ_CHECK(fuzz::SameRecord(before, ToRecordFile(app.bank, app.rec)));
      break;
    }
    case 24:  // F2 with the file dialog cancelled: saved, and the order starts again
      d.t.Key(vk::kF2);
      break;
    default: {  // a digit pressed and let go
      const char digit = static_cast<char>('1' + in.Next() % 9);
      if (drill) d.Stroke(digit, digit);
      break;
    }
  }
  return op % kSteps;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 16 * 1024) return 0;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::size_t eot = all.find('\x1A');
  const std::string_view bankBytes = all.substr(0, eot);
  Actions in(eot == std::string_view::npos ? std::string_view{} : all.substr(eot + 1));

  // A fresh folder for each input: no record of an earlier one is found there.
  const test::TempDir dir;
  const fs::path bankPath = dir.path() / "bank.dat";
  {
    std::ofstream out(bankPath, std::ios::binary | std::ios::trunc);
    out.write(bankBytes.data(), static_cast<std::streamsize>(bankBytes.size()));
    if (!out) std::abort();
  }
  const bool checkedClean = CheckBank(bankBytes, bankPath.string()).empty();

  DrillDriver d(dir.path().string());
  Program& app = d.t.app;
  // F3: the bank, then the player's name and the record's name typed in the
  // player window.
  d.t.dialogs.files.push_back(bankPath.string());
  for (const char* name : {"Taro", "rec"})
    d.t.dialogs.inputs.push_back([&app, name] {
      app.frmInput.MaskEdit1Change(name);
      app.frmInput.FormKeyDown(vk::kReturn);
    });
  d.t.Key(vk::kF3);
  if (app.rec.RecOpen != 1) {
    FUZZ_CHECK(!d.t.dialogs.errors.empty() || !checkedClean);
    return 0;
  }

  Watch watch;
  CheckState(app, watch);
  // VCQ_FUZZ_TRACE=1 shows each step and where the drill stands after it.
  static const bool trace = std::getenv("VCQ_FUZZ_TRACE") != nullptr;
  for (std::size_t n = 0; in.More() && n < kMaxActions; ++n) {
    const int op = Step(d, in);
    if (trace) Trace(d, n, op);
    CheckState(app, watch);
  }
  Settle(d);
  CheckState(app, watch);
  // A bank the checker passes never brings up the error box.
  if (checkedClean) FUZZ_CHECK(d.t.dialogs.errors.empty());

  const RecordFile saved = ToRecordFile(app.bank, app.rec);
  const std::string bytes = FormatRecord(saved);
  const RecordFile back = ParseRecord(bytes, "fuzz.ret");
  FUZZ_CHECK(fuzz::SameRecord(saved, back));
  FUZZ_CHECK(FormatRecord(back) == bytes);
  return 0;
}
