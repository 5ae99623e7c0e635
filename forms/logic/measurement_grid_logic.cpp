#include "forms/logic/measurement_grid_logic.h"

#include <cmath>
#include <cstdlib>

#include "core/header_fields.h"
#include "core/messages.h"
#include "core/number_entry.h"
#include "core/number_format.h"
#include "forms/logic/pressure_order.h"

namespace vek {

namespace {

// Entries and cells compare equal within these distances.
constexpr double kSamePressure = 1e-6;
constexpr double kSameLinePressure = 0.0001;
constexpr double kLowestPressure = -100.0;
constexpr double kHighestPressure = 30000.0;

double Atof(const TextField& t) { return std::atof(t.c_str()); }
bool IsNumber(const TextField& t) { return IsNumericText(t) > 0; }
bool IsBlank(const TextField& t) { return IsNumericText(t) < 0; }
TextField Flag(bool on) { return on ? "1" : "0"; }
bool IsOn(const TextField& field) { return std::atoi(field.c_str()) != 0; }

// The header fields of the form's options: the 60"/120" choice, "データNo.表示", "読み120”表示".
constexpr std::array<int, 3> kOptionFields{hf::ReadingTimeBasis, hf::ShowDataNo, hf::Show120Reading};

}  // namespace

MeasurementGridLogic::MeasurementGridLogic(const RecordStore& store, const SheetSettings& settings,
                                           const GridKind& kind, MessageSink& sink, AutoIncrementMemory& memory)
    : kind_(kind), copy_(store), settings_(settings), sink_(sink), memory_(memory) {
  const Record& record = GridRecord();
  for (size_t i = 0; i < kOptionFields.size(); ++i) optionTexts_[i] = record.Header(kOptionFields[i]);
  uses120_ = std::atoi(record.Header(hf::ReadingTimeBasis).c_str()) > 0;
  showDataNo_ = IsOn(record.Header(hf::ShowDataNo));
  show120_ = IsOn(record.Header(hf::Show120Reading));
  // A line whose P is not a number is shown (and kept) empty.
  for (int line = 1; line <= Layout().lines; ++line) {
    if (IsNumber(Cell(line, 1))) continue;
    for (int c = 1; c <= Layout().storedColumns; ++c) CellRef(line, c).clear();
  }
  kind_.PrepareCopy(copy_, settings_);
  scale_ = kind_.Scale(GridRecord(), sink_);
}

bool MeasurementGridLogic::LineIsEmpty(int line) const {
  for (int c = 1; c <= Layout().columns; ++c) {
    if (!Cell(line, c).empty()) return false;
  }
  return true;
}

int MeasurementGridLogic::UsedLineCount() const {
  for (int line = Layout().lines; line >= 1; --line) {
    if (!LineIsEmpty(line)) return line;
  }
  return 0;
}

int MeasurementGridLogic::FirstFreeLine() const {
  const int used = UsedLineCount();
  return used < Layout().lines ? used + 1 : 0;
}

TextField MeasurementGridLogic::InitialLevelText() const {
  return GridRecord().Header(hf::StandpipeInitialLevel) + " cm";
}

bool MeasurementGridLogic::AutoIncrement(int box) const {
  return box < Layout().autoIncrementBoxes && kind_.AutoIncrementOf(memory_, box);
}

void MeasurementGridLogic::SetAutoIncrement(int box, bool on) {
  if (box < Layout().autoIncrementBoxes) kind_.AutoIncrementOf(memory_, box) = on;
}

void MeasurementGridLogic::SetUses120(bool on) {
  uses120_ = on;
  // The provisional reduction of the test grid reads the choice from the record.
  GridRecord().Header(hf::ReadingTimeBasis) = Flag(on);
}

void MeasurementGridLogic::SelectLine(int line) {
  if (line < 1 || line > Layout().lines) return;
  selected_ = line;
  RefreshEntriesFrom(line);
}

void MeasurementGridLogic::ClearSelectionAndEntries() {
  selected_ = 0;
  entries_ = {};
}

void MeasurementGridLogic::RefreshEntriesFrom(int line) {
  entries_ = {};
  for (int c = 1; c <= Layout().columns; ++c) entries_[c] = Cell(line, c);
}

void MeasurementGridLogic::WriteEntriesInto(int line) {
  for (int c = 1; c <= Layout().columns; ++c) {
    if (kind_.IsEntryWritten(c)) CellRef(line, c) = entries_[c];
  }
}

std::string MeasurementGridLogic::NotANumberMessage(int column) const {
  return std::string(Layout().entryNames[column - 1]) + ": " + NumberedMessage(msg::EnterNumber);
}

void MeasurementGridLogic::RecomputeLine(int line) { kind_.RecomputeLine(copy_, line, settings_); }

bool MeasurementGridLogic::CheckEntries() {
  refusedEntry_ = 0;
  bool allEmpty = true;
  for (int c = 1; c <= Layout().columns; ++c) allEmpty = allEmpty && IsBlank(entries_[c]);
  if (allEmpty) {
    sink_.Show(msg::NoOrBadData);
    return false;
  }
  // Every value typed must be a number as a whole: "28,9" or "2a89" is refused, not read as 28 or 2.
  for (int c = 1; c <= Layout().columns; ++c) {
    if (IsBlank(entries_[c]) || ParseNumberEntry(entries_[c])) continue;
    sink_.ShowMessage(NotANumberMessage(c));
    refusedEntry_ = c;
    return false;
  }
  if (!IsNumber(entries_[1])) {
    sink_.Show(msg::NoOrBadData);
    return false;
  }
  const double p = Atof(entries_[1]);
  if (!(p >= kLowestPressure && p <= kHighestPressure)) {
    sink_.Show(msg::BadNumber);
    return false;
  }
  // The calibration's H' is checked too, as a warning only.
  if (kind_.WarnsWithoutReading() && !IsNumber(entries_[cf::Reading])) sink_.Show(msg::NoOrBadData);
  return true;
}

int MeasurementGridLogic::LineWithPressure(double p) const {
  for (int line = 1; line <= Layout().lines; ++line) {
    const TextField& cell = Cell(line, 1);
    if (!IsNumber(cell)) break;
    if (std::fabs(Atof(cell) - p) < kSamePressure) return line;
  }
  return 0;
}

TextField MeasurementGridLogic::AutoIncremented(int column, int beforeLine) const {
  if (beforeLine - 1 < 2) return {};
  const double next = 2 * Atof(Cell(beforeLine - 1, column)) - Atof(Cell(beforeLine - 2, column));
  return next > 0.01 ? FormatDouble("%.2f", next) : TextField();
}

void MeasurementGridLogic::FillAutoIncrements(int newLine) {
  entries_ = {};
  for (int box = 0; box < Layout().autoIncrementBoxes; ++box) {
    // Box 0 proposes the pressure (column 1), box 1 the gas pressure (column 2).
    if (AutoIncrement(box)) entries_[box + 1] = AutoIncremented(box + 1, newLine);
  }
}

bool MeasurementGridLogic::Add() {
  touched_ = 0;
  if (!CheckEntries()) return false;
  GridTableCells before = TableCells();
  const int used = UsedLineCount();
  if (used >= Layout().lines) {
    sink_.Show(msg::MaxRows);
    return false;
  }
  entries_[1] = FormatDouble("%.2f", Atof(entries_[1]));
  if (LineWithPressure(Atof(entries_[1])) > 0) {
    sink_.Show(msg::SameEntryExists, Layout().sameEntryName);
    return false;
  }
  const int line = used + 1;
  WriteEntriesInto(line);
  RecomputeLine(line);
  NoteEdit(GridEdit::Add, std::move(before));
  touched_ = line;
  changed_ = true;
  FillAutoIncrements(line + 1);
  focusAfter_ = kind_.FocusAfterAdd(AutoIncrement(0), AutoIncrement(1));
  selected_ = 0;
  return true;
}

bool MeasurementGridLogic::Overwrite() {
  touched_ = 0;
  if (!CheckEntries()) return false;
  if (selected_ > Layout().lines) {
    sink_.Show(msg::RowOutOfRange);
    return false;
  }
  if (UsedLineCount() == 0) {
    sink_.Show(msg::CannotOverwrite);
    return false;
  }
  // The line with the entry's pressure is overwritten, whichever line is selected.
  const int line = LineWithPressure(Atof(entries_[1]));
  if (line == 0) {
    sink_.Show(msg::NoSuchEntry, "深度");
    return false;
  }
  entries_[1] = FormatDouble("%.2f", Atof(entries_[1]));
  GridTableCells before = TableCells();
  WriteEntriesInto(line);
  RecomputeLine(line);
  NoteEdit(GridEdit::Overwrite, std::move(before));
  touched_ = line;
  changed_ = true;
  selected_ = 0;
  focusAfter_ = 1;
  return true;
}

void MeasurementGridLogic::DeleteSelectedLine() {
  if (selected_ == 0) return;
  GridTableCells before = TableCells();
  // The lines below move up and an empty line comes in at the end.
  const int lines = Layout().lines;
  for (int line = selected_; line <= lines; ++line) {
    for (int c = 1; c <= Layout().storedColumns; ++c) {
      CellRef(line, c) = line < lines ? Cell(line + 1, c) : TextField();
    }
  }
  NoteEdit(GridEdit::Delete, std::move(before));
  entries_ = {};
  selected_ = 0;
  changed_ = true;
}

void MeasurementGridLogic::LeaveEntry(int column) {
  if (selected_ == 0) return;
  const TextField& lineP = Cell(selected_, 1);
  // A changed P never moves into another line this way, and a cleared P entry never empties one.
  if (!IsBlank(lineP) && (!IsNumber(entries_[1]) || std::fabs(Atof(lineP) - Atof(entries_[1])) >= kSameLinePressure)) {
    return;
  }
  GridTableCells before = TableCells();
  WriteEntriesInto(selected_);
  if (kind_.LeavingRecomputes(column, uses120_)) {
    RecomputeLine(selected_);
    RefreshEntriesFrom(selected_);
  }
  NoteEdit(GridEdit::CellEdit, std::move(before));
}

TextField MeasurementGridLogic::BeginCellEdit(int line, int column) {
  SelectLine(line);
  changed_ = true;
  if (column == 1 && LineIsEmpty(line) && AutoIncrement(0)) return AutoIncremented(1, line);
  return Cell(line, column);
}

void MeasurementGridLogic::SetCellText(int line, int column, const TextField& text) {
  if (line < 1 || line > Layout().lines || column < 1 || column > Layout().columns) return;
  if (!IsBlank(text) && !ParseNumberEntry(text)) {
    // The cell keeps its value: a text that is no number never reaches the table.
    sink_.ShowMessage(NotANumberMessage(column));
    return;
  }
  GridTableCells before = TableCells();
  CellRef(line, column) = text;
  if (kind_.EditRecomputes(column, uses120_)) RecomputeLine(line);
  NoteEdit(GridEdit::CellEdit, std::move(before));
  selected_ = line;
  RefreshEntriesFrom(line);
  touched_ = line;
}

void MeasurementGridLogic::RebuildTable() {
  std::vector<PressureLine> lines;
  for (int line = 1; line <= Layout().lines; ++line) {
    if (IsBlank(Cell(line, 1))) continue;  // lines without a P are dropped
    PressureLine row;
    for (int c = 1; c <= Layout().columns; ++c) row.cells.push_back(Cell(line, c));
    lines.push_back(std::move(row));
  }
  const PressureOrder order = SortByPressure(std::move(lines));
  for (int line = 1; line <= Layout().lines; ++line) {
    const bool written = line <= static_cast<int>(order.lines.size());
    for (int c = 1; c <= Layout().storedColumns; ++c) {
      // Derived columns are emptied; the record's own steps refill them.
      CellRef(line, c) = written && c <= Layout().columns ? order.lines[line - 1].cells[c - 1] : TextField();
    }
  }
  if (!order.duplicateReport.empty()) sink_.ShowMessage(order.duplicateReport);
  // An option the user did not change keeps its field's text ("" stays "", not "0").
  const std::array<bool, 3> chosen{uses120_, showDataNo_, show120_};
  const std::array<bool, 3> opened{std::atoi(optionTexts_[0].c_str()) > 0, IsOn(optionTexts_[1]), IsOn(optionTexts_[2])};
  for (size_t i = 0; i < kOptionFields.size(); ++i) {
    if (i == 2 && !kind_.HasShow120()) continue;
    GridRecord().Header(kOptionFields[i]) = chosen[i] == opened[i] ? optionTexts_[i] : Flag(chosen[i]);
  }
}

FormOutcome MeasurementGridLogic::Finish(bool accepted, RecordStore& store, MessageSink& sink) {
  Record& target = kind_.RecordOf(store);
  if (!accepted) {
    // Nothing is committed; the curve fields the refit may write are derived from the unchanged table.
    kind_.AfterClose(store, sink);
    return {false, false};
  }
  const Record before = target;
  kind_.CompleteCopy(copy_, settings_, sink);
  target = GridRecord();
  kind_.AfterClose(store, sink);
  return {true, before != target};
}

}  // namespace vek
