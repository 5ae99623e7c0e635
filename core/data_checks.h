#pragma once
// Data checks: what in a record makes its sheet untrustworthy. Readings typed in the wrong order or
// column, steps whose stored results no longer follow from their data, a test without a
// calibration, a calibration curve far from its own points. The checks only read the records.
#include <array>
#include <string>
#include <vector>

#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace vek {

enum class FindingKind {
  NoSteps,                // a test without a single step
  PressureNotIncreasing,  // P of a step (or calibration row) not above the one before it
  ReadingFalls,           // a later reading of a step below the one before it
  ReadingGap,             // an empty reading between filled ones
  StepAfterEmptyPressure, // steps after a step without P are neither reduced nor drawn
  MissingBasisReading,    // the reading H is taken from is empty
  NoCalibration,          // no calibration file attached to the test
  CalibrationRowsEmpty,   // attached, but its rows hold no data
  NoCoefficients,         // the regression curve is chosen but has no coefficients
  StaleCoefficients,      // coefficients that the rows do not give
  LargeResidual,          // the regression curve far from its own points
  StaleReduction,         // stored dH, H, PG, PG-P, Pe or r (or the offset) differ from a new reduction
  StaleAnalysis,          // stored Po ... E differ from a new analysis
  StepOutOfRange,         // a chosen step outside the analysable rows
  StaleCalibrationH,      // H of a calibration row is not H' minus the initial level
  CalibrationTooFewRows,  // the regression curve is chosen with fewer than six rows
};

// Where a finding lies: the record as a whole, a step of the test, a row of a calibration table.
enum class FindingPlace { Record, Step, CalibrationRow };

struct Finding {
  FindingKind kind;
  FindingPlace place = FindingPlace::Record;
  int row = 0;       // step or calibration row number (1-based); 0 for the record
  std::string text;  // UTF-8, shown to the user
};

// The regression curve is judged against its own points: the largest distance of a point from the
// curve may be this share of the largest pressure of the points, and at least kResidualFloor.
constexpr double kResidualShare = 0.05;
constexpr double kResidualFloor = 5.0;  // kN/m2

// Every check of a test record (the store's test record): steps, calibration copy, stored
// reduction and analysis against a new computation with `settings`.
std::vector<Finding> CheckTestRecord(const RecordStore& store, const SheetSettings& settings);

// Every check of a calibration record. `storedCoefficients` are the texts of header fields 25-29
// as the file holds them (a loaded record has them refitted already).
std::vector<Finding> CheckCalibrationRecord(const Record& calibration,
                                            const std::array<TextField, 5>& storedCoefficients);

// The record of the store's current sheet, its own fields 25-29 taken as stored.
std::vector<Finding> CheckCurrentRecord(const RecordStore& store, const SheetSettings& settings);

// Header fields 25-29 of a record.
std::array<TextField, 5> CoefficientTexts(const Record& record);

// "段階 3: …", "CAL 行 5: …" or the bare text of a finding on the whole record.
std::string FindingLine(const Finding& finding);

}  // namespace vek
