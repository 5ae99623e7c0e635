#include "forms/cal_header_dialog.h"

namespace vek {

CCalHeaderDlg::CCalHeaderDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink* sink)
    : FormDialog(parent, settings.EnterKeyMode, sink), logic_(store, settings) {
  ui.setupUi(this);
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  BindSharedHeaderFields(binding_, ui, logic_);
  binding_.Show(logic_);
  ui.fileNoteLabel->setText(QString::fromStdString(logic_.FileNote()));
  fitNotice_.Attach(ui.fitNoticeLabel, binding_, logic_);
}

bool CCalHeaderDlg::CommitForm() {
  if (QLineEdit* refused = binding_.RefusedNumberEdit(CalHeaderNumberFields(), Sink())) {
    FocusField(refused);
    return false;
  }
  binding_.Take(logic_);
  return true;
}

}  // namespace vek
