#include "core/cal_curve.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "core/number_format.h"

namespace vek {

namespace {

constexpr int kTerms = 5;               // c0..c4
constexpr double kTinyDivisor = 1e-7;   // divisors below this are replaced by it
constexpr double kIllConditioned = 1e-6;

bool IsNumber(const TextField& t) { return IsNumericText(t) > 0; }

double SafeDivisor(double d) { return std::fabs(d) < kTinyDivisor ? kTinyDivisor : d; }

// Leading rows, from row 1, whose given calibration column is number-like.
int LeadingNumericCalRows(const Record& rec, int field) {
  int n = 0;
  for (int r = 1; r <= kMaxCalRows && IsNumber(rec.Cal(r, field)); ++r) ++n;
  return n;
}

// Solves a x = b in place by Crout decomposition (lower factor with the diagonal, unit upper
// factor) with partial pivoting by rows. Returns kFitOk, kFitSingular or kFitIllConditioned.
int CroutSolve(double a[kTerms][kTerms], const double b[kTerms], double x[kTerms]) {
  int order[kTerms];
  for (int i = 0; i < kTerms; ++i) order[i] = i;
  bool singular = false;

  for (int k = 0; k < kTerms && !singular; ++k) {
    // Column k of every row not yet used as a pivot, less the products with finished columns.
    for (int i = k; i < kTerms; ++i) {
      double* row = a[order[i]];
      double sum = row[k];
      for (int j = 0; j < k; ++j) sum -= row[j] * a[order[j]][k];
      row[k] = sum;
    }
    if (k < kTerms - 1) {
      int pivot = k;
      double largest = std::fabs(a[order[k]][k]);
      for (int i = k + 1; i < kTerms; ++i) {
        const double m = std::fabs(a[order[i]][k]);
        if (m > largest) {
          largest = m;
          pivot = i;
        }
      }
      if (largest == 0.0) {
        singular = true;
        break;
      }
      std::swap(order[k], order[pivot]);
      // The pivot row's part of the unit upper factor.
      double* row = a[order[k]];
      const double diag = SafeDivisor(row[k]);
      for (int j = k + 1; j < kTerms; ++j) {
        double sum = row[j];
        for (int m = 0; m < k; ++m) sum -= row[m] * a[order[m]][j];
        row[j] = sum / diag;
      }
    }
  }
  if (std::fabs(a[order[kTerms - 1]][kTerms - 1]) < kIllConditioned) return kFitIllConditioned;
  if (singular) return kFitSingular;

  double y[kTerms];
  for (int k = 0; k < kTerms; ++k) {
    const double* row = a[order[k]];
    double sum = b[order[k]];
    for (int j = 0; j < k; ++j) sum -= row[j] * y[j];
    y[k] = sum / SafeDivisor(row[k]);
  }
  for (int k = kTerms - 1; k >= 0; --k) {
    const double* row = a[order[k]];
    double sum = y[k];
    for (int j = k + 1; j < kTerms; ++j) sum -= row[j] * x[j];
    x[k] = sum;
  }
  return kFitOk;
}

}  // namespace

int FitCalRegression(RecordStore& store, int reportFlag, MessageSink& sink) {
  static const std::string kUnfitted = "_";
  static const std::string kTooFewData = "高次回帰はデータ数不足で計算できません";
  Record& cal = store.calibration;
  store.calCoefficients.fill(0.0);
  for (int i = 0; i < kTerms; ++i) cal.Header(hf::CalCoefficient1 + i) = kUnfitted;

  const int n = std::min(LeadingNumericCalRows(cal, cf::Pressure), LeadingNumericCalRows(cal, cf::H));
  if (n <= 5) {
    if (reportFlag != 0) sink.ShowMessage(kTooFewData);
    return kFitTooFewData;
  }

  // Normal equations of the n rows plus two points at the origin; each origin point adds 1 to
  // element (0, 0) only.
  double a[kTerms][kTerms] = {};
  double b[kTerms] = {};
  a[0][0] = 2.0;
  for (int r = 1; r <= n; ++r) {
    const double x = TextToDouble(cal.Cal(r, cf::H));
    const double y = TextToDouble(cal.Cal(r, cf::Pressure));
    const double p[kTerms] = {1.0, x, x * x, x * x * x, x * x * x * x};
    for (int j = 0; j < kTerms; ++j) {
      for (int k = 0; k < kTerms; ++k) a[j][k] += p[j] * p[k];
      b[j] += y * p[j];
    }
  }

  double c[kTerms];
  const int code = CroutSolve(a, b, c);
  if (code != kFitOk) return code;
  // Powers of absurd falls overflow the sums; such a system has no usable solution.
  for (double v : c) {
    if (!std::isfinite(v)) return kFitIllConditioned;
  }
  for (int i = 0; i < kTerms; ++i) {
    store.calCoefficients[i] = c[i];
    cal.Header(hf::CalCoefficient1 + i) = FormatDouble("%g", c[i]);
  }
  return kFitOk;
}

CalLineTable::CalLineTable(const RecordStore& store) {
  const auto& rows = store.TestCalRows();
  while (count_ < kRows) {
    const CalRow& row = rows[count_ + 1];
    if (!IsNumber(row[cf::Pressure]) || !IsNumber(row[cf::H])) break;
    h_[count_] = TextToDouble(row[cf::H]);
    p_[count_] = TextToDouble(row[cf::Pressure]);
    ++count_;
  }
}

double CalLineTable::Eval(double h) const {
  // Rows are taken in table order; the first row whose H is not below the argument brackets it,
  // with the row before it (row 1 pairs with itself, so nothing is extrapolated downwards).
  for (int i = 0; i < count_; ++i) {
    if (h <= h_[i]) {
      const int prev = i == 0 ? 0 : i - 1;
      if (std::fabs(h_[i] - h_[prev]) <= 0.001) return p_[i];
      return p_[prev] + (p_[i] - p_[prev]) * (h - h_[prev]) / (h_[i] - h_[prev]);
    }
  }
  // Above the last row: no value, unless the walk went through all 39 rows.
  return count_ == kRows ? p_[kRows - 1] : kNoValue;
}

double EvalCalLine(const RecordStore& store, double h) { return CalLineTable(store).Eval(h); }

double EvalCalPolynomial(double h, const std::array<double, 5>& c) {
  const double h2 = h * h;
  return h2 * (c[3] * h + c[2]) + h2 * h2 * c[4] + c[1] * h + c[0];
}

void RecomputeCalRowH(Record& calibration, int row) {
  const TextField& reading = calibration.Cal(row, cf::Reading);
  calibration.Cal(row, cf::H) =
      IsNumber(reading)
          ? FormatDouble("%g", TextToDouble(reading) - TextToDouble(calibration.Header(hf::StandpipeInitialLevel)))
          : TextField();
}

void RecomputeCalH(Record& calibration) {
  for (int r = 1; r <= kMaxCalRows && IsNumber(calibration.Cal(r, cf::Reading)); ++r) RecomputeCalRowH(calibration, r);
}

}  // namespace vek
