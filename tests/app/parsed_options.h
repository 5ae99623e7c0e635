#pragma once
// Command-line options of a test's argument list; a list the parser refuses fails the test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace vek {

inline CommandLineOptions Parse(const std::vector<std::string>& args) {
  ParseResult r = ParseCommandLine(args);
  EXPECT_TRUE(r.ok) << r.error;
  return r.options;
}

}  // namespace vek
