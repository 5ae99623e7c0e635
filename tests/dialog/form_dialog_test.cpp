#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "core/messages.h"
#include "dialog/form_dialog.h"

namespace vek {
namespace {

// Two labelled edits and an OK default button; OK is refused while the second edit is empty.
class TwoFieldForm : public FormDialog {
 public:
  TwoFieldForm(int mode, MessageSink& sink) : FormDialog(nullptr, mode, &sink) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("試験深度"), this);
    first = new QLineEdit(this);
    label->setBuddy(first);
    second = new QLineEdit(this);
    ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(first), static_cast<QWidget*>(second),
                       static_cast<QWidget*>(ok)}) {
      layout->addWidget(w);
    }
  }
  bool changed = false;
  QLineEdit* first;
  QLineEdit* second;
  QPushButton* ok;

 protected:
  bool HasChanges() const override { return changed; }
  bool CommitForm() override {
    if (!second->text().isEmpty()) return true;
    FocusField(second);
    return false;
  }
};

struct Shown {
  Shown(int mode, MessageSink& sink) : form(mode, sink) {
    form.show();
    form.activateWindow();
    form.first->setFocus();
    form.second->setText(QStringLiteral("5"));
  }
  TwoFieldForm form;
};

TEST(FormDialogTest, EnterFollowsTheModeSetting) {
  RecordingMessageSink sink;
  {
    Shown s(0, sink);
    QTest::keyClick(s.form.first, Qt::Key_Return);
    EXPECT_EQ(s.form.result(), QDialog::Accepted);  // the default button closes
  }
  {
    Shown s(1, sink);
    QTest::keyClick(s.form.first, Qt::Key_Return);
    EXPECT_TRUE(s.form.isVisible());
    EXPECT_EQ(s.form.focusWidget(), s.form.second);
  }
  {
    Shown s(2, sink);
    QTest::keyClick(s.form.first, Qt::Key_Enter);
    EXPECT_TRUE(s.form.isVisible());
    EXPECT_EQ(s.form.focusWidget(), s.form.first);
    QTest::keyClick(s.form.first, Qt::Key_Tab);  // Tab still moves
    EXPECT_EQ(s.form.focusWidget(), s.form.second);
  }
}

TEST(FormDialogTest, RefusedOkKeepsTheFormAndFocusesTheField) {
  RecordingMessageSink sink;
  Shown s(0, sink);
  s.form.second->clear();
  s.form.ok->click();
  EXPECT_TRUE(s.form.isVisible());
  EXPECT_EQ(s.form.focusWidget(), s.form.second);
}

TEST(FormDialogTest, CancelAsksOnlyWhenChangedAndNoKeepsTheFormOpen) {
  RecordingMessageSink sink;
  {
    Shown s(0, sink);
    s.form.reject();
    EXPECT_FALSE(s.form.isVisible());
    EXPECT_TRUE(sink.asked.empty());
  }
  {
    Shown s(0, sink);
    s.form.changed = true;
    sink.answers = {false, true};
    QTest::keyClick(s.form.first, Qt::Key_Escape);
    EXPECT_TRUE(s.form.isVisible());
    s.form.reject();
    EXPECT_FALSE(s.form.isVisible());
    ASSERT_EQ(sink.asked.size(), 2u);
    EXPECT_EQ(sink.asked[0], NumberedMessage(msg::DataChangedCancel));
  }
}

// A question box that takes the keyboard and closes without handing it back, as a box does on a
// desktop without a window manager.
class StealingSink : public RecordingMessageSink {
 public:
  bool AskYesNo(const std::string& text) override {
    QWidget box;
    box.show();
    box.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
    box.hide();
    return RecordingMessageSink::AskYesNo(text);
  }
};

TEST(FormDialogTest, AfterTheCancelQuestionTheKeyboardGoesBackToTheFormOrTheMainWindow) {
  QWidget main;
  main.show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  StealingSink sink;
  sink.answers = {false, true};
  TwoFieldForm form(0, sink);
  form.setParent(&main, form.windowFlags());
  form.changed = true;
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

  form.reject();  // No: the form stays, with the keyboard
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
  form.reject();  // Yes: the form closes, the main window has the keyboard
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
}

TEST(FormDialogTest, LabelledControlsCarryTheirLabelAsAccessibleName) {
  RecordingMessageSink sink;
  Shown s(0, sink);
  EXPECT_EQ(s.form.first->accessibleName(), QStringLiteral("試験深度"));
}

}  // namespace
}  // namespace vek
