#pragma once
// `vek --export-pdf` and `vek --export-png`: every page of the sheet of a data file (or the pages
// asked for), drawn through the same page compositions as the window and the printer.
#include <QPageSize>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "render/printed_width_device.h"
#include "render/view_state.h"

class QPainter;
class QString;

namespace vek {

struct CommandLineOptions;
class DrawDevice;
class MessageSink;
class Progress;
struct SheetExtent;

// Printing, PDF and PNG export draw at this resolution unless told otherwise.
constexpr int kExportPdfDpi = kPrinterDpi;

// Paper of the export: Qt's page size id plus the whole-millimetre size the view keeps.
struct ExportPaper {
  QPageSize::PageSizeId id = QPageSize::A4;
  int widthMm = 0;
  int heightMm = 0;
};

// "A4", "A3", "B4", "B5" (Japanese B series) or "Letter"; nothing for another name.
std::optional<ExportPaper> PaperByName(const std::string& name);

// Pages first ... last to export from a sheet of `page_count` pages: all of them without a range;
// a range reaching past the sheet is cut at its last page (with a note in `note`). Nothing when the
// range starts beyond the sheet (the reason is in `error`).
std::optional<std::pair<int, int>> ResolvePageRange(const std::optional<std::pair<int, int>>& asked,
                                                    int page_count, std::string& note,
                                                    std::string& error);

// Writes a PDF of `pages` pages at kExportPdfDpi on `paper` (portrait, no margins) titled `title`:
// `draw` draws page 1 ... pages on the painter, in device units from the page's top-left corner.
// When `draw` returns false (the user stopped the work) the PDF is dropped. False (file untouched)
// when the PDF was dropped or cannot be made or written. The file is replaced only when complete.
bool WritePdfPages(const std::filesystem::path& out, const ExportPaper& paper, int pages, const QString& title,
                   const std::function<bool(QPainter& painter, int page)>& draw);

// Writes a PDF of `pages` pages at kExportPdfDpi on `paper` (portrait, no margins): `draw` draws
// page 1 ... pages on the device, scaled by `scale`. False (file untouched) when the PDF cannot be
// made or written.
bool WritePdf(const std::filesystem::path& out, const ExportPaper& paper, int pages,
              const std::function<void(DrawDevice& device, int page)>& draw, double scale = 1.0);

// Writes pages first ... last of the store's current sheet as one PDF at kExportPdfDpi on `paper`.
// The view's paper size follows the paper. False (file untouched) when the PDF cannot be made or
// written.
// `scale` below 1 shrinks the sheet onto the paper (--fit).
// `progress`, when given, hears of every page.
bool ExportPdf(const std::filesystem::path& out, const RecordStore& store, const SheetSettings& settings,
               ViewState& view, MessageSink& sink, std::pair<int, int> pages, const ExportPaper& paper,
               double scale = 1.0, Progress* progress = nullptr);

// Writes pages first ... last as page-N.png (N the page number) into `out_dir`, created when
// missing, at `dpi` on a white background. False when a file cannot be written. Every page is
// drawn and encoded before the first file is written; `measured`, when given, hears how far the
// drawing of all pages reaches (measured while they are drawn) at that moment.
bool ExportPng(const std::filesystem::path& out_dir, const RecordStore& store, const SheetSettings& settings,
               ViewState& view, MessageSink& sink, std::pair<int, int> pages, const ExportPaper& paper,
               int dpi, double scale = 1.0, Progress* progress = nullptr,
               const std::function<void(const SheetExtent& extent)>& measured = nullptr);

// The whole command: loads FILE through the batch pipeline (settings, file, --attach-cal,
// --reduce, --analyse), then exports. Exit status 0 success, 1 reading or writing failed, 2 usage
// error. Needs a QGuiApplication.
int RunExportCommand(const CommandLineOptions& options, MessageSink& sink);

// Runs `run` inside a QApplication on the offscreen platform (unless QT_QPA_PLATFORM says
// otherwise), with the C numeric locale and messages to standard error; returns its exit status.
int RunInOffscreenApp(int argc, char** argv, const std::function<int(MessageSink& sink)>& run);

// Entry of the export modes of the executable: a QApplication on the offscreen platform (unless
// QT_QPA_PLATFORM says otherwise), the C numeric locale, messages to standard error.
int RunExportMode(int argc, char** argv, const CommandLineOptions& options);

}  // namespace vek
