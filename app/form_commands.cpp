#include "app/form_commands.h"

#include "app/commands.h"
#include "app/main_frame.h"
#include "app/test_analysis_command.h"
#include "app/vek_doc.h"

namespace vek {

void RegisterFormCommands(CMainFrame& frame) {
  frame.RegisterFormCommand(kCmdTestAnalysis, [&frame](QWidget* parent) {
    return RunTestAnalysisForm(parent, frame.Document().Store(), frame.Document().Settings());
  });
}

}  // namespace vek
