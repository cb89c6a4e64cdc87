#include "app/DesktopSession.h"

namespace vcq {

bool HasDesktop(const SessionEnv& env, bool displayGiven) {
  return displayGiven || !env.display.empty() || !env.waylandDisplay.empty() ||
         !env.qpaPlatform.empty();
}

std::string ChosenPlatform(const SessionEnv& env, bool platformGiven) {
  if (platformGiven || !env.qpaPlatform.empty()) return {};
  const bool wayland = env.sessionType == "wayland" || !env.waylandDisplay.empty();
  return wayland && !env.display.empty() ? "xcb;wayland" : "";
}

}  // namespace vcq

namespace vcq {

std::string NoDesktopMessage(const std::string& messagesLocale) {
  if (messagesLocale.starts_with("ja"))
    return "vcquick: VCQuick はデスクトップのセッションで起動してください"
           "（ディスプレイに接続できません）";
  return "vcquick: VCQuick needs a desktop session (no display could be reached)";
}

}  // namespace vcq
