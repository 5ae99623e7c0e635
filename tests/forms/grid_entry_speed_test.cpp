// Entry at field speed in the grid forms: a step typed as its values, Tab and Enter (keystrokes
// counted against the add button's way), a paste of 120 spreadsheet rows, copy, and undo/redo.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>
#include <cstdlib>
#include <iostream>

#include "core/header_fields.h"
#include "core/messages.h"
#include "forms/cell_grid_view.h"
#include "forms/vek_data_dialog.h"

namespace vek {
namespace {

class GridEntrySpeedTest : public ::testing::Test {
 protected:
  GridEntrySpeedTest() {
    store.test.Header(hf::PeScaleMax) = "1600";
    store.test.Header(hf::ReadingTimeBasis) = "0";  // 60": five entries take typing
  }
  CTestDataDlg& Show(int enterKeyMode) {
    settings.EnterKeyMode = enterKeyMode;
    dialog_ = std::make_unique<CTestDataDlg>(nullptr, store, settings, memory, &sink);
    dialog_->show();
    dialog_->activateWindow();
    QApplication::processEvents();
    dialog_->ui.editP->setFocus();
    return *dialog_;
  }
  // The values of step `i` for the five entries in use.
  static std::vector<QString> StepValues(int i) {
    const QString n = QString::number(i);
    return {QString::number(25 * i), QStringLiteral("0"), n + ".1", n + ".2", n + ".35"};
  }
  QWidget* Focus() const { return dialog_->focusWidget(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focus(), key, modifiers);
    ++keys;
  }
  void Type(const QString& text) {
    QTest::keyClicks(Focus(), text);
    keys += static_cast<int>(text.size());
  }
  // Types the values of a step, Tab between them.
  void TypeStep(int i) {
    const std::vector<QString> values = StepValues(i);
    for (size_t v = 0; v < values.size(); ++v) {
      if (v > 0) Key(Qt::Key_Tab);
      Type(values[v]);
    }
  }
  int UsedLines() const { return dialog_->Logic().UsedLineCount(); }
  // A picture of the form for review, when VEK_SCREENSHOT_DIR names a folder.
  void Shot(const char* name) {
    QApplication::processEvents();
    if (const char* dir = std::getenv("VEK_SCREENSHOT_DIR")) {
      dialog_->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/") + QString::fromUtf8(name) + ".png");
    }
  }

  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
  AutoIncrementMemory memory;
  std::unique_ptr<CTestDataDlg> dialog_;
  int keys = 0;
};

TEST_F(GridEntrySpeedTest, FifteenStepsTakeTheirValuesTabAndEnterOnly) {
  // Before: after the last value, Tab to "データ追加" and Space on it.
  CTestDataDlg& before = Show(1);
  for (int i = 1; i <= 15; ++i) {
    TypeStep(i);
    for (int guard = 0; Focus() != before.ui.buttonAdd && guard < 30; ++guard) Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), before.ui.buttonAdd);
    Key(Qt::Key_Space);
    ASSERT_EQ(Focus(), before.ui.editP) << i;
  }
  ASSERT_EQ(UsedLines(), 15);
  const int keysBefore = keys;

  keys = 0;
  for (const int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    CTestDataDlg& d = Show(mode);
    keys = 0;
    for (int i = 1; i <= 15; ++i) {
      TypeStep(i);
      Key(Qt::Key_Return);
      ASSERT_EQ(Focus(), d.ui.editP) << i;
    }
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(UsedLines(), 15);
    EXPECT_EQ(d.Logic().Cell(15, 1), "375.00");
    EXPECT_EQ(d.Logic().Cell(15, 5), "15.35");
    EXPECT_TRUE(sink.shown.empty());
    Shot(mode == 0 ? "grid-enter-mode0" : "grid-enter-mode1");
  }
  std::cout << "keystrokes for 15 steps: " << keysBefore << " with the add button, " << keys
            << " with Tab and Enter\n";
  EXPECT_LT(keys, keysBefore);

  // Enter mode 2 only confirms: Enter in the last entry adds nothing.
  CTestDataDlg& confirm = Show(2);
  TypeStep(1);
  Key(Qt::Key_Return);
  EXPECT_EQ(UsedLines(), 0);
  EXPECT_EQ(Focus(), confirm.ui.edit60);
}

TEST_F(GridEntrySpeedTest, EnterWithARefusedStepKeepsTheFormAndTheFocus) {
  CTestDataDlg& d = Show(0);
  TypeStep(1);
  Key(Qt::Key_Return);
  TypeStep(1);  // the same pressure again
  Key(Qt::Key_Return);
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(d.result(), 0);
  EXPECT_EQ(UsedLines(), 1);
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::SameEntryExists, "深度"));
  EXPECT_EQ(Focus(), d.ui.edit60);
}

TEST_F(GridEntrySpeedTest, AHundredTwentyRowPasteIsConfirmedAndUndoneInOneStep) {
  CTestDataDlg& d = Show(1);
  QString rows = QStringLiteral("セル圧\tガス圧\t15”\t30”\t60”\t120”\r\n");
  for (int i = 1; i <= 120; ++i) {
    rows += QStringLiteral("%1\t0\t%2.1\t%2.2\t%2.3\t%2.4\r\n").arg(10 * i).arg(i);
  }
  QApplication::clipboard()->setText(rows);
  d.ui.grid->setFocus();
  Key(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(sink.asked.size(), 1u);
  EXPECT_EQ(sink.asked[0].substr(0, sink.asked[0].find('\n')), "120 行を追加し、0 行を上書きします。");
  EXPECT_EQ(UsedLines(), 120);
  EXPECT_EQ(d.ui.grid->model()->index(119, 0).data().toString(), QStringLiteral("1200.00"));
  EXPECT_EQ(d.ui.grid->model()->index(119, 5).data().toString(), QStringLiteral("120.4"));
  EXPECT_EQ(d.UndoStack().count(), 1);
  Shot("grid-paste-120");

  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(UsedLines(), 0);
  Shot("grid-paste-undone");
  EXPECT_EQ(d.ui.grid->model()->index(0, 0).data().toString(), QString());
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(UsedLines(), 120);

  // The same rows again overwrite every line; a further row would pass the 120 lines: refused
  // with its place, nothing changes.
  QApplication::clipboard()->setText(rows + QStringLiteral("5000\t0\r\n"));
  d.ui.editP->setFocus();
  Key(Qt::Key_V, Qt::ControlModifier);  // rows and cells: a paste into the grid, not the entry
  EXPECT_EQ(d.ui.editP->text(), QString());
  EXPECT_EQ(sink.asked.size(), 1u);
  EXPECT_NE(sink.shown.back().find("行 122, 列 1"), std::string::npos) << sink.shown.back();
  EXPECT_EQ(d.UndoStack().count(), 1);

  // Cancel still drops everything since the form opened.
  sink.answers = {true};
  d.reject();
  EXPECT_FALSE(d.Finish(sink).changed);
  EXPECT_EQ(store.test.Test(1, 1), "");
}

TEST_F(GridEntrySpeedTest, UndoInAnEntryTakesBackTheStepItsEnterAdded) {
  CTestDataDlg& d = Show(1);
  TypeStep(1);
  Key(Qt::Key_Return);
  TypeStep(2);
  Key(Qt::Key_Return);
  ASSERT_EQ(UsedLines(), 2);
  Type(QStringLiteral("75"));
  Key(Qt::Key_Z, Qt::ControlModifier);  // the entry's own typing first
  EXPECT_EQ(d.ui.editP->text(), QString());
  EXPECT_EQ(UsedLines(), 2);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(UsedLines(), 1);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(UsedLines(), 2);

  // In place, then undone from the grid's context menu.
  d.ui.grid->OpenEditor(d.ui.grid->model()->index(0, 2));
  QTest::keyClicks(d.ui.grid->Editor(), QStringLiteral("9"));
  d.ui.grid->CommitEditor();
  EXPECT_EQ(d.Logic().Cell(1, 3), "1.19");
  QAction* undo = d.ui.grid->actions().at(2);
  EXPECT_TRUE(undo->text().startsWith(QStringLiteral("元に戻す")));
  undo->trigger();
  EXPECT_EQ(d.Logic().Cell(1, 3), "1.1");
}

TEST_F(GridEntrySpeedTest, CopyPutsTheSelectedLinesOnTheClipboard) {
  CTestDataDlg& d = Show(1);
  for (int i = 1; i <= 3; ++i) {
    TypeStep(i);
    Key(Qt::Key_Return);
  }
  d.ui.grid->setFocus();
  auto* selection = d.ui.grid->selectionModel();
  selection->select(d.ui.grid->model()->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  selection->select(d.ui.grid->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(),
            QStringLiteral("25.00\t0\t1.1\t1.2\t1.35\t\n75.00\t0\t3.1\t3.2\t3.35\t\n"));
}

}  // namespace
}  // namespace vek
