// vek --convert: the batch load, processing and writing of data files.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

#include "app/parsed_options.h"
#include "app/batch_pipeline.h"
#include "app/file_naming_sink.h"
#include "app/command_line.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "io/data_file_reader.h"
#include "io/document_commands.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;

const fs::path kSamples = VEK_SAMPLES_DIR;

RecordStore Load(const fs::path& p) {
  RecordStore s;
  DataParserState state;
  RecordingMessageSink sink;
  EXPECT_TRUE(LoadDataFile(p, s, SheetSettings{}, state, sink).ok());
  return s;
}

class ConvertTest : public ::testing::Test {
 protected:
  testing::TempHome home;
  RecordingMessageSink sink;
};

TEST_F(ConvertTest, SamplesConvertByteForByte) {
  for (const char* name : {"test-sample.vdw", "cal-sample.cdw"}) {
    SCOPED_TRACE(name);
    const fs::path out = home / (std::string("out-") + name);
    EXPECT_EQ(RunConvert(Parse({"--convert", out.string(), (kSamples / name).string()}), sink), 0);
    EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(kSamples / name));
  }
}

TEST_F(ConvertTest, SampleResultsAreWhatTheProgramComputes) {
  // The raw measurements of the sample, reduced and analysed again, give the stored results.
  const fs::path out = home / "again.vdw";
  ASSERT_EQ(RunConvert(Parse({"--convert", out.string(), (kSamples / "test-sample.vdw").string(), "--attach-cal",
                              (kSamples / "cal-sample.cdw").string(), "--reduce", "--analyse", "5,13,24,1"}),
                       sink),
            0);
  RecordStore again = Load(out);
  RecordStore stored = Load(kSamples / "test-sample.vdw");
  EXPECT_EQ(again.test.Header(hf::CalFileName), PathToField(fs::absolute(kSamples / "cal-sample.cdw")));
  again.test.Header(hf::CalFileName) = stored.test.Header(hf::CalFileName);
  EXPECT_EQ(again.test.HeaderFields, stored.test.HeaderFields);
  EXPECT_EQ(again.test.TestRows, stored.test.TestRows);
  EXPECT_EQ(again.test.CalRows, stored.test.CalRows);

  const fs::path cal = home / "cal.cdw";
  ASSERT_EQ(RunConvert(Parse({"--convert", cal.string(), (kSamples / "cal-sample.cdw").string(), "--reduce"}), sink), 0);
  EXPECT_EQ(ReadFileBytes(cal), ReadFileBytes(kSamples / "cal-sample.cdw"));
}

TEST_F(ConvertTest, OldTestFileIsImported) {
  const fs::path out = home / "old.vdw";
  ASSERT_EQ(RunConvert(Parse({"--convert", out.string(), (kSamples / "old-test.ddf").string()}), sink), 0);
  RecordStore s = Load(out);
  // Factory conversion factor 100: 0.25 kgf/cm2 -> 25 kN/m2; Pe scale 24 -> 2400.
  EXPECT_EQ(s.test.Test(2, tf::Pressure), "25");
  EXPECT_EQ(s.test.Test(2, tf::Reading60), "7.6");
  EXPECT_EQ(s.test.Header(hf::Po), "77.67");
  EXPECT_EQ(s.test.Header(hf::CalCoefficient2), "5.08393");  // 0.0508393 (kgf/cm2 per cm) x 100
  EXPECT_EQ(s.test.Header(hf::PeScaleMax), "2400");
  EXPECT_EQ(s.test.Header(hf::DateYear), "1998");
  EXPECT_EQ(s.test.Header(hf::DateMonth), "05");
  EXPECT_EQ(s.test.Header(hf::DateDay), "14");
  EXPECT_EQ(s.test.Header(hf::LegacyOrigin), "300 KARUM");
  EXPECT_EQ(s.TestCalRows()[2][1], "10");

  const fs::path cal = home / "old.cdw";
  ASSERT_EQ(RunConvert(Parse({"--convert", cal.string(), (kSamples / "old-cal.cdf").string()}), sink), 0);
  RecordStore c = Load(cal);
  EXPECT_EQ(c.calibration.Header(hf::LegacyOrigin), "300 KARUM");
  EXPECT_NE(c.calibration.Header(hf::CalCoefficient2), "_");  // refitted on reading
}

// The old sample holds the results its own readings, calibration coefficients and probe give: what
// vek computes from the imported file, whose coefficients are converted with its pressures.
TEST_F(ConvertTest, OldTestSampleHoldsResultsOfItsOwnData) {
  const fs::path imported = home / "imported.vdw";
  ASSERT_EQ(RunConvert(Parse({"--convert", imported.string(), (kSamples / "old-test.ddf").string()}), sink), 0);
  RecordStore stored = Load(imported);
  const fs::path redone = home / "redone.vdw";
  ASSERT_EQ(RunConvert(Parse({"--convert", redone.string(), imported.string(), "--reduce", "--analyse", "4,12,19"}),
                       sink),
            0);
  const RecordStore computed = Load(redone);
  // The old file holds its pressures with four decimals in kgf/cm2: 0.005 kN/m2 at the factor 100.
  auto near = [](const TextField& a, const TextField& b) {
    return std::abs(std::atof(a.c_str()) - std::atof(b.c_str())) <= 5e-3 + 1e-3 * std::abs(std::atof(b.c_str()));
  };
  for (int f : {hf::Po, hf::PyNet, hf::PlNet, hf::MeanRadius, hf::KValue, hf::EModulus})
    EXPECT_TRUE(near(stored.test.Header(f), computed.test.Header(f)))
        << f << ": " << stored.test.Header(f) << " vs " << computed.test.Header(f);
  const int rows = stored.CountDataRows(tf::Pressure);
  ASSERT_EQ(rows, 20);
  for (int r = 1; r <= rows; ++r)
    for (int f : {tf::DH, tf::H, tf::PG, tf::PGMinusP, tf::Pe, tf::R})
      EXPECT_TRUE(near(stored.test.Test(r, f), computed.test.Test(r, f)))
          << "row " << r << " field " << f << ": " << stored.test.Test(r, f) << " vs " << computed.test.Test(r, f);
}

TEST_F(ConvertTest, SeveralFilesIntoAFolder) {
  fs::create_directories(home / "outdir");
  EXPECT_EQ(RunConvert(Parse({"--convert", (home / "outdir").string(), (kSamples / "cal-sample.cdw").string(),
                              (kSamples / "old-test.ddf").string()}),
                       sink),
            0);
  EXPECT_EQ(ReadFileBytes(home / "outdir/cal-sample.cdw"), ReadFileBytes(kSamples / "cal-sample.cdw"));
  EXPECT_TRUE(fs::exists(home / "outdir/old-test.vdw"));
}

TEST_F(ConvertTest, UsageErrorsWriteNothing) {
  const std::string test = (kSamples / "test-sample.vdw").string();
  const std::string cal = (kSamples / "cal-sample.cdw").string();
  EXPECT_EQ(RunConvert(Parse({"--convert", (home / "x.txt").string(), test}), sink), 2);
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::BadExtension));
  EXPECT_EQ(RunConvert(Parse({"--convert", (home / "two.vdw").string(), test, cal}), sink), 2);
  EXPECT_EQ(RunConvert(Parse({"--convert", (home / "c.cdw").string(), cal, "--attach-cal", cal}), sink), 2);
  EXPECT_EQ(RunConvert(Parse({"--convert", (home / "t.vdw").string(), test, "--analyse", "1,2,99"}), sink), 2);
  EXPECT_FALSE(fs::exists(home / "x.txt"));
  EXPECT_FALSE(fs::exists(home / "two.vdw"));
  EXPECT_FALSE(fs::exists(home / "c.cdw"));
  EXPECT_FALSE(fs::exists(home / "t.vdw"));
}

TEST_F(ConvertTest, ReadAndWriteFailuresExitOne) {
  fs::create_directories(home / "outdir");
  const std::string missing = (home / "missing.vdw").string();
  EXPECT_EQ(RunConvert(Parse({"--convert", (home / "outdir").string(), missing,
                              (kSamples / "test-sample.vdw").string()}),
                       sink),
            1);
  // Every message of a batch names its file.
  EXPECT_NE(std::find(sink.shown.begin(), sink.shown.end(),
                      missing + ": " + NumberedMessage(msg::FileNotFound, missing)),
            sink.shown.end());
  EXPECT_TRUE(fs::exists(home / "outdir/test-sample.vdw"));  // the other input is still converted

  testing::WriteFileBytes(home / "file", "x");
  EXPECT_EQ(RunConvert(Parse({"--convert", (home / "file/out.vdw").string(), (kSamples / "test-sample.vdw").string()}),
                       sink),
            1);
  // ... and a write failure gives the system's reason.
  EXPECT_EQ(sink.shown.back(), (home / "file/out.vdw").string() + ": " + NumberedMessage(msg::CannotSave) + " (" +
                                   std::strerror(ENOTDIR) + ")");

  // A calibration file is not a test to attach.
  EXPECT_EQ(RunConvert(Parse({"--convert", (home / "t.vdw").string(), (kSamples / "test-sample.vdw").string(),
                              "--attach-cal", (kSamples / "test-sample.vdw").string()}),
                       sink),
            1);
  EXPECT_FALSE(fs::exists(home / "t.vdw"));
}

TEST_F(ConvertTest, AWriteProtectedTargetIsNotReplaced) {
  const fs::path out = home / "locked.vdw";
  testing::WriteFileBytes(out, "old");
  fs::permissions(out, fs::perms::owner_read);
  EXPECT_EQ(RunConvert(Parse({"--convert", out.string(), (kSamples / "test-sample.vdw").string()}), sink), 1);
  EXPECT_EQ(sink.shown.back(), out.string() + ": " + WriteFailureText(EACCES));
  EXPECT_EQ(ReadFileBytes(out), "old");
}

TEST_F(ConvertTest, ValuesTheFileCannotHoldAreReportedAndNothingIsWritten) {
  // A quoted cell holding a comma reads into one field, but written back it would become two.
  std::string quoted = ReadFileBytes(kSamples / "test-sample.vdw");
  const size_t rows = quoted.find("$$A\r\n") + 5;
  quoted.replace(rows, 2, "\"1,5\",");
  testing::WriteFileBytes(home / "quoted.vdw", quoted);
  // A calibration file in a folder named with "$$": its path would go into a header field and
  // read back as a section line, so the attachment is refused.
  testing::WriteFileBytes(home / "a$$b/cal.cdw", ReadFileBytes(kSamples / "cal-sample.cdw"));
  const struct {
    std::vector<std::string> args;
    std::string where;
    bool byWriter;
  } cases[] = {
      {{(home / "quoted.vdw").string()}, "test row 1 field 1 holds", true},
      {{(kSamples / "test-sample.vdw").string(), "--attach-cal", (home / "a$$b/cal.cdw").string()},
       "このファイル名はデータファイルに保存できません", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    const fs::path out = home / "out.vdw";
    std::vector<std::string> args = {"--convert", out.string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(RunConvert(Parse(args), sink), 1);
    EXPECT_NE(sink.shown.back().find(c.where), std::string::npos) << sink.shown.back();
    if (c.byWriter) {
      EXPECT_NE(sink.shown.back().find(out.string() + " not written"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(out));
  }
}

}  // namespace
}  // namespace vek
