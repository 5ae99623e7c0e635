// Editing a cell in place works the same in the calibration grid, the test grid and the master list:
// double click and F2 open the editor over the cell, Enter walks the editable cells, Up and Down
// keep the column, Esc and a click elsewhere store the text, OK while editing only ends the edit,
// and OK without an edit reports no change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "forms/cal_data_dialog.h"
#include "forms/cell_grid_view.h"
#include "forms/master_list_dialog.h"
#include "forms/vek_data_dialog.h"
#include "io/record_commands.h"
#include "support/program_home.h"

namespace vek {
namespace {

enum class Grid { Calibration, Vek, MasterList };

std::string GridName(const ::testing::TestParamInfo<Grid>& info) {
  switch (info.param) {
    case Grid::Calibration: return "Calibration";
    case Grid::Vek: return "Vek";
    case Grid::MasterList: return "MasterList";
  }
  return {};
}

class CellEditingTest : public ::testing::TestWithParam<Grid> {
 protected:
  CellEditingTest() {
    for (int line = 1; line <= 2; ++line) {
      store.calibration.Cal(line, 1) = std::to_string(line * 10);
      store.calibration.Cal(line, 2) = std::to_string(line);
      store.test.Test(line, 1) = std::to_string(line * 10);
    }
    store.test.Header(hf::PeScaleMax) = "1600";
    store.test.Header(hf::ReadingTimeBasis) = "0";  // 120" cannot be edited
    // The records as an OK leaves them, so that an OK without an edit has nothing to change.
    CompleteCalibrationH(store.calibration);
    RefitCalibration(store, sink);
    ReduceTestRecord(store, home.settings, sink, false);
    testing::WriteFileBytes(home.Folder() / "M.mst", "a\r\nb\r\n");
    home.settings.EnterKeyMode = 0;  // outside an editor Enter would press OK
  }

  void Open() {
    switch (GetParam()) {
      case Grid::Calibration: {
        auto* d = new CCalDataDlg(nullptr, store, home.settings, memory, &sink);
        grids_.reset(d);
        view = d->ui.grid;
        ok = d->ui.buttonOk;
        break;
      }
      case Grid::Vek: {
        auto* d = new CTestDataDlg(nullptr, store, home.settings, memory, &sink);
        grids_.reset(d);
        view = d->ui.grid;
        ok = d->ui.buttonOk;
        break;
      }
      case Grid::MasterList: {
        list_ = std::make_unique<CMasterFileDlg>(nullptr, home.settings, MasterListKind::Engineers, &sink);
        view = list_->Widgets().listTable;
        ok = list_->Widgets().okButton;
        break;
      }
    }
    Dialog().show();
    Dialog().activateWindow();
    QApplication::processEvents();
  }
  QDialog& Dialog() { return grids_ ? static_cast<QDialog&>(*grids_) : *list_; }
  // The last column the grid edits in place: H' of the calibration, 60" of the test (120" is off).
  int LastEditable() const {
    switch (GetParam()) {
      case Grid::Calibration: return 1;
      case Grid::Vek: return 4;
      case Grid::MasterList: return 0;
    }
    return 0;
  }
  QModelIndex At(int row, int column) const { return view->model()->index(row, column); }
  QString Cell(int row, int column) const { return At(row, column).data().toString(); }
  void DoubleClick(int row, int column) {
    const QPoint at = view->visualRect(At(row, column)).center();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  }
  // Types into the open editor and presses a key there.
  void TypeThen(const QString& text, Qt::Key key) {
    ASSERT_NE(view->Editor(), nullptr);
    view->Editor()->selectAll();
    QTest::keyClicks(view->Editor(), text);
    QTest::keyClick(view->Editor(), key);
  }
  std::pair<int, int> EditorAt() const {
    if (!view->Editor()) return {-1, -1};
    return {view->EditedIndex().row(), view->EditedIndex().column()};
  }
  // Whether the form reports a changed record (or list) after it closed.
  bool ReportsChange() {
    if (list_) return list_->Logic().RowsChanged();
    RecordingMessageSink after;
    return grids_->Finish(after).changed;
  }

  testing::ProgramHome home;
  RecordStore store;
  AutoIncrementMemory memory;
  RecordingMessageSink sink;
  CellGridView* view = nullptr;
  QPushButton* ok = nullptr;

 private:
  std::unique_ptr<MeasurementGridDialog> grids_;
  std::unique_ptr<CMasterFileDlg> list_;
};

TEST_P(CellEditingTest, DoubleClickOpensTheEditorOverTheCell) {
  Open();
  DoubleClick(1, 0);
  ASSERT_NE(view->Editor(), nullptr);
  EXPECT_EQ(EditorAt(), std::pair(1, 0));
  EXPECT_EQ(view->Editor()->text(), Cell(1, 0));
  EXPECT_FALSE(view->Editor()->hasSelectedText());  // typing goes on at the end
  EXPECT_EQ(view->Editor()->cursorPosition(), Cell(1, 0).size());
  EXPECT_EQ(view->Editor()->geometry(), view->visualRect(At(1, 0)));
  EXPECT_EQ(view->Editor()->accessibleName(), view->model()->headerData(0, Qt::Horizontal).toString());
  EXPECT_TRUE(view->Editor()->hasFocus());
}

TEST_P(CellEditingTest, EnterWalksTheEditableCellsThenTheNextLine) {
  Open();
  DoubleClick(0, LastEditable());
  TypeThen(QStringLiteral("7"), Qt::Key_Return);
  EXPECT_TRUE(Dialog().isVisible());  // Enter went to the editor, not to OK
  EXPECT_EQ(Cell(0, LastEditable()), QStringLiteral("7"));
  EXPECT_EQ(EditorAt(), std::pair(1, 0));  // past the last editable column: next line, column 1
  for (int column = 0; column < LastEditable(); ++column) {
    TypeThen(QString::number(column + 1), Qt::Key_Return);
    EXPECT_EQ(EditorAt(), std::pair(1, column + 1));
  }
}

TEST_P(CellEditingTest, UpAndDownKeepTheColumnAndCloseAtTheEnds) {
  Open();
  DoubleClick(0, 0);
  TypeThen(QStringLiteral("5"), Qt::Key_Down);
  EXPECT_EQ(Cell(0, 0), QStringLiteral("5"));
  EXPECT_EQ(EditorAt(), std::pair(1, 0));
  TypeThen(QStringLiteral("6"), Qt::Key_Up);
  EXPECT_EQ(Cell(1, 0), QStringLiteral("6"));
  EXPECT_EQ(EditorAt(), std::pair(0, 0));
  TypeThen(QStringLiteral("4"), Qt::Key_Up);  // line 1: stored, closed
  EXPECT_EQ(view->Editor(), nullptr);
  EXPECT_EQ(Cell(0, 0), QStringLiteral("4"));
  const int last = view->model()->rowCount() - 1;
  view->scrollToBottom();
  DoubleClick(last, 0);
  TypeThen(QStringLiteral("9"), Qt::Key_Down);
  EXPECT_EQ(view->Editor(), nullptr);
  EXPECT_EQ(Cell(last, 0), QStringLiteral("9"));
}

TEST_P(CellEditingTest, EscapeAndAClickElsewhereStoreTheText) {
  Open();
  DoubleClick(1, 0);
  TypeThen(QStringLiteral("8"), Qt::Key_Escape);
  EXPECT_EQ(view->Editor(), nullptr);
  EXPECT_EQ(Cell(1, 0), QStringLiteral("8"));
  EXPECT_TRUE(Dialog().isVisible());
  EXPECT_TRUE(sink.asked.empty());  // the form is not cancelled

  DoubleClick(0, 0);
  view->Editor()->setText(QStringLiteral("3"));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(At(1, 0)).center());
  EXPECT_EQ(view->Editor(), nullptr);
  EXPECT_EQ(Cell(0, 0), QStringLiteral("3"));
}

TEST_P(CellEditingTest, F2EditsTheCurrentCell) {
  Open();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(At(1, 0)).center());
  view->setFocus();
  QTest::keyClick(view, Qt::Key_F2);
  EXPECT_EQ(EditorAt(), std::pair(1, 0));
}

TEST_P(CellEditingTest, OkWhileEditingOnlyEndsTheEditThenClosesWithTheChange) {
  Open();
  DoubleClick(0, 0);
  view->Editor()->setText(QStringLiteral("1"));
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(view->Editor(), nullptr);
  EXPECT_EQ(Cell(0, 0), QStringLiteral("1"));
  EXPECT_TRUE(Dialog().isVisible());
  QApplication::processEvents();
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(Dialog().isVisible());
  EXPECT_EQ(Dialog().result(), QDialog::Accepted);
  EXPECT_TRUE(ReportsChange());
}

TEST_P(CellEditingTest, OkWithoutAnEditReportsNoChange) {
  Open();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(At(1, 0)).center());
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(Dialog().result(), QDialog::Accepted);
  EXPECT_FALSE(ReportsChange());
}

INSTANTIATE_TEST_SUITE_P(AllGrids, CellEditingTest, ::testing::Values(Grid::Calibration, Grid::Vek, Grid::MasterList),
                         GridName);

}  // namespace
}  // namespace vek
