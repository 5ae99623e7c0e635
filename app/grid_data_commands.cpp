#include "app/grid_data_commands.h"

#include "app/vek_doc.h"
#include "forms/cal_data_dialog.h"
#include "forms/vek_data_dialog.h"

namespace vek {

namespace {

template <typename Dialog>
bool RunGridForm(CVekDoc& doc, QWidget* parent) {
  Dialog dialog(parent, doc.Store(), doc.Settings(), doc.AutoIncrements());
  dialog.exec();
  return dialog.Finish(doc.Store(), doc.Sink()).changed;
}

}  // namespace

bool RunCalDataCommand(CVekDoc& doc, QWidget* parent) { return RunGridForm<CCalDataDlg>(doc, parent); }
bool RunTestDataCommand(CVekDoc& doc, QWidget* parent) { return RunGridForm<CTestDataDlg>(doc, parent); }

}  // namespace vek
