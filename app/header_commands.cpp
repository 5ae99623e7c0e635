#include "app/header_commands.h"

#include "app/main_frame.h"
#include "app/vek_doc.h"
#include "forms/cal_header_dlg.h"
#include "forms/master_list_dialog.h"
#include "forms/test_header_dlg.h"

namespace vek {

bool CalHeaderCommand(CMainFrame& frame, QWidget* parent) {
  CVekDoc& doc = frame.Document();
  return RunCalHeaderForm(parent, doc.Store(), doc.Settings(), doc.Sink());
}

bool TestHeaderCommand(CMainFrame& frame, QWidget* parent) {
  CVekDoc& doc = frame.Document();
  return RunTestHeaderForm(parent, doc.Store(), doc.Settings(), frame.Chooser(), doc.Sink());
}

bool MasterListCommand(CMainFrame& frame, QWidget* parent, MasterListKind kind) {
  RunMasterFileForm(parent, frame.Document().Settings(), kind, frame.Document().Sink());
  return false;
}

}  // namespace vek
