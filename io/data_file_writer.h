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

// A value that the file of its kind cannot hold so that it reads back the same.
struct UnstorableValue {
  enum class Place { Header, TestRow, CalibrationRow };
  Place place = Place::Header;
  int row = 0;    // 1-based row of a table; 0 for a header field
  int field = 0;  // the header field, or the cell's field (of a line too long: its longest cell)
  // The length of the line when the line is too long for the readers; 0 when the value holds a
  // line break, "$$" or (in a table) a comma or a double quote.
  size_t lineBytes = 0;
};

// The first value written for `kind` that would read back differently: a header text holding a
// line break or "$$", a cell of a written row holding a comma, a line break, "$$" or a double
// quote, or a header field or written row longer than kLongestStoredLine. nullopt when every value
// survives.
std::optional<UnstorableValue> FindUnstorableValue(const RecordStore& store, DataKind kind);

// "header field 12", "test row 3 field 5" or "calibration row 2 field 1", and why the file cannot
// hold it (English, for the command line).
std::string DescribeUnstorable(const UnstorableValue& value);

// The window's message for it: where ("見出し項目 20", "データ 3 行 11 列", …) and why, in
// Japanese.
std::string UnstorableMessage(const UnstorableValue& value);

// The file of `kind` written to `path` as a whole: the old file is replaced only after the new one
// has been written completely. False when it cannot be written; the old file is then untouched.
bool SaveRecordFile(const std::filesystem::path& path, DataKind kind, const RecordStore& store);

}  // namespace vek
