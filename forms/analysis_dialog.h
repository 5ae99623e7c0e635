#pragma once
// The analysis form "解析・計算経過式・目盛り": binds the widgets of analysis_dialog.ui to AnalysisLogic.
#include <QStringList>

#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "dialog/form_dialog.h"
#include "forms/logic/analysis_logic.h"
#include "ui_analysis_dialog.h"

namespace vek {

class CAnalysisDlg : public FormDialog {
  Q_OBJECT
 public:
  // Works on the test record of `store`; OK writes it (AnalysisLogic::Commit).
  CAnalysisDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink* sink = nullptr);
  ~CAnalysisDlg() override;

  AnalysisLogic& Logic() { return form_; }
  Ui::CAnalysisDlg& Widgets() { return ui; }

 protected:
  // After "経過式更新", or when a step, a line, the scale or "表示しない" differs from the opening.
  bool HasChanges() const override { return form_.Changed() || Shown() != opened_; }
  bool CommitForm() override;
  bool AfterClose(bool accepted) override { return form_.Finish(accepted).changed; }
  void showEvent(QShowEvent* event) override;

 private:
  void Bind();
  // Puts the logic's state into the widgets and repaints the graph.
  void Refresh();
  void OnGraphKey(int key);
  // What OK would store, as the form shows it: the chosen steps, the six lines, the scale and the box.
  QStringList Shown() const;

  Ui::CAnalysisDlg ui;
  AnalysisLogic form_;
  QStringList opened_;
  bool firstShown_ = false;
};

}  // namespace vek
