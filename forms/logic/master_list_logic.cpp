#include "forms/logic/master_list_logic.h"

#include <fstream>

namespace vek {

MasterListLogic::MasterListLogic(const SheetSettings& settings, MasterListKind kind)
    : kind_(kind),
      path_(MasterListHostPath(settings, kind)),
      oldPath_(PreviousGenerationListPath(settings, kind)) {
  size_t loaded = 0;
  rows_ = LoadMasterList(path_, &loaded);
  canImport_ = std::ifstream(oldPath_).is_open();
  if (loaded < rows_.size()) current_ = loaded + 1;
}

std::string MasterListLogic::Caption() const {
  return kind_ == MasterListKind::Engineers ? "技術者名 登録編集" : "土質名 登録編集";
}

std::string MasterListLogic::ColumnHeading() const {
  return kind_ == MasterListKind::Engineers ? "技術者(担当者)" : "土質名";
}

void MasterListLogic::BeginEdit(size_t row) {
  if (row < 1 || row > rows_.size()) return;
  editRow_ = row;
  current_ = row;
  modified_ = true;
}

void MasterListLogic::EndEdit(const std::string& text) {
  if (editRow_ == 0) return;
  rows_[editRow_ - 1] = text;
  editRow_ = 0;
}

size_t MasterListLogic::EditorKeyPressed(EditorKey key, const std::string& text) {
  const size_t row = editRow_;
  EndEdit(text);
  if (row == 0) return 0;
  switch (key) {
    case EditorKey::Enter:
    case EditorKey::Down: return row < rows_.size() ? row + 1 : 0;
    case EditorKey::Up: return row >= 2 ? row - 1 : 0;
    case EditorKey::Tab:
    case EditorKey::Escape: return 0;
  }
  return 0;
}

bool MasterListLogic::DeleteCurrent() {
  if (!DeleteListRow(rows_, current_)) return false;
  current_ = 0;
  modified_ = true;
  return true;
}

bool MasterListLogic::MoveCurrentUp() {
  if (!MoveListRowUp(rows_, current_)) return false;
  --current_;
  modified_ = true;
  return true;
}

bool MasterListLogic::MoveCurrentDown() {
  if (!MoveListRowDown(rows_, current_)) return false;
  ++current_;
  modified_ = true;
  return true;
}

int MasterListLogic::ImportOldList(MessageSink& sink) {
  const int added = MergePreviousGenerationList(rows_, oldPath_, sink);
  if (added > 0) modified_ = true;
  return added;
}

bool MasterListLogic::Save(MessageSink& sink, const std::string& editorText) {
  if (IsEditing()) {
    EndEdit(editorText);
    return false;
  }
  return SaveMasterList(path_, rows_, sink).written;
}

}  // namespace vek
