#pragma once
// The measurement grid logic over a store of the test's own, with a recording sink: opening a grid,
// typing the entries, editing cells in place, OK.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/header_fields.h"
#include "core/messages.h"
#include "forms/logic/measurement_grid_logic.h"

namespace vek {

class GridTest : public ::testing::Test {
 protected:
  MeasurementGridLogic& Open(const GridKind& kind) {
    if (store.test.Header(hf::PeScaleMax).empty()) store.test.Header(hf::PeScaleMax) = "1600";
    grid_ = std::make_unique<MeasurementGridLogic>(store, settings, kind, sink, memory);
    return *grid_;
  }
  // The grid's record in the working copy.
  const Record& Cal() const { return grid_->Copy().calibration; }
  const Record& Test() const { return grid_->Copy().test; }
  // Types a text into a cell in place.
  void EditCell(int line, int column, const std::string& text) {
    grid_->BeginCellEdit(line, column);
    grid_->SetCellText(line, column, text);
  }
  FormOutcome Ok() {
    grid_->RebuildTable();
    return grid_->Finish(true, store, sink);
  }
  // Types the entries (P first); the columns not given are emptied.
  void Type(const std::vector<std::string>& entries) {
    for (int c = 1; c <= grid_->Layout().columns; ++c) {
      grid_->SetEntry(c, c <= static_cast<int>(entries.size()) ? entries[c - 1] : "");
    }
  }
  // Types the entries and presses the add button.
  bool Add(const std::vector<std::string>& entries) {
    Type(entries);
    return grid_->Add();
  }
  std::vector<std::string> Column(int column, int lines) const {
    std::vector<std::string> out;
    for (int line = 1; line <= lines; ++line) out.push_back(grid_->Cell(line, column));
    return out;
  }

  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
  AutoIncrementMemory memory;
  std::unique_ptr<MeasurementGridLogic> grid_;
};

}  // namespace vek
