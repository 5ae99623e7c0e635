#include "app/report_print.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "app/export_command.h"
#include "app/print_support.h"
#include "app/progress_dialog.h"
#include "app/report_document.h"
#include "core/messages.h"
#include "io/document_commands.h"
#include "io/file_v.h"
#include "io/settings_location.h"
#include "qt/file_dialogs.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

// At most this many lines of reading messages in the one message box; the rest are counted.
constexpr size_t kMaxNoteLines = 20;

std::string JoinNotes(const std::vector<std::string>& notes) {
  std::string text;
  for (size_t i = 0; i < notes.size() && i < kMaxNoteLines; ++i) text += (i ? "\n" : "") + notes[i];
  if (notes.size() > kMaxNoteLines) text += "\n…ほか " + std::to_string(notes.size() - kMaxNoteLines) + " 件";
  return text;
}

bool WritesPdfFile(QPrinter& printer) {
  const QPaintEngine* engine = printer.paintEngine();
  return engine && engine->type() == QPaintEngine::Pdf && !printer.outputFileName().isEmpty();
}

ExportPaper PaperOfPrinter(const QPrinter& printer) {
  const QPageSize size = printer.pageLayout().pageSize();
  const QSizeF mm = size.size(QPageSize::Millimeter);
  return {size.id() == QPageSize::Custom ? QPageSize::A4 : size.id(), static_cast<int>(mm.width()),
          static_cast<int>(mm.height())};
}

ReportPaper ReportPaperOfPrinter(const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  const QSizeF full = layout.fullRect(QPageLayout::Millimeter).size();
  const QSizeF area = layout.paintRect(QPageLayout::Millimeter).size();
  return {static_cast<int>(full.width()), static_cast<int>(full.height()), area.width(), area.height(),
          layout.pageSize().name().toStdString()};
}

}  // namespace

std::vector<fs::path> ChooseReportFiles(const SheetSettings& settings, FileChooser& chooser) {
  FileChooserRequest request;
  request.filter = kOpenFilter;
  const FileV fileV = ReadFileV(ProgramFolderHostPath(settings));
  if (!fileV.folder.empty()) request.initialFolder = FieldToPath(fileV.folder);
  return chooser.ChooseOpenFiles(request);
}

bool PrintReport(QPrinter& printer, ReportDocument& report, Progress& progress, MessageSink& sink) {
  printer.setResolution(kPrintDpi);
  const auto [first, last] = PrintedPageRange(printer, report.PageCount());
  if (first > last) return false;
  const size_t total = static_cast<size_t>(last - first + 1);
  auto drawn = [&](QPainter& painter, int page) {
    if (!progress.Step(static_cast<size_t>(page - first), total, "pages")) return false;
    report.DrawPage(painter, page, sink);
    return true;
  };
  bool ok = true;
  if (WritesPdfFile(printer)) {
    const QString title = printer.docName().isEmpty() ? report.Title() : printer.docName();
    ok = WritePdfPages(QStringToPath(printer.outputFileName()), PaperOfPrinter(printer), static_cast<int>(total),
                       title, [&](QPainter& painter, int i) { return drawn(painter, first + i - 1); });
  } else {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (int page = first; page <= last && ok; ++page) {
      if (page != first && !printer.newPage()) ok = false;
      if (ok) ok = drawn(painter, page);
    }
    if (!ok) printer.abort();  // a print job stopped halfway is withdrawn, not half printed
    if (!painter.end()) ok = false;
  }
  if (ok) progress.Step(total, total, "pages");
  progress.Finish();
  return ok;
}

void RunReportPrint(QWidget* parent, const SheetSettings& settings, FileChooser& chooser, MessageSink& sink,
                    PrintController& print) {
  const std::vector<fs::path> files = ChooseReportFiles(settings, chooser);
  if (files.empty()) return;
  RecordingMessageSink notes;
  auto report = std::make_shared<ReportDocument>();
  {
    DialogProgress progress(parent, kReportPrintTitle);
    if (report->Load(files, notes, progress) == ReportDocument::LoadStatus::Cancelled) return;
  }
  if (!notes.shown.empty()) sink.ShowMessage(JoinNotes(notes.shown));
  if (report->TestCount() == 0 && report->Contents().calibrations.empty()) return;
  // The window has no --fit: a sheet larger than the printable area is scaled onto it, as the
  // preview then shows.
  NullMessageSink layoutNotes;
  report->Layout(ReportPaperOfPrinter(print.Printer()), true, layoutNotes);
  print.PreviewDrawing(
      [parent, report, &sink](QPrinter* printer) {
        // Over the preview window while it asks for the pages.
        QWidget* modal = QApplication::activeModalWidget();
        DialogProgress progress(modal ? modal : parent, kReportPrintTitle);
        if (!PrintReport(*printer, *report, progress, sink) && !progress.Cancelled()) sink.Show(msg::DeviceError);
      },
      parent);
}

}  // namespace vek
