#include "settings/sheet_page_dialog.h"

#include <gtest/gtest.h>

#include <QTest>

#include "core/encoding.h"
#include "core/header_fields.h"
#include "dialog_shots.h"

namespace vek {
namespace {

using namespace hf;

QString U(const char* s) { return QString::fromUtf8(s); }

struct PageForm {
  explicit PageForm(int mode = 1) : form(record, kTestSheet, PaperSizeMm{210, 297}), dlg(nullptr, form, mode, &sink) {
    dlg.show();
    dlg.activateWindow();
    QApplication::processEvents();
  }
  Record record;
  SheetPageLogic form;
  RecordingMessageSink sink;
  CSheetPageDlg dlg;
};

TEST(SheetPageDlgTest, OpensWithTheStandardPositionOnAnEmptyRecordAndNamesEveryControl) {
  PageForm f;
  testing::SaveShot(f.dlg, "sheet_page_vek");
  const auto& ui = f.dlg.ui;
  EXPECT_EQ(f.dlg.windowTitle(), U("VEK ページ設定"));
  EXPECT_EQ(ui.topMargin->text(), "281");
  EXPECT_EQ(ui.leftMargin->text(), "105");
  EXPECT_EQ(ui.centreOffset->text(), "105");
  EXPECT_TRUE(ui.verticalCompanyName->isChecked());
  EXPECT_TRUE(ui.horizontalCentred->isChecked());
  EXPECT_FALSE(ui.topMargin->isEnabled());
  EXPECT_FALSE(ui.leftMargin->isEnabled());
  EXPECT_EQ(ui.graphPrefix->itemText(0), U("   <無し>"));
  for (QWidget* w : f.dlg.findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget())) continue;
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
      EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
  }
}

TEST(SheetPageDlgTest, OpeningTheBeforeListAndLeavingThePageEditRefreshThePreview) {
  PageForm f;
  auto& ui = f.dlg.ui;
  ui.tablePrefix->setEditText("(");
  ui.tablePage->setFocus();
  ui.tablePage->setText("1");
  EXPECT_EQ(ui.tablePreview->text(), "");
  ui.tablePrefix->setFocus();  // the page edit loses the focus
  EXPECT_EQ(ui.tablePreview->text(), "(1");
  ui.tablePrefix->showPopup();
  ui.tablePrefix->hidePopup();
  EXPECT_EQ(ui.tableSuffix->currentText(), ")");
  EXPECT_EQ(ui.tablePreview->text(), "(1)");
  testing::SaveShot(f.dlg, "sheet_page_preview");
}

TEST(SheetPageDlgTest, RadiosFollowTheEnableRulesAndOkWritesTheRecord) {
  PageForm f;
  auto& ui = f.dlg.ui;
  ui.verticalPaperTop->click();
  ui.horizontalPaperLeft->click();
  EXPECT_TRUE(ui.topMargin->isEnabled());
  EXPECT_FALSE(ui.nameOffset->isEnabled());
  EXPECT_TRUE(ui.leftMargin->isEnabled());
  ui.okButton->click();
  EXPECT_EQ(f.dlg.result(), QDialog::Accepted);
  EXPECT_TRUE(f.dlg.RecordChanged());
  // 281 from the top of an A4 page may be off the paper: said, and stored all the same.
  EXPECT_EQ(f.sink.shown, std::vector<std::string>{NumberedMessage(msg::FooterOffPaper, "281")});
  EXPECT_EQ(f.record.Header(FooterVerticalMode), "0");
  EXPECT_EQ(f.record.Header(FooterHorizontalMode), "0");
  EXPECT_EQ(f.record.Header(FooterTopMargin), "281");
  EXPECT_EQ(f.record.Header(FooterCentreOffset), "105");
}

TEST(SheetPageDlgTest, StandardThenCancelLeavesTheRecordAsItWas) {
  PageForm f;
  f.dlg.ui.horizontalPaperLeft->click();
  f.dlg.ui.leftMargin->setText("33");
  f.dlg.ui.okButton->click();
  const auto saved = f.record.HeaderFields;

  SheetPageLogic again(f.record, kTestSheet, PaperSizeMm{210, 297});
  CSheetPageDlg dlg(nullptr, again, 1, &f.sink);
  dlg.show();
  EXPECT_EQ(dlg.ui.leftMargin->text(), "33");
  dlg.ui.standardButton->click();
  EXPECT_EQ(dlg.ui.leftMargin->text(), "105");
  dlg.ui.cancelButton->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(f.record.HeaderFields, saved);
}

TEST(SheetPageDlgTest, EnterFollowsTheKeySetting) {
  {
    PageForm f(1);
    f.dlg.ui.nameOffset->setFocus();
    QTest::keyClick(f.dlg.ui.nameOffset, Qt::Key_Return);
    EXPECT_TRUE(f.dlg.isVisible());
    EXPECT_NE(QApplication::focusWidget(), f.dlg.ui.nameOffset);
  }
  {
    PageForm f(0);
    f.dlg.ui.nameOffset->setFocus();
    QTest::keyClick(f.dlg.ui.nameOffset, Qt::Key_Return);
    EXPECT_EQ(f.dlg.result(), QDialog::Accepted);
  }
}

TEST(SheetPageDlgTest, CalibrationCaptionAndTheArrowButton) {
  Record record;
  record.Header(FooterTopMargin) = "200";
  SheetPageLogic form(record, kCalibrationSheet, PaperSizeMm{210, 297});
  RecordingMessageSink sink;
  CSheetPageDlg dlg(nullptr, form, 1, &sink);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), U("CAL ページ設定"));
  EXPECT_FALSE(dlg.ui.sameAsName->isEnabled());
  dlg.ui.verticalCompanyName->click();
  dlg.ui.sameAsName->click();
  EXPECT_EQ(dlg.ui.nameOffset->text(), "0");
  testing::SaveShot(dlg, "sheet_page_cal");
}

// Typed footer text is not lost to Cancel without question 132; an untouched form closes at once.
TEST(SheetPageDlgTest, CancelAsksOnlyAfterAChange) {
  PageForm untouched;
  untouched.dlg.reject();
  EXPECT_TRUE(untouched.sink.asked.empty());
  EXPECT_FALSE(untouched.dlg.isVisible());
  PageForm typed;
  typed.dlg.ui.graphPage->setText(QStringLiteral("12"));
  typed.sink.answers = {false};
  typed.dlg.reject();
  EXPECT_EQ(typed.sink.asked, std::vector<std::string>{NumberedMessage(msg::DataChangedCancel)});
  EXPECT_TRUE(typed.dlg.isVisible());
}

}  // namespace
}  // namespace vek
