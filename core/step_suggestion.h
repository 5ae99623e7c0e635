#pragma once
// A starting suggestion for the three chosen steps (Po, Py', Pl'), read from the shape of the
// pressure-radius curve: the curve is split into three straight pieces with the least total squared
// error, and the two breaks become the Po and Py' steps, the last analysable step the Pl' step.
#include <span>

#include "core/analysis.h"
#include "core/record_store.h"

namespace vek {

// The fewest analysable steps a suggestion needs: the middle piece needs three steps, each outer
// piece two, and neighbouring pieces share their break step.
constexpr int kMinStepsForSuggestion = 5;

// Why there is no suggestion.
enum class NoSuggestion {
  None,            // there is one
  TooFewSteps,     // fewer than kMinStepsForSuggestion analysable steps
  ValueNotFinite,  // a Pe or r beyond the range of a double (e.g. "1e999"): the curve has no shape
};

struct StepSuggestion {
  bool found = false;  // false: see `reason`
  AnalysisRows rows;   // 1-based; set only when found
  int analysable = 0;  // N, the analysable steps the suggestion was made from
  NoSuggestion reason = NoSuggestion::None;
  int badStep = 0;     // ValueNotFinite: the first step whose Pe or r is not finite
};

// The rule on points 1..N (x = Pe, y = r; x.size() == y.size() == N): for every pair i, j with
// 2 <= i, i + 2 <= j <= N - 1 a least-squares line y = a + b x is fitted to points 1..i, i..j and
// j..N (a break belongs to both of its pieces; a piece whose x are all equal is fitted by the mean
// of its y) and the three sums of squared residuals are added. The pair with the least total wins;
// of equal totals the smaller i, then the smaller j (totals closer than 1e-12 of the spread of y,
// sum (y - mean y)^2, are equal). Result: Po = i, Py' = j, Pl' = N. The sums are formed on the
// points scaled by powers of two, which changes no comparison but keeps any finite double from
// overflowing, and updated point by point about each piece's own mean, so that rounding stays far
// below the tie tolerance.
StepSuggestion SuggestSteps(std::span<const double> x, std::span<const double> y);

// The same on the test record's analysable rows (Pe and r read with atof).
StepSuggestion SuggestAnalysisRows(const RecordStore& store);

}  // namespace vek
