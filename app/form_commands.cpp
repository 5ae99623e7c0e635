#include "app/form_commands.h"

#include <QStatusBar>

#include "app/commands.h"
#include "app/font_command.h"
#include "app/format_command.h"
#include "app/grid_data_commands.h"
#include "app/header_commands.h"
#include "app/lines_command.h"
#include "app/main_frame.h"
#include "app/settings_form_commands.h"
#include "app/test_analysis_command.h"
#include "app/vek_doc.h"
#include "core/record_store.h"
#include "io/record_commands.h"

namespace vek {

namespace {

// The test header and data forms reduce the test on an OK that changed it; the stored analysis
// then follows the new reduction, and the status bar says what became of it.
bool RefreshAnalysisAfter(CMainFrame& frame, bool changed) {
  if (!changed) return false;
  CVekDoc& doc = frame.Document();
  const std::string note = AnalysisRefreshNote(RefreshTestAnalysis(doc.Store(), doc.Settings()));
  if (!note.empty()) frame.statusBar()->showMessage(QString::fromStdString(note));
  return true;
}

}  // namespace

void RegisterFormCommands(CMainFrame& frame) {
  frame.RegisterFormCommand(kCmdSetFormat, [&frame](QWidget* parent) { return RunFormatCommand(frame, parent); });
  frame.RegisterFormCommand(kCmdSetLines, [&frame](QWidget* parent) { return RunLinesCommand(frame, parent); });
  frame.RegisterFormCommand(kCmdSetFont, [&frame](QWidget* parent) { return RunFontCommand(frame, parent); });
  frame.RegisterFormCommand(kCmdTestAnalysis, [&frame](QWidget* parent) {
    return RunTestAnalysisForm(parent, frame.Document().Store(), frame.Document().Settings());
  });
  frame.RegisterFormCommand(kCmdCalHeader, [&frame](QWidget* p) { return CalHeaderCommand(frame, p); });
  frame.RegisterFormCommand(kCmdTestHeader,
                            [&frame](QWidget* p) { return RefreshAnalysisAfter(frame, TestHeaderCommand(frame, p)); });
  frame.RegisterFormCommand(kCmdSetEngineers,
                            [&frame](QWidget* p) { return MasterListCommand(frame, p, MasterListKind::Engineers); });
  frame.RegisterFormCommand(kCmdSetSoils,
                            [&frame](QWidget* p) { return MasterListCommand(frame, p, MasterListKind::SoilNames); });
  frame.RegisterFormCommand(kCmdCalData, [&frame](QWidget* parent) { return RunCalDataCommand(frame.Document(), parent); });
  frame.RegisterFormCommand(kCmdTestData, [&frame](QWidget* parent) {
    return RefreshAnalysisAfter(frame, RunTestDataCommand(frame.Document(), parent));
  });
  frame.RegisterFormCommand(kCmdCalPage, [&frame](QWidget* p) { return RunSheetPageCommand(frame, p, kCalibrationSheet); });
  frame.RegisterFormCommand(kCmdTestPage, [&frame](QWidget* p) { return RunSheetPageCommand(frame, p, kTestSheet); });
  frame.RegisterFormCommand(kCmdSetKey, [&frame](QWidget* p) { return RunKeyOptionCommand(frame, p); });
  frame.RegisterFormCommand(kCmdSetSetup, [&frame](QWidget* p) { return RunSetupCommand(frame, p); });
  frame.RegisterFormCommand(kCmdHelpForm, [&frame](QWidget* p) { return RunHelpCommand(frame, p); });
}

}  // namespace vek
