#include "platform/Said.h"

#include <locale.h>
#include <string.h>

namespace vcq {

Text& Text::operator+=(const Text& more) {
  en += more.en;
  ja += more.ja;
  return *this;
}

namespace {

std::string Fill(std::string_view text, std::initializer_list<SaidArg> args, Lang lang) {
  std::string out;
  auto arg = args.begin();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == "{}" && arg != args.end()) {
      out += (arg++)->text.In(lang);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Made once and kept for the program's life, as strerror_l needs it to be
// while its text is used.
locale_t MessagesLocale(Lang lang) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  static const locale_t ja = [] {
    for (const char* name : {"ja_JP.UTF-8", "ja_JP.utf8"})
      if (locale_t l = newlocale(LC_ALL_MASK, name, locale_t{})) return l;
    return c;
  }();
  return lang == Lang::Ja ? ja : c;
}

}  // namespace

Text Say(const Said& said, std::initializer_list<SaidArg> args) {
  return {Fill(said.en, args, Lang::En), Fill(said.ja, args, Lang::Ja)};
}

std::string Say(const Said& said, Lang lang, std::initializer_list<SaidArg> args) {
  return Fill(lang == Lang::Ja ? said.ja : said.en, args, lang);
}

std::string SystemMessage(int err, Lang lang) {
  return ::strerror_l(err, MessagesLocale(lang));
}

Text SystemMessage(int err) {
  return {SystemMessage(err, Lang::En), SystemMessage(err, Lang::Ja)};
}

}  // namespace vcq
