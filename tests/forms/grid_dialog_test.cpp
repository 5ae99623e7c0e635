// The measurement grid forms: binding of widgets to the grid logic, the Enter key, the in-place
// editor's place, the Cancel question and what OK and Cancel leave in the record.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "core/header_fields.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "forms/cal_data_dialog.h"
#include "forms/cell_grid_view.h"
#include "forms/vek_data_dialog.h"
#include "support/form_shots.h"

namespace vek {
namespace {

class GridDialogTest : public ::testing::Test {
 protected:
  GridDialogTest() {
    store.test.Header(hf::PeScaleMax) = "1600";
    store.test.Header(hf::ReadingTimeBasis) = "0";
  }
  template <typename Dialog>
  Dialog& Show(int enterKeyMode = 1) {
    settings.EnterKeyMode = enterKeyMode;
    auto* dialog = new Dialog(nullptr, store, settings, memory, &sink);
    owned_.reset(dialog);
    dialog->show();
    dialog->activateWindow();
    QApplication::processEvents();
    return *dialog;
  }
  // Types a step into the entry edits and presses "データ追加".
  static void TypeAndAdd(MeasurementGridDialog& d, std::vector<QLineEdit*> entries, std::vector<const char*> values) {
    for (size_t i = 0; i < entries.size(); ++i) {
      entries[i]->clear();
      if (i < values.size()) QTest::keyClicks(entries[i], QString::fromUtf8(values[i]));
    }
    d.findChild<QPushButton*>(QStringLiteral("buttonAdd"))->click();
  }
  static QString Cell(QTableView* grid, int row, int column) { return grid->model()->index(row, column).data().toString(); }
  static const RecordStore& Copy(MeasurementGridDialog& d) { return d.Logic().Copy(); }

  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
  AutoIncrementMemory memory;
  std::unique_ptr<QDialog> owned_;
};

TEST_F(GridDialogTest, GridsShowTheirTablesColumnsAndLabels) {
  store.calibration.Cal(1, 1) = "10";
  store.calibration.Cal(1, 2) = "5.5";
  auto& cal = Show<CCalDataDlg>();
  EXPECT_EQ(cal.windowTitle(), QStringLiteral("キャリブレーションデータ"));
  EXPECT_EQ(cal.ui.grid->model()->rowCount(), 40);
  EXPECT_EQ(cal.ui.grid->model()->headerData(1, Qt::Horizontal), QStringLiteral("H’"));
  EXPECT_EQ(cal.ui.grid->horizontalHeader()->sectionSize(0), 76);
  EXPECT_EQ(Cell(cal.ui.grid, 0, 1), QStringLiteral("5.5"));
  EXPECT_EQ(cal.ui.editReading->accessibleName(), QStringLiteral("Ｈ’ cm"));
  EXPECT_EQ(cal.ui.axisXTo->text(), QStringLiteral("300"));
  EXPECT_TRUE(cal.ui.editH->isReadOnly());

  auto& test = Show<CTestDataDlg>();
  testing::ShootForm(test, "test_grid_without_calibration.png");
  EXPECT_EQ(test.windowTitle(), QStringLiteral("ヴェクデータ"));
  EXPECT_EQ(test.ui.grid->model()->rowCount(), 120);
  EXPECT_EQ(test.ui.grid->model()->columnCount(), 6);
  EXPECT_EQ(test.ui.grid->model()->headerData(5, Qt::Horizontal), QStringLiteral("120”"));
  EXPECT_EQ(test.ui.editGas->accessibleName(), QStringLiteral("ガス圧"));
  EXPECT_EQ(test.ui.buttonCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  // 60" chosen: the 120" entry is off until 120" is chosen.
  EXPECT_FALSE(test.ui.edit120->isEnabled());
  EXPECT_FALSE(test.ui.grid->model()->flags(test.ui.grid->model()->index(0, 5)) & Qt::ItemIsEditable);
  test.ui.radio120->click();
  EXPECT_TRUE(test.ui.edit120->isEnabled());
  EXPECT_TRUE(test.ui.grid->model()->flags(test.ui.grid->model()->index(0, 5)) & Qt::ItemIsEditable);
  EXPECT_EQ(Copy(test).test.Header(hf::ReadingTimeBasis), "1");
  EXPECT_EQ(store.test.Header(hf::ReadingTimeBasis), "0");  // the record waits for OK
}

TEST_F(GridDialogTest, AddAndSelectionBindToTheRecord) {
  auto& d = Show<CTestDataDlg>();
  const std::vector<QLineEdit*> entries{d.ui.editP, d.ui.editGas, d.ui.edit15, d.ui.edit30, d.ui.edit60};
  d.ui.checkAutoP->click();
  TypeAndAdd(d, entries, {"50", "8", "5.1", "5.2", "5.3"});
  TypeAndAdd(d, entries, {"100", "8", "6.1", "6.2", "6.3"});
  EXPECT_EQ(Copy(d).test.Test(2, tf::Pressure), "100.00");
  EXPECT_EQ(Cell(d.ui.grid, 1, 4), QStringLiteral("6.3"));
  EXPECT_EQ(d.ui.editP->text(), QStringLiteral("150.00"));
  EXPECT_EQ(d.focusWidget(), d.ui.editGas);
  EXPECT_TRUE(memory.testP);  // kept for the run by the memory the form was given

  QTest::mouseClick(d.ui.grid->viewport(), Qt::LeftButton, {}, d.ui.grid->visualRect(d.ui.grid->model()->index(0, 0)).center());
  EXPECT_EQ(d.Logic().SelectedLine(), 1);
  EXPECT_EQ(d.ui.edit15->text(), QStringLiteral("5.1"));
  EXPECT_FALSE(d.ui.buttonAdd->isEnabled());
  d.ui.buttonDelete->click();
  EXPECT_EQ(Cell(d.ui.grid, 0, 0), QStringLiteral("100.00"));
  EXPECT_TRUE(d.ui.buttonAdd->isEnabled());
}

TEST_F(GridDialogTest, EnterFollowsTheSettingOutsideTheEditor) {
  {
    auto& d = Show<CCalDataDlg>(1);
    d.ui.editP->setFocus();
    QTest::keyClick(d.ui.editP, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.focusWidget(), d.ui.editReading);
  }
  {
    auto& d = Show<CCalDataDlg>(2);
    d.ui.editP->setFocus();
    QTest::keyClick(d.ui.editP, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.focusWidget(), d.ui.editP);
  }
  {
    auto& d = Show<CCalDataDlg>(0);
    d.ui.editP->setFocus();
    QTest::keyClick(d.ui.editP, Qt::Key_Return);  // OK
    EXPECT_EQ(d.result(), QDialog::Accepted);
  }
}

TEST_F(GridDialogTest, AnEditInPlaceRecomputesTheLineAndFillsTheEntries) {
  store.calibration.Header(hf::StandpipeInitialLevel) = "2";
  store.calibration.Cal(1, 1) = "10";
  auto& d = Show<CCalDataDlg>(0);
  ASSERT_TRUE(d.Grid().OpenEditor(d.Grid().model()->index(0, 1)));
  EXPECT_TRUE(d.Grid().Editor()->hasFocus());
  QTest::keyClicks(d.Grid().Editor(), QStringLiteral("7.5"));
  QTest::keyClick(d.Grid().Editor(), Qt::Key_Escape);
  EXPECT_EQ(Cell(d.ui.grid, 0, 2), QStringLiteral("5.5"));  // H from the typed H'
  EXPECT_EQ(d.ui.editH->text(), QStringLiteral("5.5"));
  EXPECT_EQ(d.Logic().SelectedLine(), 1);
  EXPECT_FALSE(d.ui.buttonAdd->isEnabled());
  EXPECT_FALSE(d.Grid().OpenEditor(d.Grid().model()->index(0, 2)));  // H is derived
  // An editor opened on an empty line's P shows the auto-increment.
  store.calibration.Cal(2, 1) = "20";
  auto& next = Show<CCalDataDlg>(0);
  next.ui.checkAutoP->click();
  ASSERT_TRUE(next.Grid().OpenEditor(next.Grid().model()->index(2, 0)));
  EXPECT_EQ(next.Grid().Editor()->text(), QStringLiteral("30.00"));
}

TEST_F(GridDialogTest, CancelAsksAfterChangesAndLeavesTheRecord) {
  store.calibration.Cal(1, 1) = "10";
  store.calibration.Cal(1, 2) = "5";
  const Record before = store.calibration;
  auto& d = Show<CCalDataDlg>();
  TypeAndAdd(d, {d.ui.editP, d.ui.editReading}, {"20", "7"});
  EXPECT_EQ(Cell(d.ui.grid, 1, 0), QStringLiteral("20.00"));
  sink.answers = {false, true};
  d.ui.buttonCancel->click();
  EXPECT_TRUE(d.isVisible());
  d.ui.buttonCancel->click();
  EXPECT_FALSE(d.isVisible());
  ASSERT_EQ(sink.asked.size(), 2u);
  EXPECT_EQ(sink.asked[0], NumberedMessage(msg::DataChangedCancel));
  RecordingMessageSink after;
  EXPECT_FALSE(d.Finish(after).changed);
  EXPECT_EQ(store.calibration.CalRows, before.CalRows);
}

TEST_F(GridDialogTest, OkChangesTheRecordAndCancelDoesNot) {
  store.test.Header(hf::StandpipeInitialLevel) = "5";
  {
    auto& d = Show<CTestDataDlg>();
    d.reject();
    RecordingMessageSink after;
    EXPECT_FALSE(d.Finish(after).changed);
  }
  auto& d = Show<CTestDataDlg>();
  const std::vector<QLineEdit*> entries{d.ui.editP, d.ui.editGas, d.ui.edit15, d.ui.edit30, d.ui.edit60};
  TypeAndAdd(d, entries, {"200", "0", "6", "6.5", "7"});
  TypeAndAdd(d, entries, {"100", "0", "5.5", "5.6", "5.7"});
  d.ui.checkShow120->click();
  d.ui.buttonOk->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  RecordingMessageSink after;
  EXPECT_TRUE(d.Finish(after).changed);
  EXPECT_EQ(store.test.Test(1, tf::Pressure), "100.00");  // pressure order
  EXPECT_EQ(store.test.Test(2, tf::H), "2");              // reduced after OK
  EXPECT_EQ(store.test.Header(hf::Show120Reading), "1");
  ASSERT_EQ(after.shown.size(), 1u);  // no calibration attached
  EXPECT_EQ(after.shown[0], NumberedMessage(msg::BadCalData));
}

// The grid opens ready to type P; a value set without key presses (a screen reader, an input
// method, a paste) is added like a typed one; "28,9" never reaches the table.
TEST_F(GridDialogTest, OpensOnTheFirstEntryAndTakesTextFromAnySource) {
  auto& d = Show<CTestDataDlg>();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  EXPECT_EQ(QApplication::focusWidget(), d.ui.editP);
  d.ui.editP->setText(QStringLiteral("50"));
  d.ui.edit15->setText(QStringLiteral("28.9"));
  d.ui.buttonAdd->click();
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(Copy(d).test.Test(1, 1), "50.00");
  EXPECT_EQ(Copy(d).test.Test(1, 3), "28.9");
  d.ui.editP->setText(QStringLiteral("100"));
  d.ui.edit15->setFocus();
  QTest::keyClicks(d.ui.edit15, QStringLiteral("28,9"));
  EXPECT_EQ(d.ui.edit15->text(), QStringLiteral("289"));  // the comma refused at the key, with a tooltip
  testing::ShootScreen("grid-comma-refused.png");
  d.ui.edit15->setText(QStringLiteral("28,9"));          // set from outside: refused at データ追加
  d.ui.buttonAdd->click();
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back(), "15”: 数字を入力してください。");
  EXPECT_EQ(QApplication::focusWidget(), d.ui.edit15);
  EXPECT_EQ(d.Logic().UsedLineCount(), 1);
}

}  // namespace
}  // namespace vek
