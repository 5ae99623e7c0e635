// The analysis form's widgets bound to its logic: graph clicks and arrow keys, the buttons, OK's
// check and the Cancel question. The rules themselves are tested on the logic.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>

#include "core/header_fields.h"
#include "core/messages.h"
#include "forms/analysis_dialog.h"
#include "support/recording_device.h"
#include "support/reduced_steps.h"

namespace vek {
namespace {

class AnalysisDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ThreePieceCurve curve;
    curve.steps = 12;
    testing::FillReducedSteps(store.test, testing::MakeCurve(curve));
    store.test.Header(hf::SondeRadius) = "4.3";
    store.test.Header(hf::PeScaleMax) = "600";
    store.test.Header(hf::PeScaleStep) = "100";
    store.test.Header(hf::PyPoint) = "6";
  }

  // Opens the form and lets its first drawing run.
  std::unique_ptr<CAnalysisDlg> Open() {
    auto form = std::make_unique<CAnalysisDlg>(nullptr, store, settings, &sink);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (int k = 0; k < 50 && !form->Logic().GraphDrawn(); ++k) QTest::qWait(10);
    EXPECT_TRUE(form->Logic().GraphDrawn());
    return form;
  }

  // The device pixel of a step's point, as the graph draws it.
  QPoint PointOf(CAnalysisDlg& form, int row) {
    testing::RecordingDevice d;
    DrawFrame* g = form.Widgets().graph;
    form.Logic().DrawGraph(d, g->width(), g->height());
    const auto& e = d.ellipses.at(row - 1);
    return {(e.left + e.right) / 2, (e.top + e.bottom) / 2};
  }

  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
};

TEST_F(AnalysisDlgTest, OpensWithTheRecordInItsWidgets) {
  auto form = Open();
  Ui::CAnalysisDlg& ui = form->Widgets();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("解析・計算経過式・目盛り"));
  EXPECT_TRUE(ui.typePo->isChecked());
  EXPECT_TRUE(ui.sign1->isChecked());
  EXPECT_EQ(ui.pyPe->text(), QStringLiteral("250.00"));
  EXPECT_EQ(ui.peMax->text(), QStringLiteral("600"));
  EXPECT_EQ(ui.peAxisTo->text(), QStringLiteral("600"));
  EXPECT_EQ(ui.rAxisFrom->text() + "-" + ui.rAxisTo->text(), QStringLiteral("4-7"));
  EXPECT_EQ(ui.peStep->accessibleName(), QStringLiteral("きざみ"));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(AnalysisDlgTest, ClicksAndArrowKeysOnTheGraphMoveTheCurrentStep) {
  auto form = Open();
  Ui::CAnalysisDlg& ui = form->Widgets();
  ui.typePy->click();
  QTest::mouseClick(ui.graph, Qt::LeftButton, {}, PointOf(*form, 9));
  EXPECT_EQ(form->Logic().Chosen().py, 9);
  EXPECT_EQ(ui.pyPe->text(), QStringLiteral("400.00"));
  EXPECT_TRUE(ui.graph->hasFocus());
  QTest::keyClick(ui.graph, Qt::Key_Up);
  QTest::keyClick(ui.graph, Qt::Key_Up);
  EXPECT_EQ(form->Logic().Chosen().py, 11);
  QTest::keyClick(ui.graph, Qt::Key_Down);
  EXPECT_EQ(form->Logic().Chosen().py, 10);
  EXPECT_EQ(form->Logic().Chosen().po, 1);
}

TEST_F(AnalysisDlgTest, RefusedStepKeepsTheFormAndFocusesTheField) {
  auto form = Open();
  Ui::CAnalysisDlg& ui = form->Widgets();
  ui.peStep->setFocus();
  ui.peStep->selectAll();
  QTest::keyClicks(ui.peStep, "20000");
  ui.okButton->click();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->focusWidget(), ui.peStep);
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back(), "0.001 から 10000 までの数値を入力してください。");
  EXPECT_EQ(store.test.Header(hf::PeScaleStep), "100");

  ui.peStep->selectAll();
  QTest::keyClicks(ui.peStep, "50");
  ui.okButton->click();
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(form->Logic().Finish(true), (FormOutcome{true, true}));
  EXPECT_EQ(store.test.Header(hf::PeScaleStep), "50");
  EXPECT_EQ(store.test.Header(hf::PyPoint), "6");
}

TEST_F(AnalysisDlgTest, CancelAsksOnlyAfterTheFormulaUpdate) {
  {
    auto form = Open();
    form->Widgets().upButton->click();
    form->Widgets().cancelButton->click();
    EXPECT_TRUE(sink.asked.empty());
    EXPECT_EQ(form->result(), QDialog::Rejected);
  }
  auto form = Open();
  form->Widgets().updateButton->click();
  sink.answers = {false, true};
  form->Widgets().cancelButton->click();
  ASSERT_EQ(sink.asked.size(), 1u);
  EXPECT_TRUE(form->isVisible());
  form->Widgets().cancelButton->click();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(store.test.Header(hf::FormulaPoText), "");  // nothing written
}

// With VEK_SCREENSHOT_DIR set, saves the form with the three steps and a cursor row.
TEST_F(AnalysisDlgTest, Screenshot) {
  const char* dir = std::getenv("VEK_SCREENSHOT_DIR");
  if (!dir) GTEST_SKIP() << "VEK_SCREENSHOT_DIR not set";
  auto form = Open();
  Ui::CAnalysisDlg& ui = form->Widgets();
  ui.suggestButton->click();
  ui.updateButton->click();
  ui.typePy->click();
  ui.upButton->click();
  QTest::qWait(50);
  EXPECT_TRUE(form->grab().save(QString::fromUtf8(dir) + QStringLiteral("/analysis-form.png")));
}

// A value that arrives without key presses (a screen reader's setText, an input method, a paste)
// reaches the form's OK like a typed one; a scale field takes only a number.
TEST_F(AnalysisDlgTest, ScaleSetWithoutKeysReachesTheRecord) {
  auto form = Open();
  form->Widgets().peMax->setText(QStringLiteral("800"));
  form->Widgets().peStep->setText(QStringLiteral("200"));
  form->accept();
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(store.test.Header(hf::PeScaleMax), "800");
  EXPECT_EQ(store.test.Header(hf::PeScaleStep), "200");
  form = Open();
  form->Widgets().peMax->setFocus();
  QTest::keyClicks(form->Widgets().peMax, QStringLiteral("9,5"));
  EXPECT_EQ(form->Widgets().peMax->text(), QStringLiteral("80095"));
}

// A moved step or an edited line is not lost to Cancel without question 132.
TEST_F(AnalysisDlgTest, CancelAsksAfterAStepOrALineChanged) {
  auto form = Open();
  form->reject();
  EXPECT_TRUE(sink.asked.empty());
  form = Open();
  form->Widgets().formulaE->setText(QStringLiteral("E = 7.68"));
  sink.answers = {false};
  form->reject();
  EXPECT_EQ(sink.asked.size(), 1u);
  EXPECT_TRUE(form->isVisible());
}

}  // namespace
}  // namespace vek
