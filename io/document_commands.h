#pragma once
// The document's file commands without any window: Open, Save, Save As, the framework's load (recent
// files, command line, dropped files) and New. File choosers and the view update are supplied by the
// caller through small interfaces; message boxes go to the MessageSink.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/data_file_format.h"
#include "io/data_file_losses.h"
#include "io/file_chooser.h"

namespace vek {

class MessageSink;

// The answer to "save the changes?" before a modified document is replaced or closed.
enum class SaveChoice { Save, Discard, Cancel };

// The question's text for a document title (its file name, or empty for a document never saved).
std::string SaveChangesQuestion(const std::string& title);
// The status-bar note naming a changed record that is not on screen.
std::string ChangedRecordNote(DataKind kind, const std::string& title);
// Title of a document that has no file yet.
inline constexpr std::string_view kUntitledTitle = "無題";

// Filters of the file choosers, in the "description|patterns|...||" form (UTF-8).
inline constexpr std::string_view kOpenFilter =
    "Ver3,4,5形式 CAL(.cdw) データ(.vdw)|*.vdw;*.cdw|Ver2形式(*.cdf *.ddf)|*.ddf;*.cdf|すべて(*.*)|*.*||";
inline constexpr std::string_view kOpenDefaultExtension = "vdw;cdw";
inline constexpr std::string_view kSaveCalibrationFilter =
    "CALデータ(*.CDW)|*.cdw;|CAL(*.CDW) VEKﾃﾞｰﾀ(*.VDW)|*.cdw;*.vdw;|すべて(*.*)|*.*||";
inline constexpr std::string_view kSaveTestFilter =
    "VEKデータ(*.VDW)|*.vdw;|VEKﾃﾞｰﾀ(*.VDW) CAL(*.CDW)|*.cdw;*.vdw;|すべて(*.*)|*.*||";

// The parts of the window the commands notify.
class DocumentHost {
 public:
  virtual ~DocumentHost() = default;
  // The view update: settings pass, paper size, redraw.
  virtual void UpdateAllViews() = 0;
  // A file was opened or saved under this name (recent-file list, window title).
  virtual void DocumentPathChanged(const std::filesystem::path& path) = 0;
};

// The warning about what the reader left behind: the file's name, then one line per finding.
std::string LossesMessage(const DataFileLosses& losses, const std::filesystem::path& path);

// CP932 text of a host path as it is kept in records and remembered paths, and back.
TextField PathToField(const std::filesystem::path& path);
// The CP932 text of a path for a header field, or nothing when CP932 cannot hold one of its
// characters or the field could not be stored (a line break, "$$", longer than a file line):
// PathToField would store "?" or a field that reads back differently.
std::optional<TextField> StorablePathField(const std::filesystem::path& path);
std::filesystem::path FieldToPath(std::string_view field);

class DocumentCommands {
 public:
  DocumentCommands(RecordStore& store, SheetSettings& settings, MessageSink& sink, FileChooser& chooser,
                   DocumentHost& host);

  // File Open: start folder from FileV.ndx, chooser, read the file (any kind, Ver2 included), remember
  // its folder in FileV.ndx. True when a file was loaded.
  bool Open();
  // Reads `path` as Open does after the chooser (the folder is remembered as well).
  bool OpenPath(const std::filesystem::path& path);
  // File Save: writes to the document's file when its ending matches the current sheet, else Save As.
  bool Save();
  // File Save As: chooser, then the record chosen by the extension of the new name (SaveAsTargetOf;
  // a name without .cdw/.vdw gets the shown record's). A refused name, a declined replacement or a
  // failed write brings the chooser back with that name; false only when the chooser is cancelled.
  bool SaveAs();
  // The framework's load of a recent file, a command-line file or a dropped file.
  bool FrameworkLoad(const std::filesystem::path& path);
  // A file handed over from outside (command line, recent-file list, a drop): the previous
  // generation's files are imported as Open imports them, every other file takes FrameworkLoad.
  bool OpenFromOutside(const std::filesystem::path& path);
  // File New: clears the record of the current sheet and the document's name.
  void NewDocument();

  const std::filesystem::path& PathName() const { return pathName_; }
  // The document's title: the file name of its path.
  std::string Title() const { return pathName_.filename().string(); }

  // The record of the sheet on screen.
  DataKind ShownKind() const;
  // The file a record was read from or last saved to; empty when it has none.
  std::filesystem::path RecordPath(DataKind kind) const;
  // The file name of RecordPath, or empty.
  std::string RecordTitle(DataKind kind) const { return RecordPath(kind).filename().string(); }

  // The calibration and the test carry a modified mark each. A form's OK that changed a record marks
  // it; loading a file clears the mark of the record read, saving the mark of the record written,
  // New the mark of the record it clears.
  bool IsModified(DataKind kind) const { return modified_[Index(kind)]; }
  void SetModified(DataKind kind, bool modified) { modified_[Index(kind)] = modified; }
  // Either record changed / the shown record's mark.
  bool IsModified() const { return modified_[0] || modified_[1]; }
  void SetModified(bool modified) { SetModified(ShownKind(), modified); }
  // Saves one record to its file, or through Save As when it has none. True when it was written.
  bool SaveRecord(DataKind kind);
  // Before the document is closed or replaced (exit, New, Open, a recent or dropped file): asks
  // about each changed record in turn (the shown one first), naming its file, and saves, discards or
  // stays. True when the caller may go on (every changed record saved or discarded), false when the
  // user cancelled or a save failed.
  bool SaveModified(const std::function<SaveChoice(const std::string& question)>& ask);

 private:
  static int Index(DataKind kind) { return kind == DataKind::Calibration ? 0 : 1; }
  bool WriteDocument(const std::filesystem::path& path, DataKind kind);
  void SetPathName(const std::filesystem::path& path);
  void ReportLosses(const DataFileLosses& losses, const std::filesystem::path& path);

  RecordStore& store_;
  SheetSettings& settings_;
  MessageSink& sink_;
  FileChooser& chooser_;
  DocumentHost& host_;
  // The line parsers' section state belongs to this document: it persists across its loads.
  DataParserState parser_;
  std::filesystem::path pathName_;
  bool modified_[2] = {false, false};
};

}  // namespace vek
