// A form's OK marks the document modified; leaving it (exit, New, Open, a recent or dropped file)
// asks to save first, and the title carries Qt's modified mark.
#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "app/commands.h"
#include "app_fixture.h"
#include "qt/file_dialogs.h"

namespace vek::testing {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class UnsavedChangesTest : public FrameTest {
 protected:
  // A frame on a loaded test file with one form whose OK changes header field 1.
  void StartOnFile() {
    vdw = WriteTestFileTo(home / "t.vdw", 3);
    ASSERT_TRUE(MakeFrame().StartWithFile(vdw));
    frame->RegisterFormCommand(kCmdTestHeader, [this](QWidget*) {
      store.test.Header(1) = "typed";
      return FormOutcome{true, true};
    });
    frame->RegisterFormCommand(kCmdTestAnalysis, [](QWidget*) { return FormOutcome{}; });  // Cancel
  }
  void Edit() { frame->RunCommand(kCmdTestHeader); }

  std::filesystem::path vdw;
};

TEST_F(UnsavedChangesTest, FormOkMarksTheDocumentAndTheTitle) {
  StartOnFile();
  EXPECT_EQ(frame->windowTitle(), U("t.vdw[*] - ヴェク V5"));
  EXPECT_FALSE(frame->isWindowModified());
  frame->RunCommand(kCmdTestAnalysis);
  EXPECT_FALSE(frame->Document().IsModified());  // a cancelled form changes nothing
  Edit();
  EXPECT_TRUE(frame->Document().IsModified());
  EXPECT_TRUE(frame->isWindowModified());
  // Saving clears the mark; the file holds the change.
  frame->RunCommand(kCmdFileSave);
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_NE(ReadFileBytes(vdw).find("$$Z\r\ntyped\r\n"), std::string::npos);
  EXPECT_TRUE(saveQuestions.empty());
}

TEST_F(UnsavedChangesTest, NewAsksAndCancelKeepsTheRecord) {
  StartOnFile();
  Edit();
  saveAnswers = {SaveChoice::Cancel};
  frame->RunCommand(kCmdFileNew);
  ASSERT_EQ(saveQuestions.size(), 1u);
  EXPECT_EQ(saveQuestions[0], "「t.vdw」への変更を保存しますか？");
  EXPECT_EQ(store.test.Header(1), "typed");
  EXPECT_TRUE(frame->isWindowModified());

  saveAnswers = {SaveChoice::Discard};
  frame->RunCommand(kCmdFileNew);
  EXPECT_TRUE(store.test.Header(1).empty() || store.test.Header(1) != "typed");
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_EQ(frame->windowTitle(), U("ヴェク V5[*]"));
  EXPECT_EQ(ReadFileBytes(vdw).find("typed"), std::string::npos);  // discarded, never written
}

TEST_F(UnsavedChangesTest, OpenRecentAndDropAskBeforeReplacingTheRecord) {
  StartOnFile();
  const auto other = WriteTestFileTo(home / "other.vdw", 5);
  Edit();
  // Open: Cancel leaves everything, the chooser is not even shown.
  saveAnswers = {SaveChoice::Cancel};
  chooser.openAnswers = {other};
  frame->RunCommand(kCmdFileOpen);
  EXPECT_TRUE(chooser.openRequests.empty());
  EXPECT_EQ(frame->Document().PathName(), vdw);

  // A recent file: Cancel keeps the entry and the record.
  frame->RecentFiles().Add(QString::fromStdString(other.string()));
  QMenu* fileMenu = frame->menuBar()->actions()[0]->menu();
  emit fileMenu->aboutToShow();
  QAction* first = nullptr;
  for (QAction* a : fileMenu->actions())
    if (!first && a->text().startsWith(QStringLiteral("&1"))) first = a;
  ASSERT_NE(first, nullptr);
  saveAnswers = {SaveChoice::Cancel};
  first->trigger();
  EXPECT_EQ(frame->RecentFiles().Entries().size(), 2);
  EXPECT_EQ(frame->Document().PathName(), vdw);
  EXPECT_EQ(store.test.Header(1), "typed");

  // A drop: Save writes the change, then the dropped file opens.
  saveAnswers = {SaveChoice::Save};
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(other.string()))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &drop);
  EXPECT_EQ(frame->Document().PathName(), other);
  EXPECT_NE(ReadFileBytes(vdw).find("$$Z\r\ntyped\r\n"), std::string::npos);
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_EQ(saveQuestions.size(), 3u);
}

TEST_F(UnsavedChangesTest, ExitAsksAndCancelKeepsTheWindowOpen) {
  StartOnFile();
  ShowAndPaint();
  Edit();
  saveAnswers = {SaveChoice::Cancel};
  frame->RunCommand(kCmdAppExit);
  EXPECT_TRUE(frame->isVisible());
  saveAnswers = {SaveChoice::Discard};
  frame->RunCommand(kCmdAppExit);
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(saveQuestions.size(), 2u);
  EXPECT_EQ(frame->Action(kCmdAppExit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(UnsavedChangesTest, TheDataNumberToggleIsAChangeToSave) {
  StartOnFile();
  frame->RunCommand(kCmdViewDataNumber);
  EXPECT_TRUE(frame->isWindowModified());
}

}  // namespace
}  // namespace vek::testing

namespace vek::testing {
namespace {

// The test and the calibration both changed: exit asks about each by its file name, and saving both
// keeps both files' changes. The title names the record shown, the status bar the other changed one.
class BothRecordsChangedTest : public UnsavedChangesTest {};

TEST_F(BothRecordsChangedTest, ExitSavesEachChangedRecordToItsOwnFile) {
  const auto cdw = WriteCalFileTo(home / "c.cdw", 4);
  StartOnFile();
  ASSERT_TRUE(frame->Document().LoadDocument(cdw));
  ASSERT_TRUE(frame->Document().LoadDocument(vdw));
  frame->RegisterFormCommand(kCmdCalHeader, [this](QWidget*) {
    store.calibration.Header(1) = "cal typed";
    return FormOutcome{true, true};
  });
  ShowAndPaint();
  frame->RunCommand(kCmdCalHeader);
  Edit();
  EXPECT_EQ(frame->windowTitle(), U("t.vdw[*] - ヴェク V5"));
  EXPECT_TRUE(frame->isWindowModified());
  auto* note = frame->findChild<QLabel*>(QStringLiteral("otherRecordChanged"));
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(), U("キャリブレーション「c.cdw」は変更されています（未保存）"));

  saveAnswers = {SaveChoice::Save, SaveChoice::Save};
  frame->RunCommand(kCmdAppExit);
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(saveQuestions, (std::vector<std::string>{"「t.vdw」への変更を保存しますか？", "「c.cdw」への変更を保存しますか？"}));
  EXPECT_NE(ReadFileBytes(vdw).find("$$Z\r\ntyped\r\n"), std::string::npos);
  EXPECT_NE(ReadFileBytes(cdw).find("$$Z\r\ncal typed\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vek::testing
