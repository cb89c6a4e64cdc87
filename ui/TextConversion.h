// Text between the core and the toolkit. The core keeps text as CP932 bytes;
// here it becomes a QString, and back only where the learner types.
#pragma once

#include <QString>
#include <string>

namespace vcq::ui {

QString Qs(const std::string& cp932);
// The learner's text as CP932; characters that code page has no form for are
// dropped, so whatever was typed or pasted still reaches the window.
std::string Cp932Of(const QString& text);

}  // namespace vcq::ui
