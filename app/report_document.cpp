#include "app/report_document.h"

#include <QPageSize>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <system_error>

#include "app/batch_pipeline.h"
#include "app/file_naming_sink.h"
#include "app/sheet_fit.h"
#include "core/encoding.h"
#include "core/progress.h"
#include "core/record_store.h"
#include "io/calibration_lookup.h"
#include "io/document_commands.h"
#include "qt/qt_draw_device.h"
#include "render/page_compose.h"

namespace vek {

namespace fs = std::filesystem;

// A data file drawn as its export draws it: its own record, view and page count.
struct ReportDocument::Sheet {
  fs::path path;
  std::unique_ptr<RecordStore> store;
  ViewState view;
  int pages = 0;
  double scale = 1.0;
  int firstPage = 0;  // report page of its first page
};

// Which drawing a report page is: the contents, the summary or a page of a sheet.
struct ReportDocument::PageRef {
  enum class Kind { None, Contents, Summary, Sheet } kind = Kind::None;
  int index = 0;          // contents or summary page (0-based); page of the sheet (1-based)
  Sheet* sheet = nullptr;
};

namespace {

fs::path Canonical(const fs::path& p) {
  std::error_code ec;
  fs::path c = fs::weakly_canonical(p, ec);
  return ec ? fs::absolute(p) : c;
}

// The report reads files as they are: no calibration attached, nothing recomputed.
const CommandLineOptions kAsStored{};

// The scale of a drawing on `paper`: 1 when it fits, else the fitting scale with `fit`, else 1
// and a note through `sink` that names `what`.
double ScaleOnPaper(const SheetExtent& extent, const ReportPaper& paper, bool fit, const std::string& what,
                           MessageSink& sink) {
  if (SheetFits(extent, paper.areaWidthMm, paper.areaHeightMm)) return 1.0;
  const double scale = fit ? FitScale(extent, paper.areaWidthMm, paper.areaHeightMm) : 1.0;
  sink.ShowMessage(what + ": " + DoesNotFitText(extent, paper.name, paper.areaWidthMm, paper.areaHeightMm) +
                   (fit ? "; scaled to " + std::to_string(static_cast<int>(scale * 100 + 0.5)) + " %"
                        : "; use --fit to scale it onto the paper"));
  return scale;
}

}  // namespace

ReportDocument::ReportDocument() : empty_(std::make_unique<RecordStore>()) {}
ReportDocument::~ReportDocument() = default;

ReportDocument::LoadStatus ReportDocument::Load(const std::vector<fs::path>& inputs, MessageSink& sink,
                                                Progress& progress) {
  std::vector<std::pair<SummaryRow, Sheet>> tests;
  bool unreadable = false;
  for (size_t i = 0; i < inputs.size(); ++i) {
    if (!progress.Step(i, inputs.size(), "files")) return LoadStatus::Cancelled;
    Sheet sheet;
    sheet.path = inputs[i];
    sheet.store = std::make_unique<RecordStore>();
    if (LoadAndProcessForBatch(kAsStored, inputs[i].string(), *sheet.store, settings_, sink) != 0) {
      contents_.unreadable.push_back(PathToField(inputs[i].filename()));
      unreadable = true;
      continue;
    }
    if (sheet.store->currentSheet == kCalibrationSheet) {
      inputCalibrations_.push_back(inputs[i]);
      continue;
    }
    SummaryRow row = MakeSummaryRow(sheet.store->test, PathToField(inputs[i]));
    tests.emplace_back(std::move(row), std::move(sheet));
  }
  if (!progress.Step(inputs.size(), inputs.size(), "files")) return LoadStatus::Cancelled;
  std::stable_sort(tests.begin(), tests.end(),
                   [](const auto& x, const auto& y) { return SummaryRowBefore(x.first, y.first); });
  for (auto& [row, sheet] : tests) {
    const Record& test = sheet.store->test;
    if (std::find(contents_.surveyNames.begin(), contents_.surveyNames.end(), test.Header(hf::SurveyName)) ==
            contents_.surveyNames.end() &&
        !test.Header(hf::SurveyName).empty())
      contents_.surveyNames.push_back(test.Header(hf::SurveyName));
    contents_.tests.push_back({row.boringNo, row.depth, row.date, PathToField(sheet.path.filename()), 0});
    rows_.push_back(std::move(row));
    tests_.push_back(std::move(sheet));
  }
  AddCalibrationsOfTests(sink);
  return unreadable ? LoadStatus::SomeUnreadable : LoadStatus::Done;
}

void ReportDocument::AddCalibrationsOfTests(MessageSink& sink) {
  std::vector<TextField> missing;
  for (const Sheet& test : tests_) {
    const TextField& name = test.store->test.Header(hf::CalFileName);
    if (!NamesCalibration(name)) continue;
    if (const auto found = FindNamedCalibration(name, test.path)) {
      AddCalibration(*found, name, sink);
    } else if (std::find(missing.begin(), missing.end(), name) == missing.end()) {
      missing.push_back(name);
      FileNamingSink(sink, test.path.string())
          .ShowMessage("キャリブレーションファイル " + Cp932ToUtf8(name) + " が見つかりません");
      contents_.calibrations.push_back({name, CalibrationState::Missing, 0});
    }
  }
  for (const fs::path& cal : inputCalibrations_) AddCalibration(cal, PathToField(cal), sink);
}

void ReportDocument::AddCalibration(const fs::path& path, const TextField& name, MessageSink& sink) {
  const fs::path key = Canonical(path);
  for (const Sheet& cal : calibrations_)
    if (Canonical(cal.path) == key) return;
  if (std::find(unreadableCalibrations_.begin(), unreadableCalibrations_.end(), key) != unreadableCalibrations_.end())
    return;
  Sheet sheet;
  sheet.path = path;
  sheet.store = std::make_unique<RecordStore>();
  const bool read = LoadAndProcessForBatch(kAsStored, path.string(), *sheet.store, settings_, sink) == 0;
  if (!read || sheet.store->currentSheet != kCalibrationSheet) {
    unreadableCalibrations_.push_back(key);
    if (read) FileNamingSink(sink, path.string()).ShowMessage("キャリブレーションファイルではありません（" + Cp932ToUtf8(name) + "）");
    contents_.calibrations.push_back({PathToField(path.filename()), CalibrationState::Unreadable, 0});
    return;
  }
  contents_.calibrations.push_back({PathToField(path.filename()), CalibrationState::Found, 0});
  calibrations_.push_back(std::move(sheet));
}

ReportPaper ReportPaperOf(const ExportPaper& paper, const std::string& name) {
  const QSizeF mm = QPageSize::size(paper.id, QPageSize::Millimeter);
  return {paper.widthMm, paper.heightMm, mm.width(), mm.height(), name};
}

double ReportDocument::FitOwnPages(bool contents, int pages, const ReportPaper& paper, bool fit, const char* what,
                                   MessageSink& sink) {
  NullMessageSink quiet;  // the draw's own messages belong to the real drawing
  const SheetExtent extent = MeasureDrawing(
      {0, pages - 1}, kExportPdfDpi, [&](DrawDevice& device, int index) { DrawOwnPage(device, contents, index, quiet); });
  return ScaleOnPaper(extent, paper, fit, what, sink);
}

void ReportDocument::Layout(const ReportPaper& paper, bool fit, MessageSink& sink) {
  contentsPages_ = ContentsPageCount(contents_, settings_);
  summaryPages_ = SummaryPageCount(rows_.size(), settings_);
  int next = contentsPages_ + summaryPages_ + 1;
  auto place = [&](Sheet& sheet) {
    sheet.view = ViewState{};
    sheet.view.paperWidthMm = paper.widthMm;
    sheet.view.paperHeightMm = paper.heightMm;
    sheet.view.lastDrawnSheet = sheet.store->currentSheet == kCalibrationSheet ? kCalibrationSheet : kTestSheet;
    sheet.pages = vek::PageCount(*sheet.store, settings_, sheet.view, sheet.store->currentSheet);
    sheet.firstPage = next;
    next += sheet.pages;
    const SheetExtent extent = MeasureSheet(*sheet.store, settings_, sheet.view, {1, sheet.pages}, kExportPdfDpi);
    sheet.scale = ScaleOnPaper(extent, paper, fit, sheet.path.string(), sink);
  };
  for (Sheet& test : tests_) place(test);
  for (Sheet& cal : calibrations_) place(cal);
  pageCount_ = next - 1;

  for (size_t i = 0; i < tests_.size(); ++i) contents_.tests[i].page = tests_[i].firstPage;
  size_t found = 0;
  for (ReportCalLine& line : contents_.calibrations)
    if (line.state == CalibrationState::Found) line.page = calibrations_[found++].firstPage;

  contentsScale_ = FitOwnPages(true, contentsPages_, paper, fit, "the contents", sink);
  summaryScale_ = FitOwnPages(false, summaryPages_, paper, fit, "the summary", sink);
}

void ReportDocument::DrawOwnPage(DrawDevice& device, bool contents, int index, MessageSink& sink) {
  SheetCanvas canvas(device, settings_, *empty_, sink);
  PrepareDraw(canvas);
  if (contents) DrawContentsPage(canvas, contents_, index);
  else DrawSummaryReportPage(canvas, rows_, index);
}

ReportDocument::PageRef ReportDocument::Find(int page) {
  if (page < 1 || page > pageCount_) return {};
  if (page <= contentsPages_) return {PageRef::Kind::Contents, page - 1};
  if (page <= contentsPages_ + summaryPages_) return {PageRef::Kind::Summary, page - contentsPages_ - 1};
  for (auto* list : {&tests_, &calibrations_})
    for (Sheet& sheet : *list)
      if (page >= sheet.firstPage && page < sheet.firstPage + sheet.pages)
        return {PageRef::Kind::Sheet, page - sheet.firstPage + 1, &sheet};
  return {};
}

void ReportDocument::DrawPage(QPainter& painter, int page, MessageSink& sink) {
  const PageRef ref = Find(page);
  if (ref.kind == PageRef::Kind::None) return;
  const double scale = ref.kind == PageRef::Kind::Contents  ? contentsScale_
                       : ref.kind == PageRef::Kind::Summary ? summaryScale_
                                                            : ref.sheet->scale;
  painter.save();
  if (scale != 1.0) painter.scale(scale, scale);
  {
    QtDrawDevice device(painter);
    if (ref.kind == PageRef::Kind::Sheet) {
      FileNamingSink named(sink, ref.sheet->path.string());
      DrawPrintedPage(device, *ref.sheet->store, settings_, ref.sheet->view, named, ref.index);
    } else {
      DrawOwnPage(device, ref.kind == PageRef::Kind::Contents, ref.index, sink);
    }
    device.EndDraw();
  }
  painter.restore();
}

size_t ReportDocument::TestCount() const { return tests_.size(); }

QString ReportDocument::Title() const {
  std::string title = Cp932ToUtf8(ReportTitle());
  for (size_t i = 0; i < contents_.surveyNames.size(); ++i)
    title += (i == 0 ? " " : "、") + Cp932ToUtf8(contents_.surveyNames[i]);
  return QString::fromStdString(title);
}

}  // namespace vek
