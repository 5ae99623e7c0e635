// File → "CSV読込(&I)...": a CSV file into the record of the current sheet, with the data form's
// after-step, the question before steps are replaced, and nothing changed on a refused cell.
#include <gtest/gtest.h>

#include <fstream>

#include "app/app_fixture.h"
#include "app/commands.h"
#include "app/vek_doc.h"
#include "core/header_fields.h"

namespace vek {
namespace {

namespace fs = std::filesystem;

const fs::path kSamples = VEK_SAMPLES_DIR;

class CsvImportWindowTest : public testing::FrameTest {
 protected:
  fs::path WriteCsv(const std::string& name, const std::string& text) {
    const fs::path path = home / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  void Import(const fs::path& csv) {
    chooser.openAnswers.push_back(csv);
    frame->RunCommand(kCmdFileImportCsv);
  }
};

TEST_F(CsvImportWindowTest, StepsReplaceTheTestsAfterTheQuestionAndAreReduced) {
  StartNew();
  ASSERT_TRUE(frame->OpenDocumentFile(kSamples / "test-sample.vdw"));
  const Record opened = store.test;
  const fs::path csv = WriteCsv("steps.csv", "P,gas,15,30,60,120\r\n25,0,1.5,1.6,1.7,1.8\r\n50,0,2.5,2.6,2.8,3\r\n");

  // No (the default) keeps the record.
  sink.answers = {false};
  Import(csv);
  ASSERT_EQ(sink.asked.size(), 1u);
  EXPECT_NE(sink.asked[0].find("CSVファイルの 2 行で置き換えますか"), std::string::npos) << sink.asked[0];
  EXPECT_EQ(store.test.TestRows, opened.TestRows);
  EXPECT_FALSE(frame->Document().IsModified());

  sink.answers = {true};
  Import(csv);
  EXPECT_EQ(store.test.Test(2, 1), "50");
  EXPECT_EQ(store.test.Test(3, 1), "");
  EXPECT_FALSE(store.test.Test(2, tf::Pe).empty());  // reduced with the file's calibration copy
  EXPECT_EQ(store.test.Header(hf::SurveyName), opened.Header(hf::SurveyName));  // the record is the template
  EXPECT_TRUE(frame->Document().IsModified());
}

TEST_F(CsvImportWindowTest, RefusedCellsAreListedInOneMessageAndNothingChanges) {
  StartNew();
  ASSERT_TRUE(frame->OpenDocumentFile(kSamples / "cal-sample.cdw"));
  const Record opened = store.calibration;
  sink.shown.clear();
  Import(WriteCsv("bad.csv", "10,abc\r\nx,2\r\n"));
  ASSERT_EQ(sink.shown.size(), 1u);
  const std::string& text = sink.shown[0];
  EXPECT_EQ(text.rfind("CSVファイルを読み込めません。記録は変更していません。", 0), 0u) << text;
  EXPECT_NE(text.find("行 1, 列 2"), std::string::npos) << text;
  EXPECT_NE(text.find("行 2, 列 1"), std::string::npos) << text;
  EXPECT_TRUE(sink.asked.empty());
  EXPECT_EQ(store.calibration.CalRows, opened.CalRows);
  EXPECT_FALSE(frame->Document().IsModified());
}

TEST_F(CsvImportWindowTest, ACalibrationGetsItsHAndCurveFromTheImportedSteps) {
  StartNew();
  ASSERT_TRUE(frame->OpenDocumentFile(kSamples / "cal-sample.cdw"));
  store.calibration.Header(hf::StandpipeInitialLevel) = "2";
  sink.answers = {true};
  Import(WriteCsv("cal.csv", "100,12\r\n200,22.5\r\n300,31\r\n"));
  EXPECT_EQ(store.calibration.Cal(2, 2), "22.5");
  EXPECT_EQ(store.calibration.Cal(2, 3), "20.5");  // H = H' - H0
  EXPECT_EQ(store.calibration.Cal(4, 1), "");
  EXPECT_TRUE(frame->Document().IsModified());
}

}  // namespace
}  // namespace vek
