// The grid rules over many cells or the grid's history: Enter in the entry row in each Enter mode,
// the undo step every kind of edit leaves, and paste and copy of lines.
#include <gtest/gtest.h>

#include <functional>

#include "core/header_fields.h"
#include "core/messages.h"
#include "forms_logic/grid_test_fixture.h"

namespace vek {
namespace {

// The grid logic fixture, under the name of these tests.
class GridEditsTest : public GridTest {};

TEST_F(GridEditsTest, EnterInTheLastEnabledEntryAddsTheStepExceptInConfirmOnlyMode) {
  for (const int mode : {0, 1, 2}) {
    SCOPED_TRACE(mode);
    store = RecordStore{};
    MeasurementGridLogic& g = Open(VekGridKind());
    EXPECT_EQ(g.LastEnabledEntry(), 5);  // 60" chosen: the 120" entry is off
    Type({"50", "0", "1", "2", "3"});
    EXPECT_EQ(g.EnterInEntry(4, mode), EntryEnter::PassOn);  // not the last entry: the form's rule
    const EntryEnter last = g.EnterInEntry(5, mode);
    if (mode == 2) {
      EXPECT_EQ(last, EntryEnter::PassOn);
      EXPECT_EQ(g.UsedLineCount(), 0);
      continue;
    }
    EXPECT_EQ(last, EntryEnter::Added);
    EXPECT_EQ(Column(1, 1), std::vector<std::string>{"50.00"});
    EXPECT_EQ(g.Cell(1, 5), "3");
    EXPECT_EQ(g.FocusAfter(), 1);
    EXPECT_EQ(g.Entry(1), "");
    // A refused add reports as the button does and adds nothing.
    Type({"50", "", "", "", "4"});
    EXPECT_EQ(g.EnterInEntry(5, mode), EntryEnter::Refused);
    EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::SameEntryExists, "深度"));
    EXPECT_EQ(g.UsedLineCount(), 1);
    // With a line selected there is no add: the form's rule decides.
    g.SelectLine(1);
    EXPECT_EQ(g.EnterInEntry(5, mode), EntryEnter::PassOn);
  }
}

TEST_F(GridEditsTest, EnterAddStepsThePressureOnAndFollowsTheEntriesInUse) {
  memory.calibrationP = true;
  MeasurementGridLogic& cal = Open(CalibrationGridKind());
  EXPECT_EQ(cal.LastEnabledEntry(), 2);  // H is derived
  for (const char* p : {"50", "100"}) {
    Type({p, "1.5"});
    ASSERT_EQ(cal.EnterInEntry(2, 1), EntryEnter::Added);
  }
  EXPECT_EQ(cal.Entry(1), "150.00");  // stepped on
  EXPECT_EQ(cal.FocusAfter(), 2);     // typing goes on in H'
  cal.SetEntry(2, "2.5");
  ASSERT_EQ(cal.EnterInEntry(2, 0), EntryEnter::Added);
  EXPECT_EQ(Column(1, 3), (std::vector<std::string>{"50.00", "100.00", "150.00"}));

  store = RecordStore{};
  MeasurementGridLogic& test = Open(VekGridKind());
  test.SetUses120(true);
  EXPECT_EQ(test.LastEnabledEntry(), 6);
  Type({"50", "", "1", "2", "3", "4"});
  EXPECT_EQ(test.EnterInEntry(5, 1), EntryEnter::PassOn);
  EXPECT_EQ(test.EnterInEntry(6, 1), EntryEnter::Added);
}

// Each kind of edit leaves one step whose tables undo and redo it, derived columns included.
TEST_F(GridEditsTest, EveryEditLeavesOneStepThatUndoesAndRedoesIt) {
  struct Case {
    const char* name;
    GridEdit edit;
    std::function<void(MeasurementGridLogic&)> act;
  };
  const Case cases[] = {
      {"add", GridEdit::Add, [this](MeasurementGridLogic& g) { Type({"300", "7"}); g.Add(); }},
      {"overwrite", GridEdit::Overwrite, [this](MeasurementGridLogic& g) { Type({"200", "9"}); g.Overwrite(); }},
      {"delete", GridEdit::Delete, [](MeasurementGridLogic& g) { g.SelectLine(1); g.DeleteSelectedLine(); }},
      {"edit in place", GridEdit::CellEdit,
       [](MeasurementGridLogic& g) { g.BeginCellEdit(2, 2); g.SetCellText(2, 2, "8.5"); }},
      {"entries into the selected line", GridEdit::CellEdit,
       [](MeasurementGridLogic& g) { g.SelectLine(1); g.SetEntry(2, "4"); g.LeaveEntry(2); }},
      {"paste", GridEdit::Paste, [](MeasurementGridLogic& g) { g.Paste("200\t1\n400\t2\n"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    store = RecordStore{};
    store.calibration.Header(hf::StandpipeInitialLevel) = "1";
    MeasurementGridLogic& g = Open(CalibrationGridKind());
    Type({"100", "3"});
    ASSERT_TRUE(g.Add());
    Type({"200", "5"});
    ASSERT_TRUE(g.Add());
    g.TakeEditStep();
    const GridTableCells opened = g.TableCells();

    c.act(g);
    std::optional<GridEditStep> step = g.TakeEditStep();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->edit, c.edit);
    EXPECT_FALSE(g.TakeEditStep());  // one step per action
    const GridTableCells edited = g.TableCells();
    EXPECT_NE(edited, opened);
    EXPECT_EQ(step->before, opened);
    EXPECT_EQ(step->after, edited);

    g.RestoreTable(step->before);
    EXPECT_EQ(g.TableCells(), opened);
    EXPECT_EQ(g.SelectedLine(), 0);
    EXPECT_FALSE(g.TakeEditStep());  // undo itself is no new step
    g.RestoreTable(step->after);
    EXPECT_EQ(g.TableCells(), edited);
    EXPECT_GT(g.TouchedLine(), 0);
  }
}

TEST_F(GridEditsTest, AnEditThatChangesNothingLeavesNoStep) {
  MeasurementGridLogic& g = Open(CalibrationGridKind());
  Type({"100", "3"});
  ASSERT_TRUE(g.Add());
  g.TakeEditStep();
  g.BeginCellEdit(1, 2);
  g.SetCellText(1, 2, "3");
  g.LeaveEntry(1);
  EXPECT_FALSE(g.TakeEditStep());
  Type({"100", "3"});
  EXPECT_FALSE(g.Add());  // refused
  EXPECT_FALSE(g.TakeEditStep());
}

TEST_F(GridEditsTest, PasteAsksWithTheCountsAndAppliesAllOrNothing) {
  store.calibration.Header(hf::StandpipeInitialLevel) = "1";
  MeasurementGridLogic& g = Open(CalibrationGridKind());
  Type({"100", "3"});
  ASSERT_TRUE(g.Add());
  g.TakeEditStep();

  // A refused cell: all refusals listed, no question, nothing changed.
  EXPECT_FALSE(g.Paste("セル圧\tH'\n100\t4\n200\tx\n300\t\n"));
  EXPECT_TRUE(sink.asked.empty());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].find("行 3, 列 2"), std::string::npos) << sink.shown[0];
  EXPECT_EQ(g.UsedLineCount(), 1);
  EXPECT_FALSE(g.TakeEditStep());

  // The user says No: nothing changes.
  sink.answers = {false, true};
  EXPECT_FALSE(g.Paste("100\t4\n200\t6\n"));
  ASSERT_EQ(sink.asked.size(), 1u);
  EXPECT_NE(sink.asked[0].find("1 行を追加し、1 行を上書きします。"), std::string::npos) << sink.asked[0];
  EXPECT_EQ(g.Cell(1, 2), "3");

  // Yes: 100 overwritten, 200 added, each line's H recomputed as after an add.
  EXPECT_TRUE(g.Paste("100\t4\n200\t6\n"));
  EXPECT_EQ(Column(1, 3), (std::vector<std::string>{"100.00", "200.00", ""}));
  EXPECT_EQ(Column(3, 2), (std::vector<std::string>{"3", "5"}));
  EXPECT_TRUE(g.TakeEditStep());
  EXPECT_EQ(g.TouchedLine(), 1);

  EXPECT_FALSE(g.Paste("\n\n"));
  EXPECT_EQ(sink.shown.back(), "貼り付けるデータがありません。");
}

TEST_F(GridEditsTest, CopiedLinesPasteIntoAnotherGridAsTheyWere) {
  MeasurementGridLogic& from = Open(VekGridKind());
  for (const char* p : {"50", "100", "150"}) {
    Type({p, "0.5", "1", "2", "3.25", ""});
    ASSERT_TRUE(from.Add());
  }
  const std::string text = from.CopyLines({1, 3, 4});  // line 4 is empty and skipped
  EXPECT_EQ(text, "50.00\t0.5\t1\t2\t3.25\t\n150.00\t0.5\t1\t2\t3.25\t\n");
  std::vector<std::string> line3;
  for (int c = 1; c <= 7; ++c) line3.push_back(from.Cell(3, c));

  store = RecordStore{};
  MeasurementGridLogic& to = Open(VekGridKind());
  const PastePlan plan = to.PlanPaste(text);
  EXPECT_EQ(plan.Added(), 2);
  ASSERT_TRUE(to.ApplyPaste(plan));
  for (int c = 1; c <= 7; ++c) EXPECT_EQ(to.Cell(2, c), line3[c - 1]) << c;  // column 7 reduced as by the add
}

}  // namespace
}  // namespace vek
