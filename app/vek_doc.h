#pragma once
// The document: the process-wide records with the file commands. It runs the Qt-free document
// commands and tells the window when the views must update and when the file name changed.
#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "forms/logic/grid_kind.h"
#include "io/document_commands.h"

namespace vek {

class MessageSink;

class CVekDoc : public QObject, public DocumentHost {
  Q_OBJECT
 public:
  CVekDoc(RecordStore& store, SheetSettings& settings, MessageSink& sink, FileChooser& chooser,
          QObject* parent = nullptr);
  ~CVekDoc() override;

  RecordStore& Store() { return store_; }
  SheetSettings& Settings() { return settings_; }
  MessageSink& Sink() { return sink_; }
  // The grid forms' auto-increment boxes, remembered for the rest of the run.
  AutoIncrementMemory& AutoIncrements() { return autoIncrements_; }

  // File New: the record of the current sheet and the file name are cleared; the views update.
  void OnNewDocument();
  // File Open / Save / Save As.
  bool OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();
  // A file from the recent-file list, the command line or a drop: the framework load (the previous
  // generation's files are imported as Open imports them).
  bool LoadDocument(const std::filesystem::path& path);

  const std::filesystem::path& PathName() const { return commands_->PathName(); }
  // Each record's modified mark: set when a form's OK changed that record; cleared by loading,
  // saving and New (see DocumentCommands). IsModified() is true when either record is changed;
  // SetModified(bool) marks the shown record.
  bool IsModified() const { return commands_->IsModified(); }
  bool IsModified(DataKind kind) const { return commands_->IsModified(kind); }
  void SetModified(bool modified);
  void SetModified(DataKind kind, bool modified);
  DataKind ShownKind() const { return commands_->ShownKind(); }
  // The file name of a record's file, or empty when it has none.
  std::string RecordTitle(DataKind kind) const { return commands_->RecordTitle(kind); }
  // Asks about each changed record before the document is closed or replaced; see
  // DocumentCommands::SaveModified. True when the caller may go on.
  bool SaveModified(const std::function<SaveChoice(const std::string& question)>& ask);
  // The document's title: its file name, or empty before it has one.
  std::string Title() const { return commands_->Title(); }

 signals:
  // The views must run their update (settings pass, paper size, redraw).
  void UpdateViews();
  // A file was opened or saved under this name.
  void PathNameChanged(const QString& path);
  // The modified mark was set or cleared.
  void ModifiedChanged(bool modified);

 private:
  void UpdateAllViews() override;
  void DocumentPathChanged(const std::filesystem::path& path) override;

  RecordStore& store_;
  SheetSettings& settings_;
  AutoIncrementMemory autoIncrements_;
  MessageSink& sink_;
  std::unique_ptr<DocumentCommands> commands_;
};

}  // namespace vek
