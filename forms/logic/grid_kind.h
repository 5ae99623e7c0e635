#pragma once
// What tells the calibration data grid from the test ("ヴェク") data grid: which record and table
// the grid shows, its size and columns, which columns take typing, what a change recomputes, what
// OK and Cancel run afterwards, and how the small graph plots a line. The grid rules ask this
// object and never which grid they serve.
#include <array>
#include <string>
#include <vector>

#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/data_file_format.h"

namespace vek {

class MessageSink;

// The auto-increment check boxes, remembered for the rest of the run (not in files). The document
// owns one and hands it to each grid form it opens.
struct AutoIncrementMemory {
  bool calibrationP = false;
  bool testP = false;
  bool testGas = false;
};

// The value ranges of the small graph, fixed when the form opens.
struct GraphScale {
  double xFrom = 0, xTo = 0, yFrom = 0, yTo = 0;
};

// The fixed facts of a grid.
struct GridLayout {
  int lines;               // 40 or 120
  int columns;             // grid columns = entry edits = table columns 1..columns
  int storedColumns;       // table columns a line owns (emptied with the line)
  int autoIncrementBoxes;  // 1 (P) or 2 (P, gas pressure)
  const char* sameEntryName;  // %1 of message 908
  int xColumn, yColumn;    // the columns a graph point is drawn from
  bool crosses;            // graph points get crosses
  std::array<const char*, 6> entryNames;  // the entry edits' labels (UTF-8), named by refusals
};

class GridKind {
 public:
  virtual ~GridKind() = default;
  virtual const GridLayout& Layout() const = 0;
  // The kind of data file whose table the grid shows (what a pasted table is read as).
  virtual DataKind FileKind() const = 0;

  // The record whose table the grid shows, and one cell of that table.
  virtual Record& RecordOf(RecordStore& store) const = 0;
  const Record& RecordOf(const RecordStore& store) const { return RecordOf(const_cast<RecordStore&>(store)); }
  virtual TextField& Cell(Record& record, int line, int column) const = 0;
  const TextField& Cell(const Record& record, int line, int column) const {
    return Cell(const_cast<Record&>(record), line, column);
  }

  // Whether a column takes typing (entry edit and in-place editor) with the 60"/120" choice given.
  virtual bool IsColumnEditable(int column, bool uses120) const = 0;
  // Whether the entries write a column (the calibration's H is derived, never typed).
  virtual bool IsEntryWritten(int /*column*/) const { return true; }
  // Whether an edit of the column in place, or leaving its entry edit, recomputes the line.
  virtual bool EditRecomputes(int column, bool uses120) const = 0;
  virtual bool LeavingRecomputes(int column, bool uses120) const = 0;
  // The calibration warns about a missing H' entry (message 903) but adds the line anyway.
  virtual bool WarnsWithoutReading() const { return false; }
  // Where the focus goes after an add, with the auto-increment boxes as they are.
  virtual int FocusAfterAdd(bool autoP, bool autoGas) const = 0;
  // The run's memory of auto-increment box `box` (0 P, 1 gas pressure).
  virtual bool& AutoIncrementOf(AutoIncrementMemory& memory, int box) const = 0;
  // The test data form also stores its "読み120”表示" box.
  virtual bool HasShow120() const { return false; }

  // The derived columns of one line of the working copy, after the line changed.
  virtual void RecomputeLine(RecordStore& copy, int line, const SheetSettings& settings) const = 0;
  // On opening: the test grid reduces its lines for the graph.
  virtual void PrepareCopy(RecordStore& copy, const SheetSettings& settings) const = 0;
  // After the table was rebuilt on OK: the record's own steps on the working copy, before it is
  // committed (the calibration's H, the test reduction).
  virtual void CompleteCopy(RecordStore& copy, const SheetSettings& settings, MessageSink& sink) const = 0;
  // After OK or Cancel, on the document's store: the calibration refits its curve.
  virtual void AfterClose(RecordStore& store, MessageSink& sink) const = 0;

  // Graph: the value ranges (message 4008 for an unusable scale), the corner texts and the label of
  // the selected line.
  virtual GraphScale Scale(const Record& record, MessageSink& sink) const = 0;
  virtual std::array<std::string, 4> AxisLabels(const GraphScale& scale) const = 0;
  virtual TextField PointLabel(const Record& record, int line) const = 0;
  // Lines of CP932 text the graph shows in place of points it cannot draw (none when it can): the
  // test grid's points need the calibration attached to the test.
  virtual std::vector<std::string> GraphNotice(const Record& /*record*/) const { return {}; }
};

const GridKind& CalibrationGridKind();
const GridKind& VekGridKind();

}  // namespace vek
