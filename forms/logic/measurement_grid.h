#pragma once
// The measurement grids of the calibration data form and the test data form: one class for both,
// the differences (table, line count, columns, auto-increment boxes, header fields, graph) held in
// a GridShape. The grid's lines are the table rows themselves, so every cell change is in the record
// at once; a snapshot taken at opening is put back on Cancel.
#include <array>
#include <string>
#include <vector>

#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/draw_device.h"

namespace vek {

class MessageSink;

enum class GridKind { Calibration, Test };

// What tells the two grids apart.
struct GridShape {
  GridKind kind;
  int lines;              // 40 or 120
  int columns;            // grid columns = entry edits = table columns 1..columns
  int snapshotColumns;    // table columns saved at opening and put back on Cancel
  int autoIncrementBoxes; // 1 (P) or 2 (P, gas pressure)
  const char* sameEntryName;  // %1 of message 908
};
const GridShape& ShapeOf(GridKind kind);

// The auto-increment boxes are remembered for the rest of the run, not in files.
struct AutoIncrementMemory {
  bool calibrationP = false;
  bool testP = false;
  bool testGas = false;
};
AutoIncrementMemory& RunAutoIncrementMemory();

class MeasurementGrid {
 public:
  // Takes the snapshot and initialises the grid from the record (lines whose P is not number-like
  // are shown empty; the test grid's rows are reduced for the graph). Messages go to `sink`
  // (message 4008 for an unusable Pe scale, at opening).
  MeasurementGrid(RecordStore& store, const SheetSettings& settings, GridKind kind, MessageSink& sink,
                  AutoIncrementMemory& memory = RunAutoIncrementMemory());

  const GridShape& Shape() const { return shape_; }
  GridKind Kind() const { return shape_.kind; }

  // Cells of the grid: lines 1..Shape().lines, columns 1..Shape().columns (CP932).
  const TextField& Cell(int line, int column) const;
  // The last line with any non-empty cell (0 when none).
  int UsedLineCount() const;
  // The first empty line after the data, 0 when the grid is full (where the grid opens).
  int FirstFreeLine() const;

  // The entry edits, columns 1..Shape().columns (CP932).
  const TextField& Entry(int column) const { return entries_[column]; }
  void SetEntry(int column, const TextField& text) { entries_[column] = text; }
  // Whether the user can type into an entry: the calibration's H is derived; the test's 120 s
  // reading only while dH is computed from it.
  bool IsEntryEnabled(int column) const;
  // Whether a grid column can be edited in place (the same rule).
  bool IsColumnEditable(int column) const { return IsEntryEnabled(column); }
  // "初期水位": the initial standpipe level of the record followed by " cm" (CP932).
  TextField InitialLevelText() const;

  // Options of the form: the auto-increment boxes (0 P, 1 gas pressure), the 60"/120" choice,
  // and the display boxes ("データNo.表示"; the test's "読み120”表示").
  bool AutoIncrement(int box) const;
  void SetAutoIncrement(int box, bool on);
  bool Uses120() const { return uses120_; }
  void SetUses120(bool on);
  bool ShowDataNo() const { return showDataNo_; }
  void SetShowDataNo(bool on) { showDataNo_ = on; }
  bool Show120() const { return show120_; }
  void SetShow120(bool on) { show120_ = on; }

  // Selection (0 = none). Selecting copies the line into the entries; adding needs no selection.
  int SelectedLine() const { return selected_; }
  void SelectLine(int line);
  void ClearSelection() { selected_ = 0; }
  bool CanAdd() const { return selected_ == 0; }
  // Down in the grid without an open editor: no selection, empty entries.
  void ClearSelectionAndEntries();

  // "データ追加", "上書き", "行削除". Add and Overwrite check the entries and report refusals
  // through the sink; true when the grid changed. FocusAfter() names the entry to focus then.
  bool Add();
  bool Overwrite();
  void DeleteSelectedLine();
  int FocusAfter() const { return focusAfter_; }
  // The line an action wrote (to scroll it into view), 0 when none.
  int TouchedLine() const { return touched_; }
  // Leaving an entry edit while a line is selected writes the entries into that line when the
  // line's P is empty or equal to the entry's.
  void LeaveEntry(int column);

  // The in-place editor over one cell.
  bool EditorOpen() const { return editorLine_ > 0; }
  int EditorLine() const { return editorLine_; }
  int EditorColumn() const { return editorColumn_; }
  // Opens the editor (false for a column that cannot be edited); its text is EditorText().
  bool OpenEditor(int line, int column);
  const TextField& EditorText() const { return editorText_; }
  // Writes the editor's text into the cell, refreshes the entries from the line, recomputes the
  // line and closes the editor.
  void CommitEditor(const TextField& text);
  // Closes the editor without writing (the grid scrolled).
  void DiscardEditor();
  enum class EditorKey { Enter, Up, Down, Tab, Escape };
  // A key in the open editor: commits, then moves to the next cell as the key says (the editor is
  // then open there) or leaves it closed. True when the editor is open again.
  bool EditorKeyPressed(EditorKey key, const TextField& text);

  // The data-changed flag: add, overwrite, delete or an opened editor; Cancel asks question 132.
  bool DataChanged() const { return changed_; }

  // The small graph and the texts of its four corner fields (x from, x to, y from, y to).
  void DrawGraph(DrawDevice& device, int width, int height) const;
  std::array<std::string, 4> AxisLabels() const;

  // OK: the table rebuilt in ascending order of P (duplicates reported), the form's options into
  // the header fields.
  void CommitTable();
  // Cancel: the snapshot back into the table (and the header field the form changed).
  void RestoreSnapshot();
  // After the form closed: calibration H recomputed (on OK) and the curve refitted (always); the
  // test reduction (on OK, message 4010 first when the calibration copy is unusable). Their messages
  // go to `sink` (the form is closed by then).
  void RunAfterSteps(bool ok, MessageSink& sink);
  // True when the record differs from what it was when the form opened.
  bool RecordChanged() const;

 private:
  Record& RecordOf();
  const Record& RecordOf() const;
  TextField& TableCell(int line, int column);
  const TextField& TableCell(int line, int column) const;
  bool LineIsEmpty(int line) const;
  bool CheckEntries();
  int LineWithPressure(double p) const;
  void WriteEntriesInto(int line);
  void RefreshEntriesFrom(int line);
  void RecomputeLine(int line);
  TextField AutoIncremented(int column, int beforeLine) const;
  void FillAutoIncrements(int newLine);
  int NextEditableColumn(int after) const;
  void OpenAfterMove(int line, int column);

  RecordStore& store_;
  const SheetSettings& settings_;
  const GridShape& shape_;
  MessageSink& sink_;
  AutoIncrementMemory& memory_;

  std::vector<std::array<TextField, kTestFieldSlots>> snapshot_;  // rows 0..lines
  Record recordAtOpening_;
  std::array<TextField, kTestFieldSlots> entries_{};
  bool uses120_ = false;
  bool showDataNo_ = false;
  bool show120_ = false;
  int selected_ = 0;
  int focusAfter_ = 1;
  int touched_ = 0;
  int editorLine_ = 0;
  int editorColumn_ = 0;
  TextField editorText_;
  bool changed_ = false;
  // Graph scales, fixed at opening.
  double xFrom_ = 0, xTo_ = 0, yFrom_ = 0, yTo_ = 0;
};

}  // namespace vek
