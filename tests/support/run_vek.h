#pragma once
// Runs the built `vek` executable (in the build folder's app/, beside this test program's folder).
#include <filesystem>
#include <string>

namespace vek::testing {

// Path of the built executable ("" when it cannot be found).
std::filesystem::path VekExecutable();

// Runs `env vek args` through the shell: stdout is returned, stderr goes to `errFile`, and the
// exit status (the decoded code, or -1 when the program did not exit normally) to `status`.
// `env` is put before the command as it stands (e.g. "env -u DISPLAY"), "" for none.
std::string RunVek(const std::string& args, const std::filesystem::path& errFile, int& status,
                   const std::string& env = "");

}  // namespace vek::testing
