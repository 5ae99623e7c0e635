#include "core/float_text.h"

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

// Writes the decimal digits of q, at least `minDigits` of them (leading zeros added); returns the
// end of the digits.
char* WriteDigits(u128 q, int minDigits, char* out) {
  char digits[48];
  char* end;
  if (q <= UINT64_MAX) {  // the usual case: the 64-bit conversion, far cheaper than 128-bit division
    end = std::to_chars(digits, digits + sizeof digits, static_cast<uint64_t>(q)).ptr;
  } else {
    char rev[48];
    int n = 0;
    for (; q != 0; q /= 10) rev[n++] = static_cast<char>('0' + static_cast<int>(q % 10));
    end = digits;
    while (n > 0) *end++ = rev[--n];
  }
  for (int n = static_cast<int>(end - digits); n < minDigits; ++n) *out++ = '0';
  for (const char* p = digits; p < end; ++p) *out++ = *p;
  return out;
}

// q / 10^decimals written with `decimals` places; returns the end of the text.
char* WriteFixed(u128 q, int decimals, char* out) {
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

char* WriteGeneral(uint64_t m, int e, int p, char* out) {
  if (m == 0) {
    *out++ = '0';
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

int WritePrintfExactly(double v, int precision, bool general, char* out) {
  if (!std::isfinite(v) || precision < 0 || precision > kMaxPrecision) return -1;
  uint64_t m;
  int e;
  Decompose(v, m, e);
  char* p = out;
  if (std::signbit(v)) *p++ = '-';
  if (general) {
    p = WriteGeneral(m, e, precision == 0 ? 1 : precision, p);
    if (!p) return -1;
  } else {
    u128 q;
    if (!RoundScaled(m, e, precision, q)) return -1;
    p = WriteFixed(q, precision, p);
  }
  return static_cast<int>(p - out);
}

}  // namespace vek
