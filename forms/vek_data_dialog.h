#pragma once
// "ヴェクデータ": the measurement grid of the test record.
#include "forms/measurement_grid_dialog.h"
#include "ui_vek_data_dialog.h"

namespace vek {

class CTestDataDlg : public MeasurementGridDialog {
  Q_OBJECT
 public:
  CTestDataDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, AutoIncrementMemory& memory,
               MessageSink* sink = nullptr);

  Ui::CTestDataDlg ui;
};

}  // namespace vek
