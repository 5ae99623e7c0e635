#include "app/test_analysis_command.h"

#include "core/record_store.h"
#include "forms/analysis_dlg.h"

namespace vek {

bool RunTestAnalysisForm(QWidget* parent, RecordStore& store, const SheetSettings& settings) {
  const auto before = store.test.HeaderFields;
  CAnalysisDlg form(parent, store, settings);
  if (form.exec() != QDialog::Accepted) return false;
  return store.test.HeaderFields != before;
}

}  // namespace vek
