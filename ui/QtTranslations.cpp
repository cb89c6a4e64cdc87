#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vcq::ui {

QtTranslations::QtTranslations(const QLocale& locale) {
  // Nothing for "C" or a language Qt has no catalogue of.
  if (translator_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installed_ = QCoreApplication::installTranslator(&translator_);
}

QtTranslations::~QtTranslations() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace vcq::ui
