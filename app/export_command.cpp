#include "app/export_command.h"

#include <cerrno>

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

#include "app/batch_pipeline.h"
#include "app/command_line.h"
#include "app/file_naming_sink.h"
#include "app/raster_limit.h"
#include "app/sheet_fit.h"
#include "app/terminal_check.h"
#include "app/terminal_progress.h"
#include "qt/extent_draw_device.h"
#include "qt/qt_draw_device.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/platform/platform.h"
#include "io/safe_write.h"
#include "render/page_compose.h"

namespace vek {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

std::string_view Bytes(const QByteArray& a) {
  return {a.constData(), static_cast<size_t>(a.size())};
}

void UsePaper(ViewState& view, const ExportPaper& paper) {
  view.paperWidthMm = paper.widthMm;
  view.paperHeightMm = paper.heightMm;
}

}  // namespace

std::optional<ExportPaper> PaperByName(const std::string& name) {
  QPageSize::PageSizeId id;
  if (name == "A4") id = QPageSize::A4;
  else if (name == "A3") id = QPageSize::A3;
  else if (name == "B4") id = QPageSize::JisB4;
  else if (name == "B5") id = QPageSize::JisB5;
  else if (name == "Letter") id = QPageSize::Letter;
  else return std::nullopt;
  const QSizeF mm = QPageSize::size(id, QPageSize::Millimeter);
  return ExportPaper{id, static_cast<int>(mm.width()), static_cast<int>(mm.height())};
}

std::optional<std::pair<int, int>> ResolvePageRange(const std::optional<std::pair<int, int>>& asked,
                                                    int page_count, std::string& note,
                                                    std::string& error) {
  if (!asked) return std::make_pair(1, page_count);
  auto [first, last] = *asked;
  if (first < 1 || last < first) {
    error = "--pages needs FIRST-LAST with 1 <= FIRST <= LAST";
    return std::nullopt;
  }
  if (first > page_count) {
    error = "--pages " + std::to_string(first) + "-" + std::to_string(last) + ": the sheet has " +
            std::to_string(page_count) + " pages";
    return std::nullopt;
  }
  if (last > page_count) {
    note = "the sheet has " + std::to_string(page_count) + " pages; exporting pages " +
           std::to_string(first) + "-" + std::to_string(page_count);
    last = page_count;
  }
  return std::make_pair(first, last);
}

bool WritePdfPages(const std::filesystem::path& out, const ExportPaper& paper, int pages, const QString& title,
                   const std::function<bool(QPainter& painter, int page)>& draw) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kExportPdfDpi);
    writer.setCreator(QStringLiteral("Vek"));
    writer.setTitle(title);
    // Sheets are measured from the top-left corner of the printable area: the whole page here.
    writer.setPageLayout(QPageLayout(QPageSize(paper.id), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    for (int page = 1; page <= pages; ++page) {
      if (page != 1 && !writer.newPage()) return false;
      if (!draw(painter, page)) return false;
    }
    if (!painter.end()) return false;
  }
  return !pdf.isEmpty() && WriteFileAtomically(out, Bytes(pdf));
}

bool WritePdf(const std::filesystem::path& out, const ExportPaper& paper, int pages,
              const std::function<void(DrawDevice& device, int page)>& draw, double scale) {
  std::unique_ptr<QtDrawDevice> device;
  return WritePdfPages(out, paper, pages, QString::fromStdString(out.filename().string()),
                       [&](QPainter& painter, int page) {
                         if (!device) {
                           if (scale != 1.0) painter.scale(scale, scale);
                           device = std::make_unique<QtDrawDevice>(painter);
                         }
                         draw(*device, page);
                         device->EndDraw();  // before the painter ends with the last page
                         return true;
                       });
}

bool ExportPdf(const std::filesystem::path& out, const RecordStore& store, const SheetSettings& settings,
               ViewState& view, MessageSink& sink, std::pair<int, int> pages, const ExportPaper& paper,
               double scale, Progress* progress) {
  UsePaper(view, paper);
  const int count = pages.second - pages.first + 1;
  return WritePdf(
      out, paper, count,
      [&](DrawDevice& device, int page) {
        if (progress) progress->Step(static_cast<size_t>(page - 1), static_cast<size_t>(count), "pages");
        DrawPrintedPage(device, store, settings, view, sink, pages.first + page - 1);
      },
      scale);
}

bool ExportPng(const std::filesystem::path& out_dir, const RecordStore& store, const SheetSettings& settings,
               ViewState& view, MessageSink& sink, std::pair<int, int> pages, const ExportPaper& paper,
               int dpi, double scale, Progress* progress,
               const std::function<void(const SheetExtent& extent)>& measured) {
  UsePaper(view, paper);
  const QSizeF mm = QPageSize::size(paper.id, QPageSize::Millimeter);
  const int width = static_cast<int>(std::lround(mm.width() * dpi / 25.4));
  const int height = static_cast<int>(std::lround(mm.height() * dpi / 25.4));
  const int dots_per_metre = static_cast<int>(std::lround(dpi / 0.0254));
  if (RasterTooLarge(mm.width(), mm.height(), dpi)) return false;
  std::vector<QByteArray> pngs;
  SheetExtent extent;
  for (int page = pages.first; page <= pages.second; ++page) {
    if (progress)
      progress->Step(static_cast<size_t>(page - pages.first), static_cast<size_t>(pages.second - pages.first + 1), "pages");
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return false;
    image.fill(Qt::white);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::TextAntialiasing);
      if (scale != 1.0) painter.scale(scale, scale);
      QtDrawDevice device(painter, dpi, dpi);
      device.SetPixelAlignedLines(scale == 1.0);
      if (measured) {
        ExtentDrawDevice measuring(device);
        DrawPrintedPage(measuring, store, settings, view, sink, page);
        AddPageExtent(extent, measuring);
      } else {
        DrawPrintedPage(device, store, settings, view, sink, page);
      }
    }
    QByteArray& png = pngs.emplace_back();
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return false;
  }
  if (measured) measured(extent);
  std::error_code ec;
  std::filesystem::create_directories(out_dir, ec);
  if (!std::filesystem::is_directory(out_dir)) return false;
  for (int page = pages.first; page <= pages.second; ++page) {
    const auto path = out_dir / ("page-" + std::to_string(page) + ".png");
    if (!WriteFileAtomically(path, Bytes(pngs[static_cast<size_t>(page - pages.first)]))) return false;
  }
  return true;
}

int RunExportCommand(const CommandLineOptions& o, MessageSink& plainSink) {
  // One progress line on a terminal for a long export; the messages pass through it.
  TerminalProgress progress(plainSink, StderrIsTerminal());
  MessageSink& sink = progress;
  const bool pdf = o.mode == CommandLineOptions::Mode::ExportPdf;
  const auto paper = PaperByName(o.paper);
  if (!paper || o.inputs.size() != 1 || o.output.empty()) {
    std::fprintf(stderr, "vek: %s\n", !paper ? "unknown paper size" : "export needs OUT and one FILE");
    return kExitUsage;
  }
  RecordStore store;
  SheetSettings settings;
  const int loaded = LoadAndProcessForBatch(o, o.inputs[0], store, settings, sink);
  if (loaded != kExitOk) return loaded;

  ViewState view;
  view.lastDrawnSheet = store.currentSheet == kCalibrationSheet ? kCalibrationSheet : kTestSheet;
  const int count = PageCount(store, settings, view, store.currentSheet);
  std::string note, error;
  const auto pages = ResolvePageRange(o.pages, count, note, error);
  if (!pages) {
    std::fprintf(stderr, "vek: %s\n", error.c_str());
    return kExitUsage;
  }
  if (!note.empty()) std::fprintf(stderr, "vek: %s\n", note.c_str());

  const QSizeF paperMm = QPageSize::size(paper->id, QPageSize::Millimeter);
  if (const auto tooLarge = pdf ? std::nullopt : RasterTooLarge(paperMm.width(), paperMm.height(), o.dpi)) {
    std::fprintf(stderr, "vek: %s: %s\n", o.output.c_str(), tooLarge->c_str());
    return kExitUsage;
  }
  // A sheet larger than the paper is said before anything is written; --fit shrinks it onto it.
  UsePaper(view, *paper);
  auto reportOffPaper = [&](const SheetExtent& extent) {
    if (SheetFits(extent, paperMm.width(), paperMm.height())) return 1.0;
    const std::string off = DoesNotFitText(extent, o.paper, paperMm.width(), paperMm.height());
    if (!o.fit) {
      std::fprintf(stderr, "vek: %s: %s; use --fit to scale it onto the paper\n", o.inputs[0].c_str(), off.c_str());
      return 1.0;
    }
    const double scale = FitScale(extent, paperMm.width(), paperMm.height());
    std::fprintf(stderr, "vek: %s: %s; scaled to %.0f %%\n", o.inputs[0].c_str(), off.c_str(), scale * 100);
    return scale;
  };

  const std::filesystem::path out(o.output);
  errno = 0;
  bool ok;
  if (pdf && !o.fit) {
    // Drawn at true size whatever the extent: the pages are measured while they are drawn, and
    // the PDF, made in memory, is written after the last page has been measured and reported.
    const int count = pages->second - pages->first + 1;
    SheetExtent extent;
    ok = WritePdf(out, *paper, count, [&](DrawDevice& device, int page) {
      progress.Step(static_cast<size_t>(page - 1), static_cast<size_t>(count), "pages");
      ExtentDrawDevice measured(device);
      DrawPrintedPage(measured, store, settings, view, sink, pages->first + page - 1);
      AddPageExtent(extent, measured);
      if (page == count) reportOffPaper(extent);
    });
  } else if (!o.fit) {
    // The same for PNG: the pages are encoded in memory and written after the report.
    ok = ExportPng(out, store, settings, view, sink, *pages, *paper, o.dpi, 1.0, &progress,
                   [&](const SheetExtent& extent) { reportOffPaper(extent); });
  } else {
    // --fit: the scale must be known before the first stroke, so the sheet is measured first.
    const int dpi = pdf ? kExportPdfDpi : o.dpi;
    const double scale = reportOffPaper(MeasureSheet(store, settings, view, *pages, dpi));
    ok = pdf ? ExportPdf(out, store, settings, view, sink, *pages, *paper, scale, &progress)
             : ExportPng(out, store, settings, view, sink, *pages, *paper, o.dpi, scale, &progress);
  }
  const int writeError = errno;
  progress.Finish();
  if (!ok) {
    FileNamingSink(sink, o.output).ShowMessage(WriteFailureText(writeError));
    return kExitFailed;
  }
  const int n = pages->second - pages->first + 1;
  std::printf("vek: %d page%s written to %s\n", n, n == 1 ? "" : "s", o.output.c_str());
  return kExitOk;
}

int RunInOffscreenApp(int argc, char** argv, const std::function<int(MessageSink& sink)>& run) {
  // Export needs no display: use the offscreen platform unless one was chosen.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Batch runs often have no login session (cron, CI): hand Qt the private runtime folder it would
  // choose itself, so that it does not warn about the missing variable on every run.
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
    if (const auto dir = platform::PrivateRuntimeFolder()) qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir->string()));
  QApplication app(argc, argv);
  // QApplication takes the locale from the environment; numbers are always printed the C way.
  std::setlocale(LC_NUMERIC, "C");
  StderrMessageSink sink;
  return run(sink);
}

int RunExportMode(int argc, char** argv, const CommandLineOptions& options) {
  return RunInOffscreenApp(argc, argv, [&](MessageSink& sink) { return RunExportCommand(options, sink); });
}

}  // namespace vek
