#pragma once
// Printing and print preview of the current sheet, the printer setup, and the paper-size query of
// the default printer. Every printed or previewed page goes through DrawPrintedPage, so the page
// shown on screen never moves.
#include <QPrinter>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "render/printed_width_device.h"
#include "render/view_state.h"

class QPrintPreviewDialog;
class QWidget;

namespace vek {

class MessageSink;
struct RecordStore;
struct SheetSettings;

// Printing, preview and PDF all run at this resolution.
constexpr int kPrintDpi = kPrinterDpi;

// Physical page of a printer in device units and its resolution.
struct PrinterPage {
  int widthPx = 0;
  int heightPx = 0;
  int dpiX = 0;
  int dpiY = 0;
};

// A printer's physical page.
PrinterPage PageOf(const QPrinter& printer);
// The default printer's physical page; nothing when the system has no default printer.
std::optional<PrinterPage> DefaultPrinterPage();

// The paper size from a printer's page: without a printer nothing changes (the view starts with
// A4); a resolution below 1 shows message 4090 and gives A4; otherwise each side is rounded to
// whole mm.
void ApplyPaperSize(ViewState& view, const std::optional<PrinterPage>& page, MessageSink& sink);

// QueryPaperSize: ApplyPaperSize with the default printer.
void QueryPaperSize(ViewState& view, MessageSink& sink);

// Pages 1 ... last of the print job from the printer's range (all pages, or the range the user
// chose, clipped to the sheet). first > last when nothing remains.
std::pair<int, int> PrintedPageRange(const QPrinter& printer, int pageCount);

// Draws pages first ... last of the current sheet on the printer, one sheet of paper each, through
// the print-one-page rule, scaled by `scale` (1 = true millimetres). False when the printer cannot
// be started.
bool PrintPages(QPrinter& printer, int first, int last, const RecordStore& store, const SheetSettings& settings,
                ViewState& view, MessageSink& sink, double scale = 1.0);

// The question asked when the sheet does not fit on the printer's paper (Yes scales it onto the
// paper, No prints it as it is).
std::string SheetOffPaperQuestion(double sheetWidthMm, double sheetHeightMm, double areaWidthMm,
                                  double areaHeightMm);

// The preview window of File Print Preview: `paint` draws the pages on every refresh.
std::unique_ptr<QPrintPreviewDialog> MakePreviewDialog(QPrinter& printer, const std::function<void(QPrinter*)>& paint,
                                                       QWidget* parent);

// A printer set up as every print job of the program: high resolution at kPrintDpi.
std::unique_ptr<QPrinter> MakePrinter();

// The print commands of the view. The printer object lives as long as this, so a printer chosen
// in the setup is used by the following print and preview.
class PrintController {
 public:
  // The print dialog: may change the printer and its page range; false when cancelled.
  using PrintDialogFn = std::function<bool(QPrinter& printer, int lastPage, QWidget* parent)>;
  // The preview window: must call `paint` for every refresh of the preview.
  using PreviewFn = std::function<void(QPrinter& printer, const std::function<void(QPrinter*)>& paint,
                                       QWidget* parent)>;
  // The printer setup dialog.
  using SetupFn = std::function<void(QPrinter& printer, QWidget* parent)>;
  // Source of the paper's page (the print jobs' printer, else the default printer, by default).
  using PaperQueryFn = std::function<std::optional<PrinterPage>()>;

  PrintController(const RecordStore& store, const SheetSettings& settings, ViewState& view, MessageSink& sink);
  ~PrintController();

  // File Print: paper size, page range 1 ... PageCount in the print dialog, then the pages.
  // True when pages were printed.
  bool Print(QWidget* parent);
  // File Print Preview: the pages 1 ... PageCount as they are printed.
  void Preview(QWidget* parent);
  // The print preview of another drawing on the printer of the print jobs: `paint` draws every
  // refresh of the preview and the print that the preview window starts.
  void PreviewDrawing(const std::function<void(QPrinter*)>& paint, QWidget* parent);
  // File Printer Setup.
  void Setup(QWidget* parent);
  // The draw of every preview refresh (all pages of the current sheet), and of the print that the
  // preview window starts (the pages its print dialog chose).
  void PaintPreview(QPrinter* printer);

  // The paper-size query of the view update and of print preparation.
  void QueryPaperSize();

  // The printer of the print jobs, made at first use.
  QPrinter& Printer();

  void SetPrintDialog(PrintDialogFn fn) { printDialog_ = std::move(fn); }
  void SetPreview(PreviewFn fn) { preview_ = std::move(fn); }
  void SetSetup(SetupFn fn) { setup_ = std::move(fn); }
  void SetPaperQuery(PaperQueryFn fn) { paperQuery_ = std::move(fn); }
  // Name of the print job: a PDF printed to a file carries it as its title, and "print to file"
  // proposes `pdfPath` (the document's name with ".pdf") unless the user chose a file of their own.
  void SetDocumentName(const QString& name, const QString& pdfPath);

 private:
  int CurrentPageCount();
  // The pages of the printer's range at kPrintDpi; a printer that cannot be started is reported.
  bool PrintChosenPages(QPrinter& printer, int pageCount, double scale = 1.0, bool fileInMemory = true);
  // "Print to file": the PDF is made in memory first and written only when complete, so that a
  // folder that cannot be written or a full disk is reported (4090) instead of leaving an empty or
  // cut-off file.
  bool PrintToFile(QPrinter& printer, int first, int last, double scale);
  // Asks to scale a sheet that does not fit the printable area; the scale to print with.
  double ScaleForPaper(QPrinter& printer, int first, int last);

  const RecordStore& store_;
  const SheetSettings& settings_;
  ViewState& view_;
  MessageSink& sink_;
  std::unique_ptr<QPrinter> printer_;
  PrintDialogFn printDialog_;
  PreviewFn preview_;
  SetupFn setup_;
  PaperQueryFn paperQuery_;
  QString documentName_;
  QString proposedPdf_;  // the output file last proposed, replaced when the document changes
};

}  // namespace vek
