#pragma once
// Writing the calibration file (.cdw) and the test file (.vdw): the magic line, "$$Z" and header
// fields 1-90, then the table sections. Every line ends with CR LF.
#include <filesystem>
#include <optional>
#include <string>

#include "core/record_store.h"
#include "io/data_file_format.h"

namespace vek {

// The bytes of the calibration record's file: header, "$$C" and the calibration rows written while
// field 1 or field 2 of the row is number-like.
std::string WriteCalibrationFile(const RecordStore& store);

// The bytes of the test record's file: header, "$$A" and the test rows written while field 1 or
// field 2 is number-like, "$$C" and the rows of TestCalRows written while field 1 is number-like.
std::string WriteTestFile(const RecordStore& store);

// WriteCalibrationFile or WriteTestFile by `kind`.
std::string WriteRecordFile(DataKind kind, const RecordStore& store);

// Rows the writer writes: test rows from row 1 while field 1 or field 2 is number-like; calibration
// rows while field 1 (or, with `fieldTwoContinues`, field 2) is number-like.
int WrittenTestRowCount(const Record& test);
int WrittenCalRowCount(const std::array<CalRow, kCalRowSlots>& rows, bool fieldTwoContinues);

// The first value written for `kind` that would read back differently, as "header field 12",
// "test row 3 field 5" or "calibration row 2 field 1": a header text holding a line break or "$$",
// a cell of a written row holding a comma, a line break, "$$" or a double quote. nullopt when every
// value survives.
std::optional<std::string> FindUnstorableValue(const RecordStore& store, DataKind kind);

// The file of `kind` written to `path` as a whole: the old file is replaced only after the new one
// has been written completely. False when it cannot be written; the old file is then untouched.
bool SaveRecordFile(const std::filesystem::path& path, DataKind kind, const RecordStore& store);

}  // namespace vek
