// A command of the main window's bar: a coloured 36 x 36 panel with a 32 x 32
// picture in its middle and a hint. A click on the panel or its picture runs
// the command once the button is let go over it.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace vcq::ui {

class CommandButton : public QWidget {
 public:
  CommandButton(QWidget* parent, const QString& picture, const QString& hint);
  std::function<void()> onClick;

  // The labels that name the command on screen, its key and its caption; a
  // screen reader reads them as the button's name, as they are when asked.
  void SetLabels(const QLabel* key, const QLabel* caption);
  // "F2 開く", or the hint when the command has no labels.
  QString AccessibleName() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool pressed_ = false;
  QPointer<const QLabel> key_, caption_;
};

}  // namespace vcq::ui
