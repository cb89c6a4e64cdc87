#include "ui/Fonts.h"

#include <QFont>
#include <QStringList>

namespace vcq::ui {

void InstallFontSubstitutes() {
  auto map = [](const char* from, QStringList to) {
    QFont::insertSubstitutions(QString::fromUtf8(from), to);
  };
  map(family::kPGothic, {"IPAPGothic", "IPA Pゴシック"});
  map(family::kPMincho, {"IPAPMincho", "IPA P明朝"});
  map(family::kGothic, {"IPAGothic", "IPAゴシック"});
  map(family::kCourier, {"Liberation Mono", "DejaVu Sans Mono", "Nimbus Mono PS"});
  map("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
  map("Arial", {"Liberation Sans", "DejaVu Sans"});
}

QFont PixelFont(const char* family, int pixels) {
  QFont f(QString::fromUtf8(family));
  f.setPixelSize(pixels);
  return f;
}

}  // namespace vcq::ui
