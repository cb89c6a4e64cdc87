// The splash window shown during the start-up sequence. It has no behaviour
// of its own: the main window's start-up timer shows and closes it.
#pragma once

#include "platform/Control.h"

namespace vcq {

class TfrmStartPan {
 public:
  TfrmStartPan() {
    form.Caption = "MiravelCompany";
    form.Width = 224;
    form.Height = 72;
    form.Color = splashcolors::kWindow;
  }
  Control form;  // visible from creation
};

}  // namespace vcq
