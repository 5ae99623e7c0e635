#pragma once
// The process-wide record store: the calibration record (.cdw) and the test record (.vdw), the
// current sheet, the two remembered file paths and the two coefficient sets.
#include <array>
#include <string_view>

#include "core/header_fields.h"
#include "core/text_field.h"

namespace vek {

class MessageSink;

constexpr int kHeaderSlots = 92;     // 0-91, fields 1-90 used
constexpr int kHeaderFieldCount = 90;
constexpr int kCalRowSlots = 42;     // rows 0-41, rows 1-40 used
constexpr int kCalFieldSlots = 4;    // fields 0-3, fields 1-3 used
constexpr int kMaxCalRows = 40;
constexpr int kCalFieldCount = 3;
constexpr int kTestRowSlots = 122;   // rows 0-121, rows 1-120 used
constexpr int kTestFieldSlots = 13;  // fields 0-12, fields 1-12 used
constexpr int kMaxTestRows = 120;
constexpr int kTestFieldCount = 12;

// Sheet numbers of the current sheet.
constexpr int kCalibrationSheet = 0;
constexpr int kTestSheet = 1;

using CalRow = std::array<TextField, kCalFieldSlots>;
using TestRow = std::array<TextField, kTestFieldSlots>;

// One record. The calibration record uses HeaderFields and CalRows (its TestRows serve the
// calibration data form as scratch); the test record uses all three, its CalRows being the copy of
// the attached calibration table (TestCalRows).
struct Record {
  std::array<TextField, kHeaderSlots> HeaderFields;
  std::array<CalRow, kCalRowSlots> CalRows;
  std::array<TestRow, kTestRowSlots> TestRows;

  TextField& Header(int n) { return HeaderFields[n]; }
  const TextField& Header(int n) const { return HeaderFields[n]; }
  TextField& Cal(int row, int field) { return CalRows[row][field]; }
  const TextField& Cal(int row, int field) const { return CalRows[row][field]; }
  TextField& Test(int row, int field) { return TestRows[row][field]; }
  const TextField& Test(int row, int field) const { return TestRows[row][field]; }

  bool operator==(const Record&) const = default;
};

struct RecordStore {
  Record calibration;
  Record test;
  int currentSheet = kTestSheet;
  TextField calFilePath;
  TextField testFilePath;
  std::array<double, 5> testCoefficients{};  // test header fields 25-29 parsed with atof
  std::array<double, 5> calCoefficients{};   // the calibration record's fitted c0..c4

  // The test record's copy of a calibration table.
  std::array<CalRow, kCalRowSlots>& TestCalRows() { return test.CalRows; }
  const std::array<CalRow, kCalRowSlots>& TestCalRows() const { return test.CalRows; }

  // Record of the current sheet.
  Record& Current() { return currentSheet == kCalibrationSheet ? calibration : test; }
  const Record& Current() const { return currentSheet == kCalibrationSheet ? calibration : test; }

  void ClearCalibrationHeader();
  void ClearCalibrationRows();
  void ClearTestHeader();
  void ClearTestRows();
  void ClearTestCalRows();

  // Number of consecutive test rows of the test record, from row 1, whose given field is
  // number-like; stops at the first other row and at 120.
  int CountDataRows(int field) const;

  // New document: clears the record of the current sheet and its remembered path.
  void NewDocument();

  // Refreshes testCoefficients from test header fields 25-29.
  void RefreshTestCoefficients();
};

// -1 for an empty (or white-space-only) text, 1 when its first non-blank byte is one of
// "1234567890.+-", else 0. Only the first character is examined.
int IsNumericText(std::string_view text);

// Extracts the n-th (1-based) comma-separated field. Returns -1 for an empty line, 1 when the field
// exists, 0 when the line has fewer fields (field then empty). Double quotes toggle quoting and are
// not copied. Lines over 2600 bytes show "too many csv" and are cut.
int GetCsvField(std::string_view line, int n, TextField& field, MessageSink& sink);

// Every non-overlapping occurrence of pattern replaced, left to right.
TextField ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement);

int SignOf(int value);

}  // namespace vek
