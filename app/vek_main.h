#pragma once

namespace vek {

// Entry point of the vek executable: the window, or one of the batch modes of the command line.
int RunVek(int argc, char** argv);

}  // namespace vek
