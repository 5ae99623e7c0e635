#include "app/terminal_check.h"

#include <cstdio>

#include "io/platform/platform.h"

namespace vek {

bool StderrIsTerminal() { return platform::IsTerminal(stderr); }

}  // namespace vek
