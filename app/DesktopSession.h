// Which window system the program runs on, decided from the environment
// before the toolkit starts.
#pragma once

#include <string>

namespace vcq {

struct SessionEnv {
  std::string sessionType;     // XDG_SESSION_TYPE
  std::string waylandDisplay;  // WAYLAND_DISPLAY
  std::string display;         // DISPLAY
  std::string qpaPlatform;     // QT_QPA_PLATFORM
};

// Whether there is any desktop to open windows on. A platform the learner
// named (QT_QPA_PLATFORM, -platform) is taken as one, offscreen included.
bool HasDesktop(const SessionEnv& env, bool displayGiven);

// The toolkit platform to ask for, or "" for the toolkit's own choice. The
// windows are placed exactly (the drill screen over the main window, the
// secondary windows centred), which a Wayland client cannot do; on a
// Wayland session with an X server beside it (Xwayland), X11 it is, with
// Wayland after it in the toolkit's list, so that a DISPLAY left over from
// an X server that is gone falls back to Wayland. A platform the learner
// set is left alone.
std::string ChosenPlatform(const SessionEnv& env, bool platformGiven);

}  // namespace vcq

namespace vcq {

// The one line said when there is no desktop to run on, in Japanese under a
// Japanese locale (`messagesLocale` as setlocale names LC_MESSAGES).
std::string NoDesktopMessage(const std::string& messagesLocale);

}  // namespace vcq
