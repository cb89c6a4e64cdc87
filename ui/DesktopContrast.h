// The desktop's high-contrast wish, asked of the freedesktop settings portal
// on the session bus without waiting: start-up goes on, and `answer` is
// called once, from the event loop, when the portal replies or the short
// timeout passes (nullopt: no bus, no portal, no such key, no reply).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

class QObject;

namespace vcq::ui {

void AskDesktopContrast(QObject* context, std::function<void(std::optional<std::uint32_t>)> answer);

}  // namespace vcq::ui
