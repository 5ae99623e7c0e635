#pragma once
// printf's "%.Pf" and "%.Pg" of a double by exact integer arithmetic: a finite double is m x 2^e
// with a 53-bit integer m, so the value times a power of ten, rounded half to even as printf rounds
// in the default rounding mode, is formed exactly in 128 bits whenever the numbers fit. That is
// several times cheaper than the general digit generation of snprintf or std::to_chars.

namespace vek {

constexpr int kPrintfExactlyBuffer = 96;

// Writes the text of "%.{precision}f" (general false) or "%.{precision}g" (general true) of `v` to
// `out` (at least kPrintfExactlyBuffer bytes, no terminating NUL) and returns its length; returns
// -1 when the value is not finite or the numbers do not fit (very large or very small values,
// precisions above 9).
//
// With `text_value`, also sets *text_value to the double that strtod reads back from the text,
// formed from the digits without reading them (exact: the digits times a power of ten are
// rounded once), or leaves it alone and returns -1 when that cannot be done that way.
int WritePrintfExactly(double v, int precision, bool general, char* out, double* text_value = nullptr);

}  // namespace vek
