// The learner's settings file, ~/.config/vcquick/vcquick.conf (under
// XDG_CONFIG_HOME when set), through QSettings. Nothing here goes into a
// record: records are shared with other copies of the program.
#pragma once

#include <QSettings>
#include <QString>
#include <optional>

#include "platform/Speech.h"

namespace vcq::ui {

class LearnerSettings : public SettingsPort {
 public:
  LearnerSettings();  // the learner's own file
  explicit LearnerSettings(const QString& file);

  bool ReadAloud() override;
  void SetReadAloud(bool on) override;
  // High contrast (ui/Contrast), set by hand in the file:
  // display/highContrast=true or false; nullopt when the file does not say.
  std::optional<bool> HighContrast();

 private:
  QSettings settings_;
};

}  // namespace vcq::ui
