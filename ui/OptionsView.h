// The options window: the one-letter hint and the question order as radio
// groups, the flash time with "+" and "-", OK and Cancel, and the read-aloud
// check box in the bottom row, mirrored from
// TfrmOption. Clicks, keys and the title bar's close button go to
// TfrmOption through Program::Guard.
#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vcq {
class Program;
class TfrmOption;
struct RadioGroup;
}  // namespace vcq

namespace vcq::ui {

class CaptionPanel;

class OptionsView : public QWidget {
 public:
  OptionsView(QWidget* owner, Program& app);
  void Sync();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  struct Group {
    QGroupBox* box;
    QButtonGroup* buttons;
    std::array<QRadioButton*, 2> items;
  };
  Group NewGroup(const char* name, QRect place, void (TfrmOption::*click)(int));
  static void MirrorGroup(Group& g, const RadioGroup& c);

  Program& app_;
  QWidget* owner_;
  Group group1_, group2_;
  QLabel* label1_;
  QLabel* pnlInf_;
  CaptionPanel* pnlUp_;
  CaptionPanel* pnlDown_;
  QLabel* label3_;
  QPushButton* bitBtn1_;
  QPushButton* bitBtn2_;
  QCheckBox* chkSpeak_;
};

}  // namespace vcq::ui
