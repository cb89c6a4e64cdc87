// What a view mirrors of one control: the state that behaviour changes. The
// core windows own these; the Qt views copy them onto their widgets after
// every event and decide nothing themselves.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Colors.h"

namespace vcq {

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

// Gives a control made elsewhere (a group, a check box) its place.
inline void Place(Control& c, int left, int top, int width, int height) {
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
}

}  // namespace vcq
