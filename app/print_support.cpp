#include "app/print_support.h"

#include <QBuffer>
#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/sheet_fit.h"
#include "io/safe_write.h"
#include "qt/file_dialogs.h"
#include "qt/qt_draw_device.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/page_compose.h"

namespace vek {

namespace {

// The paper of a printer that reports no resolution: A4, as every print job starts with.
constexpr int kFallbackPaperWidthMm = 210;
constexpr int kFallbackPaperHeightMm = 297;

bool RunPrintDialog(QPrinter& printer, int lastPage, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, lastPage);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  return dialog.exec() == QDialog::Accepted;
}

void RunPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget* parent) {
  MakePreviewDialog(printer, paint, parent)->exec();
}

void RunSetup(QPrinter& printer, QWidget* parent) {
  QPageSetupDialog dialog(&printer, parent);
  dialog.exec();
}

}  // namespace

PrinterPage PageOf(const QPrinter& printer) {
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  return PrinterPage{paper.width(), paper.height(), printer.logicalDpiX(), printer.logicalDpiY()};
}

std::unique_ptr<QPrintPreviewDialog> MakePreviewDialog(QPrinter& printer, const std::function<void(QPrinter*)>& paint,
                                                       QWidget* parent) {
  auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
  QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(), paint);
  return dialog;
}

std::optional<PrinterPage> DefaultPrinterPage() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  return PageOf(QPrinter(info, QPrinter::HighResolution));
}

void ApplyPaperSize(ViewState& view, const std::optional<PrinterPage>& page, MessageSink& sink) {
  if (!page) return;
  if (page->dpiX < 1 || page->dpiY < 1) {
    sink.Show(msg::DeviceError);
    view.paperWidthMm = kFallbackPaperWidthMm;
    view.paperHeightMm = kFallbackPaperHeightMm;
    return;
  }
  // Rounded, not truncated: A4 at 600 dpi is 4960 px, 209.97 mm, and its centre must stay at 105 mm.
  view.paperWidthMm = static_cast<int>(std::lround(page->widthPx * 25.4 / page->dpiX));
  view.paperHeightMm = static_cast<int>(std::lround(page->heightPx * 25.4 / page->dpiY));
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

std::string SheetOffPaperQuestion(double sheetWidthMm, double sheetHeightMm, double areaWidthMm,
                                  double areaHeightMm) {
  char text[512];
  std::snprintf(text, sizeof text,
                "シート（%.0f × %.0f mm）が用紙の印刷範囲（%.0f × %.0f mm）に収まりません。\n"
                "用紙に合わせて縮小して印刷しますか？\n（「いいえ」はそのまま印刷します）",
                sheetWidthMm, sheetHeightMm, areaWidthMm, areaHeightMm);
  return text;
}

bool PrintPages(QPrinter& printer, int first, int last, const RecordStore& store, const SheetSettings& settings,
                ViewState& view, MessageSink& sink, double scale) {
  if (first > last) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  if (scale != 1.0) painter.scale(scale, scale);
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
      // The paper the sheets will be printed on: the print jobs' printer once there is one (it
      // keeps the paper chosen in the printer setup or the print dialog), else the default printer.
      paperQuery_([this] { return printer_ ? std::optional<PrinterPage>(PageOf(*printer_)) : DefaultPrinterPage(); }) {}

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
  printer.setDocName(documentName_);
  printer.setCreator(QStringLiteral("Vek"));
  if (!printDialog_(printer, count, parent)) return false;
  QueryPaperSize();  // the dialog may have chosen another printer or paper
  printer.setResolution(kPrintDpi);
  const auto [first, last] = PrintedPageRange(printer, count);
  if (first > last) return false;
  return PrintChosenPages(printer, count, ScaleForPaper(printer, first, last));
}

double PrintController::ScaleForPaper(QPrinter& printer, int first, int last) {
  const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
  const SheetExtent extent = MeasureSheet(store_, settings_, view_, {first, last}, kPrintDpi);
  if (SheetFits(extent, area.width(), area.height())) return 1.0;
  if (!sink_.AskYesNo(SheetOffPaperQuestion(extent.widthMm, extent.heightMm, area.width(), area.height())))
    return 1.0;
  return FitScale(extent, area.width(), area.height());
}

bool PrintController::PrintChosenPages(QPrinter& printer, int pageCount, double scale, bool fileInMemory) {
  printer.setResolution(kPrintDpi);
  const auto [first, last] = PrintedPageRange(printer, pageCount);
  if (first > last) return false;
  const bool toFile = fileInMemory && printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
  const bool printed = toFile ? PrintToFile(printer, first, last, scale)
                              : PrintPages(printer, first, last, store_, settings_, view_, sink_, scale);
  if (!printed) {
    sink_.Show(msg::DeviceError);  // the printer did not start, or the file could not be written
    return false;
  }
  return true;
}

bool PrintController::PrintToFile(QPrinter& printer, int first, int last, double scale) {
  const QString target = printer.outputFileName();
  QByteArray pdf;
  bool drawn = false;
  {
    // The same job drawn into memory: a printer with an output file name of its own cannot be
    // pointed elsewhere, so a PDF writer takes the printer's page layout, title and creator.
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setTitle(printer.docName());
    writer.setCreator(printer.creator());
    QPainter painter;
    if (painter.begin(&writer)) {
      if (scale != 1.0) painter.scale(scale, scale);
      QtDrawDevice device(painter);
      drawn = true;
      for (int page = first; page <= last && drawn; ++page) {
        if (page != first && !writer.newPage()) drawn = false;
        if (drawn) DrawPrintedPage(device, store_, settings_, view_, sink_, page);
      }
      if (!painter.end()) drawn = false;
    }
  }
  return drawn && !pdf.isEmpty() &&
         WriteFileAtomically(QStringToPath(target), std::string_view(pdf.constData(), size_t(pdf.size())));
}

void PrintController::PaintPreview(QPrinter* printer) {
  // The preview asks for every page and draws them through its own engine, never into the file the
  // printer names. Its own print button hands over the printer itself, with the range of its print
  // dialog: that job is printed as File Print prints it, a file made in memory first, so that a
  // failed write is reported.
  const QPaintEngine* engine = printer->paintEngine();
  const bool previewing = engine && engine->type() == QPaintEngine::Picture;
  PrintChosenPages(*printer, CurrentPageCount(), 1.0, !previewing);
}

void PrintController::Preview(QWidget* parent) {
  QueryPaperSize();
  PreviewDrawing([this](QPrinter* p) { PaintPreview(p); }, parent);
}

void PrintController::PreviewDrawing(const std::function<void(QPrinter*)>& paint, QWidget* parent) {
  QPrinter& printer = Printer();
  // A range left over from an earlier print job must not shorten the preview.
  printer.setPrintRange(QPrinter::AllPages);
  printer.setFromTo(0, 0);
  printer.setResolution(kPrintDpi);
  preview_(printer, paint, parent);
}

void PrintController::SetDocumentName(const QString& name, const QString& pdfPath) {
  documentName_ = name;
  QPrinter& printer = Printer();
  // Only a file printer takes a file name (a name set on a real printer would turn it into one), and
  // a file the user chose stays chosen.
  const QString current = printer.outputFileName();
  if (printer.outputFormat() == QPrinter::PdfFormat && (current.isEmpty() || current == proposedPdf_)) {
    printer.setOutputFileName(pdfPath);
    proposedPdf_ = pdfPath;
  }
}

void PrintController::Setup(QWidget* parent) {
  setup_(Printer(), parent);
  QueryPaperSize();
}

}  // namespace vek
