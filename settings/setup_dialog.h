#pragma once
// The setup form: the install drive and folder of the program folder.
#include "dialog/form_dialog.h"
#include "settings/logic/setup_logic.h"
#include "ui_setup_dialog.h"

namespace vek {

class CSetupDlg : public FormDialog {
  Q_OBJECT
 public:
  CSetupDlg(QWidget* parent, SetupLogic& form, int enterKeyMode, MessageSink* sink = nullptr);

  Ui::CSetupDlg ui;

 protected:
  bool CommitForm() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PullFromWidgets();
  void PushToWidgets();
  // The host folder the typed drive and folder stand for.
  void ShowHostFolder();

  SetupLogic& form_;
};

}  // namespace vek
