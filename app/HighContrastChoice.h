// Whether the windows are drawn in high contrast (ui/Contrast): the
// learner's own setting decides when the learner made one; otherwise the
// desktop's wish, where the desktop says it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vcq {

enum class DesktopContrast { Unknown, Normal, High };

// What the desktop asks for: the settings portal's appearance "contrast"
// (1: higher contrast, 0: none; nullopt when it gave no answer), then a
// GTK theme named for high contrast (GTK_THEME, e.g. "HighContrast" or
// "HighContrastInverse"), which a desktop without the portal key still sets.
DesktopContrast DesktopContrastOf(std::optional<std::uint32_t> portalContrast,
                                  std::string_view gtkTheme);

// `learner`: display/highContrast of the learner's settings, nullopt when
// the file does not say. The environment's VCQ_HIGH_CONTRAST forces it on.
bool UseHighContrast(std::optional<bool> learner, DesktopContrast desktop, bool forced);

}  // namespace vcq
