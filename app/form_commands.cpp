#include "app/form_commands.h"

#include "app/commands.h"
#include "app/font_command.h"
#include "app/format_command.h"
#include "app/lines_command.h"
#include "app/main_frame.h"

namespace vek {

void RegisterFormCommands(CMainFrame& frame) {
  frame.RegisterFormCommand(kCmdSetFormat, [&frame](QWidget* parent) { return RunFormatCommand(frame, parent); });
  frame.RegisterFormCommand(kCmdSetLines, [&frame](QWidget* parent) { return RunLinesCommand(frame, parent); });
  frame.RegisterFormCommand(kCmdSetFont, [&frame](QWidget* parent) { return RunFontCommand(frame, parent); });
}

}  // namespace vek
