#include "app/lines_command.h"

#include "app/main_frame.h"
#include "app/vek_doc.h"
#include "settings/lines_dlg.h"

namespace vek {

bool RunLinesCommand(CMainFrame& frame, QWidget* parent) {
  CLinesDlg form(parent, frame.Document().Settings());
  form.exec();
  return false;
}

}  // namespace vek
