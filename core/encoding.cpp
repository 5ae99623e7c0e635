#include "core/encoding.h"

#include <iconv.h>

#include <cerrno>

namespace vek {

namespace {

// One conversion with glibc's iconv. On an unconvertible or invalid input sequence, `replacement`
// is appended and `skip` input bytes are passed over; with an empty replacement the call fails.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in,
                                   std::string_view replacement, size_t skip) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.reserve(in.size() * 2 + 4);
  char* inp = const_cast<char*>(in.data());
  size_t inleft = in.size();
  char buf[1024];
  bool ok = true;
  while (inleft > 0) {
    char* outp = buf;
    size_t outleft = sizeof buf;
    size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
    out.append(buf, static_cast<size_t>(outp - buf));
    if (r != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: a byte sequence that cannot be converted.
    if (replacement.empty()) {
      ok = false;
      break;
    }
    out += replacement;
    size_t n = skip < inleft ? skip : inleft;
    inp += n;
    inleft -= n;
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> TryUtf8ToCp932(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  return Convert("CP932", "UTF-8", utf8, {}, 0);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  if (cp932.empty()) return {};
  auto r = Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD", 1);
  return r ? *r : std::string();
}

std::string Sjis(std::string_view utf8) {
  if (utf8.empty()) return {};
  std::string out;
  // Convert character by character so that one unrepresentable character costs only itself.
  auto r = TryUtf8ToCp932(utf8);
  if (r) return *r;
  size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    auto one = TryUtf8ToCp932(utf8.substr(i, len));
    out += one ? *one : std::string("?");
    i += len;
  }
  return out;
}

}  // namespace vek
