#pragma once
// The main window: menu bar, toolbar and status bar built from the command table, the view, the
// recent-file list, dropped files. One frame, one document and one view live for the whole run.
#include <QMainWindow>
#include <QSettings>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "app/recent_files.h"
#include "core/form_outcome.h"
#include "io/document_commands.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace vek {

class CVekDoc;
class CVekView;
enum class ZoomMode;
class FileChooser;
class MessageSink;
struct RecordStore;
struct SheetSettings;

// What the frame talks to besides the records. Left empty, the frame makes the window's own
// (message boxes, file dialogs, the application's QSettings).
struct FrameServices {
  MessageSink* sink = nullptr;
  FileChooser* chooser = nullptr;
  // Also holds the window's geometry and the view's zoom between runs.
  std::unique_ptr<QSettings> recentFileSettings;
  // The "save the changes?" question (Save / Discard / Cancel); a QMessageBox when empty.
  std::function<SaveChoice(QWidget* parent, const std::string& question)> askSave;
};

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  CMainFrame(RecordStore& store, SheetSettings& settings, FrameServices services = {}, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CVekDoc& Document() { return *doc_; }
  CVekView& View() { return *view_; }
  RecentFileList& RecentFiles() { return *recent_; }
  QToolBar* ToolBar() { return toolBar_; }
  QAction* Action(int commandId) const;
  // The file choosers the window's commands and forms use.
  FileChooser& Chooser() { return *chooser_; }
  // Text of the status bar's message pane (its idle text when no status tip is shown).
  QString StatusMessage() const;

  // Start-up without a file: a new document and the view's first update.
  void StartNewDocument();
  // Start-up with a file, a recent file or a dropped file: the framework load, then the view's
  // first update. False when the file could not be loaded.
  bool StartWithFile(const std::filesystem::path& path);
  bool OpenDocumentFile(const std::filesystem::path& path);

  // A form command: the frame sets the command's sheet, runs the form and redraws the view when it
  // closes. Registering enables the menu item. The handler answers {accepted, record changed}; only
  // a changed record marks the document modified.
  using FormHandler = std::function<FormOutcome(QWidget* parent)>;
  void RegisterFormCommand(int commandId, FormHandler handler);

  // Runs a command as its menu item or button does.
  void RunCommand(int commandId);

  // Before the document is closed or replaced: asks to save a modified document. True when the
  // caller may go on.
  bool MaybeSave();

  // The zoom commands of the View menu (not in the command table).
  QAction* ZoomAction(ZoomMode mode) const;
  QAction* ZoomInAction() const { return zoomIn_; }
  QAction* ZoomOutAction() const { return zoomOut_; }
  QAction* ActualSizeAction() const { return actualSize_; }
  // The status bar's "where am I" pane: page and zoom.
  QString WhereText() const;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void PlaceWindow();
  void UpdateRecentFileMenu();
  void UpdateViewMenu();
  void BuildZoomActions(QMenu* viewMenu);
  void UpdateTitle();
  void UpdateWhere();
  void RestoreWindowState();
  void SaveWindowState();
  QAction* MakeAction(int commandId);
  void RunForm(int commandId);
  void OpenRecent(int index);
  void ShowAbout();
  // The data checks of the open record: the list (VEK → "データ点検"), the status-bar note.
  void ShowDataCheck();
  void NoteFindings();
  // File → "CSV読込": the chosen CSV into the record of the current sheet.
  void ImportCsv();

  RecordStore& store_;
  SheetSettings& settings_;
  std::unique_ptr<MessageSink> ownSink_;
  std::unique_ptr<FileChooser> ownChooser_;
  MessageSink* sink_ = nullptr;
  FileChooser* chooser_ = nullptr;
  std::unique_ptr<RecentFileList> recent_;
  CVekDoc* doc_ = nullptr;
  CVekView* view_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* idleLabel_ = nullptr;
  QLabel* whereLabel_ = nullptr;
  QLabel* otherChangedLabel_ = nullptr;
  QLabel* calibrationLabel_ = nullptr;  // which calibration is loaded and which the test names
  QAction* zoomIn_ = nullptr;
  QAction* zoomOut_ = nullptr;
  QAction* actualSize_ = nullptr;
  QAction* fitWidth_ = nullptr;
  QAction* fitPage_ = nullptr;
  std::function<SaveChoice(QWidget* parent, const std::string& question)> askSave_;
  std::map<int, QAction*> actions_;
  std::map<int, FormHandler> forms_;
  QAction* recentActions_[4] = {};
  QAction* recentPlaceholder_ = nullptr;
};

}  // namespace vek
