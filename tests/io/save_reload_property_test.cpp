// Every slot of both files, filled with texts at and beyond what a file line can hold: the writer's
// check lets a record through exactly when both readers give it back unchanged, and names the slot.
#include <cstdlib>

#include <gtest/gtest.h>

#include "core/cal_curve.h"
#include "core/step_reduction.h"
#include "io/data_file_fixtures.h"
#include "io/data_file_lines.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"

namespace vek {
namespace {

using Place = UnstorableValue::Place;

bool ReadsBackTheSame(const RecordStore& written, DataKind kind) {
  const std::string bytes = WriteRecordFile(kind, written);
  // Loading a calibration refits its curve into header fields 25-29: compare with the record as
  // the loader leaves it.
  RecordStore s = written;
  if (kind == DataKind::Calibration) {
    NullMessageSink quiet;
    FitCalRegression(s, 0, quiet);
  }
  RecordStore viaOpen, viaFramework;
  DataParserState state;
  NullMessageSink sink;
  if (!LoadDataBytes(bytes, "x", viaOpen, SheetSettings{}, state, sink).ok()) return false;
  if (!LoadDataBytesFramework(bytes, viaFramework, SheetSettings{}, state, sink).ok()) return false;
  for (const RecordStore* back : {&viaOpen, &viaFramework}) {
    const bool same = kind == DataKind::Test
                          ? testing::SameRecord(back->test, s.test) && back->TestCalRows() == s.TestCalRows()
                          : testing::SameRecord(back->calibration, s.calibration);
    if (!same || WriteRecordFile(kind, *back) != WriteRecordFile(kind, s)) return false;
  }
  return true;
}

// Texts for one slot whose line already holds `rest` bytes besides it: ordinary ones, the longest
// that fits, one byte more, and the characters a line or a cell cannot hold.
std::vector<std::string> Candidates(size_t rest) {
  const size_t room = kLongestStoredLine - rest;
  return {"", "12.5", "\x95\x5c\x8e\x86", std::string(room, '7'), std::string(room + 1, '7'),
          "A$$B", "a\r\nb", "x\r", "1,5", "\"7\""};
}

struct Slot {
  Place place;
  int row, field;
  TextField& text;
};

void CheckSlot(RecordStore s, DataKind kind, Slot (*slot)(RecordStore&, int, int), int row, int field) {
  const Slot probe = slot(s, row, field);
  size_t rest = 0;
  if (probe.place != Place::Header) {
    // The other cells of the row and the commas between them.
    RecordStore copy = s;
    slot(copy, row, field).text.clear();
    rest = probe.place == Place::TestRow ? kTestFieldCount - 1 : kCalFieldCount - 1;
    for (int f = 1; f <= (probe.place == Place::TestRow ? kTestFieldCount : kCalFieldCount); ++f)
      rest += slot(copy, row, f).text.size();
  }
  for (const std::string& text : Candidates(rest)) {
    RecordStore edited = s;
    Slot target = slot(edited, row, field);
    target.text = text;
    SCOPED_TRACE(::testing::Message() << "place " << static_cast<int>(target.place) << " row " << row << " field "
                                      << field << " text of " << text.size() << " bytes");
    const auto found = FindUnstorableValue(edited, kind);
    EXPECT_EQ(!found, ReadsBackTheSame(edited, kind));
    if (found) {
      EXPECT_EQ(found->place, target.place);
      EXPECT_EQ(found->row, row);
      EXPECT_EQ(found->field, field);
      EXPECT_EQ(found->lineBytes > 0, text.size() > kLongestStoredLine - rest);
    }
  }
}

Slot HeaderSlot(RecordStore& s, int, int field) { return {Place::Header, 0, field, s.test.Header(field)}; }
Slot CalHeaderSlot(RecordStore& s, int, int field) { return {Place::Header, 0, field, s.calibration.Header(field)}; }
Slot TestSlot(RecordStore& s, int row, int field) { return {Place::TestRow, row, field, s.test.Test(row, field)}; }
Slot TestCalSlot(RecordStore& s, int row, int field) {
  return {Place::CalibrationRow, row, field, s.TestCalRows()[row][field]};
}
Slot CalSlot(RecordStore& s, int row, int field) {
  return {Place::CalibrationRow, row, field, s.calibration.CalRows[row][field]};
}

TEST(SaveReloadProperty, EveryHeaderFieldOfBothFiles) {
  RecordStore test, cal;
  testing::FillFullTest(test);
  testing::FillFullCalibration(cal);
  for (int n = 1; n <= kHeaderFieldCount; ++n) {
    CheckSlot(test, DataKind::Test, HeaderSlot, 0, n);
    CheckSlot(cal, DataKind::Calibration, CalHeaderSlot, 0, n);
  }
}

TEST(SaveReloadProperty, EveryColumnOfEveryTable) {
  RecordStore test, cal;
  testing::FillFullTest(test);
  testing::FillFullCalibration(cal);
  // Fields 1 and 2 decide whether a row is written at all; the check covers the rows written.
  for (int row : {1, 77, kMaxTestRows}) {
    for (int f = 3; f <= kTestFieldCount; ++f) CheckSlot(test, DataKind::Test, TestSlot, row, f);
  }
  for (int row : {1, kMaxCalRows}) {
    for (int f = 2; f <= kCalFieldCount; ++f) {
      CheckSlot(test, DataKind::Test, TestCalSlot, row, f);
      CheckSlot(cal, DataKind::Calibration, CalSlot, row, f);
    }
  }
}

TEST(SaveReloadProperty, HugeReducedValuesStayShortEnoughToReadBack) {
  RecordStore s;
  testing::FillFullTest(s);
  s.test.Header(21) = "1";  // the regression curve: PG is formed for any H
  s.test.Test(1, 1) = "1e300";
  s.test.Test(2, 1) = "-1.5e300";
  s.test.Test(3, 5) = "1e290";  // a huge standpipe fall: r near 1e145
  RunTestReduction(s, SheetSettings{});
  for (int row : {1, 2, 3}) {
    EXPECT_LT(s.test.Test(row, 11).size() + s.test.Test(row, 12).size(), 50u) << "row " << row;
    EXPECT_TRUE(IsNumericText(s.test.Test(row, 11)) > 0 || s.test.Test(row, 11).empty());
  }
  EXPECT_EQ(std::atof(s.test.Test(1, 11).c_str()) > 1e299, true) << s.test.Test(1, 11);
  EXPECT_FALSE(FindUnstorableValue(s, DataKind::Test));
  EXPECT_TRUE(ReadsBackTheSame(s, DataKind::Test));
}

}  // namespace
}  // namespace vek
