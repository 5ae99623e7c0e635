#include "io/data_file_writer.h"

#include "core/messages.h"
#include "io/data_file_lines.h"
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

// The first cell of rows 1..count that the file cannot hold, or whose row makes a line longer than
// the readers take whole (then the row's longest cell is named).
template <typename Rows>
std::optional<UnstorableValue> FindUnstorableCell(const Rows& rows, int count, int fields,
                                                  UnstorableValue::Place place) {
  for (int r = 1; r <= count; ++r) {
    size_t lineBytes = static_cast<size_t>(fields - 1);  // the commas
    int longest = 1;
    for (int f = 1; f <= fields; ++f) {
      const TextField& cell = rows[r][f];
      if (!IsStorableCellText(cell) && cell.size() <= kLongestStoredLine) return UnstorableValue{place, r, f, 0};
      lineBytes += cell.size();
      if (cell.size() > rows[r][longest].size()) longest = f;
    }
    if (lineBytes > kLongestStoredLine) return UnstorableValue{place, r, longest, lineBytes};
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

std::optional<UnstorableValue> FindUnstorableValue(const RecordStore& store, DataKind kind) {
  using Place = UnstorableValue::Place;
  const Record& record = kind == DataKind::Test ? store.test : store.calibration;
  for (int n = 1; n <= kHeaderFieldCount; ++n) {
    const TextField& text = record.Header(n);
    if (!IsStorableHeaderText(text))
      return UnstorableValue{Place::Header, 0, n, text.size() > kLongestStoredLine ? text.size() : 0};
  }
  if (kind == DataKind::Calibration)
    return FindUnstorableCell(record.CalRows, WrittenCalRowCount(record.CalRows, true), kCalFieldCount,
                              Place::CalibrationRow);
  if (auto cell = FindUnstorableCell(record.TestRows, WrittenTestRowCount(record), kTestFieldCount, Place::TestRow))
    return cell;
  return FindUnstorableCell(store.TestCalRows(), WrittenCalRowCount(store.TestCalRows(), false), kCalFieldCount,
                            Place::CalibrationRow);
}

std::string DescribeUnstorable(const UnstorableValue& value) {
  using Place = UnstorableValue::Place;
  std::string text = value.place == Place::Header ? "header field " + std::to_string(value.field)
                     : (value.place == Place::TestRow ? "test row " : "calibration row ") + std::to_string(value.row) +
                           " field " + std::to_string(value.field);
  if (value.lineBytes > 0) {
    return text + " makes a line of " + std::to_string(value.lineBytes) + " bytes, longer than the " +
           std::to_string(kLongestStoredLine) + " a line of the file holds";
  }
  return text + (value.place == Place::Header ? " holds a line break or \"$$\""
                                              : " holds a comma, a double quote, a line break or \"$$\"");
}

std::string UnstorableMessage(const UnstorableValue& value) {
  using Place = UnstorableValue::Place;
  std::string where = value.place == Place::Header ? "見出し項目 " + std::to_string(value.field)
                      : (value.place == Place::TestRow ? "データ " : "キャリブレーションデータ ") +
                            std::to_string(value.row) + " 行 " + std::to_string(value.field) + " 列";
  std::string why = value.lineBytes > 0
                        ? "ファイルの 1 行が " + std::to_string(value.lineBytes) + " バイトになり、読み込める " +
                              std::to_string(kLongestStoredLine) + " バイトを超えます"
                        : value.place == Place::Header ? "改行または \"$$\" を含んでいます"
                                                       : "カンマ、引用符、改行または \"$$\" を含んでいます";
  return NumberedMessage(msg::ValueNotStorable, where, why);
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
