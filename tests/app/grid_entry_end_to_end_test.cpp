// A calibration and a test typed through the measurement grid forms and saved give the same files
// as the command line's conversion with --reduce of the same measurements.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/batch_pipeline.h"
#include "app/command_line.h"
#include "app_fixture.h"
#include "core/header_fields.h"
#include "core/number_format.h"
#include "forms/cal_data_dialog.h"
#include "forms/vek_data_dialog.h"
#include "io/record_commands.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

struct Step {
  std::vector<std::string> typed;  // as typed into the entry edits
  std::vector<std::string> stored; // as the file holds them
};

// Ten calibration steps (P, H') and fifteen test steps (P, gas, 15", 30", 60", 120").
std::vector<Step> CalibrationSteps() {
  std::vector<Step> steps;
  for (double p : {0, 20, 40, 60, 80, 100, 150, 200, 250, 300}) {
    const std::string h = FormatDouble("%.1f", 3.0 + 0.2 * p + 0.0002 * p * p);
    steps.push_back({{FormatDouble("%g", p), h}, {FormatDouble("%.2f", p), h}});
  }
  return steps;
}

std::vector<Step> TestSteps() {
  std::vector<Step> steps;
  for (double p : {0, 25, 50, 100, 150, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100}) {
    const double r60 = 5.0 + 0.012 * p + 0.000004 * p * p;
    std::vector<std::string> v{FormatDouble("%g", p), FormatDouble("%g", p ? p + 8 : 0), FormatDouble("%.1f", r60 - 0.3),
                               FormatDouble("%.1f", r60 - 0.15), FormatDouble("%.1f", r60), FormatDouble("%.1f", r60 + 0.1)};
    std::vector<std::string> stored = v;
    stored[0] = FormatDouble("%.2f", p);
    steps.push_back({v, stored});
  }
  return steps;
}

void FillHeader(Record& r, bool test) {
  r.Header(hf::SurveyName) = Sjis("北浦地区地質調査業務");
  r.Header(hf::StandpipeInitialLevel) = test ? "5.0" : "3.0";
  r.Header(hf::CalCurveType) = "1";
  r.Header(hf::ReadingTimeBasis) = "0";
  r.Header(hf::ShowDataNo) = test ? "1" : "0";
  // Titles and captions filled, so that no system title is put in at start-up.
  for (int f : {22, 23, 24, 45, 46, 47, 48}) r.Header(f) = Sjis("題");
  if (!test) return;
  r.Header(hf::SondeRadius) = "4.0000";
  r.Header(hf::SondeLength) = "60.0000";
  r.Header(hf::StandpipeArea) = "108.5000";
  r.Header(hf::PeScaleMin) = "0";
  r.Header(hf::PeScaleMax) = "2400";
  r.Header(hf::PeScaleStep) = "400";
  r.Header(hf::Show120Reading) = "1";
}

void TypeSteps(MeasurementGridDialog& d, const std::vector<QLineEdit*>& entries, const std::vector<Step>& steps) {
  auto* add = d.findChild<QPushButton*>(QStringLiteral("buttonAdd"));
  for (const Step& s : steps) {
    for (size_t i = 0; i < entries.size(); ++i) {
      entries[i]->clear();
      QTest::keyClicks(entries[i], QString::fromStdString(s.typed[i]));
    }
    add->click();
  }
}

void PressOk(MeasurementGridDialog& d) {
  d.findChild<QPushButton*>(QStringLiteral("buttonOk"))->click();
  ASSERT_EQ(d.result(), QDialog::Accepted);
}

class GridEntryEndToEnd : public testing::FrameTest {
 protected:
  int Convert(std::vector<std::string> args) {
    ParseResult r = ParseCommandLine(args);
    EXPECT_TRUE(r.ok) << r.error;
    return RunConvert(r.options, sink);
  }
  void SaveAs(const fs::path& out) {
    chooser.saveAnswers.push_back(out);
    ASSERT_TRUE(frame->Document().OnFileSaveAs());
  }
};

TEST_F(GridEntryEndToEnd, TypedRecordsSaveAsTheReducedConversion) {
  AutoIncrementMemory memory;  // the boxes start unticked
  // The measurements written as files, converted with --reduce.
  RecordStore raw;
  FillHeader(raw.calibration, false);
  FillHeader(raw.test, true);
  WriteFileBytes(home / "cal-header.cdw", WriteCalibrationFile(raw));
  WriteFileBytes(home / "test-header.vdw", WriteTestFile(raw));
  const auto cal = CalibrationSteps();
  const auto test = TestSteps();
  for (size_t i = 0; i < cal.size(); ++i) {
    for (int c = 0; c < 2; ++c) raw.calibration.Cal(static_cast<int>(i) + 1, c + 1) = cal[i].stored[c];
  }
  for (size_t i = 0; i < test.size(); ++i) {
    for (int c = 0; c < 6; ++c) raw.test.Test(static_cast<int>(i) + 1, c + 1) = test[i].stored[c];
  }
  WriteFileBytes(home / "cal-raw.cdw", WriteCalibrationFile(raw));
  WriteFileBytes(home / "test-raw.vdw", WriteTestFile(raw));
  const fs::path calExpected = home / "cal-expected.cdw";
  const fs::path testExpected = home / "test-expected.vdw";
  ASSERT_EQ(Convert({"--convert", calExpected.string(), (home / "cal-raw.cdw").string(), "--reduce"}), 0);
  ASSERT_EQ(Convert({"--convert", testExpected.string(), (home / "test-raw.vdw").string(), "--attach-cal",
                     calExpected.string(), "--reduce"}),
            0);

  // The same measurements typed into the forms.
  MakeFrame();
  ASSERT_TRUE(frame->StartWithFile(home / "cal-header.cdw"));
  sink.shown.clear();  // start-up without settings files says so
  {
    CCalDataDlg d(frame.get(), store, settings, memory, &sink);
    d.show();
    TypeSteps(d, {d.ui.editP, d.ui.editReading}, cal);
    PressOk(d);
    EXPECT_TRUE(d.Finish(sink).changed);
  }
  SaveAs(home / "cal-typed.cdw");
  EXPECT_EQ(ReadFileBytes(home / "cal-typed.cdw"), ReadFileBytes(calExpected));

  ASSERT_TRUE(frame->OpenDocumentFile(home / "test-header.vdw"));
  ASSERT_EQ(AttachCalibration(store, calExpected, sink, true), AttachResult::Attached);
  {
    CTestDataDlg d(frame.get(), store, settings, memory, &sink);
    d.show();
    // The 120" readings can be typed while dH is taken from them; dH stays on 60" for the test.
    d.ui.radio120->click();
    TypeSteps(d, {d.ui.editP, d.ui.editGas, d.ui.edit15, d.ui.edit30, d.ui.edit60, d.ui.edit120}, test);
    d.ui.radio60->click();
    PressOk(d);
    EXPECT_TRUE(d.Finish(sink).changed);
  }
  SaveAs(home / "test-typed.vdw");
  EXPECT_EQ(ReadFileBytes(home / "test-typed.vdw"), ReadFileBytes(testExpected));
  EXPECT_EQ(sink.shown, std::vector<std::string>{});  // no entry refused, no calibration warning
}

}  // namespace
}  // namespace vek
