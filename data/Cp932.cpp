#include "data/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

#include "platform/Error.h"

namespace vcq {

namespace {

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

iconv_t Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw ConvertError(std::string("文字コード変換を準備できません: ") + from + " → " + to);
  return cd;
}

// One converter each way, opened on first use; the program has one thread.
iconv_t FromCp932() {
  static IconvHandle h(Open("UTF-8", "CP932"));
  return static_cast<iconv_t>(h.get());
}
iconv_t FromUtf8() {
  static IconvHandle h(Open("CP932", "UTF-8"));
  return static_cast<iconv_t>(h.get());
}

// Converts the whole input; on a bad sequence calls onBad(position) which
// returns how many input bytes to skip, or throws.
template <typename OnBad>
std::string Convert(iconv_t cd, std::string_view in, OnBad onBad) {
  std::string out;
  out.reserve(in.size() * 3 / 2 + 8);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char buf[1024];
  while (srcLeft > 0) {
    char* dst = buf;
    std::size_t dstLeft = sizeof buf;
    std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf, dst - buf);
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      std::size_t pos = in.size() - srcLeft;
      std::size_t skip = onBad(pos, out);
      src += skip;
      srcLeft -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

}  // namespace

std::size_t CharLen(std::string_view s, std::size_t i) {
  if (i + 1 < s.size() && IsLeadByte(static_cast<unsigned char>(s[i]))) return 2;
  return 1;
}

std::string_view CutBytes(std::string_view s, std::size_t limit) {
  if (s.size() <= limit) return s;
  std::size_t i = 0;
  while (i < limit) {
    std::size_t n = CharLen(s, i);
    if (i + n > limit) break;
    i += n;
  }
  return s.substr(0, i);
}

std::string ToUtf8(std::string_view cp932) {
  // Plain ASCII needs no converter (the usual case for answers and numbers).
  bool ascii = true;
  for (unsigned char c : cp932)
    if (c >= 0x80) {
      ascii = false;
      break;
    }
  if (ascii) return std::string(cp932);
  return Convert(FromCp932(), cp932, [](std::size_t, std::string& out) {
    out += "\xEF\xBF\xBD";
    return std::size_t{1};
  });
}

std::string ToCp932(std::string_view utf8) {
  return Convert(FromUtf8(), utf8, [&](std::size_t pos, std::string&) -> std::size_t {
    throw ConvertError("「" + std::string(utf8) + "」の " + std::to_string(pos + 1) +
                       " バイト目の文字は Shift-JIS (CP932) で表せません");
  });
}

bool LooksLikeUtf8(std::string_view bytes) {
  bool multi = false;
  for (std::size_t i = 0; i < bytes.size();) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    std::size_t n = c < 0x80           ? 1
                    : (c >> 5) == 0x6  ? 2
                    : (c >> 4) == 0xE  ? 3
                    : (c >> 3) == 0x1E ? 4
                                       : 0;
    if (n == 0 || i + n > bytes.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    multi = multi || n > 1;
    i += n;
  }
  return multi;
}

std::string LowerCp932(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size();) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    std::size_t n = CharLen(out, i);
    if (n == 1) {
      if (c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 0x20);
    } else {
      unsigned code = (c << 8) | static_cast<unsigned char>(out[i + 1]);
      unsigned lower = code;
      if (code >= 0x8260 && code <= 0x8279)
        lower = code + 0x21;  // Ａ-Ｚ
      else if (code >= 0x839F && code <= 0x83B6)
        lower = code + 0x20;  // Greek
      else if (code >= 0x8440 && code <= 0x844E)
        lower = code + 0x30;  // Cyrillic А-Н
      else if (code >= 0x844F && code <= 0x8460)
        lower = code + 0x31;  // Cyrillic О-Я (the lower row skips 0x7F)
      out[i + 1] = static_cast<char>(lower & 0xFF);
    }
    i += n;
  }
  return out;
}

}  // namespace vcq
