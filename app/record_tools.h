#pragma once
// The window's commands beyond the sheets: File → "CSV出力..." writes the open record as CSV, and
// VEK → "データ点検" lists the findings of the open record; a file opened with findings says so in
// the status bar.
#include <QDialog>
#include <QString>
#include <filesystem>
#include <vector>

#include "io/data_checks.h"

class QListWidget;

namespace vek {

class FileChooser;
class MessageSink;

inline constexpr const char* kDataCheckTitle = "データ点検";
inline constexpr const char* kCsvFilter = "CSV(*.csv)|*.csv|すべて(*.*)|*.*||";

// Asks for a file name (the document's name with ".csv" proposed) and writes the record of the
// current sheet there as UTF-8 CSV with a byte-order mark. Message 4005 when it cannot be written.
// True when a file was written.
bool ExportRecordCsv(const RecordStore& store, FileChooser& chooser, MessageSink& sink,
                     const std::filesystem::path& documentPath);

// The status-bar note of a record with findings; empty for none.
QString FindingsNote(size_t count);

// The list of findings of the open record, with an OK button.
class CDataCheckDlg : public QDialog {
  Q_OBJECT
 public:
  CDataCheckDlg(const std::vector<Finding>& findings, QWidget* parent = nullptr);
  QListWidget* List() const { return list_; }

 private:
  QListWidget* list_ = nullptr;
};

}  // namespace vek
