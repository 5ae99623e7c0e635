#pragma once
// Reduction of the test table: per step dH, H, PG, PG - P (columns 7-10), then for the whole table
// the pressure offset (header field 33), Pe and r (columns 11-12). All results are written as text.
#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace vek {

// Pi as the radius formula takes it.
constexpr double kReductionPi = 3.14159;

// Writes columns 7-10 of test row `row` (1-120) from its readings, the initial standpipe level h0
// and the test record's calibration curve. Returns PG - P, or kNoValue when it cannot be formed.
double ReduceTestStep(RecordStore& store, int row, double h0);

// Writes header field 33 (the pressure offset, max(largestPgMinusP, 0), "%f"; empty when no step
// gave PG - P) and columns 11-12 (Pe, r, "%f") of all 120 rows. Probe dimensions below 0.1 are
// replaced by the settings' defaults.
void ReduceTestTable(RecordStore& store, const SheetSettings& settings, double largestPgMinusP);

// The whole reduction: every data row through ReduceTestStep, then ReduceTestTable.
void RunTestReduction(RecordStore& store, const SheetSettings& settings);

// Pe = P - PG (no offset) and r of one row into columns 11-12, with the given probe dimensions
// (each below 0.1 replaced by the factory default). Used while the test data form is edited.
void ProvisionalPeR(RecordStore& store, int row, double ro, double l, double ac);

}  // namespace vek
