#include "forms/logic/master_list_logic.h"

#include <algorithm>
#include <fstream>

namespace vek {

MasterListLogic::MasterListLogic(const SheetSettings& settings, MasterListKind kind)
    : kind_(kind),
      path_(MasterListHostPath(settings, kind)),
      oldPath_(PreviousGenerationListPath(settings, kind)) {
  size_t loaded = 0;
  rows_ = LoadMasterList(path_, &loaded);
  loadedRows_ = rows_;
  std::error_code ec;
  if (kind == MasterListKind::SoilNames && !std::filesystem::exists(path_, ec)) {
    // No list yet: start from the names the header form offers, so that OK keeps them on offer.
    const std::vector<std::string> defaults = DefaultSoilNames();
    std::copy(defaults.begin(), defaults.end(), rows_.begin());
    loaded = defaults.size();
  }
  canImport_ = std::ifstream(oldPath_).is_open();
  if (loaded < rows_.size()) current_ = loaded + 1;
}

std::string MasterListLogic::Caption() const {
  return kind_ == MasterListKind::Engineers ? "技術者名 登録編集" : "土質名 登録編集";
}

std::string MasterListLogic::ColumnHeading() const {
  return kind_ == MasterListKind::Engineers ? "技術者(担当者)" : "土質名";
}

bool MasterListLogic::IsCellEditable(int row, int column) const {
  return column == 1 && row >= 1 && static_cast<size_t>(row) <= rows_.size();
}

TextField MasterListLogic::BeginCellEdit(int row, int column) {
  if (!IsCellEditable(row, column)) return {};
  current_ = static_cast<size_t>(row);
  modified_ = true;
  return rows_[current_ - 1];
}

void MasterListLogic::SetCellText(int row, int column, const TextField& text) {
  if (IsCellEditable(row, column)) rows_[static_cast<size_t>(row) - 1] = text;
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

bool MasterListLogic::Save(MessageSink& sink) {
  return SaveMasterList(path_, rows_, sink).written;
}

}  // namespace vek
