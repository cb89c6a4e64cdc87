// A command of the main window's bar: a coloured 36 x 36 panel with a 32 x 32
// picture in its middle and a hint. A click on the panel or its picture runs
// the command once the button is let go over it.
#pragma once

#include <QWidget>
#include <functional>

namespace vcq::ui {

class CommandButton : public QWidget {
 public:
  CommandButton(QWidget* parent, const QString& picture, const QString& hint);
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool pressed_ = false;
};

}  // namespace vcq::ui
