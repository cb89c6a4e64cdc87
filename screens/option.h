// The options window: one-letter hint, question order and flash time.
#pragma once

#include "platform/Control.h"

namespace vcq {

class Program;

class TfrmOption {
 public:
  explicit TfrmOption(Program& app) : app_(app) { form.Visible = false; }
  Control form;

 private:
  [[maybe_unused]] Program& app_;
};

}  // namespace vcq
