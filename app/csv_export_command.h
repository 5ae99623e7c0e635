#pragma once
// File → "CSV出力...": the open record written as a spreadsheet table.
#include <filesystem>

namespace vek {

class FileChooser;
class MessageSink;
struct RecordStore;

inline constexpr const char* kCsvFilter = "CSV(*.csv)|*.csv|すべて(*.*)|*.*||";

// Asks for a file name (the document's name with ".csv" proposed) and writes the record of the
// current sheet there as UTF-8 CSV with a byte-order mark. Message 4005 when it cannot be written.
// True when a file was written.
bool ExportRecordCsv(const RecordStore& store, FileChooser& chooser, MessageSink& sink,
                     const std::filesystem::path& documentPath);

}  // namespace vek
