#include "core/step_reduction.h"

#include <cmath>
#include <cstdlib>

#include "core/cal_curve.h"
#include "core/header_fields.h"
#include "core/number_format.h"

namespace vek {

namespace {

constexpr double kMinDimension = 0.1;  // probe dimensions below this take the default

bool IsNumber(const TextField& t) { return IsNumericText(t) > 0; }
double Atof(const TextField& t) { return TextToDouble(t); }

// An overflow or a "nan" typed into a field gives no number; it is missing like any other value
// that cannot be formed, rather than a "nan" or "inf" text in the table.
double Checked(double v) { return std::isfinite(v) ? v : kNoValue; }

// "%g" text of a value, empty for a missing one.
TextField GeneralText(double v) {
  v = Checked(v);
  return IsMissing(v) ? TextField() : FormatDouble("%g", v);
}

// "%f" prints every integer digit: 1e300 would become a 308-character cell, and a row of such cells
// longer than a line of the file. From this size on the value is written as "%.15g" (the digits a
// double holds, with an exponent), which every reader of the column parses to the same value.
constexpr double kLongestFixedValue = 1e15;

// "%f" text of a value (the short form for a huge one), empty for a missing one.
TextField FixedText(double v) {
  v = Checked(v);
  if (IsMissing(v)) return TextField();
  return FormatDouble(std::fabs(v) < kLongestFixedValue ? "%f" : "%.15g", v);
}

double OrDefault(double v, double fallback) { return v < kMinDimension ? fallback : v; }

struct Probe {
  double ro;
  double areaFactor;  // Ac / (pi L): r^2 - ro^2 per cm of standpipe fall
};

Probe MakeProbe(double ro, double l, double ac) {
  const double piL = l * kReductionPi;
  return {ro, piL > 0.1 ? ac / piL : 0.0};
}

// Pe and r of one row into columns 11 and 12.
void WritePeR(TestRow& row, double offset, const Probe& probe) {
  double pe = kNoValue;
  if (IsNumber(row[tf::Pressure]) && IsNumber(row[tf::PG])) pe = Atof(row[tf::Pressure]) + offset - Atof(row[tf::PG]);
  double r = kNoValue;
  if (IsNumber(row[tf::H])) {
    const double radicand = Atof(row[tf::H]) * probe.areaFactor + probe.ro * probe.ro;
    if (radicand > 0.0) r = std::sqrt(radicand);
  }
  row[tf::Pe] = FixedText(pe);
  row[tf::R] = FixedText(r);
}

bool IsTestRow(int row) { return row >= 1 && row <= kMaxTestRows; }

// Columns 7-10 of one row; `line` is the straight-line curve when header field 21 selects it.
double ReduceStep(RecordStore& store, int row, double h0, const CalLineTable* line) {
  Record& test = store.test;
  TestRow& cells = test.TestRows[row];

  const int basis = std::atoi(test.Header(hf::ReadingTimeBasis).c_str());
  const int column = basis == 0 ? tf::Reading60 : basis > 0 ? tf::Reading120 : tf::Reading30;
  const bool haveReading = IsNumber(cells[column]);
  const double reading = Atof(cells[column]);
  const double p = Atof(cells[tf::Pressure]);

  const double dh = IsNumber(cells[tf::Reading30]) && haveReading ? reading - Atof(cells[tf::Reading30]) : kNoValue;
  const double h = haveReading ? Checked(reading - h0) : kNoValue;
  double pg = kNoValue;
  if (!IsMissing(h)) {
    pg = Checked(line != nullptr ? line->Eval(h) : EvalCalPolynomial(h, store.testCoefficients));
  }
  const double pgMinusP = p >= -9999.9 && !IsMissing(pg) ? Checked(pg - p) : kNoValue;

  cells[tf::DH] = GeneralText(dh);
  cells[tf::H] = GeneralText(h);
  cells[tf::PG] = GeneralText(pg);
  cells[tf::PGMinusP] = GeneralText(pgMinusP);
  return pgMinusP;
}

bool UsesStraightLine(const RecordStore& store) {
  return std::atoi(store.test.Header(hf::CalCurveType).c_str()) == 0;
}

}  // namespace

double ReduceTestStep(RecordStore& store, int row, double h0) {
  if (!IsTestRow(row)) return kNoValue;
  if (!UsesStraightLine(store)) return ReduceStep(store, row, h0, nullptr);
  const CalLineTable line(store);
  return ReduceStep(store, row, h0, &line);
}

void ReduceTestTable(RecordStore& store, const SheetSettings& settings, double largestPgMinusP) {
  Record& test = store.test;
  const Probe probe = MakeProbe(OrDefault(Atof(test.Header(hf::SondeRadius)), settings.DefaultSondeRadius),
                                OrDefault(Atof(test.Header(hf::SondeLength)), settings.DefaultSondeLength),
                                OrDefault(Atof(test.Header(hf::StandpipeArea)), settings.DefaultStandpipeArea));

  // Lifting every Pe by the largest PG - P makes the smallest Pe of the test 0 rather than negative.
  const double offset = largestPgMinusP >= 0.0 ? largestPgMinusP : 0.0;
  test.Header(hf::PressureOffset) = IsMissing(largestPgMinusP) ? TextField() : FixedText(offset);

  for (int r = 1; r <= kMaxTestRows; ++r) WritePeR(test.TestRows[r], offset, probe);
}

void RunTestReduction(RecordStore& store, const SheetSettings& settings) {
  const int n = store.CountDataRows(tf::Pressure);
  const double h0 = Atof(store.test.Header(hf::StandpipeInitialLevel));
  const CalLineTable line(store);
  const CalLineTable* curve = UsesStraightLine(store) ? &line : nullptr;
  double largest = kNoValue;
  for (int r = 1; r <= n; ++r) {
    const double v = ReduceStep(store, r, h0, curve);
    if (v > largest) largest = v;
  }
  ReduceTestTable(store, settings, largest);
}

void ProvisionalPeR(RecordStore& store, int row, double ro, double l, double ac) {
  if (!IsTestRow(row)) return;
  static const SheetSettings kFactory;
  const Probe probe = MakeProbe(OrDefault(ro, kFactory.DefaultSondeRadius), OrDefault(l, kFactory.DefaultSondeLength),
                                OrDefault(ac, kFactory.DefaultStandpipeArea));
  WritePeR(store.test.TestRows[row], 0.0, probe);
}

}  // namespace vek
