// The suggestion rule on any doubles: the input's bytes are the points' Pe and r, eight bytes each,
// alternating. Whatever they hold (huge, tiny, subnormal, infinite, NaN, repeated), a suggestion is
// either found with steps in their documented ranges, or refused with its reason; never steps 0
// reported as found.
#include <cmath>
#include <cstring>
#include <vector>

#include "core/step_suggestion.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vek;
  std::vector<double> x, y;
  for (size_t at = 0; at + 16 <= size && x.size() < 120; at += 16) {
    double a, b;
    std::memcpy(&a, data + at, 8);
    std::memcpy(&b, data + at + 8, 8);
    x.push_back(a);
    y.push_back(b);
  }
  const int n = static_cast<int>(x.size());
  bool finite = true;
  for (int k = 0; k < n; ++k) finite = finite && std::isfinite(x[k]) && std::isfinite(y[k]);

  const StepSuggestion s = SuggestSteps(x, y);
  if (s.analysable != n) __builtin_trap();
  if (s.found) {
    if (!finite || n < kMinStepsForSuggestion) __builtin_trap();
    if (s.rows.po < 2 || s.rows.py < s.rows.po + 2 || s.rows.py > n - 1 || s.rows.pl != n) __builtin_trap();
    if (s.reason != NoSuggestion::None) __builtin_trap();
  } else {
    if (n >= kMinStepsForSuggestion && finite) __builtin_trap();
    if (s.reason == NoSuggestion::None) __builtin_trap();
    if (s.reason == NoSuggestion::ValueNotFinite && (s.badStep < 1 || s.badStep > n)) __builtin_trap();
  }
  return 0;
}
