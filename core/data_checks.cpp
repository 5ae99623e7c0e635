#include "core/data_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include "core/analysis.h"
#include "core/cal_curve.h"
#include "core/encoding.h"
#include "core/legacy_origin.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "core/step_reduction.h"

namespace vek {

namespace {

constexpr int kTerms = 5;

bool IsNumber(const TextField& t) { return IsNumericText(t) > 0; }
double Value(const TextField& t) { return std::atof(t.c_str()); }
std::string Shown(const TextField& t) { return t.empty() ? "（空）" : Cp932ToUtf8(t); }

// Two numbers agree when they differ by no more than the rounding of a six-digit text.
bool SameNumber(double a, double b) {
  return std::abs(a - b) <= 1e-6 + 1e-5 * std::max(std::abs(a), std::abs(b));
}

// Stored and computed texts of one value agree: both numbers that agree, or the same text.
bool SameValue(const TextField& stored, const TextField& computed) {
  if (IsNumber(stored) && IsNumber(computed)) return SameNumber(Value(stored), Value(computed));
  return stored == computed;
}

class Findings {
 public:
  void Add(FindingKind kind, FindingPlace place, int row, std::string text) {
    list_.push_back({kind, place, row, std::move(text)});
  }
  void Record(FindingKind kind, std::string text) { Add(kind, FindingPlace::Record, 0, std::move(text)); }
  void Step(FindingKind kind, int row, std::string text) { Add(kind, FindingPlace::Step, row, std::move(text)); }
  void CalRow(FindingKind kind, int row, std::string text) {
    Add(kind, FindingPlace::CalibrationRow, row, std::move(text));
  }
  std::vector<Finding> Take() { return std::move(list_); }

 private:
  std::vector<Finding> list_;
};

// --- steps of a test --------------------------------------------------------------------------

struct ReadingColumn {
  int field;
  const char* name;
};
constexpr ReadingColumn kReadings[] = {
    {tf::Reading15, "15”"}, {tf::Reading30, "30”"}, {tf::Reading60, "60”"}, {tf::Reading120, "120”"}};

void CheckReadingsOfStep(const TestRow& row, int step, Findings& out) {
  const ReadingColumn* previous = nullptr;
  const ReadingColumn* emptyAfterFilled = nullptr;
  for (const ReadingColumn& column : kReadings) {
    const TextField& text = row[column.field];
    if (!IsNumber(text)) {
      if (previous != nullptr && emptyAfterFilled == nullptr) emptyAfterFilled = &column;
      continue;
    }
    if (emptyAfterFilled != nullptr) {
      out.Step(FindingKind::ReadingGap, step,
               FormatMessage("%1 の読みが空で、後の読みが入っています", emptyAfterFilled->name));
      emptyAfterFilled = nullptr;
    }
    if (previous != nullptr && Value(text) < Value(row[previous->field])) {
      out.Step(FindingKind::ReadingFalls, step,
               FormatMessage("%1 の読み %2 が", column.name, Shown(text)) +
                   FormatMessage(" %1 の読み %2 より小さくなっています", previous->name, Shown(row[previous->field])));
    }
    previous = &column;
  }
}

// The reading H and dH are taken from (the 60 s one, or the 120 s one by header field 44).
const ReadingColumn& BasisReading(const Record& test) {
  const int basis = std::atoi(test.Header(hf::ReadingTimeBasis).c_str());
  return basis == 0 ? kReadings[2] : basis > 0 ? kReadings[3] : kReadings[1];
}

void CheckSteps(const Record& test, int steps, Findings& out) {
  if (steps == 0) {
    out.Record(FindingKind::NoSteps, "測定データ（セル水圧）がありません");
    return;
  }
  const ReadingColumn& basis = BasisReading(test);
  for (int r = 1; r <= steps; ++r) {
    const TestRow& row = test.TestRows[r];
    if (r > 1 && Value(row[tf::Pressure]) <= Value(test.Test(r - 1, tf::Pressure))) {
      out.Step(FindingKind::PressureNotIncreasing, r,
               FormatMessage("セル水圧 %1 が前の段階の %2 より大きくありません", Shown(row[tf::Pressure]),
                             Shown(test.Test(r - 1, tf::Pressure))));
    }
    CheckReadingsOfStep(row, r, out);
    if (!IsNumber(row[basis.field]))
      out.Step(FindingKind::MissingBasisReading, r,
               FormatMessage("Ｈ を求める %1 の読みが空です", basis.name));
  }
  for (int r = steps + 1; r <= kMaxTestRows; ++r) {
    if (IsNumber(test.Test(r, tf::Pressure))) {
      out.Step(FindingKind::StepAfterEmptyPressure, steps + 1,
               FormatMessage("セル水圧が空のため、段階 %1 以降は計算も作図もされません", std::to_string(r)));
      break;
    }
  }
}

// --- calibration curve ------------------------------------------------------------------------

// Leading rows of a calibration table whose P and H are both number-like: the rows the fit uses.
int FittedRowCount(const std::array<CalRow, kCalRowSlots>& rows) {
  int n = 0;
  while (n < kMaxCalRows && IsNumber(rows[n + 1][cf::Pressure]) && IsNumber(rows[n + 1][cf::H])) ++n;
  return n;
}

bool HasCoefficients(const std::array<TextField, 5>& texts) {
  return std::any_of(texts.begin(), texts.end(), [](const TextField& t) { return IsNumber(t); });
}

// Coefficients refitted from the rows, as the texts a fit writes; nothing when the fit fails.
std::optional<std::array<TextField, 5>> RefitCoefficients(const std::array<CalRow, kCalRowSlots>& rows) {
  auto scratch = std::make_unique<RecordStore>();
  scratch->calibration.CalRows = rows;
  NullMessageSink quiet;
  if (FitCalRegression(*scratch, 0, quiet) != kFitOk) return std::nullopt;
  return CoefficientTexts(scratch->calibration);
}

// The stored coefficients against the rows they should come from, and, for the curve in use, the
// curve they give against its own points.
void CheckCurve(const std::array<CalRow, kCalRowSlots>& rows, const std::array<TextField, 5>& stored, bool inUse,
                Findings& out) {
  if (!HasCoefficients(stored)) {
    if (inUse) out.Record(FindingKind::NoCoefficients, "回帰曲線を選んでいますが、回帰係数がありません");
    return;
  }
  const auto refit = RefitCoefficients(rows);
  bool stale = !refit.has_value();
  for (int i = 0; refit && i < kTerms; ++i) stale = stale || !SameValue(stored[i], (*refit)[i]);
  if (stale) {
    out.Record(FindingKind::StaleCoefficients,
               refit ? "回帰曲線の係数がキャリブレーションのデータから計算した値と違います"
                     : "回帰曲線の係数がありますが、キャリブレーションのデータからは計算できません");
  }
  if (!inUse) return;

  std::array<double, kTerms> c{};
  for (int i = 0; i < kTerms; ++i) c[i] = Value(stored[i]);
  const int n = FittedRowCount(rows);
  double largestP = 0.0, worst = 0.0;
  int worstRow = 0;
  for (int r = 1; r <= n; ++r) {
    const double p = Value(rows[r][cf::Pressure]);
    const double miss = std::abs(p - EvalCalPolynomial(Value(rows[r][cf::H]), c));
    largestP = std::max(largestP, std::abs(p));
    if (miss > worst) {
      worst = miss;
      worstRow = r;
    }
  }
  if (worstRow > 0 && worst > std::max(kResidualFloor, kResidualShare * largestP)) {
    out.CalRow(FindingKind::LargeResidual, worstRow,
               FormatMessage("回帰曲線が測定点から %1 kN/㎡ 離れています（最大の差）", FormatDouble("%.1f", worst)));
  }
}

bool UsesRegression(const Record& record) { return std::atoi(record.Header(hf::CalCurveType).c_str()) != 0; }

// A test imported from the previous generation's file: its results were computed by that program
// and stored in the old unit, a few digits each.
bool ImportedFromVer2(const Record& test) { return test.Header(hf::LegacyOrigin) == kLegacyOriginMark; }

void CheckCalibrationCopy(const Record& test, Findings& out) {
  const bool named = !test.Header(hf::CalFileName).empty();
  const bool rows = FittedRowCount(test.CalRows) > 0;
  if (!named && !rows) {
    out.Record(FindingKind::NoCalibration, "キャリブレーションが添付されていません");
    return;
  }
  if (!rows) {
    out.Record(FindingKind::CalibrationRowsEmpty, "添付されたキャリブレーションのデータが空です");
    return;
  }
  // A test on the straight-line curve never reads the coefficients it carries.
  if (!UsesRegression(test)) return;
  CheckCurve(test.CalRows, CoefficientTexts(test), true, out);
}

// --- stored results ---------------------------------------------------------------------------

struct DerivedColumn {
  int field;
  const char* name;
};
constexpr DerivedColumn kDerived[] = {{tf::DH, "ｄＨ"}, {tf::H, "Ｈ"}, {tf::PG, "ＰG"},
                                      {tf::PGMinusP, "ＰG-Ｐ"}, {tf::Pe, "Ｐe"}, {tf::R, "ｒ"}};

void CheckReduction(const Record& stored, const Record& fresh, Findings& out) {
  if (!SameValue(stored.Header(hf::PressureOffset), fresh.Header(hf::PressureOffset))) {
    out.Record(FindingKind::StaleReduction,
               FormatMessage("圧力補正値 %1 が計算値 %2 と違います", Shown(stored.Header(hf::PressureOffset)),
                             Shown(fresh.Header(hf::PressureOffset))));
  }
  for (int r = 1; r <= kMaxTestRows; ++r) {
    for (const DerivedColumn& column : kDerived) {
      const TextField& was = stored.Test(r, column.field);
      const TextField& now = fresh.Test(r, column.field);
      if (SameValue(was, now)) continue;
      out.Step(FindingKind::StaleReduction, r,
               FormatMessage("保存された %1 %2 が", column.name, Shown(was)) +
                   FormatMessage("計算値 %1 と違います（データの変更後に再計算されていません）", Shown(now)));
      break;  // one finding per step
    }
  }
}

struct ResultField {
  int field;
  const char* name;
  double AnalysisResult::*value;
};
constexpr ResultField kResults[] = {{hf::Po, "Po", &AnalysisResult::Po},   {hf::PyNet, "Py", &AnalysisResult::Py},
                                    {hf::PlNet, "Pl", &AnalysisResult::Pl}, {hf::MeanRadius, "rm", &AnalysisResult::rm},
                                    {hf::KValue, "K", &AnalysisResult::K},  {hf::EModulus, "E", &AnalysisResult::E}};

bool WasAnalysed(const Record& test) {
  for (int f : {hf::PoPoint, hf::PyPoint, hf::PlPoint, hf::Po, hf::PyNet, hf::PlNet})
    if (IsNumber(test.Header(f))) return true;
  return false;
}

// The analysis of the stored chosen steps on the freshly reduced record.
void CheckAnalysis(const RecordStore& fresh, const SheetSettings& settings, Findings& out) {
  const Record& test = fresh.test;
  if (!WasAnalysed(test)) return;
  const int n = AnalysableRowCount(fresh);
  const AnalysisRows rows = StoredAnalysisRows(fresh);
  const std::pair<const char*, int> chosen[] = {{"Po", rows.po}, {"Py’", rows.py}, {"Pl’", rows.pl}};
  bool inRange = true;
  for (const auto& [name, row] : chosen) {
    if (row >= 1 && row <= n) continue;
    inRange = false;
    out.Record(FindingKind::StepOutOfRange,
               FormatMessage("%1 の段階 %2 が", name, std::to_string(row)) +
                   (n == 0 ? std::string("、解析できる段階がありません")
                           : FormatMessage("解析できる段階 1〜%1 の外です", std::to_string(n))));
  }
  if (!inRange) return;
  AnalysisResult result;
  if (!UpdateAnalysis(fresh, settings, rows, n, 1, result)) return;
  for (const ResultField& f : kResults) {
    const TextField& was = test.Header(f.field);
    const double now = result.*(f.value);
    if (IsNumber(was) && SameNumber(Value(was), now)) continue;
    out.Record(FindingKind::StaleAnalysis,
               FormatMessage("解析結果 %1 = %2 が", f.name, Shown(was)) +
                   FormatMessage("計算値 %1 と違います（経過式更新がされていません）", FormatDouble("%g", now)));
  }
}

// --- calibration record -----------------------------------------------------------------------

void CheckCalibrationRows(const Record& cal, Findings& out) {
  const double h0 = Value(cal.Header(hf::StandpipeInitialLevel));
  for (int r = 1; r <= kMaxCalRows; ++r) {
    const TextField& p = cal.Cal(r, cf::Pressure);
    const TextField& reading = cal.Cal(r, cf::Reading);
    if (!IsNumber(p) && !IsNumber(reading)) break;  // where the file's table ends
    if (IsNumber(p) != IsNumber(reading)) {
      out.CalRow(FindingKind::ReadingGap, r,
                 IsNumber(p) ? "Ｈ’ が空です" : "セル水圧が空です");
      continue;
    }
    if (r > 1 && IsNumber(cal.Cal(r - 1, cf::Pressure)) && IsNumber(cal.Cal(r - 1, cf::Reading))) {
      if (Value(p) <= Value(cal.Cal(r - 1, cf::Pressure)))
        out.CalRow(FindingKind::PressureNotIncreasing, r,
                   FormatMessage("セル水圧 %1 が前の行の %2 より大きくありません", Shown(p),
                                 Shown(cal.Cal(r - 1, cf::Pressure))));
      if (Value(reading) < Value(cal.Cal(r - 1, cf::Reading)))
        out.CalRow(FindingKind::ReadingFalls, r,
                   FormatMessage("Ｈ’ %1 が前の行の %2 より小さくなっています", Shown(reading),
                                 Shown(cal.Cal(r - 1, cf::Reading))));
    }
    const TextField h = FormatDouble("%g", Value(reading) - h0);
    if (!SameValue(cal.Cal(r, cf::H), h))
      out.CalRow(FindingKind::StaleCalibrationH, r,
                 FormatMessage("Ｈ %1 が Ｈ’−初期水位 = %2 と違います", Shown(cal.Cal(r, cf::H)), h));
  }
}

}  // namespace

std::array<TextField, 5> CoefficientTexts(const Record& record) {
  std::array<TextField, 5> texts;
  for (int i = 0; i < kTerms; ++i) texts[i] = record.Header(hf::CalCoefficient1 + i);
  return texts;
}

std::vector<Finding> CheckTestRecord(const RecordStore& store, const SheetSettings& settings) {
  Findings out;
  const Record& test = store.test;
  CheckSteps(test, store.CountDataRows(tf::Pressure), out);
  CheckCalibrationCopy(test, out);

  // The previous generation computed its results by rules of its own; they are judged by the
  // coefficients above, not against a new reduction.
  if (ImportedFromVer2(test)) return out.Take();
  auto fresh = std::make_unique<RecordStore>(store);
  fresh->RefreshTestCoefficients();
  RunTestReduction(*fresh, settings);
  CheckReduction(test, fresh->test, out);
  CheckAnalysis(*fresh, settings, out);
  return out.Take();
}

std::vector<Finding> CheckCalibrationRecord(const Record& calibration,
                                            const std::array<TextField, 5>& storedCoefficients) {
  Findings out;
  CheckCalibrationRows(calibration, out);
  const int n = FittedRowCount(calibration.CalRows);
  if (UsesRegression(calibration) && n <= 5) {
    out.Record(FindingKind::CalibrationTooFewRows,
               FormatMessage("回帰曲線には 6 行以上のデータが必要です（%1 行）", std::to_string(n)));
  } else {
    // A test attached to this file copies its coefficients, whichever curve the file itself uses.
    CheckCurve(calibration.CalRows, storedCoefficients, UsesRegression(calibration), out);
  }
  return out.Take();
}

std::vector<Finding> CheckCurrentRecord(const RecordStore& store, const SheetSettings& settings) {
  if (store.currentSheet == kCalibrationSheet)
    return CheckCalibrationRecord(store.calibration, CoefficientTexts(store.calibration));
  return CheckTestRecord(store, settings);
}

std::string FindingLine(const Finding& finding) {
  switch (finding.place) {
    case FindingPlace::Step: return "段階 " + std::to_string(finding.row) + ": " + finding.text;
    case FindingPlace::CalibrationRow: return "CAL 行 " + std::to_string(finding.row) + ": " + finding.text;
    case FindingPlace::Record: break;
  }
  return finding.text;
}

}  // namespace vek
