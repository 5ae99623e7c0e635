#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using M = CommandLineOptions::Mode;

TEST(CommandLine, ParsesConvertWithEveryOption) {
  auto r = ParseCommandLine({"--convert", "out.vdw", "in.ddf", "--attach-cal", "c.cdw", "--reduce",
                             "--analyse", "3,8,20,2"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.options.mode, M::Convert);
  EXPECT_EQ(r.options.output, "out.vdw");
  ASSERT_EQ(r.options.inputs.size(), 1u);
  EXPECT_EQ(*r.options.attachCal, "c.cdw");
  EXPECT_TRUE(r.options.reduce);
  EXPECT_EQ(r.options.analyse->po, 3);
  EXPECT_EQ(r.options.analyse->py, 8);
  EXPECT_EQ(r.options.analyse->pl, 20);
  EXPECT_EQ(r.options.analyse->sign, 2);
}

TEST(CommandLine, RejectsMalformedUsage) {
  EXPECT_FALSE(ParseCommandLine({"--convert", "out.vdw"}).ok);             // no input
  EXPECT_FALSE(ParseCommandLine({"--convert"}).ok);                        // no output
  EXPECT_FALSE(ParseCommandLine({"--analyse", "1,2", "--convert", "o", "i"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--convert", "o", "i", "--analyse", "1,2,3,4"}).ok);  // sign 1-3
  EXPECT_FALSE(ParseCommandLine({"--export-pdf", "o.pdf", "i", "--pages", "3-2"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--export-pdf", "o.pdf", "i", "--paper", "A5"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--reduce", "a.vdw"}).ok);               // batch option without a mode
  EXPECT_FALSE(ParseCommandLine({"--frobnicate"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--version", "--help"}).ok);
}

TEST(CommandLine, ReportTakesManyFilesPaperAndFitButNoRecordOptions) {
  auto r = ParseCommandLine({"--report", "site.pdf", "a.vdw", "b.vdw", "--paper", "A3", "--fit"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.options.mode, M::Report);
  EXPECT_EQ(r.options.inputs.size(), 2u);
  EXPECT_TRUE(r.options.fit);
  EXPECT_FALSE(ParseCommandLine({"--report", "site.pdf"}).ok);  // no input
  EXPECT_FALSE(ParseCommandLine({"--report", "site.pdf", "a.vdw", "--reduce"}).ok);
  EXPECT_FALSE(ParseCommandLine({"--summary-pdf", "s.pdf", "a.vdw", "--fit"}).ok);
}

TEST(CommandLine, ExportDefaultsAndWindowFile) {
  auto r = ParseCommandLine({"--export-png", "dir", "t.vdw", "--pages", "2-4"});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.options.dpi, 150);
  EXPECT_EQ(r.options.pages->first, 2);
  EXPECT_EQ(r.options.pages->second, 4);
  auto w = ParseCommandLine({"t.vdw"});
  ASSERT_TRUE(w.ok);
  EXPECT_EQ(w.options.mode, M::Window);
  EXPECT_EQ(w.options.inputs[0], "t.vdw");
  EXPECT_EQ(ParseCommandLine({"--export-pdf", "o.pdf", "i"}).options.paper, "A4");
}

}  // namespace
}  // namespace vek
