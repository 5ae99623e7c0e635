// The analysis form and the command line give the same file: steps chosen in the form, the formula
// updated with a sign, OK and Save against vek --convert ... --analyse PO,PY,PL,SIGN.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>

#include "app/parsed_options.h"
#include "app/batch_pipeline.h"
#include "app/commands.h"
#include "app/form_commands.h"
#include "app/command_line.h"
#include "core/messages.h"
#include "forms/analysis_dialog.h"
#include "io/data_file_writer.h"
#include "support/temp_dir.h"
#include "app_fixture.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
const fs::path kSample = fs::path(VEK_SAMPLES_DIR) / "test-sample.vdw";

// Moves the chosen step of a type to `row` with the form's own buttons.
void MoveStep(CAnalysisDlg& form, QRadioButton* type, int row) {
  type->click();
  const int from = form.Logic().Cursor();
  QPushButton* button = row > from ? form.Widgets().upButton : form.Widgets().downButton;
  for (int k = 0; k < std::abs(row - from); ++k) button->click();
  ASSERT_EQ(form.Logic().Cursor(), row);
}

TEST(AnalysisFormEndToEnd, FormAndCommandLineWriteTheSameFile) {
  testing::TempHome home;
  struct Case {
    int po, py, pl, sign;
  };
  for (const Case c : {Case{6, 12, 22, 2}, Case{3, 20, 24, 3}, Case{5, 13, 24, 1}}) {
    const std::string steps =
        std::to_string(c.po) + "," + std::to_string(c.py) + "," + std::to_string(c.pl) + "," + std::to_string(c.sign);
    SCOPED_TRACE(steps);
    RecordingMessageSink sink;
    const fs::path byCommand = home / "command.vdw";
    ASSERT_EQ(RunConvert(Parse({"--convert", byCommand.string(), kSample.string(), "--analyse", steps}), sink), 0);

    RecordStore store;
    SheetSettings settings;
    ASSERT_EQ(LoadAndProcessForBatch(Parse({"--convert", "x.vdw", kSample.string()}), kSample.string(), store,
                                     settings, sink),
              0);
    sink.shown.clear();  // the settings files are missing in the test home
    {
      CAnalysisDlg form(nullptr, store, settings, &sink);
      form.show();
      Ui::CAnalysisDlg& ui = form.Widgets();
      MoveStep(form, ui.typePl, c.pl);  // Pl' first: the others may pass over its row
      MoveStep(form, ui.typePy, c.py);
      MoveStep(form, ui.typePo, c.po);
      (c.sign == 1 ? ui.sign1 : c.sign == 2 ? ui.sign2 : ui.sign3)->click();
      ui.updateButton->click();
      ui.okButton->click();
      ASSERT_EQ(form.result(), QDialog::Accepted);
    }
    const fs::path byForm = home / "form.vdw";
    ASSERT_TRUE(SaveRecordFile(byForm, DataKind::Test, store));
    EXPECT_EQ(testing::ReadFileBytes(byForm), testing::ReadFileBytes(byCommand));
    EXPECT_TRUE(sink.shown.empty()) << sink.shown.front();
  }
}

class AnalysisCommandTest : public testing::FrameTest {};

TEST_F(AnalysisCommandTest, TheFormsRegistrationEnablesTheAnalysisCommand) {
  CMainFrame& frame = StartNew();
  EXPECT_FALSE(frame.Action(kCmdTestAnalysis)->isEnabled());
  RegisterFormCommands(frame);
  EXPECT_TRUE(frame.Action(kCmdTestAnalysis)->isEnabled());
}

}  // namespace
}  // namespace vek
