// What a view mirrors of one control: the state that behaviour changes. The
// core windows own these; the Qt views copy them onto their widgets after
// every event and decide nothing themselves.
#pragma once

#include <cstdint>
#include <string>

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

struct Control {
  std::string Caption;  // CP932
  bool Visible = true;
  bool Enabled = true;
  Rgb Color{};
  Rgb FontColor{};
  int FontSize = 0;  // in the unit the window's layout uses for this control
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

// A control at its place with its colours and font size: the windows' layout
// tables read as one call a control.
inline Control MakeControl(int left, int top, int width, int height, Rgb color, Rgb fontColor,
                           int fontSize, bool visible = true, std::string caption = {}) {
  Control c;
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
  c.Color = color;
  c.FontColor = fontColor;
  c.FontSize = fontSize;
  c.Visible = visible;
  c.Caption = std::move(caption);
  return c;
}

}  // namespace vcq
