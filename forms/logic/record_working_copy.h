#pragma once
// The working copy a record form edits: a copy of the store taken when the form opens. The form
// reads and changes the copy only (the record commands work on it as on the real store); on OK,
// Commit puts the copy's record back when it differs from the store's, and on Cancel the copy is
// simply dropped, so nothing has to be put back.
#include "core/record_store.h"

namespace vek {

class RecordWorkingCopy {
 public:
  // sheet: kCalibrationSheet or kTestSheet, the record the form edits.
  RecordWorkingCopy(RecordStore& store, int sheet) : store_(store), work_(store), sheet_(sheet) {}

  RecordStore& Work() { return work_; }
  const RecordStore& Work() const { return work_; }
  Record& Copy() { return Of(work_); }
  const Record& Copy() const { return Of(work_); }

  // The store the copy was taken from; the form's after-step runs on it once the copy is back.
  RecordStore& Target() { return store_; }

  // Whether the copy differs from the store's record.
  bool Changed() const { return Copy() != Of(store_); }

  // OK: the copy replaces the store's record (with the test's coefficients, which follow its fields
  // 25-29) when it differs. True when the record changed.
  bool Commit();

 private:
  Record& Of(RecordStore& s) const { return sheet_ == kCalibrationSheet ? s.calibration : s.test; }
  const Record& Of(const RecordStore& s) const { return sheet_ == kCalibrationSheet ? s.calibration : s.test; }

  RecordStore& store_;
  RecordStore work_;
  int sheet_;
};

}  // namespace vek
