#pragma once
// The steps that run on a record after one of its forms closes, shared by the forms and by the
// command line (--attach-cal, --reduce, --analyse), so that a form's OK and the matching option give
// the same record.
#include <filesystem>
#include <string>

#include "core/analysis.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/data_file_attach.h"

namespace vek {

class MessageSink;

// The calibration curve refitted from CalRows (after the calibration header or data form, on OK and
// on Cancel); the fit reports too few data when calibration header field 21 is non-zero.
void RefitCalibration(RecordStore& store, MessageSink& sink);

// Column 3 (H) recomputed from H' and the initial level, then the curve refitted (--reduce of a
// calibration file).
void RecomputeCalibration(RecordStore& store, MessageSink& sink);

// The derived columns of one grid line after it changed: the calibration's H from its H'; the test's
// columns 7-10 and a provisional Pe and r (without the pressure offset, default probe dimensions),
// which the test data form shows until OK runs the whole reduction.
void RecomputeCalLine(RecordStore& store, int line);
void ReduceTestLineProvisionally(RecordStore& store, int line, const SheetSettings& settings);

// The calibration table after the data form's OK: H of the rows from row 1 while H' is a number,
// every later row's H emptied (a row after a gap in the readings has no H).
void CompleteCalibrationH(Record& calibration);

// True when row 1 of the test's calibration copy holds a number-like P and H, i.e. the reduction has
// a curve to work with.
bool HasUsableCalibrationCopy(const RecordStore& store);

// The test reduction (after the test header or data form, --reduce of a test file). With
// `warnBadCalibration`, message 4010 is shown first when the calibration copy is not usable; the
// reduction runs either way.
void ReduceTestRecord(RecordStore& store, const SheetSettings& settings, MessageSink& sink,
                      bool warnBadCalibration);

// What became of the analysis of a test when its reduction was redone.
enum class AnalysisRefresh {
  Nothing,     // no chosen steps, or the results already follow from them
  Recomputed,  // the results and the six lines were computed anew from the stored steps
  Cleared,     // a stored step no longer exists: the results and the six lines were emptied
};

// Keeps the analysis of a freshly reduced test from going stale. When the test holds chosen steps
// (header fields 30-32) and they all lie within the analysable rows, the analysis is computed with
// them and the multiplication sign the stored E line shows; results that differ from the stored
// ones (34-39, "%g") are stored with the six lines, equal ones leave the record, and its hand-edited
// lines, alone. When a chosen step lies outside the analysable rows, results and lines are emptied
// (the steps are kept: the analysis form starts from them). Never shows a message.
AnalysisRefresh RefreshTestAnalysis(RecordStore& store, const SheetSettings& settings);

// The status-bar note of the window for a refresh (UTF-8); empty for Nothing.
std::string AnalysisRefreshNote(AnalysisRefresh refresh);

// ReduceTestRecord followed by RefreshTestAnalysis (a form's OK on the test, --reduce).
AnalysisRefresh ReduceTestAndRefreshAnalysis(RecordStore& store, const SheetSettings& settings, MessageSink& sink,
                                             bool warnBadCalibration);

// Takes the calibration file at `path` over into the test record (rows, fields 25-29, coefficients).
// With `storeFileName` the file's path also goes into test header field 20 (the command line; the
// header form stores the name on OK instead).
AttachResult AttachCalibration(RecordStore& store, const std::filesystem::path& path, MessageSink& sink,
                               bool storeFileName);

enum class AnalyseOutcome { Done, NoReducedSteps, StepOutOfRange, Failed };

// Po, Py, Pl, K, rm, E and the six formula lines from the chosen steps (1..analysable rows) and the
// multiplication sign choice, stored into the test record.
AnalyseOutcome AnalyseTestRecord(RecordStore& store, const SheetSettings& settings, AnalysisRows rows, int sign);

}  // namespace vek
