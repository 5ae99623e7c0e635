#include "app/terminal_check.h"

#include <unistd.h>

namespace vek {

bool StderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace vek
