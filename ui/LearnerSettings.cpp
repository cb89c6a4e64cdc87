#include "ui/LearnerSettings.h"

#include <QDir>
#include <QStandardPaths>

namespace vcq::ui {

namespace {

constexpr const char* kReadAloud = "speech/readAloud";
constexpr const char* kHighContrast = "display/highContrast";

QString DefaultFile() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(config).filePath("vcquick/vcquick.conf");
}

}  // namespace

LearnerSettings::LearnerSettings() : LearnerSettings(DefaultFile()) {}

LearnerSettings::LearnerSettings(const QString& file) : settings_(file, QSettings::IniFormat) {}

bool LearnerSettings::ReadAloud() {
  return settings_.value(kReadAloud, false).toBool();
}

// Written at once: a learner who turns it on and the program is killed
// still finds it on. A file that cannot be written leaves the setting for
// this run only.
void LearnerSettings::SetReadAloud(bool on) {
  settings_.setValue(kReadAloud, on);
  settings_.sync();
}

std::optional<bool> LearnerSettings::HighContrast() {
  if (!settings_.contains(kHighContrast)) return std::nullopt;
  return settings_.value(kHighContrast).toBool();
}

}  // namespace vcq::ui
