// Every colour the windows use, by window: the one table of the program's
// look. Colours the layout gives as 0x00BBGGRR values are written that way.
#pragma once

#include <cstdint>
#include <iterator>

namespace vcq {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour as the 0x00BBGGRR value the layout tables give.
constexpr Rgb FromTColor(std::uint32_t c) {
  return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
          static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

namespace colors {
inline constexpr Rgb kBlack{0x00, 0x00, 0x00};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kNavy{0x00, 0x00, 0x80};
inline constexpr Rgb kRed{0xFF, 0x00, 0x00};
inline constexpr Rgb kGreen{0x00, 0x80, 0x00};
inline constexpr Rgb kSilver{0xC0, 0xC0, 0xC0};
inline constexpr Rgb kTeal{0x00, 0x80, 0x80};
}  // namespace colors

namespace maincolors {
inline constexpr Rgb kWindow = FromTColor(11855615);
inline constexpr Rgb kText = FromTColor(1054229);
inline constexpr Rgb kBarGreen = colors::kGreen;  // the record commands
inline constexpr Rgb kBarBlue = FromTColor(12105321);
inline constexpr Rgb kBarHelp = FromTColor(4570106);
inline constexpr Rgb kBar{0xB9, 0xA5, 0x87};  // the command bar behind the buttons
}  // namespace maincolors

namespace splashcolors {
inline constexpr Rgb kWindow = FromTColor(8889785);
}  // namespace splashcolors

namespace mapcolors {
inline constexpr Rgb kWindow = FromTColor(11855615);   // the wipe: the main window's colour
inline constexpr Rgb kNever = FromTColor(15396590);    // OkLevel -1 and unknown values
inline constexpr Rgb kWrong = FromTColor(16757092);    // 0
inline constexpr Rgb kOnce = FromTColor(8454143);      // 1
inline constexpr Rgb kMastered = FromTColor(7296764);  // 2
inline constexpr Rgb kInRange = colors::kBlack;        // cell pen
inline constexpr Rgb kOutOfRange = colors::kWhite;     // cell pen
inline constexpr Rgb kLabelOn = FromTColor(1852755);   // lesson label, LesSel 1
inline constexpr Rgb kLabelOff = colors::kSilver;      // lesson label otherwise
}  // namespace mapcolors

namespace selcolors {
inline constexpr Rgb kOn{0x87, 0x73, 0x55};  // lesson in the range
inline constexpr Rgb kOff = colors::kSilver;
inline constexpr Rgb kWindow = FromTColor(11855615);
inline constexpr Rgb kKey{0xFF, 0xFF, 0x00};  // the key letter, inside its panel
}  // namespace selcolors

namespace optioncolors {
inline constexpr Rgb kWindow = FromTColor(11855615);
inline constexpr Rgb kStep{0xB9, 0xA5, 0x87};  // "+" and "-"
}  // namespace optioncolors

namespace tablecolors {
inline constexpr Rgb kWindow{0x69, 0xB6, 0xB8};
inline constexpr Rgb kFixed{0xA9, 0xD5, 0xD6};  // the grid's header row and column
}  // namespace tablecolors

namespace inputcolors {
inline constexpr Rgb kWindow = FromTColor(12105321);
inline constexpr Rgb kNote{0x80, 0x00, 0x00};  // why an edit was refused, maroon on the teal
}  // namespace inputcolors

namespace omedetocolors {
inline constexpr Rgb kWindow{0xA3, 0xA5, 0xFF};
}  // namespace omedetocolors

namespace quescolors {
inline constexpr Rgb kWindow{0xEE, 0xEE, 0xEA};
inline constexpr Rgb kPaper{0xFF, 0xFF, 0xFA};  // question, batch and choice panels
inline constexpr Rgb kBar{0xB9, 0xA5, 0x87};
inline constexpr Rgb kReviewStrip{0xE8, 0xA6, 0xCA};  // message strip in review and correction
inline constexpr Rgb kHint{0xB1, 0xB5, 0xBE};         // one-letter hint
inline constexpr Rgb kKeyLit{0xFF, 0x80, 0x80};       // choice panel while its digit is held
inline constexpr Rgb kMouseLit{0xFF, 0x80, 0xFF};     // choice panel while the button is down
}  // namespace quescolors

// The class table's heat map: one sequential scale from light to dark blue
// (lightness alone tells the steps apart, so it reads in grey print and for
// every kind of colour blindness), a step per 20 points and one for 100.
// The number is always written in the cell; dark steps write it in white.
namespace classcolors {
struct HeatStep {
  int from;  // the lowest rate of the step
  Rgb fill;
  Rgb text;
};
inline constexpr HeatStep kHeat[] = {
    {0, {0xEF, 0xF3, 0xFF}, colors::kBlack},  {20, {0xC6, 0xDB, 0xEF}, colors::kBlack},
    {40, {0x9E, 0xCA, 0xE1}, colors::kBlack}, {60, {0x6B, 0xAE, 0xD6}, colors::kBlack},
    {80, {0x31, 0x82, 0xBD}, colors::kWhite}, {100, {0x08, 0x30, 0x6B}, colors::kWhite},
};
constexpr const HeatStep& HeatOf(long long rate) {
  int i = 0;
  for (int s = 0; s < static_cast<int>(std::size(kHeat)); ++s)
    if (rate >= kHeat[s].from) i = s;
  return kHeat[i];
}
inline constexpr Rgb kProblem{0xF2, 0xF2, 0xF2};  // a row without figures
}  // namespace classcolors

}  // namespace vcq
