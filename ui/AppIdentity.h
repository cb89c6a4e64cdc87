// How the program names itself to the desktop: the window class and the
// desktop entry carry "vcquick"; the window titles are the captions alone.
#pragma once

namespace vcq::ui {

// Call right after the QApplication is made: the program's name, its
// desktop entry, the end of the program and the fonts the windows ask for.
void SetUpApplication();

}  // namespace vcq::ui
