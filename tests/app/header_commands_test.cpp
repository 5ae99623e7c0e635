// The header forms and master lists on the menu, and a test header filled in and bound to its
// calibration through the form giving the same file as the command line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/batch_pipeline.h"
#include "app/command_line.h"
#include "app/commands.h"
#include "app/form_commands.h"
#include "app_fixture.h"
#include "forms/vek_header_dialog.h"
#include "qt/cp932_text.h"
#include "support/form_shots.h"
#include "support/program_home.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;
using namespace vek::testing;

class HeaderCommandsTest : public testing::FrameTest {};

TEST_F(HeaderCommandsTest, TheFourCommandsAreEnabled) {
  StartNew();
  RegisterFormCommands(*frame);
  for (int id : {kCmdCalHeader, kCmdTestHeader, kCmdSetEngineers, kCmdSetSoils})
    EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
}

// OK without an edit leaves every record form's record as it was and the document unmarked; an
// edit typed into the copy marks it.
TEST_F(HeaderCommandsTest, OkWithoutAnEditChangesNothingAndMarksNothing) {
  const fs::path samples(VEK_SAMPLES_DIR);
  StartNew();
  RegisterFormCommands(*frame);
  const std::pair<const char*, std::vector<int>> files[] = {
      {"cal-sample.cdw", {kCmdCalHeader, kCmdCalData, kCmdCalPage}},
      {"test-sample.vdw", {kCmdTestHeader, kCmdTestData, kCmdTestAnalysis, kCmdTestPage}}};
  for (const auto& [file, commands] : files) {
    ASSERT_TRUE(frame->OpenDocumentFile(samples / file));
    // The samples have no footer position: the page form's first OK stores the standard one.
    Closing([&] { frame->RunCommand(commands.back()); }, true);
    frame->Document().SetModified(false);
    const RecordStore before = store;
    for (int id : commands) {
      EXPECT_FALSE(Closing([&] { frame->RunCommand(id); }, true).isEmpty()) << id;
      EXPECT_FALSE(frame->Document().IsModified()) << id;
      EXPECT_EQ(store.test, before.test) << id;
      EXPECT_EQ(store.calibration, before.calibration) << id;
    }
  }

  auto typeMemo = [] {
    auto* form = qobject_cast<CTestHeaderDlg*>(QApplication::activeModalWidget());
    if (!form) return;
    form->Widgets().memoEdit->setText(QStringLiteral("memo"));
    form->accept();
  };
  QTimer::singleShot(0, typeMemo);
  frame->RunCommand(kCmdTestHeader);
  EXPECT_TRUE(frame->Document().IsModified());
  EXPECT_EQ(store.test.Header(hf::Memo), "memo");
}

// What the user types, by control, and the field it ends up in as stored.
struct Typed {
  const char* control;
  int field;
  const char* typed;
  const char* stored;
};
const Typed kTyped[] = {
    {"surveyNameEdit", hf::SurveyName, "県道改良工事", "県道改良工事"},
    {"boringNoEdit", hf::BoringNo, "B-2", "B-2"},
    {"depthEdit", hf::TestDepth, "12.5", "-12.5"},
    {"initialLevelEdit", hf::StandpipeInitialLevel, "3.5", "3.5"},
    {"poissonEdit", hf::PoissonRatio, "0.3", "0.3"},
    {"eraCombo", hf::DateEra, "令和", "令和"},
    {"yearEdit", hf::DateYear, "6", "6"},
    {"monthEdit", hf::DateMonth, "11", "11"},
    {"dayEdit", hf::DateDay, "2", "2"},
    {"engineerCombo", hf::Engineer, "山田 太郎", "山田 太郎"},
    {"soilCombo", hf::SoilName, "粘土", "粘土"},
    {"nValueEdit", hf::NValue, "8", "8"},
    {"waterLevelEdit", hf::BoreholeWaterLevel, "-2.4", "-2.4"},
    {"tableTitleEdit", hf::TableTitle, "測定データ表", "測定データ表"},
    {"graphTitleEdit", hf::GraphTitle, "孔内水平載荷試験", "孔内水平載荷試験"},
};

TEST_F(HeaderCommandsTest, FormFilledAndAttachedSavesWhatTheCommandLineWrites) {
  const fs::path cal = home / "cal.cdw";
  WriteFileBytes(cal, CalFileBytes("$$_VCKARUM304", 8));
  const fs::path blank = WriteTestFileTo(home / "blank.vdw", 5);
  RecordStore filledStore = MakeTestRecord(5);
  for (const Typed& t : kTyped) filledStore.test.Header(t.field) = Sjis(t.stored);
  filledStore.test.Header(hf::CalCurveType) = "0";  // the form always stores the method it shows
  const fs::path filled = home / "filled.vdw";
  WriteFileBytes(filled, WriteTestFile(filledStore));
  const fs::path byCommandLine = home / "cli.vdw";
  ParseResult args = ParseCommandLine(
      {"--convert", byCommandLine.string(), filled.string(), "--attach-cal", cal.string(), "--reduce"});
  ASSERT_TRUE(args.ok);
  RecordingMessageSink cliSink;
  ASSERT_EQ(RunConvert(args.options, cliSink), 0);

  StartNew();
  ASSERT_TRUE(frame->OpenDocumentFile(blank));
  chooser.openAnswers.push_back(cal);
  sink.shown.clear();
  CTestHeaderDlg form(frame.get(), store, settings, frame->Chooser(), &sink);
  form.show();
  for (const Typed& t : kTyped) {
    QWidget* control = form.findChild<QWidget*>(t.control);
    ASSERT_NE(control, nullptr) << t.control;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(QString::fromUtf8(t.typed));
    if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setEditText(QString::fromUtf8(t.typed));
  }
  form.Widgets().openButton->click();
  ShootForm(form, "test_header_filled.png");
  form.Widgets().okButton->click();
  ASSERT_EQ(form.result(), QDialog::Accepted);
  form.Logic().Finish(true, sink);
  EXPECT_TRUE(sink.shown.empty()) << sink.shown.front();

  chooser.saveAnswers.push_back(home / "form.vdw");
  ASSERT_TRUE(frame->Document().OnFileSaveAs());
  EXPECT_EQ(ReadFileBytes(home / "form.vdw"), ReadFileBytes(byCommandLine));
  EXPECT_FALSE(store.test.Test(1, tf::Pe).empty());  // reduced with the attached curve
}

// A change that reaches the reduction after an analysis: the stored analysis follows, and the
// status bar says so.
TEST_F(HeaderCommandsTest, ANewPoissonRatioRecomputesTheStoredAnalysis) {
  StartNew();
  RegisterFormCommands(*frame);
  ASSERT_TRUE(frame->OpenDocumentFile(fs::path(VEK_SAMPLES_DIR) / "test-sample.vdw"));
  ShowAndPaint();
  const double e = std::atof(store.test.Header(hf::EModulus).c_str());
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<CTestHeaderDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr);
    form->findChild<QLineEdit*>("poissonEdit")->setText("0.45");
    form->Widgets().okButton->click();
  });
  frame->RunCommand(kCmdTestHeader);
  ShootForm(*frame, "status_analysis_recomputed.png");
  EXPECT_EQ(frame->StatusMessage(), QString::fromUtf8("解析結果を再計算しました"));
  EXPECT_NEAR(std::atof(store.test.Header(hf::EModulus).c_str()), e * 1.45 / 1.35, 1e-3);
  EXPECT_EQ(store.test.Header(hf::FormulaEText).substr(0, 7), "E =1.45");
  EXPECT_TRUE(frame->Document().IsModified());
}

}  // namespace
}  // namespace vek
