#include "app/print_support.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <algorithm>

#include "qt/qt_draw_device.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/page_compose.h"

namespace vek {

namespace {

constexpr int kFallbackPaperMm = 280;

bool RunPrintDialog(QPrinter& printer, int lastPage, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, lastPage);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  return dialog.exec() == QDialog::Accepted;
}

void RunPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget* parent) {
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
  dialog.exec();
}

void RunSetup(QPrinter& printer, QWidget* parent) {
  QPageSetupDialog dialog(&printer, parent);
  dialog.exec();
}

}  // namespace

std::optional<PrinterPage> DefaultPrinterPage() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  QPrinter printer(info, QPrinter::HighResolution);
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  return PrinterPage{paper.width(), paper.height(), printer.logicalDpiX(), printer.logicalDpiY()};
}

void ApplyPaperSize(ViewState& view, const std::optional<PrinterPage>& page, MessageSink& sink) {
  if (!page) return;
  if (page->dpiX < 1 || page->dpiY < 1) {
    sink.Show(msg::DeviceError);
    view.paperWidthMm = kFallbackPaperMm;
    view.paperHeightMm = kFallbackPaperMm;
    return;
  }
  view.paperWidthMm = static_cast<int>(page->widthPx * 25.4 / page->dpiX);
  view.paperHeightMm = static_cast<int>(page->heightPx * 25.4 / page->dpiY);
}

void QueryPaperSize(ViewState& view, MessageSink& sink) { ApplyPaperSize(view, DefaultPrinterPage(), sink); }

std::pair<int, int> PrintedPageRange(const QPrinter& printer, int pageCount) {
  int first = 1;
  int last = pageCount;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = std::max(1, printer.fromPage());
    if (printer.toPage() > 0) last = std::min(pageCount, printer.toPage());
  }
  return {first, last};
}

bool PrintPages(QPrinter& printer, int first, int last, const RecordStore& store, const SheetSettings& settings,
                ViewState& view, MessageSink& sink) {
  if (first > last) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QtDrawDevice device(painter);
  for (int page = first; page <= last; ++page) {
    if (page != first && !printer.newPage()) break;
    DrawPrintedPage(device, store, settings, view, sink, page);
  }
  return painter.end();
}

std::unique_ptr<QPrinter> MakePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setResolution(kPrintDpi);
  return printer;
}

PrintController::PrintController(const RecordStore& store, const SheetSettings& settings, ViewState& view,
                                 MessageSink& sink)
    : store_(store),
      settings_(settings),
      view_(view),
      sink_(sink),
      printDialog_(RunPrintDialog),
      preview_(RunPreview),
      setup_(RunSetup),
      paperQuery_(DefaultPrinterPage) {}

PrintController::~PrintController() = default;

void PrintController::QueryPaperSize() { ApplyPaperSize(view_, paperQuery_(), sink_); }

int PrintController::CurrentPageCount() { return PageCount(store_, settings_, view_, store_.currentSheet); }

QPrinter& PrintController::Printer() {
  if (!printer_) printer_ = MakePrinter();
  return *printer_;
}

bool PrintController::Print(QWidget* parent) {
  QueryPaperSize();
  const int count = CurrentPageCount();
  QPrinter& printer = Printer();
  printer.setPrintRange(QPrinter::AllPages);
  printer.setFromTo(0, 0);
  if (!printDialog_(printer, count, parent)) return false;
  return PrintChosenPages(printer, count);
}

bool PrintController::PrintChosenPages(QPrinter& printer, int pageCount) {
  printer.setResolution(kPrintDpi);
  const auto [first, last] = PrintedPageRange(printer, pageCount);
  if (first > last) return false;
  if (!PrintPages(printer, first, last, store_, settings_, view_, sink_)) {
    sink_.Show(msg::DeviceError);  // the printer (or the file of "Print to File") did not start
    return false;
  }
  return true;
}

void PrintController::PaintPreview(QPrinter* printer) {
  // The preview asks for every page; its own print button brings the range of its print dialog.
  PrintChosenPages(*printer, CurrentPageCount());
}

void PrintController::Preview(QWidget* parent) {
  QueryPaperSize();
  QPrinter& printer = Printer();
  // A range left over from an earlier print job must not shorten the preview.
  printer.setPrintRange(QPrinter::AllPages);
  printer.setFromTo(0, 0);
  printer.setResolution(kPrintDpi);
  preview_(printer, [this](QPrinter* p) { PaintPreview(p); }, parent);
}

void PrintController::Setup(QWidget* parent) { setup_(Printer(), parent); }

}  // namespace vek
