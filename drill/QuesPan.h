// The drill screen.
#pragma once

#include "platform/Control.h"

namespace vcq {

class Program;

class TfrmQues {
 public:
  explicit TfrmQues(Program& app) : app_(app) { form.Visible = false; }
  Control form;

 private:
  [[maybe_unused]] Program& app_;
};

}  // namespace vcq
