#pragma once
// Which calibration is in play, for the status bar: the calibration record loaded (its file, or
// "無題" for one typed but not saved) and the calibration file the test has attached (header field
// 20). They are two different things, and a sheet is only right when the user can see both.
#include <string>

#include "core/record_store.h"

namespace vek {

// "CAL: cal-sample.cdw ／ 試験の添付: cal-sample.cdw" (UTF-8); "なし" where there is none.
std::string CalibrationNote(const RecordStore& store);

// For the calibration header form, which edits the calibration record loaded, not the copy a test
// carries of its attached calibration: which file the record is, and whether the test's sheet is
// drawn from another one (UTF-8; a second line only when the test names a calibration file).
std::string CalibrationFormNote(const RecordStore& store);

}  // namespace vek
