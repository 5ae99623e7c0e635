// The report in the process: the order of its tests, what a stopped report leaves (nothing), a
// print to a PDF file from the preview, and the progress line of the command line.
#include "app/report_document.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <cstdio>
#include <string>

#include "app/export_command.h"
#include "app/report_fixture.h"
#include "app/report_print.h"
#include "app/terminal_progress.h"
#include "core/messages.h"
#include "core/progress.h"
#include "io/settings_install.h"
#include "qt/file_dialogs.h"
#include "support/temp_dir.h"

namespace vek::testing {
namespace {

namespace fs = std::filesystem;

// Stops the work when `stopAt` units are done.
class StoppingProgress : public Progress {
 public:
  explicit StoppingProgress(size_t stopAt) : stopAt_(stopAt) {}
  bool Step(size_t done, size_t, std::string_view) override { return done < stopAt_; }

 private:
  size_t stopAt_;
};

class ReportDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteMissingSettingsFiles();  // a quiet settings load: the messages left are the report's
    site = home.path() / "site";
    CopyCalibrationSample(site);
    files = {MakeReportTest(site, "c.vdw", "B-10", "-2.00"), MakeReportTest(site, "a.vdw", "B-2", "-9.00"),
             MakeReportTest(site, "b.vdw", "B-2", "-1.50"), site / "cal-sample.cdw"};
  }
  void Build(ReportDocument& report) {
    ASSERT_EQ(report.Load(files, sink, none), ReportDocument::LoadStatus::Done);
    report.Layout(ReportPaperOf(*PaperByName("A4"), "A4"), false, sink);
  }

  TempHome home;
  fs::path site;
  std::vector<fs::path> files;
  RecordingMessageSink sink;
  NoProgress none;
};

TEST_F(ReportDocumentTest, TestsGoByBoringInNaturalOrderThenDepthAndTheCalibrationComesOnce) {
  ReportDocument report;
  Build(report);
  const ReportContents& c = report.Contents();
  ASSERT_EQ(c.tests.size(), 3u);
  EXPECT_EQ(c.tests[0].file, "b.vdw");
  EXPECT_EQ(c.tests[1].file, "a.vdw");
  EXPECT_EQ(c.tests[2].file, "c.vdw");
  // The calibration both named by the tests and given as an input is drawn once.
  ASSERT_EQ(c.calibrations.size(), 1u);
  EXPECT_EQ(c.calibrations[0].state, CalibrationState::Found);
  // Pages: contents, summary, then the sheets one after the other, the calibration last.
  EXPECT_EQ(c.tests[0].page, 3);
  const int sheet = c.tests[1].page - c.tests[0].page;
  EXPECT_EQ(c.tests[2].page, 3 + 2 * sheet);
  EXPECT_EQ(c.calibrations[0].page, 3 + 3 * sheet);
  EXPECT_EQ(report.PageCount(), 2 + 3 * sheet + 2);
  EXPECT_TRUE(sink.shown.empty()) << sink.shown.front();
}

TEST_F(ReportDocumentTest, AStoppedReportLeavesNoFileAndKeepsAnOldOne) {
  ReportDocument report;
  StoppingProgress stopReading(2);
  EXPECT_EQ(report.Load(files, sink, stopReading), ReportDocument::LoadStatus::Cancelled);

  ReportDocument whole;
  Build(whole);
  const fs::path out = home.path() / "report.pdf";
  StoppingProgress stopDrawing(3);
  auto draw = [&](QPainter& painter, int page) {
    if (!stopDrawing.Step(static_cast<size_t>(page - 1), 9, "pages")) return false;
    whole.DrawPage(painter, page, sink);
    return true;
  };
  EXPECT_FALSE(WritePdfPages(out, *PaperByName("A4"), whole.PageCount(), whole.Title(), draw));
  EXPECT_FALSE(fs::exists(out));
  WriteFileBytes(out, "old report");
  EXPECT_FALSE(WritePdfPages(out, *PaperByName("A4"), whole.PageCount(), whole.Title(), draw));
  EXPECT_EQ(ReadFileBytes(out), "old report");
  for (const auto& entry : fs::directory_iterator(home.path()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(ReportDocumentTest, PrintToAPdfFileWritesTheWholeReportOrNothing) {
  ReportDocument report;
  Build(report);
  const fs::path out = home.path() / "printed.pdf";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(PathToQString(out));
  StoppingProgress stop(2);
  EXPECT_FALSE(PrintReport(printer, report, stop, sink));
  EXPECT_FALSE(fs::exists(out));
  EXPECT_TRUE(PrintReport(printer, report, none, sink));
  const std::string pdf = ReadFileBytes(out);
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
}

TEST(TerminalProgressTest, OneLineOnATerminalOnlyAndMessagesStartOnAFreshLine) {
  RecordingMessageSink inner;
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  {
    TerminalProgress quiet(inner, false, out, std::chrono::milliseconds(0));
    quiet.Step(1, 4, "files");
  }
  EXPECT_EQ(std::ftell(out), 0) << "nothing when standard error is not a terminal";
  {
    TerminalProgress shown(inner, true, out, std::chrono::milliseconds(0));
    shown.Step(3, 10, "files");
    shown.ShowMessage("b.vdw: text");
  }
  std::rewind(out);
  char buffer[128] = {};
  const size_t n = std::fread(buffer, 1, sizeof buffer - 1, out);
  std::fclose(out);
  EXPECT_EQ(std::string(buffer, n), "\rvek: 3/10 files\033[K\r\033[K");
  ASSERT_EQ(inner.shown.size(), 1u);
  EXPECT_EQ(inner.shown[0], "b.vdw: text");
}

}  // namespace
}  // namespace vek::testing
