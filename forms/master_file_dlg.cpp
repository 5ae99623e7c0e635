#include "forms/master_file_dlg.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidgetItem>

#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"
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
  ui.listTable->setHorizontalHeaderLabels({heading});
  ui.listTable->setAccessibleName(heading);
  ui.listTable->setColumnWidth(0, 200);
  ui.listTable->horizontalHeader()->setStretchLastSection(true);
  ui.pathEdit->setText(PathToQString(logic_.ListPath()));
  ui.importButton->setEnabled(logic_.CanImportOldList());
  ShowRows();
  SelectCurrent();
  // The editor lies over its cell and follows it when the list scrolls.
  connect(ui.listTable->verticalScrollBar(), &QScrollBar::valueChanged, this, &CMasterFileDlg::PlaceEditor);

  // A click or the arrow keys make a row current; a double click or F2 edits it.
  connect(ui.listTable, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int, int) { logic_.SelectRow(row >= 0 ? row + 1 : 0); });
  connect(ui.listTable, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { EditRow(row + 1); });
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

void CMasterFileDlg::ShowRows() {
  ui.listTable->setRowCount(static_cast<int>(logic_.RowCount()));
  for (size_t r = 1; r <= logic_.RowCount(); ++r) {
    auto* item = new QTableWidgetItem(FromCp932(logic_.Row(r)));
    ui.listTable->setItem(static_cast<int>(r - 1), 0, item);
  }
}

void CMasterFileDlg::SelectCurrent() {
  if (logic_.CurrentRow() == 0) {
    ui.listTable->clearSelection();
    return;
  }
  const int row = static_cast<int>(logic_.CurrentRow() - 1);
  ui.listTable->selectRow(row);
  ui.listTable->scrollTo(ui.listTable->model()->index(row, 0));
}

void CMasterFileDlg::EditRow(size_t row) {
  if (editor_ || row < 1 || row > logic_.RowCount()) return;
  logic_.BeginEdit(row);
  SelectCurrent();
  auto* editor = new QLineEdit(ui.listTable->viewport());
  editor->setAccessibleName(QString::fromStdString(logic_.ColumnHeading()));
  LimitToCp932(editor, kMasterNameBytes);
  editor->setText(FromCp932(logic_.Row(row)));
  editor->setCursorPosition(editor->text().size());
  editor_ = editor;
  PlaceEditor();
  editor->show();
  editor->setFocus(Qt::OtherFocusReason);
}

void CMasterFileDlg::PlaceEditor() {
  if (!editor_) return;
  const QModelIndex index = ui.listTable->model()->index(static_cast<int>(logic_.EditRow() - 1), 0);
  editor_->setGeometry(ui.listTable->visualRect(index));
}

std::string CMasterFileDlg::EditorText() const { return editor_ ? ToCp932Accepted(editor_->text()) : std::string(); }

void CMasterFileDlg::CloseEditor(MasterListLogic::EditorKey key, bool reopen) {
  if (!editor_) return;
  const size_t row = logic_.EditRow();
  const size_t next = logic_.EditorKeyPressed(key, EditorText());
  QLineEdit* editor = editor_;
  editor_ = nullptr;
  editor->hide();
  editor->deleteLater();  // not while its own key or focus event is being delivered
  ui.listTable->item(static_cast<int>(row - 1), 0)->setText(FromCp932(logic_.Row(row)));
  ui.listTable->setFocus(Qt::OtherFocusReason);
  if (reopen && next != 0) EditRow(next);
}

void CMasterFileDlg::EndEditByFocus() { CloseEditor(MasterListLogic::EditorKey::Tab, false); }

bool CMasterFileDlg::HandleEnterFirst(QObject* receiver) {
  if (!editor_ || receiver != editor_) return false;
  CloseEditor(MasterListLogic::EditorKey::Enter, true);
  return true;
}

bool CMasterFileDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui.listTable && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2 && logic_.CurrentRow() != 0) {
    EditRow(logic_.CurrentRow());
    return true;
  }
  if (editor_ && watched == editor_) {
    if (event->type() == QEvent::KeyPress) {
      switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up: CloseEditor(MasterListLogic::EditorKey::Up, true); return true;
        case Qt::Key_Down: CloseEditor(MasterListLogic::EditorKey::Down, true); return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
          CloseEditor(MasterListLogic::EditorKey::Tab, false);
          focusNextPrevChild(static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab);
          return true;
        case Qt::Key_Escape:
          CloseEditor(MasterListLogic::EditorKey::Escape, false);
          reject();
          return true;
        default: break;
      }
    } else if (event->type() == QEvent::FocusOut) {
      // A click elsewhere ends the edit; a click on OK leaves it to OK, which ends it and stays.
      if (QApplication::focusWidget() != ui.okButton && isVisible()) {
        QMetaObject::invokeMethod(this, &CMasterFileDlg::EndEditByFocus, Qt::QueuedConnection);
      }
    }
  }
  return FormDialog::eventFilter(watched, event);
}

bool CMasterFileDlg::CommitForm() {
  if (editor_) {
    CloseEditor(MasterListLogic::EditorKey::Tab, false);
    return false;
  }
  return logic_.Save(Sink());
}

bool RunMasterFileForm(QWidget* parent, const SheetSettings& settings, MasterListKind kind, MessageSink& sink) {
  CMasterFileDlg form(parent, settings, kind, &sink);
  return form.exec() == QDialog::Accepted;
}

}  // namespace vek
