#include "forms/cal_data_dialog.h"

namespace vek {

CCalDataDlg::CCalDataDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink* sink)
    : MeasurementGridDialog(parent, store, settings, GridKind::Calibration, sink) {
  ui.setupUi(this);
  GridWidgets w;
  w.grid = ui.grid;
  w.entries = {ui.editP, ui.editReading, ui.editH};
  w.autoIncrement = {ui.checkAutoP};
  w.add = ui.buttonAdd;
  w.overwrite = ui.buttonOverwrite;
  w.remove = ui.buttonDelete;
  w.ok = ui.buttonOk;
  w.cancel = ui.buttonCancel;
  w.use60 = ui.radio60;
  w.use120 = ui.radio120;
  w.showDataNo = ui.checkDataNo;
  w.graph = ui.graph;
  w.axisLabels = {ui.axisXFrom, ui.axisXTo, ui.axisYFrom, ui.axisYTo};
  w.initialLevel = ui.initialLevel;
  Bind(w, {76, 60, 60});
}

}  // namespace vek
