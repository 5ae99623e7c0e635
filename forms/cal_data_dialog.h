#pragma once
// "キャリブレーションデータ": the measurement grid of the calibration record.
#include "forms/measurement_grid_dialog.h"
#include "ui_cal_data_dialog.h"

namespace vek {

class CCalDataDlg : public MeasurementGridDialog {
  Q_OBJECT
 public:
  CCalDataDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, AutoIncrementMemory& memory,
              MessageSink* sink = nullptr);

  Ui::CCalDataDlg ui;
};

}  // namespace vek
