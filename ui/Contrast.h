// High contrast, for a learner who cannot see the screen well: text kept at
// a contrast ratio of at least 4.5:1 against what is behind it, and the score
// map's levels told apart by marks as well as by colour. Off, nothing
// changes. It is the learner's setting (LearnerSettings), not the record's.
#pragma once

#include <QColor>

class QWidget;

namespace vcq::ui {

bool HighContrast();
void SetHighContrast(bool on);

// The contrast ratio of two colours, 1 to 21, as WCAG 2 defines it.
double ContrastRatio(const QColor& a, const QColor& b);
// `text` where it reaches 4.5:1 on `background`, else black or white,
// whichever stands out more.
QColor Readable(const QColor& text, const QColor& background);
// The colour behind `w`: its own background if it paints one, else the
// nearest parent's.
QColor BackgroundBehind(const QWidget* w);

}  // namespace vcq::ui
