#include "core/step_suggestion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "core/header_fields.h"

namespace vek {

namespace {

// The least-squares line of a growing piece of the curve. Means and co-moments are updated point
// by point about the piece's own means (Welford's updates), so their rounding stays relative to the
// piece itself: an exact fit comes out a few units of rounding from 0, not the noise of long
// running sums of large numbers.
class PieceFit {
 public:
  void Add(double x, double y) {
    if (n_ == 0) firstX_ = x;
    allSameX_ = allSameX_ && x == firstX_;
    ++n_;
    const double dx = x - mx_, dy = y - my_;
    mx_ += dx / n_;
    my_ += dy / n_;
    cxx_ += dx * (x - mx_);
    cxy_ += dx * (y - my_);
    cyy_ += dy * (y - my_);
  }

  // Sum of squared residuals of the line through the points added; about the mean of y when all
  // their x are equal.
  double Residual() const {
    if (allSameX_ || !(cxx_ > 0.0)) return std::max(cyy_, 0.0);
    return std::max(cyy_ - cxy_ * (cxy_ / cxx_), 0.0);
  }

  // Sum of squared deviations of y from their mean.
  double Spread() const { return std::max(cyy_, 0.0); }

 private:
  int n_ = 0;
  double firstX_ = 0.0;
  bool allSameX_ = true;
  double mx_ = 0.0, my_ = 0.0, cxx_ = 0.0, cxy_ = 0.0, cyy_ = 0.0;
};

// The values times the power of two that brings the largest magnitude into [0.5, 1): exact, so
// every comparison of the rule comes out as on the unscaled values, but sums of squares of up to
// 120 points can no longer overflow (r near 1e154 used to give an infinite spread).
std::vector<double> ScaledByPowerOfTwo(std::span<const double> v) {
  double largest = 0.0;
  for (double a : v) largest = std::max(largest, std::fabs(a));
  int exponent = 0;
  if (largest > 0.0) std::frexp(largest, &exponent);
  std::vector<double> out(v.size());
  for (size_t k = 0; k < v.size(); ++k) out[k] = std::ldexp(v[k], -exponent);
  return out;
}

}  // namespace

StepSuggestion SuggestSteps(std::span<const double> xIn, std::span<const double> yIn) {
  StepSuggestion s;
  s.analysable = static_cast<int>(std::min(xIn.size(), yIn.size()));
  const int n = s.analysable;
  if (n < kMinStepsForSuggestion) {
    s.reason = NoSuggestion::TooFewSteps;
    return s;
  }
  for (int k = 0; k < n; ++k) {
    if (!std::isfinite(xIn[k]) || !std::isfinite(yIn[k])) {
      s.reason = NoSuggestion::ValueNotFinite;
      s.badStep = k + 1;
      return s;
    }
  }
  const std::vector<double> x = ScaledByPowerOfTwo(xIn.first(n));
  const std::vector<double> y = ScaledByPowerOfTwo(yIn.first(n));

  // head[i]: points 1..i; tail[j]: points j..n (1-based).
  std::vector<double> head(n + 1), tail(n + 1);
  PieceFit forward, backward;
  for (int k = 1; k <= n; ++k) {
    forward.Add(x[k - 1], y[k - 1]);
    head[k] = forward.Residual();
    backward.Add(x[n - k], y[n - k]);
    tail[n - k + 1] = backward.Residual();
  }
  // Totals that differ only by rounding count as equal, so the tie order decides them as it would
  // in exact arithmetic (a straight curve gives the smallest pair, not a rounding accident).
  const double tolerance = 1e-12 * forward.Spread();

  double best = std::numeric_limits<double>::infinity();
  for (int i = 2; i + 2 <= n - 1; ++i) {
    PieceFit middle;
    middle.Add(x[i - 1], y[i - 1]);
    for (int j = i + 1; j <= n - 1; ++j) {
      middle.Add(x[j - 1], y[j - 1]);
      if (j < i + 2) continue;
      const double total = head[i] + middle.Residual() + tail[j];
      if (total < best - tolerance) {
        best = total;
        s.rows = AnalysisRows{i, j, n};
      }
    }
  }
  s.found = true;
  return s;
}

StepSuggestion SuggestAnalysisRows(const RecordStore& store) {
  const int n = AnalysableRowCount(store);
  std::vector<double> pe(n), r(n);
  for (int row = 1; row <= n; ++row) {
    pe[row - 1] = std::atof(store.test.Test(row, tf::Pe).c_str());
    r[row - 1] = std::atof(store.test.Test(row, tf::R).c_str());
  }
  return SuggestSteps(pe, r);
}

}  // namespace vek
