#include "core/float_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vek {

namespace {

using u128 = unsigned __int128;

constexpr int kMaxPrecision = 9;

// 10^k for k = 0 ... 38.
u128 PowerOfTen(int k) {
  static const auto table = [] {
    std::array<u128, 39> t{};
    t[0] = 1;
    for (size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10;
    return t;
  }();
  return table[static_cast<size_t>(k)];
}

int BitLength(u128 x) {
  int n = 0;
  while (x != 0) {
    x >>= 1;
    ++n;
  }
  return n;
}

// |v| = m x 2^e exactly, m < 2^53 (v finite).
void Decompose(double v, uint64_t& m, int& e) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7ff);
  m = bits & ((uint64_t{1} << 52) - 1);
  if (biased == 0) {
    e = -1074;  // subnormal or zero
  } else {
    m |= uint64_t{1} << 52;
    e = biased - 1075;
  }
}

// |v| x 10^d rounded to an integer, half to even; false when it does not fit in 128 bits.
bool RoundScaled(uint64_t m, int e, int d, u128& q) {
  if (m == 0) {
    q = 0;
    return true;
  }
  if (d > 19 || d < -25) return false;
  u128 num = m;
  u128 den = 1;
  if (d >= 0) {
    num *= PowerOfTen(d);  // < 2^53 x 2^64
  } else {
    den = PowerOfTen(-d);  // < 2^84
  }
  if (e >= 0) {
    if (BitLength(num) + e > 126) return false;
    num <<= e;
  } else if (den == 1) {
    const int s = -e;
    if (s >= 127) {  // far below one half
      q = 0;
      return true;
    }
    q = num >> s;
    const u128 rest = num & ((u128{1} << s) - 1);
    const u128 half = u128{1} << (s - 1);
    if (rest > half || (rest == half && (q & 1) != 0)) ++q;
    return true;
  } else {
    if (BitLength(den) - e > 126) return false;
    den <<= -e;
  }
  q = num / den;
  const u128 rest = num % den;
  if (rest * 2 > den || (rest * 2 == den && (q & 1) != 0)) ++q;
  return true;
}

constexpr uint64_t kPow10[20] = {1ull,
                                 10ull,
                                 100ull,
                                 1000ull,
                                 10000ull,
                                 100000ull,
                                 1000000ull,
                                 10000000ull,
                                 100000000ull,
                                 1000000000ull,
                                 10000000000ull,
                                 100000000000ull,
                                 1000000000000ull,
                                 10000000000000ull,
                                 100000000000000ull,
                                 1000000000000000ull,
                                 10000000000000000ull,
                                 100000000000000000ull,
                                 1000000000000000000ull,
                                 10000000000000000000ull};

// The number of decimal digits of v (1 for 0).
int DigitCount(uint64_t v) {
  int n = 1;
  while (n < 20 && v >= kPow10[n]) ++n;
  return n;
}

// Writes exactly `digits` decimal digits of v (leading zeros added; v < 10^digits) two at a time
// from the end; returns the end of the digits.
char* WriteU64(uint64_t v, int digits, char* out) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char* p = out + digits;
  while (v >= 100) {
    const auto pair = static_cast<size_t>(v % 100) * 2;
    v /= 100;
    p -= 2;
    p[0] = kPairs[pair];
    p[1] = kPairs[pair + 1];
  }
  if (v >= 10) {
    p -= 2;
    p[0] = kPairs[v * 2];
    p[1] = kPairs[v * 2 + 1];
  } else {
    *--p = static_cast<char>('0' + v);
  }
  while (p > out) *--p = '0';
  return out + digits;
}

// Writes the decimal digits of q, at least `minDigits` of them (leading zeros added); returns the
// end of the digits.
char* WriteDigits(u128 q, int minDigits, char* out) {
  if (q <= UINT64_MAX) {  // the usual case: 64-bit arithmetic, far cheaper than 128-bit division
    const auto v = static_cast<uint64_t>(q);
    return WriteU64(v, std::max(DigitCount(v), minDigits), out);
  }
  char rev[48];
  int n = 0;
  for (; q != 0; q /= 10) rev[n++] = static_cast<char>('0' + static_cast<int>(q % 10));
  for (; n < minDigits; --minDigits) *out++ = '0';
  while (n > 0) *out++ = rev[--n];
  return out;
}

// q / 10^decimals written with `decimals` places; returns the end of the text.
char* WriteFixed(u128 q, int decimals, char* out) {
  if (q <= UINT64_MAX && decimals < 20) {
    const auto v = static_cast<uint64_t>(q);
    const uint64_t whole = v / kPow10[decimals];
    out = WriteU64(whole, DigitCount(whole), out);
    if (decimals > 0) {
      *out++ = '.';
      out = WriteU64(v % kPow10[decimals], decimals, out);
    }
    return out;
  }
  char digits[48];
  const char* end = WriteDigits(q, decimals + 1, digits);
  const char* point = end - decimals;
  for (const char* p = digits; p < point; ++p) *out++ = *p;
  if (decimals > 0) {
    *out++ = '.';
    for (const char* p = point; p < end; ++p) *out++ = *p;
  }
  return out;
}

// The double nearest to q x 10^k when it is formed by one rounding (q and 10^k exact doubles),
// as strtod reads the text of those digits; false when it is not.
bool ScaledValue(u128 q, int k, double& value) {
  if (q > (u128{1} << 53) || k > 19 || k < -19) return false;  // 10^19 is still an exact double
  const double d = static_cast<double>(static_cast<uint64_t>(q));
  const double p = static_cast<double>(kPow10[k < 0 ? -k : k]);
  value = k < 0 ? d / p : d * p;
  return true;
}

// %g of m x 2^e with p significant digits; *text_value as WritePrintfExactly describes (false in
// *valued when it cannot be formed).
char* WriteGeneral(uint64_t m, int e, int p, char* out, double* text_value, bool* valued) {
  if (m == 0) {
    *out++ = '0';
    if (text_value) *text_value = 0.0;
    return out;
  }
  // The exponent %e would show: first from the binary exponent, then corrected by the rounded
  // digits (which may also carry into the next power of ten).
  int x = static_cast<int>(std::floor((e + 52 + (m >> 52 == 0 ? -1 : 0)) * 0.30102999566398120));
  u128 q = 0;
  const u128 low = PowerOfTen(p - 1), high = PowerOfTen(p);
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (!RoundScaled(m, e, p - 1 - x, q)) return nullptr;
    if (q >= high) {
      ++x;
    } else if (q < low) {
      --x;
    } else {
      break;
    }
  }
  if (q < low || q >= high) return nullptr;
  if (text_value) *valued = ScaledValue(q, x - (p - 1), *text_value);
  char digits[16];
  WriteDigits(q, p, digits);  // exactly p digits
  int last = p - 1;
  while (last > 0 && digits[last] == '0') --last;
  if (x < -4 || x >= p) {
    *out++ = digits[0];
    if (last > 0) {
      *out++ = '.';
      for (int i = 1; i <= last; ++i) *out++ = digits[i];
    }
    *out++ = 'e';
    *out++ = x < 0 ? '-' : '+';
    const int ax = x < 0 ? -x : x;
    if (ax >= 100) *out++ = static_cast<char>('0' + ax / 100);
    *out++ = static_cast<char>('0' + ax / 10 % 10);
    *out++ = static_cast<char>('0' + ax % 10);
    return out;
  }
  // Fixed notation with p - 1 - x places, trailing zeros (and a bare point) dropped.
  char* end = WriteFixed(q, p - 1 - x, out);
  if (p - 1 - x > 0) {
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
  }
  return end;
}

}  // namespace

int WritePrintfExactly(double v, int precision, bool general, char* out, double* text_value) {
  if (!std::isfinite(v) || precision < 0 || precision > kMaxPrecision) return -1;
  uint64_t m;
  int e;
  Decompose(v, m, e);
  char* p = out;
  const bool negative = std::signbit(v);
  if (negative) *p++ = '-';
  bool valued = true;
  double value = 0.0;
  if (general) {
    p = WriteGeneral(m, e, precision == 0 ? 1 : precision, p, text_value ? &value : nullptr, &valued);
    if (!p) return -1;
  } else {
    u128 q;
    if (!RoundScaled(m, e, precision, q)) return -1;
    if (text_value) valued = ScaledValue(q, -precision, value);
    p = WriteFixed(q, precision, p);
  }
  if (text_value) {
    if (!valued) return -1;
    *text_value = negative ? -value : value;
  }
  return static_cast<int>(p - out);
}

}  // namespace vek
