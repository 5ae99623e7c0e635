#pragma once
// The master-list form for the engineer list or the soil-name list: a thin dialog over
// MasterListLogic, its rows shown and edited in place through the form's CellGridView.
#include "dialog/form_dialog.h"
#include "forms/logic/master_list_logic.h"
#include "ui_master_list_dialog.h"

namespace vek {

class EditableTableModel;

class CMasterFileDlg : public FormDialog {
  Q_OBJECT
 public:
  CMasterFileDlg(QWidget* parent, const SheetSettings& settings, MasterListKind kind, MessageSink* sink = nullptr);
  ~CMasterFileDlg() override;

  MasterListLogic& Logic() { return logic_; }
  Ui::CMasterFileDlg& Widgets() { return ui; }
  // Opens the editor on a row (1-based), as a double click does.
  void EditRow(size_t row);

 protected:
  bool HasChanges() const override { return logic_.HasChanges(); }
  bool CommitForm() override;
  // True when OK saved names that differ from those read.
  bool AfterClose(bool accepted) override { return accepted && logic_.RowsChanged(); }
  bool HandleEnterFirst(QObject* receiver) override;

 private:
  void ShowRows();
  void SelectCurrent();

  Ui::CMasterFileDlg ui{};
  MasterListLogic logic_;
  EditableTableModel* model_ = nullptr;
};

}  // namespace vek
