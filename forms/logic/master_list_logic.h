#pragma once
// The master-list form ("マスタファイル") for the engineer list (M.mst) or the soil-name list
// (D.mst): rows, the in-place editor, the row commands, the previous generation's names and saving.
#include <filesystem>
#include <string>
#include <vector>

#include "core/sheet_settings.h"
#include "io/master_list.h"

namespace vek {

class MessageSink;

// The widest name the list readers keep (a line of 79 bytes with its line end).
constexpr int kMasterNameBytes = static_cast<int>(kMasterFormLineBytes) - 1;

class MasterListLogic {
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
  size_t RowCount() const { return rows_.size(); }
  const std::string& Row(size_t row) const { return rows_[row - 1]; }

  // The current (selected) row, 0 for none.
  size_t CurrentRow() const { return current_; }
  void SelectRow(size_t row) { current_ = row <= rows_.size() ? row : 0; }

  // The in-place editor: opening it on a row marks the list modified; closing stores its text.
  void BeginEdit(size_t row);
  bool IsEditing() const { return editRow_ != 0; }
  size_t EditRow() const { return editRow_; }
  void EndEdit(const std::string& text);

  // A key in the open editor: the text is stored and the editor closed; the result is the row the
  // editor opens on next (Enter and Down: the next row, Up: the previous one), 0 for none.
  enum class EditorKey { Enter, Up, Down, Tab, Escape };
  size_t EditorKeyPressed(EditorKey key, const std::string& text);

  // "削除", "↑", "↓" on the current row. False when nothing changed.
  bool DeleteCurrent();
  bool MoveCurrentUp();
  bool MoveCurrentDown();

  // "Ver.4 追加": messages 804 / 805; -1 when the old list cannot be read.
  int ImportOldList(MessageSink& sink);

  bool HasChanges() const { return modified_; }

  // OK. With the editor open the edit ends (text stored) and the form stays open. Otherwise the
  // list is written with its duplicate report; when it cannot be written the message is shown and
  // the form stays open, so the edits are not lost. True when the form may close.
  bool Save(MessageSink& sink, const std::string& editorText = {});

 private:
  MasterListKind kind_;
  std::filesystem::path path_;
  std::filesystem::path oldPath_;
  bool canImport_ = false;
  std::vector<std::string> rows_;
  size_t current_ = 0;
  size_t editRow_ = 0;
  bool modified_ = false;
};

}  // namespace vek
