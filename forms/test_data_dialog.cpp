#include "forms/test_data_dialog.h"

namespace vek {

CTestDataDlg::CTestDataDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings, MessageSink* sink)
    : MeasurementGridDialog(parent, store, settings, GridKind::Test, sink) {
  ui.setupUi(this);
  GridWidgets w;
  w.grid = ui.grid;
  w.entries = {ui.editP, ui.editGas, ui.edit15, ui.edit30, ui.edit60, ui.edit120};
  w.autoIncrement = {ui.checkAutoP, ui.checkAutoGas};
  w.add = ui.buttonAdd;
  w.overwrite = ui.buttonOverwrite;
  w.remove = ui.buttonDelete;
  w.ok = ui.buttonOk;
  w.cancel = ui.buttonCancel;
  w.use60 = ui.radio60;
  w.use120 = ui.radio120;
  w.showDataNo = ui.checkDataNo;
  w.show120 = ui.checkShow120;
  w.graph = ui.graph;
  w.axisLabels = {ui.axisXFrom, ui.axisXTo, ui.axisYFrom, ui.axisYTo};
  w.initialLevel = ui.initialLevel;
  Bind(w, {60, 60, 58, 58, 58, 56});
}

}  // namespace vek
