#pragma once
// The master-list form ("マスタファイル") for the engineer list (M.mst) or the soil-name list
// (D.mst): its working list of rows (edited in place through EditableTable), the row commands, the
// previous generation's names and saving.
#include <filesystem>
#include <string>
#include <vector>

#include "core/sheet_settings.h"
#include "forms/logic/editable_table.h"
#include "io/master_list.h"

namespace vek {

class MessageSink;

// The widest name the list readers keep (a line of 79 bytes with its line end).
constexpr int kMasterNameBytes = static_cast<int>(kMasterFormLineBytes) - 1;

class MasterListLogic final : public EditableTable {
 public:
  // Reads the list (every name of the file, at least 80 rows) and looks for the previous
  // generation's list. The first empty row after the names is current when there is one.
  MasterListLogic(const SheetSettings& settings, MasterListKind kind);

  // Window caption and column heading (UTF-8).
  std::string Caption() const;
  std::string ColumnHeading() const;
  const std::filesystem::path& ListPath() const { return path_; }
  bool CanImportOldList() const { return canImport_; }

  // Rows in CP932, 1-based access.
  const std::vector<std::string>& Rows() const { return rows_; }
  const std::string& Row(size_t row) const { return rows_[row - 1]; }

  // The current (selected) row, 0 for none.
  size_t CurrentRow() const { return current_; }
  void SelectRow(size_t row) { current_ = row <= rows_.size() ? row : 0; }

  // In-place editing (EditableTable): one column of names. Opening an editor on a row makes it
  // current and marks the list modified; the editor's text replaces the name.
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  int ColumnCount() const override { return 1; }
  const TextField& CellText(int row, int) const override { return rows_[static_cast<size_t>(row) - 1]; }
  bool IsCellEditable(int row, int column) const override;
  TextField BeginCellEdit(int row, int column) override;
  void SetCellText(int row, int column, const TextField& text) override;

  // "削除", "↑", "↓" on the current row. False when nothing changed.
  bool DeleteCurrent();
  bool MoveCurrentUp();
  bool MoveCurrentDown();

  // "Ver.4 追加": messages 804 / 805; -1 when the old list cannot be read.
  int ImportOldList(MessageSink& sink);

  // The modified flag (Cancel asks question 132), and whether the rows differ from those read.
  bool HasChanges() const { return modified_; }
  bool RowsChanged() const { return rows_ != loadedRows_; }

  // OK: the list is written with its duplicate report; when it cannot be written the message is
  // shown and the form stays open, so the edits are not lost. True when the form may close.
  bool Save(MessageSink& sink);

 private:
  MasterListKind kind_;
  std::filesystem::path path_;
  std::filesystem::path oldPath_;
  bool canImport_ = false;
  std::vector<std::string> rows_;
  std::vector<std::string> loadedRows_;
  size_t current_ = 0;
  bool modified_ = false;
};

}  // namespace vek
