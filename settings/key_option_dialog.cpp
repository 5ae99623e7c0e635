#include "settings/key_option_dialog.h"

namespace vek {

CKeyOptionDlg::CKeyOptionDlg(QWidget* parent, KeyOptionLogic& form, MessageSink* sink)
    : FormDialog(parent, 0, sink), form_(form) {
  ui.setupUi(this);
  modes_.addButton(ui.modePlatform, static_cast<int>(EnterKeyChoice::PlatformDefault));
  modes_.addButton(ui.modeNext, static_cast<int>(EnterKeyChoice::NextField));
  modes_.addButton(ui.modeConfirm, static_cast<int>(EnterKeyChoice::ConfirmOnly));
  modes_.button(static_cast<int>(form_.Choice()))->setChecked(true);
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool CKeyOptionDlg::CommitForm() {
  form_.SetChoice(static_cast<EnterKeyChoice>(modes_.checkedId()));
  form_.Commit(Sink());
  return true;
}

}  // namespace vek
