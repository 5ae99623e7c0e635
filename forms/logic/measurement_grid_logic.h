#pragma once
// The rules of both measurement grids over a working copy of the record store: the entry row and its
// add / overwrite / delete, the selection, what an in-place edit does to its line, the rebuild in
// pressure order on OK, and the commit of the copy into the document's store. The differences
// between the calibration and the test grid come from a GridKind.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/form_outcome.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "forms/logic/editable_table.h"
#include "forms/logic/grid_edit_step.h"
#include "forms/logic/grid_kind.h"
#include "forms/logic/step_paste_plan.h"

namespace vek {

class MessageSink;

// What Enter in an entry edit did.
enum class EntryEnter {
  PassOn,   // not the grid's: the form's Enter-key rule applies
  Added,    // the step was added as "データ追加" adds it
  Refused,  // the add was refused with its message; the form stays as it was
};

class MeasurementGridLogic final : public EditableTable {
 public:
  // Copies `store` and initialises the grid from the copy (lines whose P is not number-like are
  // emptied; the test grid reduces its lines for the graph). Message 4008 for an unusable Pe scale
  // goes to `sink`, which serves the form while it is open.
  MeasurementGridLogic(const RecordStore& store, const SheetSettings& settings, const GridKind& kind,
                       MessageSink& sink, AutoIncrementMemory& memory);

  const GridKind& Kind() const { return kind_; }
  const GridLayout& Layout() const { return kind_.Layout(); }
  // The working copy, and the record of it that the grid shows.
  const RecordStore& Copy() const { return copy_; }
  const Record& GridRecord() const { return kind_.RecordOf(copy_); }

  // Cells of the grid: lines 1..lines, columns 1..columns (CP932).
  const TextField& Cell(int line, int column) const { return kind_.Cell(GridRecord(), line, column); }
  // The last line with any non-empty cell (0 when none).
  int UsedLineCount() const;
  // The first empty line after the data, 0 when the grid is full (where the grid opens).
  int FirstFreeLine() const;

  // The entry edits, columns 1..columns (CP932).
  const TextField& Entry(int column) const { return entries_[column]; }
  void SetEntry(int column, const TextField& text) { entries_[column] = text; }
  // Whether the user can type into an entry (and edit the column in place).
  bool IsEntryEnabled(int column) const { return kind_.IsColumnEditable(column, uses120_); }
  // "初期水位": the initial standpipe level of the record followed by " cm" (CP932).
  TextField InitialLevelText() const;

  // Options: the auto-increment boxes (0 P, 1 gas pressure; kept in the run's memory), the
  // 60"/120" choice and the display boxes ("データNo.表示"; the test's "読み120”表示").
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
  bool CanAdd() const { return selected_ == 0; }
  // Down in the grid without an open editor: no selection, empty entries.
  void ClearSelectionAndEntries();

  // "データ追加", "上書き", "行削除". Add and Overwrite check the entries and report refusals
  // through the sink; true when the grid changed. FocusAfter() names the entry to focus then.
  bool Add();
  bool Overwrite();
  void DeleteSelectedLine();
  int FocusAfter() const { return focusAfter_; }
  // After a refused Add or Overwrite: the entry whose text is no number (the focus goes there), or 0.
  int RefusedEntry() const { return refusedEntry_; }
  // The line an action wrote (to scroll it into view), 0 when none.
  int TouchedLine() const { return touched_; }
  // Leaving an entry edit while a line is selected writes the entries into that line when the
  // line's P is empty or equal to the entry's.
  void LeaveEntry(int column);

  // One key per step: Enter in the last enabled entry adds the step as "データ追加" does, unless
  // EnterKeyMode is 2 (Enter only confirms) or a line is selected (adding is off then). Enter in
  // another entry is left to the form's Enter-key rule.
  EntryEnter EnterInEntry(int column, int enterKeyMode);
  int LastEnabledEntry() const;

  // Undo: every change of the table (add, overwrite, delete, an edit in place or through the
  // entries, a paste) leaves one step, which the form takes after the action; restoring one of its
  // tables undoes or redoes it (selection and entries cleared, the first differing line touched).
  std::optional<GridEditStep> TakeEditStep();
  GridTableCells TableCells() const;
  void RestoreTable(const GridTableCells& cells);

  // Paste of spreadsheet rows (UTF-8, tab- or comma-separated): planned against the used lines,
  // refused cells shown (nothing changes), otherwise applied after the user confirmed what will
  // happen. Each line is recomputed as after an add. True when the grid changed.
  PastePlan PlanPaste(std::string_view utf8) const;
  bool Paste(std::string_view utf8);
  // Applies a plan whole (false and no change when it holds a refusal or nothing to apply).
  bool ApplyPaste(const PastePlan& plan);
  // Copy: the grid columns of `lines` as tab-separated rows, one per line (CP932); empty lines skipped.
  std::string CopyLines(const std::vector<int>& lines) const;

  // In-place editing (EditableTable): the grid's lines and columns.
  int RowCount() const override { return Layout().lines; }
  int ColumnCount() const override { return Layout().columns; }
  const TextField& CellText(int row, int column) const override { return Cell(row, column); }
  bool IsCellEditable(int, int column) const override { return IsEntryEnabled(column); }
  // Selects the line and marks the data changed; an empty line's P proposes the auto-increment.
  TextField BeginCellEdit(int line, int column) override;
  // Writes the cell, recomputes the line as the column asks and refreshes the entries from it.
  void SetCellText(int line, int column, const TextField& text) override;

  // The data-changed flag: add, overwrite, delete or an opened editor; Cancel asks question 132.
  bool DataChanged() const { return changed_; }

  // The small graph's ranges, fixed at opening, and the texts of its four corner fields.
  const GraphScale& Scale() const { return scale_; }
  std::array<std::string, 4> AxisLabels() const { return kind_.AxisLabels(scale_); }

  // OK, while the form is open: the copy's table rebuilt in ascending order of P (duplicates
  // reported), the form's options into the header fields.
  void RebuildTable();
  // After the form closed. OK: the record's own steps (H, reduction) run on the copy, which then
  // replaces the record. Cancel drops the copy. Then the calibration refits its curve on the store.
  // Messages go to `sink`; "changed" compares the record with what it was.
  FormOutcome Finish(bool accepted, RecordStore& store, MessageSink& sink);

 private:
  Record& GridRecord() { return kind_.RecordOf(copy_); }
  TextField& CellRef(int line, int column) { return kind_.Cell(GridRecord(), line, column); }
  bool LineIsEmpty(int line) const;
  bool CheckEntries();
  // 61713 "数字を入力してください。" naming an entry column.
  std::string NotANumberMessage(int column) const;
  int LineWithPressure(double p) const;
  void WriteEntriesInto(int line);
  void RefreshEntriesFrom(int line);
  void RecomputeLine(int line);
  TextField AutoIncremented(int column, int beforeLine) const;
  void FillAutoIncrements(int newLine);
  // Keeps the change since `before` as an undo step (nothing when the table did not change).
  void NoteEdit(GridEdit edit, GridTableCells before);

  const GridKind& kind_;
  RecordStore copy_;
  const SheetSettings& settings_;
  MessageSink& sink_;
  AutoIncrementMemory& memory_;

  std::array<TextField, kTestFieldSlots> entries_{};
  bool uses120_ = false;
  bool showDataNo_ = false;
  bool show120_ = false;
  int selected_ = 0;
  int focusAfter_ = 1;
  int refusedEntry_ = 0;
  int touched_ = 0;
  bool changed_ = false;
  // The option fields as the record held them: OK leaves a field as it was unless its choice changed.
  std::array<TextField, 3> optionTexts_;
  GraphScale scale_;
  std::optional<GridEditStep> editStep_;
};

}  // namespace vek
