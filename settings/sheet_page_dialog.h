#pragma once
// The page form of the calibration or the test record (footer texts, start pages, footer position).
#include "dialog/form_dialog.h"
#include "settings/logic/sheet_page_logic.h"
#include "ui_sheet_page_dialog.h"

namespace vek {

class CSheetPageDlg : public FormDialog {
  Q_OBJECT
 public:
  CSheetPageDlg(QWidget* parent, SheetPageLogic& form, int enterKeyMode, MessageSink* sink = nullptr);

  // After OK: whether the record's fields changed.
  bool RecordChanged() const { return recordChanged_; }

  Ui::CSheetPageDlg ui;

 protected:
  bool CommitForm() override;
  // Something typed or chosen since the form opened: Cancel asks first.
  bool HasChanges() const override { return ShownValues() != opened_; }
  bool AfterClose(bool accepted) override { return accepted && recordChanged_; }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct RowWidgets {
    QComboBox* prefix;
    QLineEdit* page;
    QComboBox* suffix;
    QLineEdit* preview;
  };
  RowWidgets Row(FooterRow row) const;
  SheetPageValues ShownValues() const;
  void PullFromWidgets();
  void PushToWidgets();
  // Runs a rule of the form on the texts as they stand on the screen and shows the outcome.
  template <typename Rule>
  void Apply(Rule rule) {
    PullFromWidgets();
    rule();
    PushToWidgets();
  }

  SheetPageLogic& form_;
  SheetPageValues opened_;
  bool recordChanged_ = false;
};

}  // namespace vek
