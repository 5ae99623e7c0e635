#include "forms/logic/measurement_grid_logic.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "forms/logic/grid_graph.h"
#include "forms/logic/small_plot.h"
#include "forms_logic/grid_test_fixture.h"
#include "io/record_commands.h"
#include "support/recording_device.h"

namespace vek {
namespace {

TEST_F(GridTest, AddChecksTheEntriesWithTheirMessages) {
  struct Case {
    const GridKind& kind;
    std::vector<std::string> entries;
    bool added;
    std::string message;  // empty: none
  };
  const std::string noData = NumberedMessage(msg::NoOrBadData);
  const Case cases[] = {
      {CalibrationGridKind(), {"", "", ""}, false, noData},
      {VekGridKind(), {" ", ""}, false, noData},
      {VekGridKind(), {"", "12"}, false, noData},          // P missing
      {VekGridKind(), {"30000.01"}, false, NumberedMessage(msg::BadNumber)},
      {CalibrationGridKind(), {"-100.5", "3"}, false, NumberedMessage(msg::BadNumber)},
      {CalibrationGridKind(), {"-100", "3"}, true, ""},
      {CalibrationGridKind(), {"20", ""}, true, noData},     // an empty H' only warned about
      // A text that is no number is refused in any entry, naming it: never read as its first digits.
      {VekGridKind(), {"abc", "12"}, false, "セル水圧P: 数字を入力してください。"},
      {VekGridKind(), {"28,9"}, false, "セル水圧P: 数字を入力してください。"},
      {VekGridKind(), {"20", "", "2a89"}, false, "15”: 数字を入力してください。"},
      {CalibrationGridKind(), {"20", "x"}, false, "Ｈ’ cm: 数字を入力してください。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entries[0]);
    store = RecordStore{};
    sink.shown.clear();
    Open(c.kind);
    EXPECT_EQ(Add(c.entries), c.added);
    EXPECT_EQ(grid_->UsedLineCount(), c.added ? 1 : 0);
    if (!c.message.empty()) {
      ASSERT_EQ(sink.shown.size(), 1u);
      EXPECT_EQ(sink.shown[0], c.message);
    } else {
      EXPECT_TRUE(sink.shown.empty());
    }
  }
}

TEST_F(GridTest, AddWritesTheNextLineOfTheWorkingCopyOnly) {
  store.calibration.Header(hf::StandpipeInitialLevel) = "3.0";
  Open(CalibrationGridKind());
  ASSERT_TRUE(Add({"10", "5.0"}));
  ASSERT_TRUE(Add({"20.004", ""}));
  EXPECT_EQ(Cal().Cal(1, 1), "10.00");
  EXPECT_EQ(Cal().Cal(1, 2), "5.0");
  EXPECT_EQ(Cal().Cal(1, 3), "2");       // H' - H0, "%g"
  EXPECT_EQ(Cal().Cal(2, 1), "20.00");
  EXPECT_EQ(Cal().Cal(2, 3), "");        // no H'

  EXPECT_EQ(grid_->TouchedLine(), 2);
  EXPECT_TRUE(grid_->DataChanged());
  EXPECT_EQ(store.calibration.Cal(1, 1), "");  // the document's record waits for OK
}

TEST_F(GridTest, SamePressureIsRefusedWithTheFormsWord) {
  for (auto [kind, word] : {std::pair{&CalibrationGridKind(), "圧力"}, std::pair{&VekGridKind(), "深度"}}) {
    store = RecordStore{};
    sink.shown.clear();
    Open(*kind);
    ASSERT_TRUE(Add({"100", "1"}));
    EXPECT_FALSE(Add({"100.0000001", "2"}));
    EXPECT_EQ(grid_->Entry(1), "100.00");  // rewritten before the check
    EXPECT_EQ(grid_->UsedLineCount(), 1);
    ASSERT_FALSE(sink.shown.empty());
    EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::SameEntryExists, word));
  }
}

TEST_F(GridTest, FullGridRefusesAnotherLine) {
  Open(CalibrationGridKind());
  for (int i = 1; i <= kMaxCalRows; ++i) ASSERT_TRUE(Add({std::to_string(i), "1"}));
  EXPECT_EQ(grid_->FirstFreeLine(), 0);
  EXPECT_FALSE(Add({"500", "1"}));
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::MaxRows));
}

TEST_F(GridTest, OverwriteTakesTheLineOfTheSamePressureNotTheSelectedOne) {
  Open(VekGridKind());
  sink.shown.clear();
  grid_->SetEntry(1, "150");
  EXPECT_FALSE(grid_->Overwrite());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::CannotOverwrite));
  for (const char* p : {"50", "100", "120", "130", "150"}) ASSERT_TRUE(Add({p, "0", "1"}));
  grid_->SelectLine(3);
  grid_->SetEntry(1, "150");
  grid_->SetEntry(3, "9.9");
  ASSERT_TRUE(grid_->Overwrite());
  EXPECT_EQ(grid_->Cell(5, 3), "9.9");
  EXPECT_EQ(grid_->Cell(3, 3), "1");
  EXPECT_EQ(grid_->SelectedLine(), 0);
  grid_->SetEntry(1, "151");
  EXPECT_FALSE(grid_->Overwrite());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::NoSuchEntry, "深度"));
}

TEST_F(GridTest, AutoIncrementProposesTheNextStepOnlyUpwards) {
  Open(VekGridKind());
  grid_->SetAutoIncrement(0, true);
  grid_->SetAutoIncrement(1, true);
  ASSERT_TRUE(Add({"50", "10"}));
  EXPECT_EQ(grid_->Entry(1), "");  // one line does not make a step
  ASSERT_TRUE(Add({"100", "18"}));
  EXPECT_EQ(grid_->Entry(1), "150.00");
  EXPECT_EQ(grid_->Entry(2), "26.00");
  EXPECT_EQ(grid_->FocusAfter(), tf::Reading15);
  grid_->SetAutoIncrement(1, false);
  ASSERT_TRUE(Add({"75", "18"}));  // 2 x 75 - 100 = 50
  EXPECT_EQ(grid_->Entry(1), "50.00");
  EXPECT_EQ(grid_->Entry(2), "");
  EXPECT_EQ(grid_->FocusAfter(), tf::GasPressure);
  ASSERT_TRUE(Add({"37.5"}));  // 2 x 37.5 - 75 = 0: nothing proposed
  EXPECT_EQ(grid_->Entry(1), "");

  // The boxes are remembered for the next opening.
  Open(VekGridKind());
  EXPECT_TRUE(grid_->AutoIncrement(0));
  EXPECT_FALSE(grid_->AutoIncrement(1));
  Open(CalibrationGridKind());
  EXPECT_FALSE(grid_->AutoIncrement(0));
  ASSERT_TRUE(Add({"10", "4"}));
  EXPECT_EQ(grid_->FocusAfter(), cf::Pressure);
  grid_->SetAutoIncrement(0, true);
  ASSERT_TRUE(Add({"20", "5"}));
  EXPECT_EQ(grid_->Entry(1), "30.00");
  EXPECT_EQ(grid_->FocusAfter(), cf::Reading);
}

TEST_F(GridTest, OkRebuildsInPressureOrderAndReportsDuplicates) {
  store.test.Test(7, tf::PG) = "stale";
  Open(VekGridKind());
  for (const char* p : {"200", "100", "300"}) ASSERT_TRUE(Add({p, "1"}));
  EditCell(4, 1, "100.00");  // a second 100 typed in place, which add would refuse
  grid_->SelectLine(2);
  grid_->SetEntry(2, "second");
  grid_->LeaveEntry(2);     // tags the first 100 so the order of equal ones shows
  EditCell(6, 3, "7");  // a line without P is dropped
  sink.shown.clear();
  grid_->RebuildTable();
  EXPECT_EQ(Column(1, 5), (std::vector<std::string>{"100.00", "100.00", "200.00", "300.00", ""}));
  EXPECT_EQ(Column(2, 2), (std::vector<std::string>{"second", ""}));
  for (int line = 1; line <= 7; ++line) EXPECT_EQ(Test().Test(line, tf::PG), "") << line;
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "同じ圧力があります\r\n 100.00 m \r\n");
}

TEST_F(GridTest, DuplicateReportStopsAfterSixEntries) {
  for (int i = 1; i <= 9; ++i) store.calibration.Cal(i, 1) = "5";
  Open(CalibrationGridKind());
  grid_->RebuildTable();
  ASSERT_EQ(sink.shown.size(), 1u);
  size_t entries = 0;
  for (size_t at = 0; (at = sink.shown[0].find(" m ", at)) != std::string::npos; ++at) ++entries;
  EXPECT_EQ(entries, 6u);
  EXPECT_EQ(Column(1, 10), (std::vector<std::string>{"5", "5", "5", "5", "5", "5", "5", "5", "5", ""}));
}

TEST_F(GridTest, CancelDropsTheWorkingCopyAlsoAfterEntriesWrittenIntoALine) {
  store.test.Header(hf::ReadingTimeBasis) = "0";
  store.test.Header(hf::PeScaleMax) = "2000";
  for (int i = 1; i <= 3; ++i) store.test.Test(i, 1) = std::to_string(i * 100);
  store.test.Test(2, tf::Reading60) = "12.5";
  store.test.Test(5, 3) = "orphan";  // no P: shown empty while the form is open
  const Record before = store.test;
  Open(VekGridKind());
  EXPECT_EQ(grid_->Cell(5, 3), "");
  grid_->SelectLine(2);
  grid_->SetEntry(5, "99");
  grid_->LeaveEntry(5);
  EXPECT_EQ(Test().Test(2, tf::Reading60), "99");
  grid_->SetUses120(true);
  EXPECT_FALSE(grid_->DataChanged());  // typing into the entries alone asks nothing
  const FormOutcome outcome = grid_->Finish(false, store, sink);
  EXPECT_FALSE(outcome.accepted);
  EXPECT_FALSE(outcome.changed);
  EXPECT_EQ(store.test.TestRows, before.TestRows);
  EXPECT_EQ(store.test.HeaderFields, before.HeaderFields);
}

TEST_F(GridTest, LeavingAnEntryNeverMovesAPressureIntoAnotherLine) {
  store.calibration.Header(hf::StandpipeInitialLevel) = "2";
  store.calibration.Cal(1, 1) = "0.00";
  store.calibration.Cal(2, 1) = "10.00";
  Open(CalibrationGridKind());
  grid_->SelectLine(2);
  grid_->SetEntry(1, "10.00001");
  grid_->SetEntry(2, "8.5");
  grid_->LeaveEntry(2);
  EXPECT_EQ(grid_->Cell(2, 2), "8.5");
  EXPECT_EQ(grid_->Entry(3), "6.5");  // H shown at once
  EXPECT_EQ(grid_->Cell(2, 3), "6.5");
  grid_->SetEntry(1, "20");
  grid_->SetEntry(2, "9");
  grid_->LeaveEntry(2);
  EXPECT_EQ(grid_->Cell(2, 2), "8.5");
  grid_->SelectLine(1);
  grid_->SetEntry(1, "");  // a cleared P does not empty the line of pressure 0
  grid_->LeaveEntry(1);
  EXPECT_EQ(grid_->Cell(1, 1), "0.00");
}

TEST_F(GridTest, DeleteMovesTheLinesUpInGridAndTable) {
  Open(VekGridKind());
  for (const char* p : {"10", "20", "30"}) ASSERT_TRUE(Add({p, "1", "2", "3", p}));
  const std::string thirdH = Test().Test(3, tf::H);
  ASSERT_NE(thirdH, Test().Test(2, tf::H));
  grid_->SelectLine(2);
  grid_->DeleteSelectedLine();
  EXPECT_EQ(Column(1, 3), (std::vector<std::string>{"10.00", "30.00", ""}));
  EXPECT_EQ(Test().Test(2, tf::H), thirdH);  // derived columns move with their line
  EXPECT_EQ(Test().Test(3, tf::H), "");
  EXPECT_TRUE(grid_->DataChanged());
  EXPECT_EQ(grid_->SelectedLine(), 0);
  EXPECT_EQ(grid_->Entry(1), "");
}

TEST_F(GridTest, AnEditInPlaceRecomputesItsLineAndFillsTheEntries) {
  store.test.Header(hf::ReadingTimeBasis) = "0";  // 120" cannot be edited
  store.test.Test(1, 1) = "10";
  store.test.Test(2, 1) = "20";
  Open(VekGridKind());
  EXPECT_FALSE(grid_->IsCellEditable(1, tf::Reading120));
  EXPECT_EQ(grid_->BeginCellEdit(2, tf::Pressure), "20");
  EXPECT_TRUE(grid_->DataChanged());
  EXPECT_EQ(grid_->SelectedLine(), 2);
  grid_->SetCellText(1, tf::Reading60, "6.1");
  EXPECT_EQ(Test().Test(1, tf::H), "6.1");  // the line was reduced
  EXPECT_EQ(grid_->SelectedLine(), 1);
  EXPECT_EQ(grid_->Entry(5), "6.1");        // entries follow the line
  grid_->SetUses120(true);
  EXPECT_TRUE(grid_->IsCellEditable(1, tf::Reading120));

  // The calibration recomputes H only when H' was typed.
  store.calibration.Header(hf::StandpipeInitialLevel) = "2";
  store.calibration.Cal(1, 1) = "0";
  store.calibration.Cal(1, 2) = "5";
  store.calibration.Cal(1, 3) = "kept";
  Open(CalibrationGridKind());
  EditCell(1, cf::Pressure, "1");
  EXPECT_EQ(Cal().Cal(1, cf::H), "kept");
  EditCell(1, cf::Reading, "6");
  EXPECT_EQ(Cal().Cal(1, cf::H), "4");
  EXPECT_EQ(grid_->Entry(3), "4");
}

TEST_F(GridTest, EditorOnAnEmptyPressureCellProposesTheNextStep) {
  Open(CalibrationGridKind());
  for (const char* p : {"10", "25"}) ASSERT_TRUE(Add({p, "1"}));
  EXPECT_EQ(grid_->BeginCellEdit(3, 1), "");  // the box is off
  grid_->SetAutoIncrement(0, true);
  EXPECT_EQ(grid_->BeginCellEdit(3, 1), "40.00");
  EXPECT_EQ(grid_->BeginCellEdit(2, 1), "25.00");  // a filled line shows its own P
  EXPECT_FALSE(grid_->IsCellEditable(3, cf::H));  // derived
}

TEST_F(GridTest, GraphShowsThePointsAndTheSelectedLine) {
  store.calibration.Header(hf::StandpipeInitialLevel) = "0";
  Open(CalibrationGridKind());
  for (auto [p, h] : {std::pair{"0", "0"}, std::pair{"150", "40"}, std::pair{"300", "80"}}) ASSERT_TRUE(Add({p, h}));
  EXPECT_EQ(grid_->AxisLabels(), (std::array<std::string, 4>{"0", "300", "0", "80"}));
  testing::RecordingDevice plain;
  DrawGridGraph(plain, 217, 117, *grid_);
  ASSERT_EQ(plain.ellipses.size(), 3u);
  // 0..300 over 8..208 and 0..80 over 108..8 (y upwards): the middle point sits in the middle.
  const auto& mid = plain.ellipses[1];
  EXPECT_EQ((mid.left + mid.right) / 2, 108);
  EXPECT_EQ((mid.top + mid.bottom) / 2, 58);
  EXPECT_TRUE(plain.texts.empty());

  grid_->SelectLine(2);
  testing::RecordingDevice selected;
  DrawGridGraph(selected, 217, 117, *grid_);
  ASSERT_EQ(selected.ellipses.size(), 4u);
  EXPECT_EQ(selected.ellipses.back().pen.colour, kPlotBlue);
  ASSERT_EQ(selected.texts.size(), 1u);
  EXPECT_EQ(selected.texts[0].text, "150.00 (40) 40");
  EXPECT_EQ(selected.texts[0].colour, kPlotBlue);
}

TEST_F(GridTest, TestGraphScalesFromTheHeader) {
  store.test.Header(hf::SondeRadius) = "4.6";
  store.test.Header(hf::PeScaleMin) = "100";
  store.test.Header(hf::PeScaleMax) = "100.05";
  Open(VekGridKind());
  ASSERT_EQ(sink.shown.size(), 1u);  // said once, at opening
  EXPECT_EQ(sink.shown[0], NumberedMessage(msg::BadScale));
  EXPECT_EQ(grid_->AxisLabels(), (std::array<std::string, 4>{"4", "7", "0", "1600"}));
  store.test.Header(hf::SondeRadius) = "";
  store.test.Header(hf::PeScaleMax) = "2400";
  sink.shown.clear();
  Open(VekGridKind());
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(grid_->AxisLabels(), (std::array<std::string, 4>{"4", "7", "100", "2400"}));
}

TEST_F(GridTest, TestGridReducesItsLinesForTheGraph) {
  store.test.Header(hf::StandpipeInitialLevel) = "5";
  store.test.Header(hf::PeScaleMax) = "300";
  store.test.Header(hf::CalCurveType) = "0";  // the straight-line curve over the copy below
  store.test.Cal(1, 1) = "0";
  store.test.Cal(1, 3) = "0";
  store.test.Cal(2, 1) = "100";
  store.test.Cal(2, 3) = "50";
  store.test.Test(1, 1) = "100";
  store.test.Test(1, tf::Reading60) = "6";
  store.test.Test(2, 1) = "200";  // every line is reduced, not only the first
  store.test.Test(2, tf::Reading60) = "7.5";
  Open(VekGridKind());
  EXPECT_EQ(Test().Test(2, tf::H), "2.5");
  EXPECT_EQ(Test().Test(1, tf::H), "1");
  EXPECT_EQ(Test().Test(1, tf::PG), "2");
  EXPECT_EQ(Test().Test(1, tf::Pe), "98.000000");  // P - PG, no offset yet
  EXPECT_FALSE(Test().Test(1, tf::R).empty());
  EXPECT_EQ(store.test.Test(1, tf::H), "");  // only in the working copy
  testing::RecordingDevice device;
  DrawGridGraph(device, 200, 100, *grid_);
  EXPECT_EQ(device.ellipses.size(), 2u);
  EXPECT_EQ(device.LinesOfWidth(1).size(), 4u + 4u);  // the frame and two crosses
}

// A test without its calibration has steps but no Pe and r: the graph says why it stays empty, and
// says nothing once the calibration's table is there.
TEST_F(GridTest, TestGraphWithoutCalibrationSaysWhy) {
  store.test.Header(hf::StandpipeInitialLevel) = "5";
  store.test.Test(1, 1) = "100";
  store.test.Test(1, tf::Reading60) = "6";
  const auto graphTexts = [&] {
    Open(VekGridKind());
    testing::RecordingDevice device;
    DrawGridGraph(device, 240, 160, *grid_);
    EXPECT_TRUE(device.ellipses.empty());
    std::string all;
    for (const auto& t : device.texts) all += Cp932ToUtf8(t.text) + "|";
    return all;
  };
  EXPECT_EQ(graphTexts(), "キャリブレーション未添付|ＶＥＫ見出しの「開く」で|添付すると点が描かれます|");
  store.test.Header(hf::CalFileName) = "/data/cal-1.cdw";  // named, but its table is not there
  EXPECT_EQ(graphTexts(), "添付したCALの|データが異常です|");

  store.test.Header(hf::CalCurveType) = "0";
  store.test.Cal(1, 1) = "0";
  store.test.Cal(1, 3) = "0";
  store.test.Cal(2, 1) = "100";
  store.test.Cal(2, 3) = "50";
  Open(VekGridKind());
  testing::RecordingDevice device;
  DrawGridGraph(device, 240, 160, *grid_);
  EXPECT_EQ(device.ellipses.size(), 1u);
  EXPECT_TRUE(device.texts.empty());
}

TEST_F(GridTest, OkCommitsTheCopyAfterTheRecordsOwnSteps) {
  store.calibration.Header(hf::StandpipeInitialLevel) = "1";
  store.calibration.Header(hf::CalCurveType) = "1";
  Open(CalibrationGridKind());
  ASSERT_TRUE(Add({"10", "3"}));
  grid_->SetShowDataNo(true);
  FormOutcome outcome = Ok();
  EXPECT_TRUE(outcome.accepted);
  EXPECT_TRUE(outcome.changed);
  EXPECT_EQ(store.calibration.Cal(1, 3), "2");
  EXPECT_EQ(store.calibration.Header(hf::ShowDataNo), "1");
  EXPECT_EQ(store.calibration.Header(hf::ReadingTimeBasis), "");  // not chosen: left as it was
  ASSERT_FALSE(sink.shown.empty());  // one step is too few for the regression, which says so

  sink.shown.clear();
  Open(VekGridKind());
  ASSERT_TRUE(Add({"10", "0", "1", "2", "3"}));
  grid_->SetShow120(true);
  outcome = Ok();
  EXPECT_TRUE(outcome.changed);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], NumberedMessage(msg::BadCalData));
  EXPECT_EQ(store.test.Header(hf::Show120Reading), "1");
  EXPECT_EQ(store.test.Test(1, tf::Reading60), "3");
  EXPECT_EQ(store.test.Header(hf::PressureOffset), "");  // reduced without a calibration curve
}

TEST_F(GridTest, OkWithoutAnEditChangesNothing) {
  // A calibration and a test as OK leaves them: sorted, H computed, reduced.
  store.test.Header(hf::PeScaleMax) = "1600";
  store.calibration.Header(hf::StandpipeInitialLevel) = "3";
  store.calibration.Header(hf::CalCurveType) = "1";
  store.test.Header(hf::StandpipeInitialLevel) = "5";
  store.test.Header(hf::CalCurveType) = "0";
  for (int i = 1; i <= 4; ++i) {
    store.calibration.Cal(i, 1) = store.test.Cal(i, 1) = FormatText("%d.00", i * 50);
    store.calibration.Cal(i, 2) = FormatText("%d", 3 + i * 10);
    store.test.Cal(i, 3) = FormatText("%d", i * 10);
    store.test.Test(i, 1) = FormatText("%d.00", i * 40);
    store.test.Test(i, tf::Reading60) = FormatText("%d", 6 + i);
  }
  CompleteCalibrationH(store.calibration);
  RefitCalibration(store, sink);
  ReduceTestRecord(store, settings, sink, false);
  for (const GridKind* kind : {&CalibrationGridKind(), &VekGridKind()}) {
    const RecordStore before = store;
    Open(*kind);
    grid_->SelectLine(2);  // looking at a line is no edit
    const FormOutcome outcome = Ok();
    EXPECT_TRUE(outcome.accepted);
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(store.calibration.CalRows, before.calibration.CalRows);
    EXPECT_EQ(store.test.TestRows, before.test.TestRows);
    EXPECT_EQ(store.test.HeaderFields, before.test.HeaderFields);
  }
}

TEST_F(GridTest, OkEmptiesHOfEveryLineAfterTheFirstLineWithoutHPrime) {
  store.calibration.Header(hf::StandpipeInitialLevel) = "1";
  Open(CalibrationGridKind());
  ASSERT_TRUE(Add({"10", "3"}));
  ASSERT_TRUE(Add({"20", ""}));  // the gap
  ASSERT_TRUE(Add({"30", "5"}));
  ASSERT_TRUE(Add({"40", "6"}));
  EXPECT_EQ(Cal().Cal(3, cf::H), "4");  // shown while the form is open
  Ok();
  const std::vector<std::string> h{"2", "", "", "", ""};
  for (int line = 1; line <= 5; ++line) EXPECT_EQ(store.calibration.Cal(line, cf::H), h[line - 1]) << line;
  EXPECT_EQ(store.calibration.Cal(4, cf::Reading), "6");  // the readings stay
}

TEST(SmallPlotTest, AxisMappingAndReplacedRanges) {
  const LinearAxis up{0, 80, 108, 8};
  EXPECT_EQ(up.Pixel(0), 108);
  EXPECT_EQ(up.Pixel(80), 8);
  EXPECT_EQ(up.Pixel(40), 58);
  EXPECT_EQ((LinearAxis{5, 5.005, 0, 100}.Pixel(5)), 0);       // narrower than 0.01
  EXPECT_EQ((LinearAxis{0, 0.02, 0, 100000}.Pixel(1)), 0);     // beyond the pixel range
  const AxisRange bad = CheckedRange(10, 10.05, 0.1, 0, 1600);
  EXPECT_TRUE(bad.replaced);
  EXPECT_EQ(bad.to, 1600);
  EXPECT_FALSE(CheckedRange(0, 0.1, 0.1, 0, 1600).replaced);
}

TEST_F(GridTest, ACellTypedInPlaceKeepsItsValueWhenTheTextIsNoNumber) {
  Open(VekGridKind());
  ASSERT_TRUE(Add({"50", "", "28.9"}));
  EditCell(1, 3, "28.9.1");
  EXPECT_EQ(grid_->Cell(1, 3), "28.9");
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back(), "15”: 数字を入力してください。");
  EditCell(1, 3, "");
  EXPECT_EQ(grid_->Cell(1, 3), "");
}

}  // namespace
}  // namespace vek
