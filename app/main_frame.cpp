#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "app/about_dialog.h"
#include "app/commands.h"
#include "app/program_icons.h"
#include "app/csv_export_command.h"
#include "app/data_check_dialog.h"
#include "app/report_print.h"
#include "io/calibration_note.h"
#include "app/record_csv_import_command.h"
#include "qt/cp932_text.h"
#include "qt/file_dialogs.h"
#include "qt/qt_message_sink.h"
#include "app/vek_doc.h"
#include "app/vek_view.h"
#include "core/record_store.h"

namespace vek {

namespace {

// Keys of the window's own state in the settings that also hold the recent-file list.
const QString kGeometryKey = QStringLiteral("Window/Geometry");
const QString kWindowStateKey = QStringLiteral("Window/State");
const QString kZoomModeKey = QStringLiteral("View/ZoomMode");
const QString kZoomKey = QStringLiteral("View/Zoom");

SaveChoice AskSaveInMessageBox(QWidget* parent, const std::string& question) {
  const auto answer = QMessageBox::question(parent, FromUtf8(kMainWindowTitle), FromUtf8(question),
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
  const QString stem = FromUtf8(kMainWindowTitle);
  setWindowTitle(title.empty() ? stem + QStringLiteral("[*]")
                               : QString::fromStdString(title) + QStringLiteral("[*] - ") + stem);
  setWindowModified(doc_->IsModified(shown));
  otherChangedLabel_->setText(doc_->IsModified(other) ? FromUtf8(ChangedRecordNote(other, doc_->RecordTitle(other)))
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

void CMainFrame::PlaceWindow() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect full = screen->geometry();
  const int width = static_cast<int>(full.width() * 0.86);
  const int height = static_cast<int>(full.height() * 0.80);
  resize(width, height);
  move(full.x() + (full.width() - width) / 2, full.y() + (full.height() - height) / 2);
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
