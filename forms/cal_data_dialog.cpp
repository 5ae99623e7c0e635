#include "forms/cal_data_dialog.h"

namespace vek {

CCalDataDlg::CCalDataDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink* sink)
    : MeasurementGridDialog(parent, store, settings, GridKind::Calibration, sink) {
  ui.setupUi(this);
  GridWidgets w = CommonGridWidgets(ui);
  w.entries = {ui.editP, ui.editReading, ui.editH};
  w.autoIncrement = {ui.checkAutoP};
  Bind(w, {76, 60, 60});
}

}  // namespace vek
