// The score table: questions and mastered questions per lesson.
#pragma once

#include "platform/Control.h"

namespace vcq {

class Program;

class TfrmScoreTable {
 public:
  explicit TfrmScoreTable(Program& app) : app_(app) { form.Visible = false; }
  Control form;

 private:
  [[maybe_unused]] Program& app_;
};

}  // namespace vcq
