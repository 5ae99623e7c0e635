#include "core/step_suggestion.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

#include "core/header_fields.h"
#include "support/three_piece_curve.h"

namespace vek {
namespace {

using testing::CurvePoints;
using testing::MakeCurve;
using testing::ThreePieceCurve;

// The rule written the slow way: every piece fitted from its own points.
double DirectResidual(const std::vector<double>& x, const std::vector<double>& y, int first, int last) {
  const int n = last - first + 1;
  double mx = 0, my = 0;
  for (int k = first - 1; k < last; ++k) {
    mx += x[k];
    my += y[k];
  }
  mx /= n;
  my /= n;
  double sxx = 0, sxy = 0;
  for (int k = first - 1; k < last; ++k) {
    sxx += (x[k] - mx) * (x[k] - mx);
    sxy += (x[k] - mx) * (y[k] - my);
  }
  const double b = sxx > 0 ? sxy / sxx : 0.0;
  double sse = 0;
  for (int k = first - 1; k < last; ++k) {
    const double e = y[k] - (my + b * (x[k] - mx));
    sse += e * e;
  }
  return sse;
}

AnalysisRows DirectSuggestion(const std::vector<double>& x, const std::vector<double>& y) {
  const int n = static_cast<int>(x.size());
  double best = std::numeric_limits<double>::infinity();
  AnalysisRows rows;
  for (int i = 2; i + 2 <= n - 1; ++i) {
    for (int j = i + 2; j <= n - 1; ++j) {
      const double t = DirectResidual(x, y, 1, i) + DirectResidual(x, y, i, j) + DirectResidual(x, y, j, n);
      if (t < best * (1 - 1e-9)) {
        best = t;
        rows = {i, j, n};
      }
    }
  }
  return rows;
}

std::string Rows(const AnalysisRows& r) {
  return std::to_string(r.po) + "," + std::to_string(r.py) + "," + std::to_string(r.pl);
}

TEST(StepSuggestionTest, NoisyThreePieceCurvesBreakWhereTheyWereMade) {
  struct Case {
    int steps, firstBreak, secondBreak;
    double noise;
  };
  const Case cases[] = {{12, 4, 9, 0.002}, {10, 3, 7, 0.003}, {20, 5, 15, 0.002}, {30, 2, 28, 0.002},
                        {7, 3, 5, 0.001},  {60, 12, 41, 0.004}, {120, 20, 95, 0.003}};
  for (const Case& c : cases) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
      ThreePieceCurve curve;
      curve.steps = c.steps;
      curve.firstBreak = c.firstBreak;
      curve.secondBreak = c.secondBreak;
      curve.noise = c.noise;
      curve.seed = seed;
      const CurvePoints p = MakeCurve(curve);
      const StepSuggestion s = SuggestSteps(p.pe, p.r);
      ASSERT_TRUE(s.found);
      EXPECT_EQ(Rows(s.rows), std::to_string(c.firstBreak) + "," + std::to_string(c.secondBreak) + "," +
                                  std::to_string(c.steps))
          << "N " << c.steps << " seed " << seed;
    }
  }
}

TEST(StepSuggestionTest, AgreesWithPiecesFittedOneByOne) {
  // Random curves, some with repeated pressures (pieces whose x are all equal), against the rule
  // computed directly from each piece's points.
  std::mt19937 random(7);
  std::uniform_real_distribution<double> step(0.0, 80.0), radius(-0.05, 0.3);
  for (int trial = 0; trial < 200; ++trial) {
    const int n = 5 + trial % 25;
    std::vector<double> x, y;
    double pe = 0, r = 4.5;
    for (int k = 0; k < n; ++k) {
      if (trial % 3 != 0 || k % 4 != 1) pe += step(random);  // every third curve repeats pressures
      r += radius(random);
      x.push_back(pe);
      y.push_back(r);
    }
    const StepSuggestion s = SuggestSteps(x, y);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(Rows(s.rows), Rows(DirectSuggestion(x, y))) << "trial " << trial;
  }
}

TEST(StepSuggestionTest, TiesGoToTheSmallerSteps) {
  // A straight curve fits every split exactly; five steps allow only the one split.
  std::vector<double> x, y;
  for (int k = 0; k < 15; ++k) {
    x.push_back(100.0 * k);
    y.push_back(4.4 + 0.0007 * 100.0 * k);
  }
  EXPECT_EQ(Rows(SuggestSteps(x, y).rows), "2,4,15");
  EXPECT_EQ(Rows(SuggestSteps(std::span(x).first(5), std::span(y).first(5)).rows), "2,4,5");
  // All pressures equal: every piece is its mean; a constant radius is again a tie everywhere.
  const std::vector<double> same(8, 300.0), flat(8, 4.6);
  EXPECT_EQ(Rows(SuggestSteps(same, flat).rows), "2,4,8");
}

TEST(StepSuggestionTest, ExactFitsTieInTheDocumentedOrderDespiteRounding) {
  // Splits (i, 9) for i = 3 ... 8 all fit exactly; the running sums of the whole curve once left
  // rounding noise above the tie tolerance, and a later i won.
  std::vector<double> x = {0, 0}, y = {3, 3};
  for (int k = 0; k < 6; ++k) x.push_back(25.4), y.push_back(3);
  x.push_back(25.6), y.push_back(3.018);
  for (int k = 0; k < 5; ++k) x.push_back(60.6), y.push_back(3.025);
  EXPECT_EQ(Rows(SuggestSteps(x, y).rows), "3,9,14");
  // The same curve at other magnitudes: powers of two change no comparison, and the pressures in
  // Pa or the radius in km make no difference to the rule.
  for (double xs : {1.0, 1e3, 1e-5, 0x1p40}) {
    for (double ys : {1e-5, 1e5, 0x1p-60}) {
      std::vector<double> sx = x, sy = y;
      for (double& v : sx) v *= xs;
      for (double& v : sy) v *= ys;
      EXPECT_EQ(Rows(SuggestSteps(sx, sy).rows), "3,9,14") << xs << " " << ys;
    }
  }
}

TEST(StepSuggestionTest, HugeAndTinyValuesStillSuggestAndNonFiniteOnesSayWhy) {
  // A radius near 1e154 once made the spread infinite and the tie tolerance with it: no pair ever
  // won and steps 0, 0, 0 were reported as found.
  const std::vector<double> x = {0, 100, 200, 300, 400, 500, 600, 700};
  for (double scale : {1e154, 1e300, 1e-300, 4.9e-324 * 1e10}) {
    std::vector<double> y = {4.4, 4.45, 4.5, 4.55, 4.9, 5.25, 5.3, 5.35};
    for (double& v : y) v *= scale;
    const StepSuggestion s = SuggestSteps(x, y);
    ASSERT_TRUE(s.found) << scale;
    EXPECT_EQ(Rows(s.rows), "4,6,8") << scale;
  }
  std::vector<double> y = {4.4, 4.45, 4.5, 4.55, 4.9, 5.25, 5.3, 5.35};
  y[5] = std::numeric_limits<double>::infinity();
  StepSuggestion s = SuggestSteps(x, y);
  EXPECT_FALSE(s.found);
  EXPECT_EQ(s.reason, NoSuggestion::ValueNotFinite);
  EXPECT_EQ(s.badStep, 6);
  EXPECT_EQ(s.rows.po, 0);
}

TEST(StepSuggestionTest, EqualPressuresFitByTheMean) {
  // Pressures 0,0,0 then rising: a first piece over the three equal pressures is fitted by the mean
  // of its radii (no division by zero); the clean kink at step 3 must still be found.
  const std::vector<double> x = {0, 0, 0, 100, 200, 300, 400, 500, 600};
  const std::vector<double> y = {4.40, 4.41, 4.42, 4.45, 4.48, 4.51, 4.80, 5.10, 5.40};
  const StepSuggestion s = SuggestSteps(x, y);
  ASSERT_TRUE(s.found);
  EXPECT_EQ(Rows(s.rows), Rows(DirectSuggestion(x, y)));
  EXPECT_EQ(s.rows.py, 6);
}

TEST(StepSuggestionTest, FewerThanFiveAnalysableRowsGiveNoProposal) {
  RecordStore store;
  const char* pe[] = {"0", "50", "100", "150", "200", "250"};
  const char* r[] = {"4.4", "4.6", "4.65", "4.7", "5.0", "5.4"};
  for (int row = 1; row <= 6; ++row) {
    store.test.Test(row, tf::Pe) = pe[row - 1];
    store.test.Test(row, tf::R) = r[row - 1];
  }
  store.test.Test(5, tf::R) = "";  // the analysable rows end at row 4
  StepSuggestion s = SuggestAnalysisRows(store);
  EXPECT_FALSE(s.found);
  EXPECT_EQ(s.analysable, 4);

  store.test.Test(5, tf::R) = "5.0";
  s = SuggestAnalysisRows(store);
  EXPECT_TRUE(s.found);
  EXPECT_EQ(s.analysable, 6);
  EXPECT_EQ(s.rows.pl, 6);
}

}  // namespace
}  // namespace vek
