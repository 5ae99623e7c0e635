#include "io/record_commands.h"

#include <cstdlib>

#include "core/analysis.h"
#include "core/cal_curve.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "core/step_reduction.h"
#include "core/text_field.h"
#include "io/document_commands.h"

namespace vek {

void RefitCalibration(RecordStore& store, MessageSink& sink) {
  FitCalRegression(store, std::atoi(store.calibration.Header(hf::CalCurveType).c_str()), sink);
}

void RecomputeCalibration(RecordStore& store, MessageSink& sink) {
  RecomputeCalH(store.calibration);
  RefitCalibration(store, sink);
}

void RecomputeCalLine(RecordStore& store, int line) { RecomputeCalRowH(store.calibration, line); }

void ReduceTestLineProvisionally(RecordStore& store, int line, const SheetSettings& settings) {
  ReduceTestStep(store, line, TextToDouble(store.test.Header(hf::StandpipeInitialLevel)));
  ProvisionalPeR(store, line, settings.DefaultSondeRadius, settings.DefaultSondeLength, settings.DefaultStandpipeArea);
}

void CompleteCalibrationH(Record& cal) {
  RecomputeCalH(cal);
  int line = 1;
  while (line <= kMaxCalRows && IsNumericText(cal.Cal(line, cf::Reading)) > 0) ++line;
  for (; line <= kMaxCalRows; ++line) cal.Cal(line, cf::H).clear();
}

bool HasUsableCalibrationCopy(const RecordStore& store) {
  return IsNumericText(store.test.Cal(1, 1)) > 0 && IsNumericText(store.test.Cal(1, 3)) > 0;
}

void ReduceTestRecord(RecordStore& store, const SheetSettings& settings, MessageSink& sink,
                      bool warnBadCalibration) {
  if (warnBadCalibration && !HasUsableCalibrationCopy(store)) sink.Show(msg::BadCalData);
  RunTestReduction(store, settings);
}

namespace {

constexpr int kResultFields[] = {hf::Po, hf::PyNet, hf::PlNet, hf::MeanRadius, hf::KValue, hf::EModulus};

// Empties the results and the six lines; true when any of them held something.
bool ClearAnalysisResults(Record& test) {
  bool held = false;
  auto clear = [&](int field) {
    held = held || !test.Header(field).empty();
    test.Header(field).clear();
  };
  for (int field : kResultFields) clear(field);
  for (int field = hf::FormulaPlText; field <= hf::FormulaEText; ++field) clear(field);
  return held;
}

}  // namespace

AnalysisRefresh RefreshTestAnalysis(RecordStore& store, const SheetSettings& settings) {
  const AnalysisRows rows = StoredAnalysisRows(store);
  if (rows.po < 1 && rows.py < 1 && rows.pl < 1) return AnalysisRefresh::Nothing;
  const int n = AnalysableRowCount(store);
  for (int row : {rows.po, rows.py, rows.pl}) {
    if (row < 1 || row > n)
      return ClearAnalysisResults(store.test) ? AnalysisRefresh::Cleared : AnalysisRefresh::Nothing;
  }
  AnalysisResult result;
  if (!UpdateAnalysis(store, settings, rows, n, StoredSignChoice(store), result)) return AnalysisRefresh::Nothing;
  const auto before = store.test.HeaderFields;
  StoreAnalysis(store, result);
  bool changed = false;
  for (int field : kResultFields) changed = changed || store.test.Header(field) != before[field];
  if (!changed) {
    store.test.HeaderFields = before;
    return AnalysisRefresh::Nothing;
  }
  StoreFormulaLines(store, result);
  return AnalysisRefresh::Recomputed;
}

std::string AnalysisRefreshNote(AnalysisRefresh refresh) {
  switch (refresh) {
    case AnalysisRefresh::Nothing: break;
    case AnalysisRefresh::Recomputed: return "解析結果を再計算しました";
    case AnalysisRefresh::Cleared:
      return "選んだ段階がなくなったため、解析結果を消去しました（解析/目盛りで選び直してください）";
  }
  return {};
}

AnalysisRefresh ReduceTestAndRefreshAnalysis(RecordStore& store, const SheetSettings& settings, MessageSink& sink,
                                             bool warnBadCalibration) {
  ReduceTestRecord(store, settings, sink, warnBadCalibration);
  return RefreshTestAnalysis(store, settings);
}

AttachResult AttachCalibration(RecordStore& store, const std::filesystem::path& path, MessageSink& sink,
                               bool storeFileName) {
  const AttachResult result = AttachCalibrationFile(store, path, sink);
  if (result == AttachResult::Attached && storeFileName) store.test.Header(hf::CalFileName) = PathToField(path);
  return result;
}

AnalyseOutcome AnalyseTestRecord(RecordStore& store, const SheetSettings& settings, AnalysisRows rows, int sign) {
  const int n = AnalysableRowCount(store);
  if (n == 0) return AnalyseOutcome::NoReducedSteps;
  for (int row : {rows.po, rows.py, rows.pl}) {
    if (row < 1 || row > n) return AnalyseOutcome::StepOutOfRange;
  }
  AnalysisResult result;
  if (!UpdateAnalysis(store, settings, rows, n, sign, result)) return AnalyseOutcome::Failed;
  StoreAnalysis(store, result);
  StoreFormulaLines(store, result);
  return AnalyseOutcome::Done;
}

}  // namespace vek
