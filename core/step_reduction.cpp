#include "core/step_reduction.h"

#include <array>
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

// "%g" text of a value, empty for a missing one; `text_value` gets what the text reads back as
// (left alone for the empty text).
TextField GeneralText(double v, double& text_value) {
  v = Checked(v);
  if (IsMissing(v)) return TextField();
  return FormatDouble("%g", v, text_value);
}

TextField GeneralText(double v) {
  double unused;
  return GeneralText(v, unused);
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

// What Pe and r of a row are formed from, as the row's texts read: P, PG and H, each with
// whether its text holds a number. A row just reduced hands them over without its texts being
// read again.
struct PeRInputs {
  bool haveP = false, havePg = false, haveH = false;
  double p = 0.0, pg = 0.0, h = 0.0;
};

PeRInputs ReadPeRInputs(const TestRow& row) {
  PeRInputs in;
  in.haveP = IsNumber(row[tf::Pressure]);
  in.havePg = IsNumber(row[tf::PG]);
  in.haveH = IsNumber(row[tf::H]);
  if (in.haveP) in.p = Atof(row[tf::Pressure]);
  if (in.havePg) in.pg = Atof(row[tf::PG]);
  if (in.haveH) in.h = Atof(row[tf::H]);
  return in;
}

// Pe and r of one row into columns 11 and 12.
void WritePeR(TestRow& row, const PeRInputs& in, double offset, const Probe& probe) {
  double pe = kNoValue;
  if (in.haveP && in.havePg) pe = in.p + offset - in.pg;
  double r = kNoValue;
  if (in.haveH) {
    const double radicand = in.h * probe.areaFactor + probe.ro * probe.ro;
    if (radicand > 0.0) r = std::sqrt(radicand);
  }
  row[tf::Pe] = FixedText(pe);
  row[tf::R] = FixedText(r);
}

bool IsTestRow(int row) { return row >= 1 && row <= kMaxTestRows; }

int ReadingColumn(const RecordStore& store) {
  const int basis = std::atoi(store.test.Header(hf::ReadingTimeBasis).c_str());
  return basis == 0 ? tf::Reading60 : basis > 0 ? tf::Reading120 : tf::Reading30;
}

// Columns 7-10 of one row; `line` is the straight-line curve when header field 21 selects it and
// `column` the reading the header's time basis names. `inputs` gets what Pe and r will be formed
// from.
double ReduceStep(RecordStore& store, int row, double h0, const CalLineTable* line, int column, PeRInputs& inputs) {
  Record& test = store.test;
  TestRow& cells = test.TestRows[row];

  const bool haveReading = IsNumber(cells[column]);
  const double reading = Atof(cells[column]);
  inputs.haveP = IsNumber(cells[tf::Pressure]);
  const double p = Atof(cells[tf::Pressure]);
  inputs.p = p;

  const double dh = IsNumber(cells[tf::Reading30]) && haveReading ? reading - Atof(cells[tf::Reading30]) : kNoValue;
  const double h = haveReading ? Checked(reading - h0) : kNoValue;
  double pg = kNoValue;
  if (!IsMissing(h)) {
    pg = Checked(line != nullptr ? line->Eval(h) : EvalCalPolynomial(h, store.testCoefficients));
  }
  const double pgMinusP = p >= -9999.9 && !IsMissing(pg) ? Checked(pg - p) : kNoValue;

  cells[tf::DH] = GeneralText(dh);
  // A value text is empty exactly when the value is missing, and a number otherwise.
  cells[tf::H] = GeneralText(h, inputs.h);
  inputs.haveH = !cells[tf::H].empty();
  cells[tf::PG] = GeneralText(pg, inputs.pg);
  inputs.havePg = !cells[tf::PG].empty();
  cells[tf::PGMinusP] = GeneralText(pgMinusP);
  return pgMinusP;
}

bool UsesStraightLine(const RecordStore& store) {
  return std::atoi(store.test.Header(hf::CalCurveType).c_str()) == 0;
}

}  // namespace

double ReduceTestStep(RecordStore& store, int row, double h0) {
  if (!IsTestRow(row)) return kNoValue;
  PeRInputs unused;
  if (!UsesStraightLine(store)) return ReduceStep(store, row, h0, nullptr, ReadingColumn(store), unused);
  const CalLineTable line(store);
  return ReduceStep(store, row, h0, &line, ReadingColumn(store), unused);
}

namespace {

// ReduceTestTable with the inputs of rows 1 ... `reduced` already known.
void ReduceTable(RecordStore& store, const SheetSettings& settings, double largestPgMinusP,
                 const PeRInputs* known, int reduced) {
  Record& test = store.test;
  const Probe probe = MakeProbe(OrDefault(Atof(test.Header(hf::SondeRadius)), settings.DefaultSondeRadius),
                                OrDefault(Atof(test.Header(hf::SondeLength)), settings.DefaultSondeLength),
                                OrDefault(Atof(test.Header(hf::StandpipeArea)), settings.DefaultStandpipeArea));

  // Lifting every Pe by the largest PG - P makes the smallest Pe of the test 0 rather than negative.
  const double offset = largestPgMinusP >= 0.0 ? largestPgMinusP : 0.0;
  test.Header(hf::PressureOffset) = IsMissing(largestPgMinusP) ? TextField() : FixedText(offset);

  for (int r = 1; r <= kMaxTestRows; ++r) {
    TestRow& row = test.TestRows[r];
    WritePeR(row, r <= reduced ? known[r] : ReadPeRInputs(row), offset, probe);
  }
}

}  // namespace

void ReduceTestTable(RecordStore& store, const SheetSettings& settings, double largestPgMinusP) {
  ReduceTable(store, settings, largestPgMinusP, nullptr, 0);
}

void RunTestReduction(RecordStore& store, const SheetSettings& settings) {
  const int n = store.CountDataRows(tf::Pressure);
  const double h0 = Atof(store.test.Header(hf::StandpipeInitialLevel));
  const CalLineTable line(store);
  const CalLineTable* curve = UsesStraightLine(store) ? &line : nullptr;
  const int column = ReadingColumn(store);
  std::array<PeRInputs, kMaxTestRows + 1> inputs;
  double largest = kNoValue;
  for (int r = 1; r <= n; ++r) {
    const double v = ReduceStep(store, r, h0, curve, column, inputs[static_cast<size_t>(r)]);
    if (v > largest) largest = v;
  }
  ReduceTable(store, settings, largest, inputs.data(), n);
}

void ProvisionalPeR(RecordStore& store, int row, double ro, double l, double ac) {
  if (!IsTestRow(row)) return;
  static const SheetSettings kFactory;
  const Probe probe = MakeProbe(OrDefault(ro, kFactory.DefaultSondeRadius), OrDefault(l, kFactory.DefaultSondeLength),
                                OrDefault(ac, kFactory.DefaultStandpipeArea));
  TestRow& cells = store.test.TestRows[row];
  WritePeR(cells, ReadPeRInputs(cells), 0.0, probe);
}

}  // namespace vek
