#pragma once
// A test that runs the built `vek` as a process in a fresh home: stderr returned, stdout and the
// exit status kept. Skipped when the executable has not been built.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_vek.h"
#include "support/temp_dir.h"

namespace vek::testing {

class VekProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(VekExecutable())) GTEST_SKIP() << "vek executable not built";
  }
  // Runs vek (after `env`, e.g. "env -u DISPLAY" or "timeout 60"); returns stderr.
  std::string Run(const std::string& args, const std::string& env = "") {
    out = RunVek(args, home.path() / "err.txt", status, env);
    return ReadFileBytes(home.path() / "err.txt");
  }
  // A path quoted for the shell.
  static std::string Q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

  TempHome home;
  std::string out;
  int status = -1;
};

}  // namespace vek::testing
