// The size of Qt's own file dialog. Its default size cuts the detail
// columns short in Japanese ("平…ト", "2026/…"); here they are measured in
// the dialog's font and language and the dialog is made wide enough.
#pragma once

class QFileDialog;

namespace vcq::ui {

// Call before the dialog is shown: the detail view, each column wide
// enough for its longest usual text, the dialog wide enough for them all
// (within the screen).
void FitFileDialog(QFileDialog& dlg);

}  // namespace vcq::ui
