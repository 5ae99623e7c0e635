#pragma once
// The analysis form "解析・計算経過式・目盛り": binds the widgets of analysis_dialog.ui to AnalysisForm.
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "dialog/form_dialog.h"
#include "forms/logic/analysis_logic.h"
#include "ui_analysis_dialog.h"

namespace vek {

class CAnalysisDlg : public FormDialog {
  Q_OBJECT
 public:
  // Works on the test record of `store`; OK writes it (AnalysisForm::Commit).
  CAnalysisDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink* sink = nullptr);

  AnalysisForm& Logic() { return form_; }
  Ui::CAnalysisDlg& Widgets() { return ui; }

 protected:
  bool HasChanges() const override { return form_.Changed(); }
  bool CommitForm() override;
  bool AfterClose(bool accepted) override { return form_.Finish(accepted).changed; }
  void showEvent(QShowEvent* event) override;

 private:
  void Bind();
  // Puts the logic's state into the widgets and repaints the graph.
  void Refresh();
  void OnGraphKey(int key);

  Ui::CAnalysisDlg ui;
  AnalysisForm form_;
  bool firstShown_ = false;
};

}  // namespace vek
