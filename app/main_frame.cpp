#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "app/about_dialog.h"
#include "app/commands.h"
#include "app/program_icons.h"
#include "app/csv_export_command.h"
#include "app/data_check_dialog.h"
#include "app/report_print.h"
#include "io/calibration_note.h"
#include "app/record_csv_import_command.h"
#include "qt/file_dialogs.h"
#include "qt/qt_message_sink.h"
#include "app/vek_doc.h"
#include "app/vek_view.h"
#include "core/record_store.h"

namespace vek {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The status-bar indicators of the lock keys. Linux offers no portable way to read their state, so
// the panes are shown without a state (greyed).
constexpr const char* kIndicators[] = {"ｶﾅ", "CAP", "NUM", "SCRL"};

constexpr const char* kNoRecentFiles = "最近使ったﾌｧｲﾙ";

// Keys of the window's own state in the settings that also hold the recent-file list.
const QString kGeometryKey = QStringLiteral("Window/Geometry");
const QString kWindowStateKey = QStringLiteral("Window/State");
const QString kZoomModeKey = QStringLiteral("View/ZoomMode");
const QString kZoomKey = QStringLiteral("View/Zoom");

SaveChoice AskSaveInMessageBox(QWidget* parent, const std::string& question) {
  const auto answer = QMessageBox::question(parent, Utf8(kMainWindowTitle), Utf8(question),
                                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                            QMessageBox::Save);
  if (answer == QMessageBox::Save) return SaveChoice::Save;
  if (answer == QMessageBox::Discard) return SaveChoice::Discard;
  return SaveChoice::Cancel;
}

}  // namespace

CMainFrame::CMainFrame(RecordStore& store, SheetSettings& settings, FrameServices services, QWidget* parent)
    : QMainWindow(parent), store_(store), settings_(settings) {
  if (services.sink) {
    sink_ = services.sink;
  } else {
    ownSink_ = std::make_unique<QtMessageSink>(this);
    sink_ = ownSink_.get();
  }
  if (services.chooser) {
    chooser_ = services.chooser;
  } else {
    ownChooser_ = std::make_unique<QtFileChooser>(this);
    chooser_ = ownChooser_.get();
  }
  recent_ = std::make_unique<RecentFileList>(std::move(services.recentFileSettings), kRecentFileCount);
  askSave_ = services.askSave ? std::move(services.askSave) : AskSaveInMessageBox;

  // A new main window shows the test sheet and remembers no files.
  store_.currentSheet = kTestSheet;
  store_.calFilePath.clear();
  store_.testFilePath.clear();

  doc_ = new CVekDoc(store_, settings_, *sink_, *chooser_, this);
  view_ = new CVekView(*doc_, this);
  setCentralWidget(view_);
  connect(doc_, &CVekDoc::PathNameChanged, this, [this](const QString& path) {
    recent_->Add(path);
    UpdateRecentFileMenu();
    UpdateTitle();
    NoteFindings();
  });
  connect(doc_, &CVekDoc::ModifiedChanged, this, &CMainFrame::UpdateTitle);
  connect(doc_, &CVekDoc::UpdateViews, this, &CMainFrame::UpdateTitle);
  connect(view_, &CVekView::PagePainted, this, &CMainFrame::UpdateWhere);
  connect(view_, &CVekView::PagePainted, this, &CMainFrame::UpdateTitle);
  connect(view_, &CVekView::ZoomChanged, this, &CMainFrame::UpdateWhere);

  setWindowIcon(ProgramIcon());
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  PlaceWindow();
  RestoreWindowState();
  UpdateTitle();
  setAcceptDrops(true);
  view_->setFocus();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::UpdateTitle() {
  // Qt shows "[*]" as the modified mark while the window is modified, and hides it otherwise. The
  // title names the record on screen; the status bar names the other one while it holds changes.
  const DataKind shown = doc_->ShownKind();
  const DataKind other = shown == DataKind::Test ? DataKind::Calibration : DataKind::Test;
  const std::string title = doc_->RecordTitle(shown);
  const QString stem = Utf8(kMainWindowTitle);
  setWindowTitle(title.empty() ? stem + QStringLiteral("[*]")
                               : QString::fromStdString(title) + QStringLiteral("[*] - ") + stem);
  setWindowModified(doc_->IsModified(shown));
  otherChangedLabel_->setText(doc_->IsModified(other) ? Utf8(ChangedRecordNote(other, doc_->RecordTitle(other)))
                                                      : QString());
  otherChangedLabel_->setVisible(doc_->IsModified(other));
  calibrationLabel_->setText(QString::fromStdString(CalibrationNote(store_)));
}

QString CMainFrame::WhereText() const { return whereLabel_->text(); }

void CMainFrame::UpdateWhere() {
  const QString where = view_->WhereText();
  if (whereLabel_->text() != where) whereLabel_->setText(where);
}

bool CMainFrame::MaybeSave() {
  return doc_->SaveModified([this](const std::string& question) { return askSave_(this, question); });
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!MaybeSave()) {
    event->ignore();
    return;
  }
  SaveWindowState();
  event->accept();
}

void CMainFrame::RestoreWindowState() {
  QSettings& stored = recent_->Settings();
  const QByteArray geometry = stored.value(kGeometryKey).toByteArray();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
  const QByteArray state = stored.value(kWindowStateKey).toByteArray();
  if (!state.isEmpty()) restoreState(state);
  const int mode = stored.value(kZoomModeKey, int(ZoomMode::FitWidth)).toInt();
  if (mode == int(ZoomMode::Fixed)) {
    view_->SetZoom(stored.value(kZoomKey, 1.0).toDouble());
  } else {
    view_->SetZoomMode(mode == int(ZoomMode::FitPage) ? ZoomMode::FitPage : ZoomMode::FitWidth);
  }
}

void CMainFrame::SaveWindowState() {
  QSettings& stored = recent_->Settings();
  stored.setValue(kGeometryKey, saveGeometry());
  stored.setValue(kWindowStateKey, saveState());
  stored.setValue(kZoomModeKey, int(view_->ZoomModeInUse()));
  stored.setValue(kZoomKey, view_->Zoom());
}

void CMainFrame::BuildZoomActions(QMenu* viewMenu) {
  viewMenu->addSeparator();
  auto make = [&](const char* text, const QList<QKeySequence>& keys, auto slot) {
    auto* action = viewMenu->addAction(Utf8(text));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  zoomIn_ = make("拡大(&I)", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                 [this] { view_->ZoomIn(); });
  zoomOut_ = make("縮小(&U)", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { view_->ZoomOut(); });
  actualSize_ = make("等倍(&A)", {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { view_->SetZoom(1.0); });
  fitWidth_ = make("幅に合わせる(&W)", {}, [this] { view_->SetZoomMode(ZoomMode::FitWidth); });
  fitPage_ = make("ページ全体(&E)", {}, [this] { view_->SetZoomMode(ZoomMode::FitPage); });
  fitWidth_->setCheckable(true);
  fitPage_->setCheckable(true);
  connect(viewMenu, &QMenu::aboutToShow, this, [this] {
    fitWidth_->setChecked(view_->ZoomModeInUse() == ZoomMode::FitWidth);
    fitPage_->setChecked(view_->ZoomModeInUse() == ZoomMode::FitPage);
  });
}

QAction* CMainFrame::ZoomAction(ZoomMode mode) const {
  if (mode == ZoomMode::FitWidth) return fitWidth_;
  if (mode == ZoomMode::FitPage) return fitPage_;
  return actualSize_;
}

void CMainFrame::PlaceWindow() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect full = screen->geometry();
  const int width = static_cast<int>(full.width() * 0.86);
  const int height = static_cast<int>(full.height() * 0.80);
  resize(width, height);
  move(full.x() + (full.width() - width) / 2, full.y() + (full.height() - height) / 2);
}

QAction* CMainFrame::MakeAction(int id) {
  auto found = actions_.find(id);
  if (found != actions_.end()) return found->second;
  const CommandInfo* info = FindCommand(id);
  const StatusParts parts = SplitStatusText(info ? info->statusText : "");
  QString text = info && *info->menuText ? Utf8(info->menuText) : Utf8(parts.tip);
  auto* action = new QAction(text, this);
  if (info && info->shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(info->shortcut)));
  action->setStatusTip(Utf8(parts.status));
  action->setToolTip(Utf8(parts.tip));
  if (QIcon icon = CommandIcon(id); !icon.isNull()) {
    action->setIcon(icon);
    action->setIconVisibleInMenu(false);
  }
  if (info && info->isForm) action->setEnabled(forms_.count(id) > 0);
  connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
  actions_[id] = action;
  return action;
}

QAction* CMainFrame::Action(int id) const {
  auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::BuildMenus() {
  for (const MenuInfo& menuInfo : MenuTable()) {
    QMenu* menu = menuBar()->addMenu(Utf8(menuInfo.title));
    for (int id : menuInfo.items) {
      if (id == kCmdNone) {
        menu->addSeparator();
      } else if (id == kCmdFileMru1) {
        const StatusParts parts = SplitStatusText(FindCommand(kCmdFileMru1)->statusText);
        recentPlaceholder_ = menu->addAction(Utf8(kNoRecentFiles));
        recentPlaceholder_->setEnabled(false);
        for (int i = 0; i < kRecentFileCount; ++i) {
          recentActions_[i] = menu->addAction(QString());
          recentActions_[i]->setStatusTip(Utf8(parts.status));
          connect(recentActions_[i], &QAction::triggered, this, [this, i] { OpenRecent(i); });
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFileMenu);
      } else {
        QAction* action = MakeAction(id);
        if (id == kCmdViewToolBar || id == kCmdViewStatusBar || id == kCmdViewDataNumber)
          action->setCheckable(true);
        menu->addAction(action);
      }
    }
    // The check marks of the View menu follow the bars and the test record.
    if (std::find(menuInfo.items.begin(), menuInfo.items.end(), kCmdViewDataNumber) != menuInfo.items.end()) {
      connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateViewMenu);
      BuildZoomActions(menu);
    }
  }
  UpdateRecentFileMenu();
  // Ctrl+Q quits, as everywhere on the desktop; the exit item keeps its texts.
  if (QAction* exit = Action(kCmdAppExit)) exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void CMainFrame::BuildToolBar() {
  toolBar_ = new QToolBar(Utf8(FindCommand(kCmdViewToolBar)->menuText).remove(QStringLiteral("(&T)")), this);
  toolBar_->setObjectName(QStringLiteral("mainToolBar"));
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar_->setIconSize(QSize(24, 24));
  for (int id : ToolBarTable()) {
    if (id == kCmdNone)
      toolBar_->addSeparator();
    else
      toolBar_->addAction(MakeAction(id));
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
  connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateViewMenu);
}

void CMainFrame::BuildStatusBar() {
  idleLabel_ = new QLabel(Utf8(kIdleStatusText), this);
  idleLabel_->setObjectName(QStringLiteral("idleText"));
  statusBar()->addWidget(idleLabel_, 1);
  otherChangedLabel_ = new QLabel(this);
  otherChangedLabel_->setObjectName(QStringLiteral("otherRecordChanged"));
  otherChangedLabel_->setVisible(false);
  statusBar()->addPermanentWidget(otherChangedLabel_);
  calibrationLabel_ = new QLabel(this);
  calibrationLabel_->setObjectName(QStringLiteral("calibrationInPlay"));
  statusBar()->addPermanentWidget(calibrationLabel_);
  whereLabel_ = new QLabel(this);
  whereLabel_->setObjectName(QStringLiteral("whereText"));
  statusBar()->addPermanentWidget(whereLabel_);
  for (const char* indicator : kIndicators) {
    auto* pane = new QLabel(Utf8(indicator), this);
    pane->setObjectName(QStringLiteral("indicator_") + QString::fromLatin1(indicator));
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
    pane->setEnabled(false);
    statusBar()->addPermanentWidget(pane);
  }
}

QString CMainFrame::StatusMessage() const {
  const QString message = statusBar()->currentMessage();
  return message.isEmpty() ? idleLabel_->text() : message;
}

void CMainFrame::UpdateViewMenu() {
  Action(kCmdViewToolBar)->setChecked(toolBar_->isVisibleTo(this));
  Action(kCmdViewStatusBar)->setChecked(statusBar()->isVisibleTo(this));
  Action(kCmdViewDataNumber)->setChecked(DataNumberShown(store_));
}

void CMainFrame::UpdateRecentFileMenu() {
  const QStringList& entries = recent_->Entries();
  for (int i = 0; i < kRecentFileCount; ++i) {
    if (!recentActions_[i]) continue;
    recentActions_[i]->setVisible(i < entries.size());
    recentActions_[i]->setText(recent_->MenuText(i));
  }
  if (recentPlaceholder_) recentPlaceholder_->setVisible(entries.isEmpty());
}

void CMainFrame::RegisterFormCommand(int id, FormHandler handler) {
  forms_[id] = std::move(handler);
  if (QAction* action = Action(id)) action->setEnabled(true);
}

void CMainFrame::RunForm(int id) {
  auto form = forms_.find(id);
  if (form == forms_.end()) return;
  const CommandInfo* info = FindCommand(id);
  if (info && info->sheet == SheetBefore::Calibration) store_.currentSheet = kCalibrationSheet;
  if (info && info->sheet == SheetBefore::Test) store_.currentSheet = kTestSheet;
  // The record forms show their record's sheet (set above); a real change marks that record.
  if (form->second(this).changed) doc_->SetModified(doc_->ShownKind(), true);
  view_->RedrawView();
}

void CMainFrame::RunCommand(int id) {
  switch (id) {
    case kCmdFileNew:
      if (MaybeSave()) doc_->OnNewDocument();
      break;
    case kCmdFileOpen:
      if (MaybeSave()) doc_->OnFileOpen();
      break;
    case kCmdFileSave: doc_->OnFileSave(); break;
    case kCmdFileSaveAs: doc_->OnFileSaveAs(); break;
    case kCmdFileExportCsv: ExportRecordCsv(store_, *chooser_, *sink_, doc_->PathName()); break;
    case kCmdFileImportCsv: ImportCsv(); break;
    case kCmdTestDataCheck: ShowDataCheck(); break;
    case kCmdFilePrint: view_->OnFilePrint(); break;
    case kCmdFilePrintPreview: view_->OnFilePrintPreview(); break;
    case kCmdFilePrintSetup: view_->OnFilePrintSetup(); break;
    case kCmdFileReportPrint: RunReportPrint(this, settings_, *chooser_, *sink_, view_->Printing()); break;
    case kCmdAppExit: close(); break;
    case kCmdAppAbout: ShowAbout(); break;
    case kCmdViewToolBar: toolBar_->setVisible(!toolBar_->isVisibleTo(this)); break;
    case kCmdViewStatusBar: statusBar()->setVisible(!statusBar()->isVisibleTo(this)); break;
    case kCmdViewDataNumber:
      // Field 59 travels with the test file: the toggle is a change to save.
      view_->OnDataNumber();
      doc_->SetModified(true);
      break;
    case kCmdPrevPage: view_->OnPrevPage(); break;
    case kCmdNextPage: view_->OnNextPage(); break;
    case kCmdGraphPage: view_->OnGraphPage(); break;
    case kCmdTablePage: view_->OnTablePage(); break;
    default: RunForm(id); break;
  }
  UpdateViewMenu();
}

void CMainFrame::ImportCsv() {
  const CsvImportCommandResult done = ImportCsvIntoCurrentRecord(store_, settings_, *chooser_, *sink_, doc_->PathName());
  if (!done.changed) return;
  doc_->SetModified(true);
  view_->RedrawView();
  if (!done.note.empty()) statusBar()->showMessage(QString::fromStdString(done.note));
}

void CMainFrame::NoteFindings() {
  const QString note = FindingsNote(CheckCurrentRecord(store_, settings_).size());
  if (!note.isEmpty()) statusBar()->showMessage(note);
}

void CMainFrame::ShowDataCheck() {
  CDataCheckDlg dialog(CheckCurrentRecord(store_, settings_), this);
  dialog.exec();
}

void CMainFrame::ShowAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CMainFrame::StartNewDocument() {
  // The new document and the view's first update run once, in this order.
  doc_->blockSignals(true);
  doc_->OnNewDocument();
  doc_->blockSignals(false);
  view_->OnInitialUpdate();
}

bool CMainFrame::StartWithFile(const std::filesystem::path& path) {
  doc_->blockSignals(true);
  const bool loaded = doc_->LoadDocument(path);
  doc_->blockSignals(false);
  if (!loaded) return false;
  recent_->Add(PathToQString(doc_->PathName()));
  UpdateRecentFileMenu();
  UpdateTitle();
  view_->OnInitialUpdate();
  NoteFindings();
  return true;
}

bool CMainFrame::OpenDocumentFile(const std::filesystem::path& path) { return doc_->LoadDocument(path); }

void CMainFrame::OpenRecent(int index) {
  const QStringList& entries = recent_->Entries();
  if (index < 0 || index >= entries.size()) return;
  const QString path = entries[index];
  if (!MaybeSave()) return;
  // A file that can no longer be loaded leaves the list.
  if (!OpenDocumentFile(QStringToPath(path))) {
    recent_->Remove(path);
    UpdateRecentFileMenu();
  }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    event->acceptProposedAction();
    activateWindow();
    if (MaybeSave()) OpenDocumentFile(QStringToPath(url.toLocalFile()));
    return;
  }
}

}  // namespace vek
