// Every old header position of both kinds of Ver2 file, and the row bound of every Ver2 section:
// each value lands in exactly one field, and nothing lands anywhere else.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "io/ver2_import.h"

namespace vek {
namespace {

// Header lines 1-45 holding their own position number, read with the factor 1.
Record ImportNumberedHeader(DataKind kind) {
  RecordStore store;
  SectionState state;
  ParseVer2Line(store, state, kind, "$Z40", 1.0);
  for (int p = 1; p <= 45; ++p) ParseVer2Line(store, state, kind, std::to_string(p), 1.0);
  return kind == DataKind::Test ? store.test : store.calibration;
}

void ExpectExactlyTheseFields(const Record& r, const std::map<int, std::string>& expected) {
  for (int f = 0; f < kHeaderSlots; ++f) {
    auto it = expected.find(f);
    EXPECT_EQ(r.Header(f), it == expected.end() ? "" : it->second) << "header field " << f;
  }
}

TEST(Ver2Positions, TestHeaderPositionsLandInTheirFieldsOnly) {
  // Field -> the text expected there. Positions 11-37 move by four; 29-32 and 34, 35 are pressures
  // (times the factor, times 0.1, times 0.001); the date at position 7 is split (a one-digit year
  // keeps its month empty and gives itself as the day); field 41 is scaled by 100 and field 80 marks
  // the import.
  std::map<int, std::string> expected = {{1, "1"},  {2, "2"},  {3, "3"},        {4, "4"},      {5, "5"},
                                         {6, "6"},  {8, "7"},  {10, "7"},       {11, "8"},     {12, "9"},
                                         {13, "10"}, {37, "33"}, {38, "3.4"},    {39, "0.035"}, {40, "36"},
                                         {41, "3700"}, {80, "300 KARUM"}};
  for (int p = 11; p <= 32; ++p) expected[p + 4] = std::to_string(p);
  ExpectExactlyTheseFields(ImportNumberedHeader(DataKind::Test), expected);
}

TEST(Ver2Positions, CalibrationHeaderPositionsLandInTheirFieldsOnly) {
  const std::map<int, std::string> expected = {
      {1, "1"},   {2, "2"},   {16, "3"},  {4, "4"},   {5, "5"},   {8, "6"},  {10, "6"},        {11, "7"}, {22, "8"},
      {23, "9"},  {24, "10"}, {25, "22"}, {26, "23"}, {27, "24"}, {28, "25"}, {29, "26"}, {41, "0"}, {80, "300 KARUM"}};
  ExpectExactlyTheseFields(ImportNumberedHeader(DataKind::Calibration), expected);
}

TEST(Ver2Positions, EverySectionStopsAtItsLastRowAndTouchesNothingElse) {
  const struct {
    DataKind kind;
    const char* section;
    int fields, rows;
  } cases[] = {
      {DataKind::Test, "$A", kTestFieldCount, kMaxTestRows},
      {DataKind::Test, "$C", kCalFieldCount, kMaxCalRows},
      {DataKind::Calibration, "$C", kCalFieldCount, kMaxCalRows},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    RecordStore store;
    const RecordStore untouched = store;
    SectionState state;
    ParseVer2Line(store, state, c.kind, c.section, 1.0);
    // Five rows more than the section holds; row r, field f holds 100 r + f (one lone line beyond).
    for (int r = 1; r <= c.rows + 5; ++r)
      for (int f = 1; f <= c.fields; ++f) ParseVer2Line(store, state, c.kind, std::to_string(100 * r + f), 1.0);
    ParseVer2Line(store, state, c.kind, "9", 1.0);

    RecordStore rest = store;
    Record& record = c.kind == DataKind::Test ? rest.test : rest.calibration;
    for (int r = 0; r < (c.fields == kTestFieldCount ? kTestRowSlots : kCalRowSlots); ++r) {
      for (int f = 0; f <= c.fields; ++f) {
        TextField& cell = c.fields == kTestFieldCount ? record.TestRows[r][f] : record.CalRows[r][f];
        const bool stored = r >= 1 && r <= c.rows && f >= 1;
        EXPECT_EQ(cell, stored ? std::to_string(100 * r + f) : "") << r << "," << f;
        cell.clear();
      }
    }
    EXPECT_EQ(rest.test.HeaderFields, untouched.test.HeaderFields);
    EXPECT_EQ(rest.test.CalRows, untouched.test.CalRows);
    EXPECT_EQ(rest.test.TestRows, untouched.test.TestRows);
    EXPECT_EQ(rest.calibration.HeaderFields, untouched.calibration.HeaderFields);
    EXPECT_EQ(rest.calibration.CalRows, untouched.calibration.CalRows);
    EXPECT_EQ(rest.calibration.TestRows, untouched.calibration.TestRows);
  }
}

}  // namespace
}  // namespace vek
