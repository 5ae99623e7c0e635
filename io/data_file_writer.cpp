#include "io/data_file_writer.h"

#include "io/safe_write.h"
#include "io/storable_text.h"

namespace vek {

namespace {

constexpr std::string_view kCrLf = "\r\n";

void AppendHeader(std::string& out, std::string_view magic, const Record& record) {
  out += magic;
  out += kCrLf;
  out += "$$Z";
  out += kCrLf;
  for (int n = 1; n <= kHeaderFieldCount; ++n) {
    const TextField& f = record.Header(n);
    out += f;
    // A field that already ends with CR LF is written as it stands.
    if (f.size() < 2 || f.compare(f.size() - 2, 2, kCrLf) != 0) out += kCrLf;
  }
}

template <typename Row>
void AppendRow(std::string& out, const Row& row, int fields) {
  for (int f = 1; f <= fields; ++f) {
    if (f > 1) out += ',';
    out += row[f];
  }
  out += kCrLf;
}

// Calibration rows from row 1 while the row passes the continuation test.
void AppendCalRows(std::string& out, const std::array<CalRow, kCalRowSlots>& rows, bool fieldTwoContinues) {
  const int n = WrittenCalRowCount(rows, fieldTwoContinues);
  for (int r = 1; r <= n; ++r) AppendRow(out, rows[r], kCalFieldCount);
}

// "row R field F" of the first cell of rows 1..count that the file cannot hold, or nullopt. Besides
// the cell rule, a row holding "$$" reads back as a section line, and the reader takes a double quote
// for quoting and drops it.
template <typename Rows>
std::optional<std::string> FindUnstorableCell(const Rows& rows, int count, int fields) {
  for (int r = 1; r <= count; ++r) {
    for (int f = 1; f <= fields; ++f) {
      const TextField& cell = rows[r][f];
      if (!IsStorableCellText(cell) || cell.find("$$") != std::string::npos || cell.find('"') != std::string::npos)
        return "row " + std::to_string(r) + " field " + std::to_string(f);
    }
  }
  return std::nullopt;
}

}  // namespace

int WrittenTestRowCount(const Record& test) {
  int r = 0;
  while (r < kMaxTestRows) {
    const TestRow& row = test.TestRows[r + 1];
    if (IsNumericText(row[1]) <= 0 && IsNumericText(row[2]) <= 0) break;
    ++r;
  }
  return r;
}

int WrittenCalRowCount(const std::array<CalRow, kCalRowSlots>& rows, bool fieldTwoContinues) {
  int r = 0;
  while (r < kMaxCalRows &&
         (IsNumericText(rows[r + 1][1]) > 0 || (fieldTwoContinues && IsNumericText(rows[r + 1][2]) > 0)))
    ++r;
  return r;
}

std::optional<std::string> FindUnstorableValue(const RecordStore& store, DataKind kind) {
  const Record& record = kind == DataKind::Test ? store.test : store.calibration;
  for (int n = 1; n <= kHeaderFieldCount; ++n)
    if (!IsStorableHeaderText(record.Header(n))) return "header field " + std::to_string(n);
  if (kind == DataKind::Calibration) {
    const int count = WrittenCalRowCount(record.CalRows, true);
    if (auto cell = FindUnstorableCell(record.CalRows, count, kCalFieldCount)) return "calibration " + *cell;
    return std::nullopt;
  }
  if (auto cell = FindUnstorableCell(record.TestRows, WrittenTestRowCount(record), kTestFieldCount))
    return "test " + *cell;
  const int count = WrittenCalRowCount(store.TestCalRows(), false);
  if (auto cell = FindUnstorableCell(store.TestCalRows(), count, kCalFieldCount)) return "calibration " + *cell;
  return std::nullopt;
}

std::string WriteCalibrationFile(const RecordStore& store) {
  std::string out;
  out.reserve(4096);
  AppendHeader(out, kCalibrationMagic, store.calibration);
  out += "$$C";
  out += kCrLf;
  AppendCalRows(out, store.calibration.CalRows, true);
  return out;
}

std::string WriteTestFile(const RecordStore& store) {
  std::string out;
  out.reserve(16384);
  AppendHeader(out, kTestMagic, store.test);
  out += "$$A";
  out += kCrLf;
  const int rows = WrittenTestRowCount(store.test);
  for (int r = 1; r <= rows; ++r) AppendRow(out, store.test.TestRows[r], kTestFieldCount);
  out += "$$C";
  out += kCrLf;
  AppendCalRows(out, store.TestCalRows(), false);
  return out;
}

std::string WriteRecordFile(DataKind kind, const RecordStore& store) {
  return kind == DataKind::Calibration ? WriteCalibrationFile(store) : WriteTestFile(store);
}

bool SaveRecordFile(const std::filesystem::path& path, DataKind kind, const RecordStore& store) {
  return WriteFileAtomically(path, WriteRecordFile(kind, store));
}

}  // namespace vek
