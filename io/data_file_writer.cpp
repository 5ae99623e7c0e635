#include "io/data_file_writer.h"

#include "io/safe_write.h"

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
  for (int r = 1; r <= kMaxCalRows; ++r) {
    const bool more = IsNumericText(rows[r][1]) > 0 || (fieldTwoContinues && IsNumericText(rows[r][2]) > 0);
    if (!more) break;
    AppendRow(out, rows[r], kCalFieldCount);
  }
}

}  // namespace

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
  for (int r = 1; r <= kMaxTestRows; ++r) {
    const TestRow& row = store.test.TestRows[r];
    if (IsNumericText(row[1]) <= 0 && IsNumericText(row[2]) <= 0) break;
    AppendRow(out, row, kTestFieldCount);
  }
  out += "$$C";
  out += kCrLf;
  AppendCalRows(out, store.TestCalRows(), false);
  return out;
}

bool SaveRecordFile(const std::filesystem::path& path, DataKind kind, const RecordStore& store) {
  const std::string bytes = kind == DataKind::Calibration ? WriteCalibrationFile(store) : WriteTestFile(store);
  return WriteFileAtomically(path, bytes);
}

}  // namespace vek
