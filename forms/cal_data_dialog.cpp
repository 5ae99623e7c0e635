#include "forms/cal_data_dialog.h"

namespace vek {

CCalDataDlg::CCalDataDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings,
                         AutoIncrementMemory& memory, MessageSink* sink)
    : MeasurementGridDialog(parent, store, settings, CalibrationGridKind(), memory, sink) {
  ui.setupUi(this);
  GridWidgets w = CommonGridWidgets(ui);
  w.entries = {ui.editP, ui.editReading, ui.editH};
  w.autoIncrement = {ui.checkAutoP};
  Bind(w, {QStringLiteral("セル圧"), QStringLiteral("H’"), QStringLiteral("H")}, {76, 60, 60});
}

}  // namespace vek
