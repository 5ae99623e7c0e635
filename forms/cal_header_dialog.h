#pragma once
// The calibration header form: a thin dialog over CalHeaderLogic.
#include "dialog/form_dialog.h"
#include "forms/header_field_binding.h"
#include "forms/heading_fit_notice.h"
#include "forms/logic/cal_header_logic.h"
#include "ui_cal_header_dialog.h"

namespace vek {

class CCalHeaderDlg : public FormDialog {
  Q_OBJECT
 public:
  CCalHeaderDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink* sink = nullptr);

  CalHeaderLogic& Logic() { return logic_; }
  Ui::CCalHeaderDlg& Widgets() { return ui; }

 protected:
  bool CommitForm() override;
  bool HasChanges() const override { return binding_.Differs(logic_); }
  bool AfterClose(bool accepted) override { return logic_.Finish(accepted, Sink()).changed; }

 private:
  Ui::CCalHeaderDlg ui{};
  CalHeaderLogic logic_;
  HeaderFieldBinding binding_;
  HeadingFitNotice fitNotice_;
};

}  // namespace vek
