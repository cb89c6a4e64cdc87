// Qt's own texts (the buttons of the message boxes, the file dialog's
// labels and columns) in the learner's language, from Qt's translations.
#pragma once

#include <QLocale>
#include <QTranslator>

namespace vcq::ui {

class QtTranslations {
 public:
  // Installs Qt's catalogue for `locale` when there is one; none is not an
  // error (Qt then speaks English).
  explicit QtTranslations(const QLocale& locale = QLocale());
  ~QtTranslations();
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

  bool Installed() const { return installed_; }

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace vcq::ui
