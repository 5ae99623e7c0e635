#include "app/grid_data_commands.h"

#include "app/vek_doc.h"
#include "forms/cal_data_dialog.h"
#include "forms/test_data_dialog.h"

namespace vek {

namespace {

template <typename Dialog>
bool RunGridForm(CVekDoc& doc, QWidget* parent) {
  Dialog dialog(parent, doc.Store(), doc.Settings());
  dialog.exec();
  return dialog.Finish(doc.Sink());
}

}  // namespace

bool RunCalDataCommand(CVekDoc& doc, QWidget* parent) { return RunGridForm<CCalDataDlg>(doc, parent); }
bool RunTestDataCommand(CVekDoc& doc, QWidget* parent) { return RunGridForm<CTestDataDlg>(doc, parent); }

}  // namespace vek
