#pragma once
// The test header form: a thin dialog over TestHeaderLogic. "開く" asks the given file chooser.
#include "dialog/form_dialog.h"
#include "forms/header_field_binding.h"
#include "forms/heading_fit_notice.h"
#include "forms/logic/vek_header_logic.h"
#include "ui_vek_header_dialog.h"

namespace vek {

class CTestHeaderDlg : public FormDialog {
  Q_OBJECT
 public:
  CTestHeaderDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, FileChooser& chooser,
                 MessageSink* sink = nullptr);

  TestHeaderLogic& Logic() { return logic_; }
  Ui::CTestHeaderDlg& Widgets() { return ui; }

 protected:
  bool HasChanges() const override { return logic_.HasChanges() || binding_.Differs(logic_); }
  bool CommitForm() override;
  bool AfterClose(bool accepted) override { return logic_.Finish(accepted, Sink()).changed; }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CopyTitle(QLineEdit* edit, int field);
  void OpenCalibration();
  void LeaveLevel(QLineEdit* edit, int field);

  Ui::CTestHeaderDlg ui{};
  TestHeaderLogic logic_;
  FileChooser& chooser_;
  HeaderFieldBinding binding_;
  HeadingFitNotice fitNotice_;
};

}  // namespace vek
