#pragma once
// The key behaviour form: what Enter does in the data-entry forms.
#include <QButtonGroup>

#include "dialog/form_dialog.h"
#include "settings/logic/key_option_logic.h"
#include "ui_key_option_dialog.h"

namespace vek {

class CKeyOptionDlg : public FormDialog {
  Q_OBJECT
 public:
  // The form itself keeps the platform's Enter (it is not a data-entry form).
  CKeyOptionDlg(QWidget* parent, KeyOptionLogic& form, MessageSink* sink = nullptr);

  Ui::CKeyOptionDlg ui;

 protected:
  bool CommitForm() override;

 private:
  KeyOptionLogic& form_;
  QButtonGroup modes_;
};

}  // namespace vek
