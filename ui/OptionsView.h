// The options window: the one-letter hint and the question order as radio
// groups, the flash time with "+" and "-", OK and Cancel, and the read-aloud
// check box in the bottom row, mirrored from
// TfrmOption. Clicks, keys and the title bar's close button go to
// TfrmOption through the guard.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "ui/SecondaryWindow.h"
#include "ui/ViewGuard.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace vcq {
class TfrmOption;
struct Control;
struct RadioGroup;
}  // namespace vcq

namespace vcq::ui {

class OptionsView : public SecondaryWindow {
 public:
  OptionsView(QWidget* owner, TfrmOption& core, Guard guard);
  void Sync();

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  struct Group {
    QGroupBox* box;
    QButtonGroup* buttons;
    std::array<QRadioButton*, 2> items;
  };
  Group NewGroup(const char* name, const Control& place, std::size_t choice);
  // The checked item, which no control's state holds.
  static void MirrorChoice(Group& g, const RadioGroup& c);

  TfrmOption& core_;
  std::vector<Group> groups_;  // one per TfrmOption::Choices()
  QCheckBox* chkSpeak_;
};

}  // namespace vcq::ui
