#pragma once
// The format form ("様式/桁数") on screen: binds the controls to FormatLogic; OK stores the settings.
#include <array>

#include "dialog/form_dialog.h"
#include "settings/logic/format_logic.h"
#include "ui_format_dialog.h"

class QComboBox;
class QLineEdit;

namespace vek {

class CFormatDlg : public FormDialog {
  Q_OBJECT
 public:
  // Edits a copy of `settings`; OK copies it back and stores Sys.ndx.
  CFormatDlg(QWidget* parent, SheetSettings& settings, MessageSink* sink = nullptr);

 protected:
  bool CommitForm() override;

 private:
  void ShowForm();
  void ReadForm();
  void OnUnitToggled(int unit, bool checked);
  void OnStandard();

  Ui::CFormatDlg ui;
  SheetSettings& settings_;
  FormatLogic form_;
  std::array<QComboBox*, kFormatTextCount> combos_{};  // nullptr for the company edit
  std::array<QLineEdit*, kFormatDigitsCount> digits_{};
  bool showing_ = false;
};

}  // namespace vek
