#include "ui/TextConversion.h"

#include <algorithm>
#include <unordered_map>

#include "data/Cp932.h"
#include "platform/Error.h"

namespace vcq::ui {

QString Qs(const std::string& cp932) {
  // ASCII (numbers, answers, most sentences) needs no converter.
  if (std::all_of(cp932.begin(), cp932.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return QString::fromLatin1(cp932.data(), static_cast<qsizetype>(cp932.size()));
  // The views mirror every caption after every event and few captions
  // change: each Japanese text goes through the converter once, not at
  // every sync. Bounded, as the questions' texts keep coming.
  constexpr std::size_t kMaxConverted = 256;
  static std::unordered_map<std::string, QString> converted;
  if (auto it = converted.find(cp932); it != converted.end()) return it->second;
  if (converted.size() >= kMaxConverted) converted.clear();
  return converted.emplace(cp932, QString::fromStdString(ToUtf8(cp932))).first->second;
}

std::string Cp932Of(const QString& text) {
  try {
    return ToCp932(text.toStdString());
  } catch (const Error&) {
  }
  // Slow path, one character at a time, only when something has no CP932 form.
  std::string out;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    try {
      out += ToCp932(text.mid(i, n).toStdString());
    } catch (const Error&) {
    }
    i += n;
  }
  return out;
}

}  // namespace vcq::ui
