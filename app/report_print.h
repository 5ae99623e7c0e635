#pragma once
// File → "まとめて印刷...": several data files chosen at once (starting in the folder of FileV.ndx)
// make one report (ReportDocument), read with a progress dialog and shown in the print preview,
// from where it is printed or written to PDF.
#include <filesystem>
#include <vector>

class QPrinter;
class QWidget;

namespace vek {

class FileChooser;
class MessageSink;
class PrintController;
class Progress;
class ReportDocument;
struct SheetSettings;

// Caption of the progress dialog and of the report's messages.
inline constexpr const char* kReportPrintTitle = "まとめて印刷";

// The files of the report: the open chooser with several files allowed, starting in the folder
// remembered in FileV.ndx. Empty when the user cancels.
std::vector<std::filesystem::path> ChooseReportFiles(const SheetSettings& settings, FileChooser& chooser);

// Draws the pages of the printer's range of `report` on `printer`, one step of `progress` per
// page. A printer that writes a PDF file gets the file only when every page was drawn (the PDF is
// made in memory and replaces the file at once). False when the printer did not start, the file
// could not be written or `progress` was cancelled (a cancelled print to a file leaves no file).
bool PrintReport(QPrinter& printer, ReportDocument& report, Progress& progress, MessageSink& sink);

// The whole command. The messages of reading (files that could not be read, calibrations not
// found) are shown together in one message when the files have been read.
void RunReportPrint(QWidget* parent, const SheetSettings& settings, FileChooser& chooser, MessageSink& sink,
                    PrintController& print);

}  // namespace vek
