#include "screens/PlayerName.h"

#include "data/Cp932.h"
#include "platform/Cues.h"
#include "platform/VirtualKeys.h"

namespace vcq {

TfrmInput::TfrmInput(DialogPort& dialogs, SoundPort& sound) : dialogs_(dialogs), sound_(sound) {
  form.Visible = false;
  form.Caption = Sj("プレイヤー");
  form.Width = 216;
  form.Height = 146;
  form.Color = inputcolors::kWindow;
  Label1.Caption = Sj("あなたの名前をいれてください。");
  Label1.FontColor = colors::kWhite;
  lblNote.FontColor = inputcolors::kNote;

  // The layout. The prompt's room reaches the entry box and the window's
  // edge, for either prompt; the note sits between the box and the buttons.
  Place(Label1, 31, 19, form.Width - 31, 39 - 19);
  Place(MaskEdit1, 16, 39, 169, 22);
  Place(lblNote, 16, 63, form.Width - 16, 18);
  Place(BitBtn1, 20, 84, 80, 28);
  Place(BitBtn2, 116, 84, 80, 28);
}

void TfrmInput::ShowModal() {
  FormShow();
  form.Visible = true;
  dialogs_.ExecInput();
  form.Visible = false;
}

void TfrmInput::FormShow() {
  InputText.clear();
  form.Caption = InputCaption;
  Label1.Caption = InputPrompt;
  lblNote.Caption.clear();
}

void TfrmInput::Refuse(const std::string& note) {
  lblNote.Caption = note;
  PlayCue(sound_, cue::kRefused);
}

void TfrmInput::MaskEdit1Change(const std::string& cp932) {
  const std::string_view kept = CutBytes(cp932, kInputBytes);
  MaskEdit1.Caption = std::string(kept);
  lblNote.Caption.clear();
  if (kept.size() < cp932.size()) Refuse(Sj("全角6字・半角12字までです"));
}

void TfrmInput::MaskEdit1Typed(const std::string& utf8) {
  const Utf8Text t = Utf8ToCp932(utf8);
  if (t.bad.empty()) {
    MaskEdit1Change(t.cp932);
    return;
  }
  std::string allowed;
  std::size_t at = 0;
  for (const BadChar& b : t.bad) {
    allowed.append(utf8, at, b.pos - at);
    at = b.pos + b.len;
  }
  allowed.append(utf8, at);
  MaskEdit1Change(Utf8ToCp932(allowed).cp932);
  // The character itself cannot be shown in a CP932 caption.
  Refuse(Sj("この文字は使えません"));
}

void TfrmInput::BitBtn1Click() {
  InputText = MaskEdit1.Caption;
  MaskEdit1.Caption.clear();
  form.Visible = false;
}

void TfrmInput::BitBtn2Click() {
  InputText.clear();
  form.Visible = false;
}

void TfrmInput::FormKeyDown(int key) {
  if (key == vk::kReturn) BitBtn1Click();
  if (key == vk::kEscape) BitBtn2Click();
}

void TfrmInput::FormClose() {
  InputText.clear();
  form.Visible = false;
}

}  // namespace vcq
