// vek --suggest and --analyse auto: the suggested steps on the command line.
#include <gtest/gtest.h>

#include "app/parsed_options.h"
#include "app/batch_pipeline.h"
#include "app/command_line.h"
#include "app/suggest_command.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
const fs::path kSamples = VEK_SAMPLES_DIR;

TEST(SuggestCommandLine, ParsesAutoAndSuggest) {
  auto r = ParseCommandLine({"--export-pdf", "o.pdf", "t.vdw", "--analyse", "auto,3"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.options.analyse->automatic);
  EXPECT_EQ(r.options.analyse->sign, 3);
  r = ParseCommandLine({"--suggest", "a.vdw", "b.vdw", "--reduce"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.options.mode, CommandLineOptions::Mode::Suggest);
  EXPECT_EQ(r.options.inputs.size(), 2u);
  for (std::vector<std::string> bad : {std::vector<std::string>{"--convert", "o.vdw", "t.vdw", "--analyse", "auto,4"},
                                       {"--convert", "o.vdw", "t.vdw", "--analyse", "auto,1,2"},
                                       {"--convert", "o.vdw", "t.vdw", "--analyse", "automatic"},
                                       {"--suggest"},
                                       {"--suggest", "t.vdw", "--analyse", "auto"},
                                       {"--suggest", "t.vdw", "--convert", "o.vdw"}}) {
    EXPECT_FALSE(ParseCommandLine(bad).ok) << bad.back();
  }
}

TEST(SuggestCommandLine, OneLinePerFileAndStatusByTheWorstFile) {
  testing::TempHome home;
  RecordingMessageSink sink;
  // A copy of the sample cut to four analysable steps.
  RecordStore shortTest;
  DataParserState parser;
  ASSERT_TRUE(LoadDataFile(kSamples / "test-sample.vdw", shortTest, SheetSettings{}, parser, sink).ok());
  shortTest.test.Test(5, tf::R) = "";
  const fs::path shortFile = home / "short.vdw";
  ASSERT_TRUE(SaveRecordFile(shortFile, DataKind::Test, shortTest));

  const std::string sample = (kSamples / "test-sample.vdw").string();
  std::string out;
  EXPECT_EQ(RunSuggest(Parse({"--suggest", sample}), sink, out), 0);
  EXPECT_EQ(out, sample + "\t3\t18\t24\n");

  out.clear();
  const std::string cal = (kSamples / "cal-sample.cdw").string();
  const std::string missing = (home / "missing.vdw").string();
  EXPECT_EQ(RunSuggest(Parse({"--suggest", shortFile.string(), sample, cal, missing}), sink, out), 1);
  EXPECT_EQ(out, shortFile.string() + "\t-\tfewer than 5 analysable steps (4)\n" + sample + "\t3\t18\t24\n" + cal +
                     "\t-\tnot a test file\n" + missing + "\t-\tnot read\n");

  // --attach-cal goes to the tests; a calibration among the files is listed, not a usage error.
  out.clear();
  EXPECT_EQ(RunSuggest(Parse({"--suggest", cal, sample, "--attach-cal", cal}), sink, out), 1);
  EXPECT_EQ(out, cal + "\t-\tnot a test file\n" + sample + "\t3\t18\t24\n");
}

TEST(SuggestCommandLine, AnalyseAutoAnalysesTheSuggestedSteps) {
  testing::TempHome home;
  RecordingMessageSink sink;
  const std::string sample = (kSamples / "test-sample.vdw").string();
  const fs::path automatic = home / "auto.vdw", explicitSteps = home / "explicit.vdw";
  ASSERT_EQ(RunConvert(Parse({"--convert", automatic.string(), sample, "--analyse", "auto,2"}), sink), 0);
  ASSERT_EQ(RunConvert(Parse({"--convert", explicitSteps.string(), sample, "--analyse", "3,18,24,2"}), sink), 0);
  EXPECT_EQ(testing::ReadFileBytes(automatic), testing::ReadFileBytes(explicitSteps));

  // Without reduced steps there is nothing to suggest: the file is not written, status 1.
  RecordStore unreduced;
  DataParserState parser;
  ASSERT_TRUE(LoadDataFile(sample, unreduced, SheetSettings{}, parser, sink).ok());
  unreduced.test.Test(1, tf::Pe) = "";
  const fs::path input = home / "unreduced.vdw", none = home / "none.vdw";
  ASSERT_TRUE(SaveRecordFile(input, DataKind::Test, unreduced));
  sink.shown.clear();
  EXPECT_EQ(RunConvert(Parse({"--convert", none.string(), input.string(), "--analyse", "auto"}), sink), 1);
  EXPECT_FALSE(fs::exists(none));
  ASSERT_FALSE(sink.shown.empty());  // after the missing-settings messages
  EXPECT_EQ(sink.shown.back(), input.string() + ": --analyse auto: no analysable steps (Pe and r); use --reduce");
}

}  // namespace
}  // namespace vek
