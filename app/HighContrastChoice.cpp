#include "app/HighContrastChoice.h"

namespace vcq {

DesktopContrast DesktopContrastOf(std::optional<std::uint32_t> portalContrast,
                                  std::string_view gtkTheme) {
  if (portalContrast == 1u) return DesktopContrast::High;
  // GTK_THEME is "name" or "name:variant"; the high-contrast themes of GNOME
  // and of Adwaita's successors all carry it in their name.
  if (gtkTheme.substr(0, gtkTheme.find(':')).find("HighContrast") != std::string_view::npos)
    return DesktopContrast::High;
  return portalContrast ? DesktopContrast::Normal : DesktopContrast::Unknown;
}

bool UseHighContrast(std::optional<bool> learner, DesktopContrast desktop, bool forced) {
  if (forced) return true;
  if (learner) return *learner;
  return desktop == DesktopContrast::High;
}

}  // namespace vcq
