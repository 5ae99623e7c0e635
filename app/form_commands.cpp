#include "app/form_commands.h"

#include "app/main_frame.h"

namespace vek {

void RegisterFormCommands(CMainFrame& frame) {
  (void)frame;
}

}  // namespace vek
