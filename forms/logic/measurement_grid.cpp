#include "forms/logic/measurement_grid.h"

#include <cmath>
#include <cstdlib>

#include "core/cal_curve.h"
#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "core/step_reduction.h"
#include "forms/logic/small_plot.h"
#include "io/record_commands.h"

namespace vek {

namespace {

constexpr GridShape kCalibrationShape{GridKind::Calibration, kMaxCalRows, 3, kCalFieldCount, 1, "圧力"};
constexpr GridShape kTestShape{GridKind::Test, kMaxTestRows, 6, kTestFieldCount, 2, "深度"};

// Entries and cells compare equal within these distances.
constexpr double kSamePressure = 1e-6;
constexpr double kSameLinePressure = 0.0001;
constexpr double kLowestPressure = -100.0;
constexpr double kHighestPressure = 30000.0;

double Atof(const TextField& t) { return std::atof(t.c_str()); }
bool IsNumber(const TextField& t) { return IsNumericText(t) > 0; }
bool IsBlank(const TextField& t) { return IsNumericText(t) < 0; }
TextField Flag(bool on) { return on ? "1" : "0"; }

TextField& CellOf(Record& record, GridKind kind, int line, int column) {
  return kind == GridKind::Calibration ? record.Cal(line, column) : record.Test(line, column);
}

}  // namespace

const GridShape& ShapeOf(GridKind kind) {
  return kind == GridKind::Calibration ? kCalibrationShape : kTestShape;
}

AutoIncrementMemory& RunAutoIncrementMemory() {
  static AutoIncrementMemory memory;
  return memory;
}

MeasurementGrid::MeasurementGrid(RecordStore& store, const SheetSettings& settings, GridKind kind,
                                 MessageSink& sink, AutoIncrementMemory& memory)
    : store_(store), settings_(settings), shape_(ShapeOf(kind)), sink_(sink), memory_(memory) {
  Record& record = RecordOf();
  recordAtOpening_ = record;
  uses120_ = std::atoi(record.Header(hf::ReadingTimeBasis).c_str()) > 0;
  showDataNo_ = std::atoi(record.Header(hf::ShowDataNo).c_str()) != 0;
  show120_ = std::atoi(record.Header(hf::Show120Reading).c_str()) != 0;
  // A line whose P is not a number is shown (and kept) empty.
  for (int line = 1; line <= shape_.lines; ++line) {
    if (IsNumber(Cell(line, 1))) continue;
    for (int c = 1; c <= shape_.snapshotColumns; ++c) TableCell(line, c).clear();
  }
  if (Kind() == GridKind::Calibration) {
    xFrom_ = 0, xTo_ = 300, yFrom_ = 0, yTo_ = 80;
    return;
  }
  for (int line = 1; line <= shape_.lines; ++line) {
    if (IsNumber(Cell(line, 1))) RecomputeLine(line);
  }
  int ro = static_cast<int>(std::floor(Atof(record.Header(hf::SondeRadius))));
  if (ro <= 0) ro = 4;
  xFrom_ = ro;
  xTo_ = ro + 3;
  const AxisRange pe =
      CheckedRange(Atof(record.Header(hf::PeScaleMin)), Atof(record.Header(hf::PeScaleMax)), 0.1, 0, 1600);
  if (pe.replaced) sink_.Show(msg::BadScale);
  yFrom_ = pe.from;
  yTo_ = pe.to;
}

Record& MeasurementGrid::RecordOf() {
  return Kind() == GridKind::Calibration ? store_.calibration : store_.test;
}
const Record& MeasurementGrid::RecordOf() const {
  return Kind() == GridKind::Calibration ? store_.calibration : store_.test;
}

TextField& MeasurementGrid::TableCell(int line, int column) { return CellOf(RecordOf(), Kind(), line, column); }
const TextField& MeasurementGrid::TableCell(int line, int column) const {
  return CellOf(const_cast<Record&>(RecordOf()), Kind(), line, column);
}
const TextField& MeasurementGrid::Cell(int line, int column) const { return TableCell(line, column); }

bool MeasurementGrid::LineIsEmpty(int line) const {
  for (int c = 1; c <= shape_.columns; ++c) {
    if (!Cell(line, c).empty()) return false;
  }
  return true;
}

int MeasurementGrid::UsedLineCount() const {
  for (int line = shape_.lines; line >= 1; --line) {
    if (!LineIsEmpty(line)) return line;
  }
  return 0;
}

int MeasurementGrid::FirstFreeLine() const {
  const int used = UsedLineCount();
  return used < shape_.lines ? used + 1 : 0;
}

bool MeasurementGrid::IsEntryEnabled(int column) const {
  if (Kind() == GridKind::Calibration) return column == cf::Pressure || column == cf::Reading;
  return column != tf::Reading120 || uses120_;
}

TextField MeasurementGrid::InitialLevelText() const {
  return RecordOf().Header(hf::StandpipeInitialLevel) + " cm";
}

bool MeasurementGrid::AutoIncrement(int box) const {
  if (Kind() == GridKind::Calibration) return box == 0 && memory_.calibrationP;
  return box == 0 ? memory_.testP : memory_.testGas;
}

void MeasurementGrid::SetAutoIncrement(int box, bool on) {
  if (Kind() == GridKind::Calibration) {
    if (box == 0) memory_.calibrationP = on;
  } else {
    (box == 0 ? memory_.testP : memory_.testGas) = on;
  }
}

void MeasurementGrid::SetUses120(bool on) {
  uses120_ = on;
  // The provisional reduction of the test grid reads the choice from the record; Cancel puts the
  // field back with the snapshot.
  RecordOf().Header(hf::ReadingTimeBasis) = Flag(on);
}

void MeasurementGrid::SelectLine(int line) {
  if (line < 1 || line > shape_.lines) return;
  selected_ = line;
  RefreshEntriesFrom(line);
}

void MeasurementGrid::ClearSelectionAndEntries() {
  selected_ = 0;
  entries_ = {};
}

void MeasurementGrid::RefreshEntriesFrom(int line) {
  entries_ = {};
  for (int c = 1; c <= shape_.columns; ++c) entries_[c] = Cell(line, c);
}

void MeasurementGrid::WriteEntriesInto(int line) {
  for (int c = 1; c <= shape_.columns; ++c) {
    if (Kind() == GridKind::Calibration && c == cf::H) continue;  // derived from H'
    TableCell(line, c) = entries_[c];
  }
}

void MeasurementGrid::RecomputeLine(int line) {
  const double h0 = Atof(RecordOf().Header(hf::StandpipeInitialLevel));
  if (Kind() == GridKind::Calibration) {
    const TextField& reading = Cell(line, cf::Reading);
    TableCell(line, cf::H) = IsNumber(reading) ? FormatDouble("%g", Atof(reading) - h0) : TextField();
    return;
  }
  ReduceTestStep(store_, line, h0);
  ProvisionalPeR(store_, line, settings_.DefaultSondeRadius, settings_.DefaultSondeLength,
                 settings_.DefaultStandpipeArea);
}

bool MeasurementGrid::CheckEntries() {
  bool allEmpty = true;
  for (int c = 1; c <= shape_.columns; ++c) allEmpty = allEmpty && IsBlank(entries_[c]);
  if (allEmpty || !IsNumber(entries_[1])) {
    sink_.Show(msg::NoOrBadData);
    return false;
  }
  const double p = Atof(entries_[1]);
  if (!(p >= kLowestPressure && p <= kHighestPressure)) {
    sink_.Show(msg::BadNumber);
    return false;
  }
  // The calibration's H' is checked too, as a warning only.
  if (Kind() == GridKind::Calibration && !IsNumber(entries_[cf::Reading])) sink_.Show(msg::NoOrBadData);
  return true;
}

int MeasurementGrid::LineWithPressure(double p) const {
  for (int line = 1; line <= shape_.lines; ++line) {
    const TextField& cell = Cell(line, 1);
    if (!IsNumber(cell)) break;
    if (std::fabs(Atof(cell) - p) < kSamePressure) return line;
  }
  return 0;
}

TextField MeasurementGrid::AutoIncremented(int column, int beforeLine) const {
  if (beforeLine - 1 < 2) return {};
  const double next = 2 * Atof(Cell(beforeLine - 1, column)) - Atof(Cell(beforeLine - 2, column));
  return next > 0.01 ? FormatDouble("%.2f", next) : TextField();
}

void MeasurementGrid::FillAutoIncrements(int newLine) {
  entries_ = {};
  if (AutoIncrement(0)) entries_[1] = AutoIncremented(1, newLine);
  if (shape_.autoIncrementBoxes > 1 && AutoIncrement(1)) entries_[tf::GasPressure] = AutoIncremented(2, newLine);
}

bool MeasurementGrid::Add() {
  touched_ = 0;
  if (!CheckEntries()) return false;
  const int used = UsedLineCount();
  if (used >= shape_.lines) {
    sink_.Show(msg::MaxRows);
    return false;
  }
  entries_[1] = FormatDouble("%.2f", Atof(entries_[1]));
  if (LineWithPressure(Atof(entries_[1])) > 0) {
    sink_.Show(msg::SameEntryExists, shape_.sameEntryName);
    return false;
  }
  const int line = used + 1;
  WriteEntriesInto(line);
  RecomputeLine(line);
  touched_ = line;
  changed_ = true;
  FillAutoIncrements(line + 1);
  if (Kind() == GridKind::Calibration) {
    focusAfter_ = AutoIncrement(0) ? cf::Reading : cf::Pressure;
  } else if (!AutoIncrement(0)) {
    focusAfter_ = tf::Pressure;
  } else {
    focusAfter_ = AutoIncrement(1) ? tf::Reading15 : tf::GasPressure;
  }
  selected_ = 0;
  return true;
}

bool MeasurementGrid::Overwrite() {
  touched_ = 0;
  if (!CheckEntries()) return false;
  if (selected_ > shape_.lines) {
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
  WriteEntriesInto(line);
  RecomputeLine(line);
  touched_ = line;
  changed_ = true;
  selected_ = 0;
  focusAfter_ = 1;
  return true;
}

void MeasurementGrid::DeleteSelectedLine() {
  if (selected_ == 0) return;
  // The lines below move up and an empty line comes in at the end, in the grid and the table alike.
  for (int line = selected_; line <= shape_.lines; ++line) {
    for (int c = 1; c <= shape_.snapshotColumns; ++c) {
      TableCell(line, c) = line < shape_.lines ? Cell(line + 1, c) : TextField();
    }
  }
  entries_ = {};
  selected_ = 0;
  changed_ = true;
}

void MeasurementGrid::LeaveEntry(int column) {
  if (selected_ == 0) return;
  const TextField& lineP = Cell(selected_, 1);
  // A changed P never moves into another line this way, and a cleared P entry never empties one.
  if (!IsBlank(lineP) && (!IsNumber(entries_[1]) || std::fabs(Atof(lineP) - Atof(entries_[1])) >= kSameLinePressure)) {
    return;
  }
  WriteEntriesInto(selected_);
  if (Kind() == GridKind::Calibration) {
    if (column == cf::Reading) {
      RecomputeLine(selected_);
      entries_[cf::H] = Cell(selected_, cf::H);
    }
  } else if (column == tf::Reading60 || (column == tf::Reading120 && uses120_)) {
    RecomputeLine(selected_);
  }
}

bool MeasurementGrid::OpenEditor(int line, int column) {
  if (line < 1 || line > shape_.lines || column < 1 || column > shape_.columns || !IsColumnEditable(column)) {
    return false;
  }
  editorLine_ = line;
  editorColumn_ = column;
  changed_ = true;
  editorText_ = Cell(line, column);
  if (column == 1 && LineIsEmpty(line) && AutoIncrement(0)) editorText_ = AutoIncremented(1, line);
  return true;
}

void MeasurementGrid::CommitEditor(const TextField& text) {
  if (!EditorOpen()) return;
  const int line = editorLine_;
  const int column = editorColumn_;
  DiscardEditor();
  TableCell(line, column) = text;
  if (Kind() == GridKind::Test || column == cf::Reading) RecomputeLine(line);
  selected_ = line;
  RefreshEntriesFrom(line);
  touched_ = line;
}

void MeasurementGrid::DiscardEditor() {
  editorLine_ = 0;
  editorColumn_ = 0;
}

int MeasurementGrid::NextEditableColumn(int after) const {
  for (int c = after + 1; c <= shape_.columns; ++c) {
    if (IsColumnEditable(c)) return c;
  }
  return 0;
}

void MeasurementGrid::OpenAfterMove(int line, int column) {
  SelectLine(line);
  OpenEditor(line, column);
}

bool MeasurementGrid::EditorKeyPressed(EditorKey key, const TextField& text) {
  if (!EditorOpen()) return false;
  const int line = editorLine_;
  const int column = editorColumn_;
  CommitEditor(text);
  switch (key) {
    case EditorKey::Enter:
      if (const int next = NextEditableColumn(column)) {
        OpenAfterMove(line, next);
      } else if (line < shape_.lines) {
        OpenAfterMove(line + 1, NextEditableColumn(0));
      }
      break;
    case EditorKey::Up:
      if (line > 1) OpenAfterMove(line - 1, column);
      break;
    case EditorKey::Down:
      if (line < shape_.lines) OpenAfterMove(line + 1, column);
      break;
    case EditorKey::Tab:
    case EditorKey::Escape:
      break;
  }
  return EditorOpen();
}

void MeasurementGrid::DrawGraph(DrawDevice& device, int width, int height) const {
  SmallPlot plot(device, width, height, xFrom_, xTo_, yFrom_, yTo_);
  plot.Frame();
  const bool calibration = Kind() == GridKind::Calibration;
  // x, y columns of a point: calibration P over H, test r over Pe.
  const int xc = calibration ? int{cf::Pressure} : int{tf::R};
  const int yc = calibration ? int{cf::H} : int{tf::Pe};
  for (int line = 1; line <= shape_.lines; ++line) {
    if (!IsNumber(Cell(line, xc)) || !IsNumber(Cell(line, yc))) continue;
    plot.Point(Atof(Cell(line, xc)), Atof(Cell(line, yc)), kPlotGrey, !calibration, kBlack);
  }
  if (selected_ == 0 || !IsNumber(Cell(selected_, xc)) || !IsNumber(Cell(selected_, yc))) return;
  const double x = Atof(Cell(selected_, xc));
  const double y = Atof(Cell(selected_, yc));
  plot.Point(x, y, kPlotBlue, !calibration, kPlotBlue);
  const auto cell = [&](int c) { return Cell(selected_, c); };
  const TextField label =
      calibration ? cell(1) + " (" + cell(2) + ") " + cell(3)
                  : cell(1) + " (" + cell(3) + ", " + cell(4) + ", " + cell(5) + ")";
  plot.Label(x, y, label, kPlotBlue);
}

std::array<std::string, 4> MeasurementGrid::AxisLabels() const {
  if (Kind() == GridKind::Calibration) return {"0", "300", "0", "80"};
  return {FormatText("%d", static_cast<int>(xFrom_)), FormatText("%d", static_cast<int>(xTo_)),
          FormatDouble("%g", yFrom_), FormatDouble("%g", yTo_)};
}

void MeasurementGrid::CommitTable() {
  using Row = std::array<TextField, kTestFieldSlots>;
  std::vector<Row> remaining;
  for (int line = 1; line <= shape_.lines; ++line) {
    if (IsBlank(Cell(line, 1))) continue;  // lines without a P are dropped
    Row row{};
    for (int c = 1; c <= shape_.columns; ++c) row[c] = Cell(line, c);
    remaining.push_back(row);
  }
  // Ascending P, the first of equal ones first; every further line of the same pressure is reported.
  const std::string heading = std::string(MessageText(msg::SamePressure)) + "\r\n";
  std::string report = heading;
  size_t reportBytes = Sjis(heading).size();
  int reported = 0;
  std::vector<Row> sorted;
  while (!remaining.empty()) {
    size_t smallest = 0;
    for (size_t i = 1; i < remaining.size(); ++i) {
      if (Atof(remaining[i][1]) < Atof(remaining[smallest][1])) smallest = i;
    }
    sorted.push_back(remaining[smallest]);
    remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(smallest));
    const double p = Atof(sorted.back()[1]);
    for (const Row& other : remaining) {
      if (std::fabs(Atof(other[1]) - p) >= kSamePressure || reported >= 6 || reportBytes > 299) continue;
      report += " " + Cp932ToUtf8(other[1]) + " m \r\n";
      reportBytes += other[1].size() + 6;
      ++reported;
    }
  }
  for (int line = 1; line <= shape_.lines; ++line) {
    const bool written = line <= static_cast<int>(sorted.size());
    for (int c = 1; c <= shape_.snapshotColumns; ++c) {
      // The test's derived columns are emptied; the reduction refills them.
      TableCell(line, c) = written && c <= shape_.columns ? sorted[line - 1][c] : TextField();
    }
  }
  if (reported > 0) sink_.ShowMessage(report);
  Record& record = RecordOf();
  record.Header(hf::ReadingTimeBasis) = Flag(uses120_);
  record.Header(hf::ShowDataNo) = Flag(showDataNo_);
  if (Kind() == GridKind::Test) record.Header(hf::Show120Reading) = Flag(show120_);
}

void MeasurementGrid::RestoreSnapshot() {
  DiscardEditor();
  Record& record = RecordOf();
  for (int line = 1; line <= shape_.lines; ++line) {
    for (int c = 1; c <= shape_.snapshotColumns; ++c) {
      TableCell(line, c) = CellOf(recordAtOpening_, Kind(), line, c);
    }
  }
  record.Header(hf::ReadingTimeBasis) = recordAtOpening_.Header(hf::ReadingTimeBasis);
}

void MeasurementGrid::RunAfterSteps(bool ok, MessageSink& sink) {
  if (Kind() == GridKind::Calibration) {
    if (ok) {
      Record& cal = store_.calibration;
      RecomputeCalH(cal);
      int line = 1;
      while (line <= kMaxCalRows && IsNumber(cal.Cal(line, cf::Reading))) ++line;
      for (; line <= kMaxCalRows; ++line) cal.Cal(line, cf::H).clear();
    }
    RefitCalibration(store_, sink);
    return;
  }
  if (ok) ReduceTestRecord(store_, settings_, sink, true);
}

bool MeasurementGrid::RecordChanged() const {
  const Record& now = RecordOf();
  return now.HeaderFields != recordAtOpening_.HeaderFields || now.CalRows != recordAtOpening_.CalRows ||
         now.TestRows != recordAtOpening_.TestRows;
}

}  // namespace vek
