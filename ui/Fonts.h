// The font families the window layouts name. They are fonts of another
// system; start-up maps each to a font that Debian ships.
#pragma once

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

}  // namespace vcq::ui
