// The main window: start-up, menus, toolbar, status bar, file commands, recent files, drops, exit.
#include <QAction>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "app/commands.h"
#include "qt/file_dialogs.h"
#include "app_fixture.h"

namespace vek::testing {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

bool Shown(const RecordingMessageSink& sink, std::string_view text) {
  return std::any_of(sink.shown.begin(), sink.shown.end(), [&](const std::string& s) { return s == text; });
}

QStringList MenuTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) texts << "-";
    else if (a->isVisible()) texts << a->text();
  }
  return texts;
}

using MainWindowTest = FrameTest;

TEST_F(MainWindowTest, StartsWithNewTestDocumentCentredAtItsShareOfTheScreen) {
  store.currentSheet = kCalibrationSheet;
  store.calFilePath = "old.cdw";
  store.test.Header(1) = "left over";
  store.test.Test(1, 1) = "100";
  StartNew();

  EXPECT_EQ(frame->windowTitle(), U("ヴェク V5[*]"));
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_EQ(store.currentSheet, kTestSheet);
  EXPECT_TRUE(store.calFilePath.empty());
  EXPECT_TRUE(store.test.Test(1, 1).empty());
  // The view update ran: settings were loaded (factory values, the missing Sys.ndx is reported) and
  // the paper stays A4 without a printer and without a message.
  EXPECT_EQ(settings.systemFileCounter, 1);
  EXPECT_EQ(View().paperWidthMm, 210);
  EXPECT_EQ(View().paperHeightMm, 297);
  EXPECT_FALSE(Shown(sink, NumberedMessage(msg::DeviceError)));
  EXPECT_EQ(View().currentPage, 1);

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int w = static_cast<int>(screen.width() * 0.86), h = static_cast<int>(screen.height() * 0.80);
  EXPECT_EQ(frame->size(), QSize(w, h));
  EXPECT_EQ(frame->pos(), QPoint(screen.x() + (screen.width() - w) / 2, screen.y() + (screen.height() - h) / 2));
  EXPECT_TRUE(frame->acceptDrops());
  EXPECT_FALSE(frame->Document().IsModified());
}

TEST_F(MainWindowTest, StartsWithFileOfEitherKindAndRefusesForeignFiles) {
  const auto vdw = WriteTestFileTo(home / "t.vdw", 12);
  ASSERT_TRUE(MakeFrame().StartWithFile(vdw));
  EXPECT_EQ(store.currentSheet, kTestSheet);
  EXPECT_EQ(store.CountDataRows(tf::Pressure), 12);
  EXPECT_EQ(frame->Document().PathName(), vdw);
  EXPECT_EQ(store.testFilePath, "*.vdw");
  ASSERT_EQ(frame->RecentFiles().Entries().size(), 1);
  EXPECT_EQ(QStringToPath(frame->RecentFiles().Entries()[0]), vdw);

  const auto cdw = WriteCalFileTo(home / "c.cdw", 6);
  ASSERT_TRUE(MakeFrame().StartWithFile(cdw));
  EXPECT_EQ(store.currentSheet, kCalibrationSheet);
  EXPECT_EQ(store.calibration.Cal(6, 1), "120");

  // A file that is not ours ends the start (the window mode then exits).
  WriteFileBytes(home / "x.vdw", "hello\r\n");
  sink.shown.clear();
  EXPECT_FALSE(MakeFrame().StartWithFile(home / "x.vdw"));
  EXPECT_TRUE(Shown(sink, NumberedMessage(msg::NotVekData)));
  EXPECT_FALSE(MakeFrame().StartWithFile(home / "missing.vdw"));
}

TEST_F(MainWindowTest, MenusFollowTheCommandTable) {
  StartNew();
  QStringList titles;
  for (QAction* a : frame->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, QStringList({U("ﾌｧｲﾙ(&F)"), U("ＣＡＬ(&C)"), U("ＶＥＫ(&L)"), U("表示(&V)"), U("設定(&S)"),
                                 U("ﾍﾙﾌﾟ(&H)")}));
  const auto menus = frame->menuBar()->actions();
  EXPECT_EQ(MenuTexts(menus[0]->menu()),
            QStringList({U("新規作成(&N)\tCtrl+N"), U("開く(&O)...\tCtrl+O"), U("上書き保存(&S)\tCtrl+S"),
                         U("名前を付けて保存(&A)..."), U("CSV出力(&C)..."), "-", U("印刷(&P)...\tCtrl+P"), U("印刷ﾌﾟﾚﾋﾞｭｰ(&V)"),
                         U("まとめて印刷(&B)..."), U("ﾌﾟﾘﾝﾀの設定(&R)..."), "-", U("最近使ったﾌｧｲﾙ"), "-", U("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)")}));
  EXPECT_EQ(MenuTexts(menus[2]->menu()),
            QStringList({U("見出し(&M)"), U("データ(&A)"), U("解析/目盛り(&N)"), "-", U("ページ(&P)"), "-",
                         U("データ点検(&K)")}));
  EXPECT_EQ(MenuTexts(menus[5]->menu()), QStringList({U("ﾊﾞｰｼﾞｮﾝ情報(&A)"), U("操作＆ヘルプ(&H)\tF1")}));

  EXPECT_EQ(frame->Action(kCmdFileNew)->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_EQ(frame->Action(kCmdFileOpen)->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(frame->Action(kCmdFileSave)->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(frame->Action(kCmdFilePrint)->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_EQ(frame->Action(kCmdFileNew)->statusTip(), U("新規にﾌｧｲﾙを作成"));
  EXPECT_EQ(frame->Action(kCmdCalHeader)->statusTip(), U("調査名などのデータ　TABｷｰでカーソル移動"));
  EXPECT_EQ(frame->Action(kCmdViewDataNumber)->statusTip(), U("測定データNo.の表示/非表示"));

  // Forms come with later builds: present but disabled until one is registered.
  for (int id : {kCmdCalHeader, kCmdCalData, kCmdCalPage, kCmdTestHeader, kCmdTestData, kCmdTestAnalysis,
                 kCmdTestPage, kCmdSetFormat, kCmdSetLines, kCmdSetEngineers, kCmdSetSoils, kCmdSetFont, kCmdSetKey,
                 kCmdSetSetup, kCmdHelpForm})
    EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
  for (int id : {kCmdFileNew, kCmdFileOpen, kCmdFileSave, kCmdFileSaveAs, kCmdFilePrint, kCmdFilePrintPreview,
                 kCmdFileReportPrint, kCmdFilePrintSetup, kCmdAppExit, kCmdAppAbout, kCmdViewDataNumber})
    EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
}

TEST_F(MainWindowTest, ToolbarHasTheTenButtonsInOrderAndTheStatusBarItsPanes) {
  StartNew();
  QStringList tips;
  for (QAction* a : frame->ToolBar()->actions()) tips << (a->isSeparator() ? QString("|") : a->toolTip());
  EXPECT_EQ(tips, QStringList({U("新規ﾌｧｲﾙ"), U("開く"), U("保存"), "|", U("印刷"), U("ﾊﾞｰｼﾞｮﾝ情報"), "|",
                               U("グラフ"), U("データ表"), "|", U("前頁"), U("次頁")}));
  EXPECT_EQ(frame->Action(kCmdPrevPage)->statusTip(), U("前のページへ"));
  EXPECT_TRUE(frame->ToolBar()->isMovable());
  EXPECT_EQ(frame->toolBarArea(frame->ToolBar()), Qt::TopToolBarArea);
  for (QAction* a : frame->ToolBar()->actions()) EXPECT_TRUE(a->isSeparator() || !a->icon().isNull());

  EXPECT_EQ(frame->StatusMessage(), U("↑↓またはPageUp(RollUp), PageDown(RollDown) ｷｰで改ページ"));
  frame->statusBar()->showMessage(frame->Action(kCmdFileOpen)->statusTip());
  EXPECT_EQ(frame->StatusMessage(), U("既存のﾌｧｲﾙを開く"));
  frame->statusBar()->clearMessage();
  QStringList panes;
  for (QLabel* l : frame->statusBar()->findChildren<QLabel*>())
    if (l->objectName().startsWith("indicator_")) panes << l->text();
  EXPECT_EQ(panes, QStringList({U("ｶﾅ"), "CAP", "NUM", "SCRL"}));
}

TEST_F(MainWindowTest, ViewMenuTogglesBarsAndTheDataNumberOfTheTestRecordOnly) {
  StartNew();
  ShowAndPaint();
  frame->RunCommand(kCmdViewToolBar);
  EXPECT_FALSE(frame->ToolBar()->isVisible());
  EXPECT_FALSE(frame->Action(kCmdViewToolBar)->isChecked());
  frame->RunCommand(kCmdViewToolBar);
  EXPECT_TRUE(frame->ToolBar()->isVisible());
  EXPECT_TRUE(frame->Action(kCmdViewToolBar)->isChecked());
  frame->RunCommand(kCmdViewStatusBar);
  EXPECT_FALSE(frame->statusBar()->isVisible());
  EXPECT_FALSE(frame->Action(kCmdViewStatusBar)->isChecked());

  store.test.Header(59) = "";
  store.calibration.Header(59) = "1";
  store.currentSheet = kCalibrationSheet;
  frame->RunCommand(kCmdViewDataNumber);
  EXPECT_EQ(store.test.Header(59), "1");
  EXPECT_TRUE(frame->Action(kCmdViewDataNumber)->isChecked());
  frame->RunCommand(kCmdViewDataNumber);
  EXPECT_EQ(store.test.Header(59), "0");
  EXPECT_FALSE(frame->Action(kCmdViewDataNumber)->isChecked());
  store.test.Header(59) = "  7x";  // atoi of it is non-zero
  frame->RunCommand(kCmdViewDataNumber);
  EXPECT_EQ(store.test.Header(59), "0");
  EXPECT_EQ(store.calibration.Header(59), "1");
}

TEST_F(MainWindowTest, OpenSaveAndSaveAsGoThroughTheChoosers) {
  StartNew();
  const auto cdw = WriteCalFileTo(home / "data" / "c.cdw", 5);
  chooser.openAnswers.push_back(cdw);
  frame->RunCommand(kCmdFileOpen);
  ASSERT_EQ(chooser.openRequests.size(), 1u);
  EXPECT_NE(chooser.openRequests[0].filter.find("*.vdw;*.cdw"), std::string::npos);
  EXPECT_EQ(store.currentSheet, kCalibrationSheet);
  EXPECT_EQ(store.calibration.Cal(5, 2), "23");
  // The next Open starts in the folder of this file (FileV.ndx).
  frame->RunCommand(kCmdFileOpen);
  ASSERT_EQ(chooser.openRequests.size(), 2u);
  EXPECT_EQ(chooser.openRequests[1].initialFolder, cdw.parent_path());

  // Save writes the calibration record back to its file.
  store.calibration.Header(1) = "changed";
  frame->RunCommand(kCmdFileSave);
  EXPECT_NE(ReadFileBytes(cdw).find("changed\r\n"), std::string::npos);
  EXPECT_TRUE(chooser.saveRequests.empty());

  // Save As with an old generation's extension writes nothing and asks for another name.
  chooser.saveAnswers.push_back(home / "c.cdf");
  frame->RunCommand(kCmdFileSaveAs);
  EXPECT_TRUE(Shown(sink, "拡張子を CDW(cdw) または VDW(vdw)にして下さい"));
  EXPECT_FALSE(std::filesystem::exists(home / "c.cdf"));
  ASSERT_EQ(chooser.saveRequests.size(), 2u);
  EXPECT_TRUE(chooser.saveRequests[0].overwritePrompt);
  EXPECT_EQ(chooser.saveRequests[1].startName, home / "c.cdf");

  // Without extension the current sheet decides: the calibration sheet gives a .cdw file.
  chooser.saveAnswers.push_back(home / "copy");
  frame->RunCommand(kCmdFileSaveAs);
  EXPECT_EQ(ReadFileBytes(home / "copy.cdw").substr(0, 13), "$$_VCKARUM304");
  EXPECT_EQ(frame->Document().PathName(), home / "copy.cdw");

  // Every open and save went to the top of the recent-file list.
  ASSERT_EQ(frame->RecentFiles().Entries().size(), 2);
  EXPECT_EQ(QStringToPath(frame->RecentFiles().Entries()[0]), home / "copy.cdw");
  EXPECT_FALSE(frame->Document().IsModified());
}

TEST_F(MainWindowTest, RecentFileListKeepsFourAndDropsFilesThatNoLongerLoad) {
  StartNew();
  std::vector<std::filesystem::path> files;
  for (int i = 0; i < 5; ++i) files.push_back(WriteTestFileTo(home / ("t" + std::to_string(i) + ".vdw"), i + 1));
  for (const auto& f : files) ASSERT_TRUE(frame->OpenDocumentFile(f));
  const QStringList& entries = frame->RecentFiles().Entries();
  ASSERT_EQ(entries.size(), 4);
  EXPECT_EQ(QStringToPath(entries[0]), files[4]);
  EXPECT_EQ(QStringToPath(entries[3]), files[1]);

  // The list survives the window (kept in QSettings).
  MakeFrame();
  ASSERT_EQ(frame->RecentFiles().Entries().size(), 4);

  // The menu entries load through the framework load; a vanished file leaves the list.
  QMenu* fileMenu = frame->menuBar()->actions()[0]->menu();
  emit fileMenu->aboutToShow();
  QList<QAction*> recent;
  for (QAction* a : fileMenu->actions())
    if (a->text().startsWith('&') && a->isVisible()) recent << a;
  ASSERT_EQ(recent.size(), 4);
  EXPECT_TRUE(recent[0]->text().startsWith("&1 "));
  recent[2]->trigger();
  EXPECT_EQ(store.CountDataRows(tf::Pressure), 3);
  std::filesystem::remove(files[1]);
  recent[3]->trigger();
  EXPECT_EQ(frame->RecentFiles().Entries().size(), 3);
  EXPECT_EQ(store.CountDataRows(tf::Pressure), 3);  // store as it was
}

TEST_F(MainWindowTest, DroppedFileOpensThroughTheFrameworkLoad) {
  StartNew();
  ShowAndPaint();
  const auto cdw = WriteCalFileTo(home / "drop.cdw", 4);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(cdw.string()))});
  // A drop reaches the widget that accepted the drag's entry.
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &drop);
  EXPECT_EQ(store.currentSheet, kCalibrationSheet);
  EXPECT_EQ(store.calibration.Cal(4, 1), "80");
  EXPECT_EQ(frame->Document().PathName(), cdw);
}

TEST_F(MainWindowTest, FormCommandsSetTheirSheetRunAndRedraw) {
  StartNew();
  ShowAndPaint();
  int calls = 0;
  int sheetSeen = -1;
  frame->RegisterFormCommand(kCmdCalHeader, [&](QWidget*) {
    ++calls;
    sheetSeen = store.currentSheet;
    return FormOutcome{};
  });
  EXPECT_TRUE(frame->Action(kCmdCalHeader)->isEnabled());
  EXPECT_EQ(PaintsAfter([&] { frame->Action(kCmdCalHeader)->trigger(); }), 1);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(sheetSeen, kCalibrationSheet);

  EXPECT_FALSE(frame->Document().IsModified());

  frame->RegisterFormCommand(kCmdSetFormat, [&](QWidget*) {
    sheetSeen = store.currentSheet;
    return FormOutcome{true, true};
  });
  frame->RunCommand(kCmdSetFormat);  // settings forms keep the sheet
  EXPECT_EQ(sheetSeen, kCalibrationSheet);
  EXPECT_TRUE(frame->Document().IsModified());  // a form that changed its record marks the document
}

TEST_F(MainWindowTest, ExitClosesWithoutAskingAndNewClearsTheShownRecord) {
  StartNew();
  ShowAndPaint();
  const auto vdw = WriteTestFileTo(home / "t.vdw", 3);
  ASSERT_TRUE(frame->OpenDocumentFile(vdw));
  store.calibration.Cal(1, 1) = "10";
  frame->RunCommand(kCmdFileNew);
  EXPECT_TRUE(store.test.Test(1, 1).empty());
  EXPECT_EQ(store.calibration.Cal(1, 1), "10");
  EXPECT_TRUE(frame->Document().PathName().empty());

  frame->RunCommand(kCmdAppExit);
  EXPECT_FALSE(frame->isVisible());
  EXPECT_TRUE(sink.asked.empty());
}

TEST(FileDialogs, FiltersBecomeQtNameFiltersWithBothSpellings) {
  EXPECT_EQ(QtNameFilters(kOpenFilter),
            QStringList({U("Ver3,4,5形式 CAL(.cdw) データ(.vdw) (*.vdw *.VDW *.cdw *.CDW)"),
                         U("Ver2形式(*.cdf *.ddf) (*.ddf *.DDF *.cdf *.CDF)"), U("すべて(*.*) (*)")}));
  EXPECT_EQ(QtNameFilters(kSaveTestFilter).first(), U("VEKデータ(*.VDW) (*.vdw *.VDW)"));
}

}  // namespace
}  // namespace vek::testing
