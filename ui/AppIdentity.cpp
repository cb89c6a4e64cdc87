#include "ui/AppIdentity.h"

#include <QApplication>

#include "ui/Fonts.h"

namespace vcq::ui {

void SetUpApplication() {
  // Also the class of every window (WM_CLASS), which the desktop entry's
  // StartupWMClass matches. No display name: Qt would append it to every
  // title, and each window's title is its caption exactly.
  QApplication::setApplicationName("vcquick");
  QGuiApplication::setDesktopFileName("vcquick");
  // The program ends when the core says so, not when its last window hides.
  QApplication::setQuitOnLastWindowClosed(false);
  InstallFontSubstitutes();
}

}  // namespace vcq::ui
