// The congratulations window, opened when nothing is left to learn.
#pragma once

#include "platform/Control.h"

namespace vcq {

class Program;

class TfrmOmedeto {
 public:
  explicit TfrmOmedeto(Program& app) : app_(app) { form.Visible = false; }
  Control form;

 private:
  [[maybe_unused]] Program& app_;
};

}  // namespace vcq
