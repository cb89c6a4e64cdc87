// The font families the window layouts name. They are fonts of another
// system; start-up maps each to a font that Debian ships.
#pragma once

#include <QFont>

namespace vcq::ui::family {
inline constexpr char kPGothic[] = "ＭＳ Ｐゴシック";
inline constexpr char kPMincho[] = "ＭＳ Ｐ明朝";
inline constexpr char kGothic[] = "ＭＳ ゴシック";
inline constexpr char kCourier[] = "Courier New";
}  // namespace vcq::ui::family

namespace vcq::ui {

// fontconfig knows no alias for the Japanese names, so Qt would fall back to
// whatever font has the glyphs; the IPA fonts have the same metrics role.
void InstallFontSubstitutes();

// A font by the family the layout names (substituted at start-up) and a size
// in pixels, as the layout gives it.
QFont PixelFont(const char* family, int pixels);

}  // namespace vcq::ui
