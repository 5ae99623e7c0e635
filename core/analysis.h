#pragma once
// Analysis of a reduced test: Po, Py, Pl, rm, K and E from three chosen steps, and the six lines of
// the calculation text.
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "core/text_field.h"

namespace vek {

// Chosen rows (1-based) for Po, Py' and Pl'.
struct AnalysisRows {
  int po = 0, py = 0, pl = 0;
};

struct AnalysisResult {
  AnalysisRows rows;
  // Results: Po, Py (net of Po), Pl (net of Po) in kN/m2, rm in cm, K in MN/m3, E in MN/m2.
  double Po = 0, Py = 0, Pl = 0, rm = 0, K = 0, E = 0;
  // Step values the lines are printed from: Pe at the Py' and Pl' steps, r at the Po and Py' steps.
  double peY = 0, peL = 0, rO = 0, rY = 0;
  // The six lines of the calculation text (CP932).
  TextField plText, pyText, poText, kText1, kText2, eText;
};

// N: leading test rows, from row 1 (at most 120), whose Pe and r (columns 11, 12) are number-like.
int AnalysableRowCount(const RecordStore& store);

// The chosen rows as stored: atoi of header fields 30-32 (0 when empty).
AnalysisRows StoredAnalysisRows(const RecordStore& store);

// Initial chosen rows: header fields 30-32 limited to n; when n > 0 a Po row <= 0 becomes 1, a Py'
// row <= 0 becomes n/2 (1 when that is 0), a Pl' row <= 0 becomes n.
AnalysisRows DefaultAnalysisRows(const RecordStore& store, int n);

// The multiplication sign of the E line: 1 "･", 2 "x", 3 (and above) "*", otherwise empty.
TextField MultiplicationSign(int signChoice);

// The multiplication sign choice (1-3) the stored E line (header field 56) was printed with: the
// character after its 1 + nu. 1 when the line shows none (a bare or hand-written line).
int StoredSignChoice(const RecordStore& store);

// The values as they stand in the test record: rows as given, results from fields 34-39 (atof),
// lines from fields 51-56. What the analysis form starts from.
AnalysisResult StoredAnalysis(const RecordStore& store, AnalysisRows rows);

// Computes the results and the six lines from the chosen rows. Returns false and leaves `out`
// untouched when n is 0.
bool UpdateAnalysis(const RecordStore& store, const SheetSettings& settings, AnalysisRows rows, int n,
                    int signChoice, AnalysisResult& out);

// Header fields 30-32 = result.rows ("%d"), 34-39 = Po, Py, Pl, rm, K, E ("%g"). The analysis
// form sets result.rows to its current chosen rows first: they may have moved since the last update.
void StoreAnalysis(RecordStore& store, const AnalysisResult& result);

// Header fields 51-56 = the six lines.
void StoreFormulaLines(RecordStore& store, const AnalysisResult& result);

}  // namespace vek
