#include "core/encoding.h"

#include <iconv.h>

#include <cerrno>

namespace vek {

namespace {

// An iconv descriptor for one direction, opened on first use and kept for the life of the thread:
// opening one loads and parses the converter's tables, which costs far more than converting a field.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

iconv_t ToCp932() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter.ok() ? converter.get() : reinterpret_cast<iconv_t>(-1);
}

iconv_t FromCp932() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter.ok() ? converter.get() : reinterpret_cast<iconv_t>(-1);
}

// Bytes below 0x80 are the same characters in CP932 and in UTF-8.
bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// One conversion with glibc's iconv on a kept descriptor. On an unconvertible or invalid input
// sequence, `replacement` is appended and `skip` input bytes are passed over; with an empty
// replacement the call fails.
std::optional<std::string> Convert(iconv_t cd, std::string_view in, std::string_view replacement, size_t skip) {
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // Back to the initial shift state: a failed conversion may have left the descriptor mid-sequence.
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
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
  if (!ok) return std::nullopt;
  // Flush whatever the converter still holds (nothing for these encodings, but cheap to be sure).
  char* outp = buf;
  size_t outleft = sizeof buf;
  if (iconv(cd, nullptr, nullptr, &outp, &outleft) != static_cast<size_t>(-1))
    out.append(buf, static_cast<size_t>(outp - buf));
  return out;
}

}  // namespace

std::optional<std::string> TryUtf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return Convert(ToCp932(), utf8, {}, 0);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  auto r = Convert(FromCp932(), cp932, "\xEF\xBF\xBD", 1);
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
