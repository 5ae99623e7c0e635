#include "settings/setup_dialog.h"

#include <QDir>
#include <QFocusEvent>

#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"

namespace vek {

CSetupDlg::CSetupDlg(QWidget* parent, SetupLogic& form, int enterKeyMode, MessageSink* sink)
    : FormDialog(parent, enterKeyMode, sink), form_(form) {
  ui.setupUi(this);
  LimitToCp932(ui.drive, kInstallDriveMaxBytes);
  LimitToCp932(ui.folder, kInstallFolderMaxBytes);
  PushToWidgets();
  connect(ui.drive, &QLineEdit::textChanged, this, &CSetupDlg::ShowHostFolder);
  connect(ui.folder, &QLineEdit::textChanged, this, &CSetupDlg::ShowHostFolder);
  connect(ui.standardButton, &QPushButton::clicked, this, [this] {
    form_.ApplyStandard();
    PushToWidgets();
  });
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CSetupDlg::PullFromWidgets() {
  form_.drive = ToCp932Accepted(ui.drive->text());
  form_.folder = ToCp932Accepted(ui.folder->text());
}

void CSetupDlg::PushToWidgets() {
  {
    const QSignalBlocker blockDrive(ui.drive), blockFolder(ui.folder);
    ui.drive->setText(FromCp932(form_.drive));
    ui.folder->setText(FromCp932(form_.folder));
  }
  ShowHostFolder();
}

void CSetupDlg::ShowHostFolder() {
  PullFromWidgets();
  ui.hostFolder->setText(QDir::toNativeSeparators(QString::fromStdString(form_.HostFolder().string())));
}

bool CSetupDlg::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the folder edit for another control of the form; a switch to another window is no
  // leaving (the message box of the rule itself would take the focus away again).
  if (watched == ui.folder && event->type() == QEvent::FocusOut && isVisible() &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    PullFromWidgets();
    form_.FolderLeft(Sink());
    PushToWidgets();
  }
  return FormDialog::eventFilter(watched, event);
}

bool CSetupDlg::CommitForm() {
  PullFromWidgets();
  const SetupField refused = form_.Commit(Sink());
  PushToWidgets();
  if (refused == SetupField::None) return true;
  FocusField(refused == SetupField::Drive ? ui.drive : ui.folder);
  return false;
}

}  // namespace vek
