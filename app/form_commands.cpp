#include "app/form_commands.h"

#include "app/commands.h"
#include "app/grid_data_commands.h"
#include "app/main_frame.h"
#include "app/vek_doc.h"

namespace vek {

void RegisterFormCommands(CMainFrame& frame) {
  frame.RegisterFormCommand(kCmdCalData, [&frame](QWidget* parent) { return RunCalDataCommand(frame.Document(), parent); });
  frame.RegisterFormCommand(kCmdTestData, [&frame](QWidget* parent) { return RunTestDataCommand(frame.Document(), parent); });
}

}  // namespace vek
