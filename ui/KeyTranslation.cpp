#include "ui/KeyTranslation.h"

#include <QKeyEvent>

#include "platform/VirtualKeys.h"
#include "ui/TextConversion.h"

namespace vcq::ui {

namespace {

constexpr int kNumpad0 = 0x60;

struct KeyCode {
  int qt;
  int vk;
};

constexpr KeyCode kKeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Slash, 0x6F},
};

constexpr KeyCode kKeys[] = {
    {Qt::Key_Backspace, vk::kBack},  {Qt::Key_Tab, vk::kTab},       {Qt::Key_Backtab, vk::kTab},
    {Qt::Key_Return, vk::kReturn},   {Qt::Key_Enter, vk::kReturn},  {Qt::Key_Shift, vk::kShift},
    {Qt::Key_Control, vk::kControl}, {Qt::Key_Alt, vk::kMenu},      {Qt::Key_Escape, vk::kEscape},
    {Qt::Key_Space, vk::kSpace},     {Qt::Key_PageUp, vk::kPrior},  {Qt::Key_PageDown, vk::kNext},
    {Qt::Key_End, vk::kEnd},         {Qt::Key_Home, vk::kHome},     {Qt::Key_Left, vk::kLeft},
    {Qt::Key_Up, vk::kUp},           {Qt::Key_Right, vk::kRight},   {Qt::Key_Down, vk::kDown},
    {Qt::Key_Insert, vk::kInsert},   {Qt::Key_Delete, vk::kDelete},
};

int Lookup(const auto& table, int key) {
  for (const KeyCode& k : table)
    if (k.qt == key) return k.vk;
  return 0;
}

int VirtualKey(int key, bool keypad) {
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return vk::kF1 + (key - Qt::Key_F1);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return (keypad ? kNumpad0 : '0') + (key - Qt::Key_0);
  if (int code = keypad ? Lookup(kKeypadKeys, key) : 0) return code;
  return Lookup(kKeys, key);
}

std::optional<char> Typed(int key, const QString& text) {
  // These keys type control characters on every platform, whatever the
  // toolkit reports as their text; Delete types nothing.
  switch (key) {
    case Qt::Key_Backspace:
      return '\b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return '\t';
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return '\r';
    case Qt::Key_Escape:
      return '\x1b';
    case Qt::Key_Delete:
      return std::nullopt;
    default:
      break;
  }
  if (text.isEmpty()) return std::nullopt;
  if (text.size() == 1 && text.at(0).unicode() < 0x80) {
    const char c = static_cast<char>(text.at(0).unicode());
    if (c == '\x7f') return std::nullopt;
    return c;
  }
  // Half-width katakana are single bytes too.
  const std::string b = Cp932Of(text);
  if (b.size() == 1) return b[0];
  return std::nullopt;
}

}  // namespace

KeyStroke TranslateKey(const QKeyEvent& e) {
  const bool keypad = e.modifiers().testFlag(Qt::KeypadModifier);
  return {VirtualKey(e.key(), keypad), Typed(e.key(), e.text())};
}

}  // namespace vcq::ui
