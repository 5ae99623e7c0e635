#include "forms/vek_data_dialog.h"

namespace vek {

CTestDataDlg::CTestDataDlg(QWidget* parent, RecordStore& store, const SheetSettings& settings,
                           AutoIncrementMemory& memory, MessageSink* sink)
    : MeasurementGridDialog(parent, store, settings, VekGridKind(), memory, sink) {
  ui.setupUi(this);
  GridWidgets w = CommonGridWidgets(ui);
  w.entries = {ui.editP, ui.editGas, ui.edit15, ui.edit30, ui.edit60, ui.edit120};
  w.autoIncrement = {ui.checkAutoP, ui.checkAutoGas};
  w.show120 = ui.checkShow120;
  Bind(w,
       {QStringLiteral("セル圧"), QStringLiteral("ガス圧"), QStringLiteral("15”"), QStringLiteral("30”"),
        QStringLiteral("60”"), QStringLiteral("120”")},
       {60, 60, 58, 58, 58, 56});
}

}  // namespace vek
