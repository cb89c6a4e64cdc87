// A learner at the drill screen: opens a bank as a new record through F3,
// starts drills with F5, types on the drill screen's keys and lets the clock
// run until the drill waits for an answer.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"
#include "tests/support/TestProgram.h"
#include "tests/support/TextFiles.h"

namespace vcq::test {

// The key code a character is typed with on a US keyboard.
inline int VkOf(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  switch (c) {
    case '!':
      return '1';
    case '\'':
    case '"':
      return 0xDE;
    case ',':
      return 0xBC;
    case '-':
      return 0xBD;
    case '.':
      return 0xBE;
    case '?':
      return 0xBF;
    case ' ':
      return vk::kSpace;
    default:
      return 0;
  }
}

inline bool NeedsShift(char c) {
  return (c >= 'A' && c <= 'Z') || c == '!' || c == '"' || c == '?';
}

class DrillDriver {
 public:
  explicit DrillDriver(std::string workDir) : t(std::move(workDir)) { t.StartUp(); }

  // F3 on `bankPath`: the player and record names typed into the player window.
  void NewRecord(const std::string& bankPath, const std::string& recordName = "rec") {
    t.dialogs.files.push_back(bankPath);
    AnswerInput(Sj("太郎"));
    AnswerInput(Sj(recordName));
    t.Key(vk::kF3);
    if (t.app.rec.RecOpen != 1) throw std::runtime_error("no record was created");
  }

  // F5, then the clock runs until the first question waits.
  void StartDrill() {
    t.Key(vk::kF5);
    Settle();
  }

  void Down(int key) {
    t.app.Guard([&] { t.app.frmQues.FormKeyDown(key); });
  }
  void Press(char c) {
    t.app.Guard([&] { t.app.frmQues.FormKeyPress(c); });
  }
  void Up(int key) {
    t.app.Guard([&] { t.app.frmQues.FormKeyUp(key); });
  }
  // A key and the character it gives, as the view delivers them.
  void Stroke(int key, char c) {
    Down(key);
    if (c) Press(c);
    Up(key);
  }
  void Type(std::string_view text) {
    for (char c : text) {
      if (NeedsShift(c)) Down(vk::kShift);
      Stroke(VkOf(c), c);
      if (NeedsShift(c)) Up(vk::kShift);
    }
  }
  void Enter() { Stroke(vk::kReturn, '\r'); }
  void Back() { Stroke(vk::kBack, '\b'); }
  void Delete() { Stroke(vk::kDelete, 0); }
  void Esc() { Stroke(vk::kEscape, 27); }

  // Runs the clock until no answer animation and no batch announcement is
  // under way: a question waits, or the drill has ended.
  void Settle() {
    RunWhile([this] { return Animating() || t.app.frmQues.tmrStart->Enabled(); });
  }
  // Runs the clock until the answer animations are over; a batch
  // announcement that follows is left pending.
  void SettleAnimations() {
    RunWhile([this] { return Animating(); });
  }

  // The current gap answered right (the word as the bank has it) or wrong.
  void Right() {
    Type(t.app.drill.AnsWord);
    Enter();
    SettleAnimations();
  }
  void Wrong() {
    Type("zzz");
    Enter();
    SettleAnimations();
  }
  // Every gap of the current question left answered right.
  void RightQuestion() {
    const DrillState& d = t.app.drill;
    int gaps = 0;
    for (int i = d.WordPos; i < d.WordCnt; ++i) gaps += d.Words.Words[i].starts_with('@');
    for (int i = 0; i < gaps; ++i) Right();
  }
  // The first gap wrong, then corrected, and the rest right.
  void WrongQuestion() {
    Wrong();
    RightQuestion();
  }

  // A question of a batch waits for its answer.
  bool Waiting() const { return t.app.drill.InBatch == 1 && !t.app.frmOmedeto.form.Visible; }
  bool Ended() const { return t.app.frmOmedeto.form.Visible; }
  std::vector<PlayedCue>& sound() { return t.sound.played; }

  TestProgram t;

 private:
  bool Animating() const {
    return t.app.frmQues.tmrOK->Enabled() || t.app.frmQues.tmrNG->Enabled();
  }
  template <typename Cond>
  void RunWhile(Cond running) {
    for (int guard = 0; running(); ++guard) {
      if (guard > 100000) throw std::runtime_error("the drill never settles");
      t.clock.Advance(10);
    }
  }
  // The player window answered with `cp932` and Enter.
  void AnswerInput(const std::string& cp932) {
    t.dialogs.inputs.push_back([this, cp932] {
      t.app.frmInput.MaskEdit1Change(cp932);
      t.app.frmInput.FormKeyDown(vk::kReturn);
    });
  }
};

}  // namespace vcq::test
