#pragma once
// A test that runs the built `vek` in a fresh home; skipped when the executable is not built.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_vek.h"
#include "support/temp_dir.h"

namespace vek::testing {

class VekCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(VekExecutable())) GTEST_SKIP() << "vek executable not built";
  }
  // Runs `env vek args`; returns stderr, with stdout in `out` and the exit status in `status`.
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
