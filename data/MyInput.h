// The player window: asks for the player's name and the record's name.
#pragma once

#include "platform/Control.h"

namespace vcq {

class Program;

class TfrmInput {
 public:
  explicit TfrmInput(Program& app) : app_(app) { form.Visible = false; }
  Control form;

 private:
  [[maybe_unused]] Program& app_;
};

}  // namespace vcq
