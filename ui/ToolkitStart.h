// Starting Qt without its abort: where the window system cannot be reached,
// Qt would end the program with "Aborted" and a core dump.
#pragma once

#include <QApplication>
#include <memory>
#include <string>

namespace vcq::ui {

// The application object; when the platform cannot start, prints
// `noDesktop` as one line on standard error and exits with 1. What Qt says
// while it starts is held back until it has started, then printed.
std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv, const std::string& noDesktop);

}  // namespace vcq::ui
