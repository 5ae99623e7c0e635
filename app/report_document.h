#pragma once
// The report of a boring or a site: the contents, the site summary, every test's sheet (ordered by
// boring in natural order, then depth) drawn as its own export draws it, and the calibration sheet
// of each calibration file the tests name, once each. The command line writes it as a PDF
// (vek --report); the window shows it in the print preview (File → "まとめて印刷...").
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/export_command.h"
#include "core/sheet_settings.h"
#include "core/site_summary.h"
#include "render/report_pages.h"
#include "render/view_state.h"

class QPainter;

namespace vek {

class MessageSink;
class Progress;

// The paper a report is laid out for: its size (the views' paper), the printable area the pages
// must fit (the whole page for a PDF) and its name for messages.
struct ReportPaper {
  int widthMm = 0;
  int heightMm = 0;
  double areaWidthMm = 0;
  double areaHeightMm = 0;
  std::string name;
};

// The whole page of an export paper (no margins).
ReportPaper ReportPaperOf(const ExportPaper& paper, const std::string& name);

class ReportDocument {
 public:
  ReportDocument();
  ~ReportDocument();
  ReportDocument(const ReportDocument&) = delete;
  ReportDocument& operator=(const ReportDocument&) = delete;

  enum class LoadStatus { Done, SomeUnreadable, Cancelled };
  // Reads every input as the exports read it (settings of the program folder; .vdw .cdw .ddf .cdf)
  // and the calibration files the tests name (found as FindNamedCalibration finds them). Files that
  // cannot be read are reported through `sink` and listed on the contents; a calibration that is
  // not found is reported and listed as missing. Calibration files among the inputs are drawn too.
  LoadStatus Load(const std::vector<std::filesystem::path>& inputs, MessageSink& sink, Progress& progress);

  // Numbers the pages for `paper`. Each sheet is measured as its export measures it: one larger
  // than the paper's printable area is scaled onto it with `fit`, else reported through `sink`.
  void Layout(const ReportPaper& paper, bool fit, MessageSink& sink);

  int PageCount() const { return pageCount_; }
  // Draws report page `page` (1-based) on a painter at the printer's or PDF's resolution.
  void DrawPage(QPainter& painter, int page, MessageSink& sink);

  // PDF title: the report's title and the survey names.
  QString Title() const;
  const ReportContents& Contents() const { return contents_; }
  size_t TestCount() const;

 private:
  struct Sheet;
  struct PageRef;
  void AddCalibrationsOfTests(MessageSink& sink);
  void AddCalibration(const std::filesystem::path& path, const TextField& name, MessageSink& sink);
  PageRef Find(int page);
  // The contents (or else the summary) page `index` (0-based).
  void DrawOwnPage(DrawDevice& device, bool contents, int index, MessageSink& sink);
  // The scale of the contents (or the summary) pages on `paper`.
  double FitOwnPages(bool contents, int pages, const ReportPaper& paper, bool fit, const char* what,
                     MessageSink& sink);

  SheetSettings settings_;
  std::unique_ptr<RecordStore> empty_;  // the store of the report's own pages
  std::vector<Sheet> tests_;             // in report order
  std::vector<Sheet> calibrations_;      // in the order the tests name them
  std::vector<std::filesystem::path> inputCalibrations_;
  std::vector<std::filesystem::path> unreadableCalibrations_;  // canonical paths, each reported once
  std::vector<SummaryRow> rows_;
  ReportContents contents_;
  int contentsPages_ = 1;
  int summaryPages_ = 1;
  double contentsScale_ = 1.0;
  double summaryScale_ = 1.0;
  int pageCount_ = 0;
};

}  // namespace vek
