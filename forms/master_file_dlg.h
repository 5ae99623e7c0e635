#pragma once
// The master-list form for the engineer list or the soil-name list: a thin dialog over
// MasterListLogic with an in-place editor over the list's cells.
#include <QPointer>

#include "forms/form_dialog.h"
#include "forms/logic/master_list_logic.h"
#include "ui_master_file_dlg.h"

class QLineEdit;

namespace vek {

class CMasterFileDlg : public FormDialog {
  Q_OBJECT
 public:
  CMasterFileDlg(QWidget* parent, const SheetSettings& settings, MasterListKind kind, MessageSink* sink = nullptr);

  MasterListLogic& Logic() { return logic_; }
  Ui::CMasterFileDlg& Widgets() { return ui; }
  // The open in-place editor, or nullptr.
  QLineEdit* Editor() const { return editor_; }
  // Opens the editor on a row (1-based), as a double click does.
  void EditRow(size_t row);

 protected:
  bool HasChanges() const override { return logic_.HasChanges(); }
  bool CommitForm() override;
  bool HandleEnterFirst(QObject* receiver) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowRows();
  void SelectCurrent();
  void PlaceEditor();
  // Stores the editor's text and closes it; returns the row it was on.
  void CloseEditor(MasterListLogic::EditorKey key, bool reopen);
  void EndEditByFocus();
  std::string EditorText() const;

  Ui::CMasterFileDlg ui{};
  MasterListLogic logic_;
  QPointer<QLineEdit> editor_;
};

// The engineer list or soil list command. True when the list was saved.
bool RunMasterFileForm(QWidget* parent, const SheetSettings& settings, MasterListKind kind, MessageSink& sink);

}  // namespace vek
