#include "core/encoding.h"

#include <array>

#include "io/platform/platform.h"

namespace vek {

namespace {

// Bytes below 0x80 are the same characters in CP932 and in UTF-8.
bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Characters that other Shift_JIS tables give for the bytes CP932 decodes differently: the same
// JIS X 0208 character, so text from such sources is stored with the byte pair it names.
struct Variant {
  std::string_view from, to;
};
constexpr std::array<Variant, 7> kJisVariants{{
    {"\u301C", "\uFF5E"},  // WAVE DASH -> FULLWIDTH TILDE (0x8160)
    {"\u2016", "\u2225"},  // DOUBLE VERTICAL LINE -> PARALLEL TO (0x8161)
    {"\u2212", "\uFF0D"},  // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS (0x817C)
    {"\u00A2", "\uFFE0"},  // CENT SIGN -> FULLWIDTH CENT SIGN (0x8191)
    {"\u00A3", "\uFFE1"},  // POUND SIGN -> FULLWIDTH POUND SIGN (0x8192)
    {"\u00AC", "\uFFE2"},  // NOT SIGN -> FULLWIDTH NOT SIGN (0x81CA)
    {"\u2014", "\u2015"},  // EM DASH -> HORIZONTAL BAR (0x815C)
}};

// Characters CP932 has no place for although some converters give them one: glibc folds "¥" onto
// the backslash (a path separator) and "‾" onto "~"; Windows writes U+0080 and U+F8F0-U+F8F3 as
// the single bytes 0x80, 0xA0 and 0xFD-0xFF, which no converter reads back. Stored that way they
// would read back as another character, so they are refused like any other.
constexpr std::array<std::string_view, 7> kRefused{
    {"\u00A5", "\u203E", "\u0080", "\uF8F0", "\uF8F1", "\uF8F2", "\uF8F3"}};

// The UTF-8 text with the JIS variants replaced; nullopt when it holds a refused character.
std::optional<std::string> ToCp932Repertoire(std::string_view utf8) {
  for (std::string_view refused : kRefused)
    if (utf8.find(refused) != std::string_view::npos) return std::nullopt;
  std::string out;
  size_t done = 0;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c != 0xC2 && c != 0xE2 && c != 0xE3) {  // the first bytes of the variants
      ++i;
      continue;
    }
    const Variant* hit = nullptr;
    for (const Variant& v : kJisVariants)
      if (utf8.compare(i, v.from.size(), v.from) == 0) hit = &v;
    if (!hit) {
      ++i;
      continue;
    }
    out.append(utf8.substr(done, i - done)).append(hit->to);
    i += hit->from.size();
    done = i;
  }
  if (done == 0) return std::string(utf8);
  out.append(utf8.substr(done));
  return out;
}

// Single bytes that are no character of CP932 although Windows decodes them to private or control
// code points (0x80, 0xA0, 0xFD-0xFF): shown as U+FFFD everywhere.
bool IsUnassignedSingleByte(unsigned char b) { return b == 0x80 || b == 0xA0 || b >= 0xFD; }

// Length of the CP932 unit starting at `i`: 2 for a lead byte with a byte after it, else 1.
size_t UnitLength(std::string_view cp932, size_t i) {
  return IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size() ? 2 : 1;
}

bool HasUnassignedSingleByte(std::string_view cp932) {
  for (size_t i = 0; i < cp932.size(); i += UnitLength(cp932, i))
    if (IsUnassignedSingleByte(static_cast<unsigned char>(cp932[i]))) return true;
  return false;
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Unit by unit: a unit that does not convert gives U+FFFD and only its first byte is passed over,
// so a broken lead byte never swallows the character after it.
std::string DecodeUnitByUnit(std::string_view cp932) {
  std::string out;
  for (size_t i = 0; i < cp932.size();) {
    const unsigned char b = static_cast<unsigned char>(cp932[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    std::optional<std::string> one;
    if (!IsUnassignedSingleByte(b)) one = platform::Cp932ToUtf8(cp932.substr(i, UnitLength(cp932, i)));
    if (one) {
      out += *one;
      i += UnitLength(cp932, i);
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> TryUtf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  const std::optional<std::string> repertoire = ToCp932Repertoire(utf8);
  if (!repertoire) return std::nullopt;
  return platform::Utf8ToCp932(*repertoire);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  if (!HasUnassignedSingleByte(cp932))
    if (auto whole = platform::Cp932ToUtf8(cp932)) return *whole;
  return DecodeUnitByUnit(cp932);
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
