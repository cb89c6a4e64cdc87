// The study range window: which lessons the drill asks.
#pragma once

#include "platform/Control.h"

namespace vcq {

class Program;

class TfrmSel {
 public:
  explicit TfrmSel(Program& app) : app_(app) { form.Visible = false; }
  Control form;

 private:
  [[maybe_unused]] Program& app_;
};

}  // namespace vcq
