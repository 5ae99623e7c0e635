// File → "まとめて印刷...": the chooser starts in the remembered folder and takes several files, the
// print preview shows the report without writing the file the printer names, and its print button
// writes the whole report there.
#include "app/report_print.h"

#include <gtest/gtest.h>

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <regex>

#include "app/app_fixture.h"
#include "app/commands.h"
#include "app/print_support.h"
#include "app/report_fixture.h"
#include "io/file_v.h"
#include "io/settings_install.h"
#include "io/settings_location.h"

namespace vek::testing {
namespace {

namespace fs = std::filesystem;

int CountPdfPages(const std::string& pdf) {
  static const std::regex page("/Type\\s*/Page(?![a-zA-Z])");
  return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST_F(FrameTest, ReportPrintPreviewsTheReportOfTheChosenFilesAndPrintsItToAPdfFile) {
  WriteMissingSettingsFiles();  // as the first start installs them
  StartNew();
  const fs::path site = home / "site";
  CopyCalibrationSample(site);
  WriteFileV(ProgramFolderHostPath(settings), FileV{PathToField(site), ""});
  chooser.openManyAnswers.push_back(
      {MakeReportTest(site, "b.vdw", "B-2", "-4.00"), MakeReportTest(site, "a.vdw", "B-1", "-2.00")});

  const fs::path out = home / "report.pdf";
  int previewPages = 0;
  bool fileDuringPreview = true;
  frame->View().Printing().SetPreview([&](QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(out.string()));
    QPrintPreviewWidget widget(&printer);
    QObject::connect(&widget, &QPrintPreviewWidget::paintRequested, paint);
    widget.updatePreview();
    previewPages = widget.pageCount();
    fileDuringPreview = fs::exists(out);
    paint(&printer);  // the preview's print button
  });
  sink.shown.clear();
  frame->RunCommand(kCmdFileReportPrint);

  ASSERT_EQ(chooser.openManyRequests.size(), 1u);
  EXPECT_EQ(chooser.openManyRequests[0].initialFolder, site);
  EXPECT_FALSE(fileDuringPreview);
  // Contents, summary, two sheets of the same size, the calibration's two pages.
  EXPECT_GT(previewPages, 6);
  EXPECT_EQ(previewPages % 2, 0);
  EXPECT_EQ(CountPdfPages(ReadFileBytes(out)), previewPages);
  EXPECT_TRUE(sink.shown.empty()) << sink.shown.front();
}

}  // namespace
}  // namespace vek::testing
