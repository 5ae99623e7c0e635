// The header dialogs and the master-list dialog on their widgets: Enter modes, the sign rule on
// leaving a field, "開く" and Cancel, the entry validator, the list's in-place editor.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <deque>

#include "core/encoding.h"
#include "forms/cal_header_dialog.h"
#include "forms/cell_grid_view.h"
#include "forms/master_list_dialog.h"
#include "forms/vek_header_dialog.h"
#include "support/form_shots.h"
#include "support/program_home.h"

namespace vek {
namespace {

namespace fs = std::filesystem;

class PathChooser : public FileChooser {
 public:
  std::optional<fs::path> ChooseOpenFile(const FileChooserRequest&) override {
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<fs::path> ChooseSaveFile(const FileChooserRequest&) override { return std::nullopt; }
  std::deque<fs::path> answers;
};

// Types text as key presses, also characters without a key of their own.
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_A, QString(c), Qt::NoModifier);
}

class HeaderDialogsTest : public ::testing::Test {
 protected:
  template <typename Form>
  void Show(Form& form) {
    form.show();
    form.activateWindow();
    QApplication::processEvents();
  }
  testing::ProgramHome home;
  RecordStore store;
  RecordingMessageSink sink;
  PathChooser chooser;
};

TEST_F(HeaderDialogsTest, EnterFollowsTheModeInBothHeaderForms) {
  for (int mode : {0, 1, 2}) {
    home.settings.EnterKeyMode = mode;
    CCalHeaderDlg cal(nullptr, store, home.settings, &sink);
    CTestHeaderDlg test(nullptr, store, home.settings, chooser, &sink);
    for (QDialog* form : {static_cast<QDialog*>(&cal), static_cast<QDialog*>(&test)}) {
      Show(*form);
      QLineEdit* survey = form->findChild<QLineEdit*>("surveyNameEdit");
      survey->setFocus();
      QTest::keyClick(survey, Qt::Key_Return);
      if (mode == 0) {
        EXPECT_EQ(form->result(), QDialog::Accepted) << mode;  // OK is the default button
      } else {
        EXPECT_TRUE(form->isVisible()) << mode;
        EXPECT_EQ(form->focusWidget() != survey, mode == 1) << mode;
      }
      form->hide();
    }
  }
}

TEST_F(HeaderDialogsTest, LeavingTheDepthSignsItAndCancelThenAsks) {
  store.test.Header(hf::TestDepth) = "3";  // shown as stored until the field is left
  CTestHeaderDlg form(nullptr, store, home.settings, chooser, &sink);
  Show(form);
  auto& ui = form.Widgets();
  EXPECT_EQ(ui.depthEdit->text(), "3");
  ui.depthEdit->setFocus();
  ui.depthEdit->setText("12.5");
  ui.poissonEdit->setFocus();
  EXPECT_EQ(ui.depthEdit->text(), "-12.5");
  sink.answers = {false};
  form.reject();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(sink.asked, std::vector<std::string>{NumberedMessage(msg::DataChangedCancel)});
}

TEST_F(HeaderDialogsTest, OpenShowsTheFileAndCancelPutsTheOldRowsBack) {
  store.test.Cal(1, 1) = "7";
  store.test.Cal(1, 3) = "1";
  const fs::path cal = home.home / "c.cdw";
  testing::WriteFileBytes(cal, testing::CalFileBytes("$$_VCKARUM304", 4));
  chooser.answers = {cal};
  CTestHeaderDlg form(nullptr, store, home.settings, chooser, &sink);
  Show(form);
  form.Widgets().openButton->click();
  EXPECT_EQ(form.Widgets().calFileEdit->text(), QString::fromStdString(cal.string()));
  EXPECT_EQ(form.Logic().Working().test.Cal(4, 1), "40");
  EXPECT_TRUE(store.test.Cal(4, 1).empty());  // the record waits for OK
  testing::ShootForm(form, "test_header_after_open.png");
  sink.answers = {true};
  form.Widgets().cancelButton->click();
  ASSERT_FALSE(form.isVisible());
  form.Logic().Finish(false, sink);
  EXPECT_EQ(store.test.Cal(1, 1), "7");
  EXPECT_TRUE(store.test.Cal(4, 1).empty());
}

TEST_F(HeaderDialogsTest, FieldsRefuseWhatTheFileCannotHold) {
  CTestHeaderDlg form(nullptr, store, home.settings, chooser, &sink);
  Show(form);
  auto& ui = form.Widgets();
  QTest::keyClicks(ui.memoEdit, "a$$b");
  EXPECT_EQ(ui.memoEdit->text(), "a$b");
  QTest::keyClicks(ui.depthEdit, QString(40, '1'));
  EXPECT_EQ(ui.depthEdit->text().size(), kSignedLevelBytes);
  ui.engineerCombo->lineEdit()->setFocus();
  Type(ui.engineerCombo->lineEdit(), QStringLiteral("山田\u20AC"));  // no euro sign in CP932
  EXPECT_EQ(ui.engineerCombo->currentText(), QStringLiteral("山田"));
}

TEST_F(HeaderDialogsTest, TheMemoShowsAWholeNoteOfTheSample) {
  store.test.Header(hf::Memo) = Sjis("ボーリング孔径 φ86mm");
  CTestHeaderDlg form(nullptr, store, home.settings, chooser, &sink);
  Show(form);
  testing::ShootForm(form, "vek_header_memo.png");
  auto* memo = form.findChild<QLineEdit*>("memoEdit");
  ASSERT_NE(memo, nullptr);
  const int textWidth = memo->fontMetrics().horizontalAdvance(memo->text());
  EXPECT_LE(textWidth, memo->contentsRect().width() - 8) << memo->width();  // 8: the frame's text margins
}

// After a test was opened, the calibration form still edits the calibration loaded earlier; it
// says so when the test names another file.
TEST_F(HeaderDialogsTest, CalibrationFormSaysWhenTheTestUsesAnotherFile) {
  store.calFilePath = "/data/cal-sample.cdw";
  store.test.Header(hf::CalFileName) = "/site/probe-2.cdw";
  CCalHeaderDlg form(nullptr, store, home.settings, &sink);
  Show(form);
  const QString note = form.Widgets().fileNoteLabel->text();
  EXPECT_TRUE(note.startsWith(QStringLiteral("この見出しのCAL: cal-sample.cdw"))) << note.toStdString();
  EXPECT_TRUE(note.contains(QStringLiteral("別のファイル (probe-2.cdw)"))) << note.toStdString();
  testing::ShootForm(form, "cal_header_other_calibration.png");
}

TEST_F(HeaderDialogsTest, OkTakesTheWidgetsIntoTheRecord) {
  CCalHeaderDlg form(nullptr, store, home.settings, &sink);
  Show(form);
  auto& ui = form.Widgets();
  ui.surveyNameEdit->setText(QStringLiteral("較正"));
  ui.eraCombo->setCurrentIndex(1);
  ui.regressionRadio->setChecked(true);
  ui.boringNoEdit->setText("No.3");
  ui.initialLevelEdit->setText("12.0");
  ui.yearEdit->setText("30");
  ui.engineerCombo->setEditText(QStringLiteral("鈴木 一郎"));
  testing::ShootForm(form, "cal_header_filled.png");
  form.accept();
  form.Logic().Finish(true, sink);
  EXPECT_EQ(store.calibration.Header(hf::SurveyName), Sjis("較正"));
  EXPECT_EQ(store.calibration.Header(hf::DateEra), Sjis("平成"));
  EXPECT_EQ(store.calibration.Header(hf::CalCurveType), "1");
}

TEST_F(HeaderDialogsTest, EveryControlIsNamedForScreenReadersAndReachedInVisualOrder) {
  CCalHeaderDlg cal(nullptr, store, home.settings, &sink);
  CTestHeaderDlg test(nullptr, store, home.settings, chooser, &sink);
  CMasterFileDlg list(nullptr, home.settings, MasterListKind::Engineers, &sink);
  for (QDialog* form : {static_cast<QDialog*>(&cal), static_cast<QDialog*>(&test), static_cast<QDialog*>(&list)}) {
    Show(*form);
    for (QWidget* w : form->findChildren<QWidget*>()) {
      if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus) || qobject_cast<QComboBox*>(w->parentWidget()))
        continue;
      auto* button = qobject_cast<QAbstractButton*>(w);
      const QString name = w->accessibleName().isEmpty() && button ? button->text() : w->accessibleName();
      EXPECT_FALSE(name.isEmpty()) << form->windowTitle().toStdString() << " " << w->objectName().toStdString();
    }
  }
}

TEST_F(HeaderDialogsTest, TabRunsDownTheFormAsItReads) {
  CTestHeaderDlg test(nullptr, store, home.settings, chooser, &sink);
  Show(test);
  auto& ui = test.Widgets();
  ui.surveyNameCaptionEdit->setFocus();
  const std::vector<QWidget*> order = {ui.surveyNameEdit, ui.noCaptionEdit, ui.boringNoEdit, ui.depthEdit,
                                       ui.poissonEdit, ui.initialLevelEdit, ui.insertedLevelEdit, ui.eraCombo,
                                       ui.yearEdit};
  for (QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

// A heading value too long for its place on the sheet is named under the fields while it is typed,
// and the field carries the same words; measured as the 600-dpi printer draws the 10.5-point
// heading font, where about 42 full-width characters fit after 調査名.
TEST_F(HeaderDialogsTest, ALongSurveyNameIsNamedWhileTypedAndNoLongerOnceDeleted) {
  home.settings.fonts[0] = {10.5, Sjis("ＭＳ 明朝"), 0, 0};
  CTestHeaderDlg form(nullptr, store, home.settings, chooser, &sink);
  Show(form);
  auto& ui = form.Widgets();
  EXPECT_FALSE(ui.fitNoticeLabel->isVisible());
  EXPECT_EQ(ui.fitNoticeLabel->focusPolicy(), Qt::NoFocus);  // Tab passes it by
  ui.surveyNameEdit->setFocus();
  Type(ui.surveyNameEdit, QString(30, QChar(0x5317)));  // 北 x 30: fits
  EXPECT_FALSE(ui.fitNoticeLabel->isVisible());
  Type(ui.surveyNameEdit, QString(20, QChar(0x5317)));
  const QString notice = QStringLiteral("「調査名」は印刷時に縮小されます");
  EXPECT_TRUE(ui.fitNoticeLabel->isVisible());
  EXPECT_EQ(ui.fitNoticeLabel->text(), notice);
  EXPECT_EQ(ui.surveyNameEdit->toolTip(), notice);
  EXPECT_EQ(ui.surveyNameEdit->accessibleDescription(), notice);
  EXPECT_TRUE(ui.boringNoEdit->toolTip().isEmpty());
  testing::ShootForm(form, "vek_header_long_survey_name.png");
  if (std::getenv("VEK_SHOT_DIR")) {  // the field's tooltip, as hovering over it shows it
    const QPoint at(10, 5);
    QHelpEvent hover(QEvent::ToolTip, at, ui.surveyNameEdit->mapToGlobal(at));
    QApplication::sendEvent(ui.surveyNameEdit, &hover);
    testing::ShootScreen("vek_header_long_survey_name_screen.png");
  }

  QTest::keyClick(ui.surveyNameEdit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(ui.surveyNameEdit, Qt::Key_Backspace);
  EXPECT_TRUE(ui.surveyNameEdit->text().isEmpty());
  EXPECT_FALSE(ui.fitNoticeLabel->isVisible());
  EXPECT_TRUE(ui.surveyNameEdit->toolTip().isEmpty());
  EXPECT_TRUE(ui.surveyNameEdit->accessibleDescription().isEmpty());
}

// The calibration form says the same of its own fields; a date names the date's label and marks
// all four of its fields; a record opened with a long value is flagged at once.
TEST_F(HeaderDialogsTest, TheCalibrationFormNamesEachValueByItsLabel) {
  home.settings.fonts[0] = {10.5, Sjis("ＭＳ 明朝"), 0, 0};
  for (int i = 0; i < 50; ++i) store.calibration.Header(hf::Engineer) += Sjis("山");
  CCalHeaderDlg form(nullptr, store, home.settings, &sink);
  Show(form);
  auto& ui = form.Widgets();
  EXPECT_EQ(ui.fitNoticeLabel->text(), QStringLiteral("「担当者」は印刷時に縮小されます"));
  ui.eraCombo->setEditText(QString(45, QChar(0x4EE4)));  // 令 x 45
  EXPECT_EQ(ui.fitNoticeLabel->text(), QStringLiteral("「測定年月日」、「担当者」は印刷時に縮小されます"));
  for (QWidget* date : {static_cast<QWidget*>(ui.eraCombo), static_cast<QWidget*>(ui.yearEdit),
                        static_cast<QWidget*>(ui.monthEdit), static_cast<QWidget*>(ui.dayEdit)})
    EXPECT_EQ(date->toolTip(), QStringLiteral("「測定年月日」は印刷時に縮小されます")) << date->objectName().toStdString();
  testing::ShootForm(form, "cal_header_long_date_and_engineer.png");
  ui.engineerCombo->setEditText(QStringLiteral("山田"));
  EXPECT_EQ(ui.fitNoticeLabel->text(), QStringLiteral("「測定年月日」は印刷時に縮小されます"));
  EXPECT_TRUE(ui.engineerCombo->toolTip().isEmpty());
}

class MasterFileDlgTest : public HeaderDialogsTest {
 protected:
  void SetUp() override {
    testing::WriteFileBytes(home.Folder() / "D.mst", Sjis("シルト") + "\r\n" + Sjis("粘土") + "\r\n");
  }
};

TEST_F(MasterFileDlgTest, OpensOnTheFirstFreeRowAndOkSavesTheList) {
  home.settings.EnterKeyMode = 1;
  CMasterFileDlg form(nullptr, home.settings, MasterListKind::SoilNames, &sink);
  Show(form);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("土質名 登録編集"));
  CellGridView* list = form.Widgets().listTable;
  EXPECT_EQ(list->model()->rowCount(), 80);
  EXPECT_EQ(form.Logic().CurrentRow(), 3u);  // the first free row
  list->setFocus();
  QTest::keyClick(list, Qt::Key_F2);
  ASSERT_NE(list->Editor(), nullptr);
  EXPECT_EQ(list->EditedIndex().row(), 2);
  Type(list->Editor(), QStringLiteral("砂"));
  testing::ShootForm(form, "master_list_editing.png");
  QTest::keyClick(list->Editor(), Qt::Key_Escape);
  EXPECT_EQ(list->model()->index(2, 0).data().toString(), QStringLiteral("砂"));
  // Outside the editor Enter follows the mode: it moves on and never closes the form.
  form.Widgets().deleteButton->setFocus();
  QTest::keyClick(form.Widgets().deleteButton, Qt::Key_Return);
  EXPECT_TRUE(form.isVisible());
  EXPECT_NE(form.focusWidget(), form.Widgets().deleteButton);
  form.Widgets().okButton->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(testing::ReadFileBytes(home.Folder() / "D.mst"),
            Sjis("シルト") + "\r\n" + Sjis("粘土") + "\r\n" + Sjis("砂") + "\r\n");
}

}  // namespace
}  // namespace vek

namespace vek {
namespace {

// A number field holding "0,35" or "7,25" is refused at OK with its name, the focus goes to it and
// nothing reaches the record; a corrected value passes.
TEST_F(HeaderDialogsTest, OkRefusesANumberFieldThatIsNoNumber) {
  store.test.Header(hf::PoissonRatio) = "0.3";
  CTestHeaderDlg form(nullptr, store, home.settings, chooser, &sink);
  Show(form);
  auto* poisson = form.findChild<QLineEdit*>("poissonEdit");
  auto* depth = form.findChild<QLineEdit*>("depthEdit");
  ASSERT_TRUE(poisson && depth);
  depth->setText(QStringLiteral("7,25"));
  poisson->setText(QStringLiteral("0,35"));
  form.accept();
  EXPECT_FALSE(form.isHidden() && form.result() == QDialog::Accepted);
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back(), "測定深度: 数字を入力してください。");
  EXPECT_EQ(QApplication::focusWidget(), depth);
  depth->setText(QStringLiteral("7.25"));
  form.accept();
  EXPECT_EQ(sink.shown.back(), "ポアソン比: 数字を入力してください。");
  EXPECT_EQ(QApplication::focusWidget(), poisson);
  testing::ShootForm(form, "header-refused-number.png");
  poisson->setText(QStringLiteral("035"));
  form.accept();
  EXPECT_EQ(sink.shown.back(), "ポアソン比: 0 以上 0.5 未満の数字を入力してください。");
  EXPECT_EQ(store.test.Header(hf::PoissonRatio), "0.3");
  poisson->setText(QStringLiteral("0.35"));
  form.accept();
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

// Typed header text is not lost to Cancel or Esc without question 132; an untouched form closes at once.
TEST_F(HeaderDialogsTest, CancelAsksOnlyWhenSomethingWasTyped) {
  CCalHeaderDlg cal(nullptr, store, home.settings, &sink);
  Show(cal);
  cal.reject();
  EXPECT_TRUE(sink.asked.empty());
  CCalHeaderDlg typed(nullptr, store, home.settings, &sink);
  Show(typed);
  typed.findChild<QLineEdit*>("surveyNameEdit")->setText(QStringLiteral("調査"));
  sink.answers = {false};
  QTest::keyClick(&typed, Qt::Key_Escape);
  EXPECT_EQ(sink.asked, std::vector<std::string>{NumberedMessage(msg::DataChangedCancel)});
  EXPECT_TRUE(typed.isVisible());
  CTestHeaderDlg test(nullptr, store, home.settings, chooser, &sink);
  Show(test);
  test.findChild<QLineEdit*>("poissonEdit")->setText(QStringLiteral("0.35"));
  test.reject();
  EXPECT_EQ(sink.asked.size(), 2u);
}

}  // namespace
}  // namespace vek
