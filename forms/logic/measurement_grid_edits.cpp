// The grid rules that act on many cells at once or on the grid's history: Enter in the entry row,
// the undo steps, and paste and copy of whole lines.
#include <utility>

#include "core/messages.h"
#include "forms/logic/measurement_grid_logic.h"

namespace vek {

std::string GridEditName(GridEdit edit) {
  switch (edit) {
    case GridEdit::Add: return "データ追加";
    case GridEdit::Overwrite: return "上書き";
    case GridEdit::Delete: return "行削除";
    case GridEdit::CellEdit: return "セルの編集";
    case GridEdit::Paste: return "貼り付け";
  }
  return {};
}

int MeasurementGridLogic::LastEnabledEntry() const {
  for (int c = Layout().columns; c >= 1; --c) {
    if (IsEntryEnabled(c)) return c;
  }
  return 0;
}

EntryEnter MeasurementGridLogic::EnterInEntry(int column, int enterKeyMode) {
  // Mode 2 keeps Enter from doing anything but confirming; with a line selected there is no add.
  if (enterKeyMode >= 2 || column != LastEnabledEntry() || !CanAdd()) return EntryEnter::PassOn;
  return Add() ? EntryEnter::Added : EntryEnter::Refused;
}

GridTableCells MeasurementGridLogic::TableCells() const {
  GridTableCells cells;
  cells.reserve(static_cast<size_t>(Layout().lines) * Layout().storedColumns);
  for (int line = 1; line <= Layout().lines; ++line) {
    for (int c = 1; c <= Layout().storedColumns; ++c) cells.push_back(Cell(line, c));
  }
  return cells;
}

void MeasurementGridLogic::RestoreTable(const GridTableCells& cells) {
  const int columns = Layout().storedColumns;
  if (cells.size() != static_cast<size_t>(Layout().lines) * columns) return;
  touched_ = 0;
  for (int line = 1; line <= Layout().lines; ++line) {
    for (int c = 1; c <= columns; ++c) {
      const TextField& text = cells[static_cast<size_t>(line - 1) * columns + (c - 1)];
      TextField& cell = CellRef(line, c);
      if (cell == text) continue;
      cell = text;
      if (touched_ == 0) touched_ = line;
    }
  }
  selected_ = 0;
  entries_ = {};
  changed_ = true;
}

void MeasurementGridLogic::NoteEdit(GridEdit edit, GridTableCells before) {
  GridTableCells after = TableCells();
  if (after == before) return;
  editStep_ = GridEditStep{edit, std::move(before), std::move(after)};
}

std::optional<GridEditStep> MeasurementGridLogic::TakeEditStep() { return std::exchange(editStep_, std::nullopt); }

PastePlan MeasurementGridLogic::PlanPaste(std::string_view utf8) const {
  std::vector<TextField> pressures;
  const int used = UsedLineCount();
  for (int line = 1; line <= used; ++line) pressures.push_back(Cell(line, 1));
  return PlanStepPaste(utf8, kind_.FileKind(), pressures, Layout().lines);
}

bool MeasurementGridLogic::Paste(std::string_view utf8) {
  const PastePlan plan = PlanPaste(utf8);
  if (plan.steps.empty() && plan.refusals.empty()) {
    sink_.ShowMessage("貼り付けるデータがありません。");
    return false;
  }
  // Refused cells are all listed and nothing changes; otherwise the user confirms the counts.
  if (!plan.refusals.empty()) {
    sink_.ShowMessage(plan.Description());
    return false;
  }
  if (!sink_.AskYesNo(plan.Description() + "\n貼り付けてよろしいですか？")) return false;
  return ApplyPaste(plan);
}

bool MeasurementGridLogic::ApplyPaste(const PastePlan& plan) {
  if (!plan.CanApply()) return false;
  GridTableCells before = TableCells();
  int first = 0;
  for (const PastedStep& step : plan.steps) {
    for (int c = 1; c < static_cast<int>(step.cells.size()) && c <= Layout().columns; ++c) {
      if (kind_.IsEntryWritten(c)) CellRef(step.targetLine, c) = step.cells[c];
    }
    RecomputeLine(step.targetLine);
    if (first == 0 || step.targetLine < first) first = step.targetLine;
  }
  NoteEdit(GridEdit::Paste, std::move(before));
  touched_ = first;
  selected_ = 0;
  changed_ = true;
  return true;
}

std::string MeasurementGridLogic::CopyLines(const std::vector<int>& lines) const {
  std::string text;
  for (const int line : lines) {
    if (line < 1 || line > Layout().lines || LineIsEmpty(line)) continue;
    for (int c = 1; c <= Layout().columns; ++c) {
      if (c > 1) text += '\t';
      text += Cell(line, c);
    }
    text += '\n';
  }
  return text;
}

}  // namespace vek
