// Qt key events as the windows' key handlers take them: a virtual key code
// for FormKeyDown / FormKeyUp and, for keys that type something, the one
// CP932 character for FormKeyPress.
#pragma once

#include <optional>

class QKeyEvent;

namespace vcq::ui {

struct KeyStroke {
  int vk = 0;                 // 0: a key the windows have no code for
  std::optional<char> typed;  // what the key types, as one CP932 byte
};

// Auto-repeated presses translate like any other and are forwarded: holding
// a key repeats it. On X11 a held key also sends a release before each
// repeat; a view forwarding key-ups drops those (QKeyEvent::isAutoRepeat).
// Punctuation keys carry no virtual key (their code depends on the keyboard
// layout); the windows only look at their characters.
KeyStroke TranslateKey(const QKeyEvent& e);

}  // namespace vcq::ui
