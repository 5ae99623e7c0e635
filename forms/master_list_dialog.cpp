#include "forms/master_list_dialog.h"

#include <QHeaderView>

#include "forms/editable_table_model.h"
#include "qt/file_dialogs.h"

namespace vek {

CMasterFileDlg::CMasterFileDlg(QWidget* parent, const SheetSettings& settings, MasterListKind kind,
                               MessageSink* sink)
    : FormDialog(parent, settings.EnterKeyMode, sink), logic_(settings, kind) {
  ui.setupUi(this);
  setWindowTitle(QString::fromStdString(logic_.Caption()));
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  const QString heading = QString::fromStdString(logic_.ColumnHeading());
  model_ = new EditableTableModel(logic_, {heading}, this);
  CellGridView* list = ui.listTable;
  list->SetTableModel(model_);
  list->SetEditorLimit(kMasterNameBytes, TextSlot::Plain);
  list->SetOkButton(ui.okButton);
  list->setAccessibleName(heading);
  list->setColumnWidth(0, 200);
  list->horizontalHeader()->setStretchLastSection(true);
  ui.pathEdit->setText(PathToQString(logic_.ListPath()));
  ui.importButton->setEnabled(logic_.CanImportOldList());
  SelectCurrent();

  // A click or the arrow keys make a row current; a double click or F2 edits it.
  connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { logic_.SelectRow(current.isValid() ? current.row() + 1 : 0); });
  auto rowCommand = [this](bool (MasterListLogic::*command)()) {
    if ((logic_.*command)()) {
      ShowRows();
      SelectCurrent();
    }
  };
  connect(ui.deleteButton, &QPushButton::clicked, this, [=] { rowCommand(&MasterListLogic::DeleteCurrent); });
  connect(ui.upButton, &QPushButton::clicked, this, [=] { rowCommand(&MasterListLogic::MoveCurrentUp); });
  connect(ui.downButton, &QPushButton::clicked, this, [=] { rowCommand(&MasterListLogic::MoveCurrentDown); });
  connect(ui.importButton, &QPushButton::clicked, this, [this] {
    if (logic_.ImportOldList(Sink()) > 0) ShowRows();
  });
}

CMasterFileDlg::~CMasterFileDlg() {
  // Hiding the form would store an open editor into the logic, which is gone by then.
  ui.listTable->DropEditor();
}

void CMasterFileDlg::ShowRows() { model_->TableChanged(); }

void CMasterFileDlg::SelectCurrent() {
  if (logic_.CurrentRow() == 0) {
    ui.listTable->clearSelection();
    return;
  }
  const QModelIndex index = model_->index(static_cast<int>(logic_.CurrentRow() - 1), 0);
  ui.listTable->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ui.listTable->scrollTo(index);
}

void CMasterFileDlg::EditRow(size_t row) {
  if (row < 1 || row > logic_.Rows().size()) return;
  ui.listTable->OpenEditor(model_->index(static_cast<int>(row - 1), 0));
}

bool CMasterFileDlg::HandleEnterFirst(QObject* receiver) { return ui.listTable->EditorKey(receiver, Qt::Key_Return); }

bool CMasterFileDlg::CommitForm() {
  // With the editor open (or just ended by the click on OK), OK only ends the edit.
  if (ui.listTable->TakeEndedByOk()) return false;
  if (ui.listTable->Editor()) {
    ui.listTable->CommitEditor();
    return false;
  }
  return logic_.Save(Sink());
}

}  // namespace vek
