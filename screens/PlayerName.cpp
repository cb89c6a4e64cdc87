#include "screens/PlayerName.h"

#include "data/Cp932.h"
#include "platform/VirtualKeys.h"

namespace vcq {

TfrmInput::TfrmInput(DialogPort& dialogs) : dialogs_(dialogs) {
  form.Visible = false;
  form.Caption = Sj("プレイヤー");
  form.Width = 216;
  form.Height = 146;
  form.Color = inputcolors::kWindow;
  Label1.Caption = Sj("あなたの名前をいれてください。");
  Label1.FontColor = colors::kWhite;
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
}

void TfrmInput::MaskEdit1Change(const std::string& cp932) {
  MaskEdit1.Caption = std::string(CutBytes(cp932, kInputBytes));
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
