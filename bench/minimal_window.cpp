// The start-up baseline: the least a Qt 6 Widgets program shows, one window
// with one label, built with the same compiler flags as vcquick.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("minimal window");
  label.setWindowTitle("minimal window");
  label.resize(593, 423);
  label.show();
  return QApplication::exec();
}
