#pragma once
// Writing the calibration file (.cdw) and the test file (.vdw): the magic line, "$$Z" and header
// fields 1-90, then the table sections. Every line ends with CR LF.
#include <filesystem>
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

// The file of `kind` written to `path` as a whole: the old file is replaced only after the new one
// has been written completely. False when it cannot be written; the old file is then untouched.
bool SaveRecordFile(const std::filesystem::path& path, DataKind kind, const RecordStore& store);

}  // namespace vek
