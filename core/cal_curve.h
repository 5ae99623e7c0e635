#pragma once
// The calibration curve P = f(H) of the probe on its own: the straight-line curve over the test
// record's copy of the calibration table, and the degree-4 regression fitted from the calibration
// record's table.
#include <array>

#include "core/record_store.h"

namespace vek {

class MessageSink;

// Stands for "no result"; any value at or below -9999.9 counts as missing.
constexpr double kNoValue = -9999.99;
inline bool IsMissing(double v) { return v <= -9999.9; }

// Result codes of FitCalRegression.
constexpr int kFitOk = 0;
constexpr int kFitTooFewData = 1;
constexpr int kFitSingular = 4;
constexpr int kFitIllConditioned = 5;

// Fits c0..c4 of P = c0 + c1 H + c2 H^2 + c3 H^3 + c4 H^4 by least squares to the leading rows of
// the calibration record's CalRows plus two points at the origin. Sets store.calCoefficients and
// calibration header fields 25-29 ("%g"; all 0 and "_" on failure). A non-zero reportFlag shows the
// too-few-data message through `sink`. Returns kFitOk, kFitTooFewData, kFitSingular or
// kFitIllConditioned.
int FitCalRegression(RecordStore& store, int reportFlag, MessageSink& sink);

// Piecewise-linear P at H over the test record's TestCalRows (rows 1-39); kNoValue above the
// last numeric row.
double EvalCalLine(const RecordStore& store, double h);

// The straight-line curve with its rows parsed once, for evaluating many H (the reduction of a
// whole table). Eval gives the same results as EvalCalLine on the table it was built from.
class CalLineTable {
 public:
  explicit CalLineTable(const RecordStore& store);
  double Eval(double h) const;

 private:
  static constexpr int kRows = 39;  // row 40 never takes part
  double h_[kRows] = {};
  double p_[kRows] = {};
  int count_ = 0;  // leading rows whose P and H are both number-like
};

// c0 + c1 H + c2 H^2 + c3 H^3 + c4 H^4, evaluated as H^2 (c3 H + c2) + H^4 c4 + c1 H + c0.
double EvalCalPolynomial(double h, const std::array<double, 5>& c);

// Column 3 of one calibration row = atof(column 2) - atof(header field 4), "%g"; empty when column 2
// is not number-like.
void RecomputeCalRowH(Record& calibration, int row);

// Column 3 of the calibration rows as RecomputeCalRowH, from row 1 up to the first row whose column 2
// is not number-like (later rows are left as they are).
void RecomputeCalH(Record& calibration);

}  // namespace vek
