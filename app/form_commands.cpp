#include "app/form_commands.h"

#include "app/commands.h"
#include "app/font_command.h"
#include "app/format_command.h"
#include "app/lines_command.h"
#include "app/main_frame.h"
#include "app/test_analysis_command.h"
#include "app/vek_doc.h"

namespace vek {

void RegisterFormCommands(CMainFrame& frame) {
  frame.RegisterFormCommand(kCmdSetFormat, [&frame](QWidget* parent) { return RunFormatCommand(frame, parent); });
  frame.RegisterFormCommand(kCmdSetLines, [&frame](QWidget* parent) { return RunLinesCommand(frame, parent); });
  frame.RegisterFormCommand(kCmdSetFont, [&frame](QWidget* parent) { return RunFontCommand(frame, parent); });
  frame.RegisterFormCommand(kCmdTestAnalysis, [&frame](QWidget* parent) {
    return RunTestAnalysisForm(parent, frame.Document().Store(), frame.Document().Settings());
  });
}

}  // namespace vek
