#include "core/step_suggestion.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

#include "core/header_fields.h"

namespace vek {

namespace {

// Sums over pieces of the curve in O(1): prefix sums of x, y, x², xy, y² of the points, taken about
// the means of the whole curve so that large pressures do not swamp the small radius residuals.
class PieceFits {
 public:
  PieceFits(std::span<const double> x, std::span<const double> y) : n_(static_cast<int>(x.size())) {
    double mx = 0, my = 0;
    for (int k = 0; k < n_; ++k) {
      mx += x[k];
      my += y[k];
    }
    mx /= n_;
    my /= n_;
    sums_.assign(n_ + 1, {});
    for (int k = 0; k < n_; ++k) {
      const double dx = x[k] - mx, dy = y[k] - my;
      const Sums& p = sums_[k];
      sums_[k + 1] = {p.x + dx, p.y + dy, p.xx + dx * dx, p.xy + dx * dy, p.yy + dy * dy};
    }
    // sameUntil_[k]: the last point from k on whose x still equals x[k] exactly.
    sameUntil_.assign(n_, 0);
    for (int k = n_ - 1; k >= 0; --k) {
      sameUntil_[k] = (k + 1 < n_ && x[k + 1] == x[k]) ? sameUntil_[k + 1] : k;
    }
  }

  // Sum of squared residuals of the least-squares line through points first..last (1-based,
  // inclusive); the mean of y when all their x are equal.
  double Residual(int first, int last) const {
    const Sums& a = sums_[first - 1];
    const Sums& b = sums_[last];
    const double n = last - first + 1;
    const double sx = b.x - a.x, sy = b.y - a.y;
    const double cyy = (b.yy - a.yy) - sy * sy / n;
    double sse = cyy;
    if (sameUntil_[first - 1] < last - 1) {
      const double cxx = (b.xx - a.xx) - sx * sx / n;
      const double cxy = (b.xy - a.xy) - sx * sy / n;
      if (cxx > 0) sse = cyy - cxy * cxy / cxx;
    }
    return std::max(sse, 0.0);
  }

  // Sum of squared deviations of all y from their mean: the scale of the residuals.
  double Spread() const { return sums_[n_].yy; }

 private:
  struct Sums {
    double x = 0, y = 0, xx = 0, xy = 0, yy = 0;
  };
  int n_;
  std::vector<Sums> sums_;
  std::vector<int> sameUntil_;
};

}  // namespace

StepSuggestion SuggestSteps(std::span<const double> x, std::span<const double> y) {
  StepSuggestion s;
  s.analysable = static_cast<int>(std::min(x.size(), y.size()));
  const int n = s.analysable;
  if (n < kMinStepsForSuggestion) return s;

  const PieceFits fits(x.first(n), y.first(n));
  std::vector<double> head(n + 1), tail(n + 1);  // head[i]: points 1..i, tail[j]: points j..n
  for (int k = 2; k <= n; ++k) head[k] = fits.Residual(1, k);
  for (int k = 1; k < n; ++k) tail[k] = fits.Residual(k, n);
  // Totals that differ only by rounding count as equal, so the tie order decides them as it would
  // in exact arithmetic (a straight curve gives the smallest pair, not a rounding accident).
  const double tolerance = 1e-12 * fits.Spread();

  double best = std::numeric_limits<double>::infinity();
  for (int i = 2; i + 2 <= n - 1; ++i) {
    for (int j = i + 2; j <= n - 1; ++j) {
      const double total = head[i] + fits.Residual(i, j) + tail[j];
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
