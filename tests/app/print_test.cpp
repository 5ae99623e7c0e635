// Printing, preview and the paper-size query.
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "app/commands.h"
#include "app/print_support.h"
#include "qt/file_dialogs.h"
#include "qt/qt_draw_device.h"
#include "render/page_compose.h"
#include <QPainter>
#include "app_fixture.h"

namespace vek::testing {
namespace {

// Pages of a PDF file: the page objects it holds.
int PdfPageCount(const std::filesystem::path& pdf) {
  const std::string bytes = ReadFileBytes(pdf);
  int count = 0;
  for (size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1)) {
    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++count;
  }
  return count;
}

TEST(PaperSize, FollowsThePrinterOrStaysA4WithoutOne) {
  RecordingMessageSink sink;
  ViewState view;
  ApplyPaperSize(view, std::nullopt, sink);
  EXPECT_EQ(view.paperWidthMm, 210);
  EXPECT_EQ(view.paperHeightMm, 297);
  EXPECT_TRUE(sink.shown.empty());

  // B4 at 600 dpi, and A4 at 600 dpi (4960 px = 209.97 mm) to the nearest millimetre.
  ApplyPaperSize(view, PrinterPage{6070, 8598, 600, 600}, sink);
  EXPECT_EQ(view.paperWidthMm, 257);
  EXPECT_EQ(view.paperHeightMm, 364);
  ApplyPaperSize(view, PrinterPage{4960, 7016, 600, 600}, sink);
  EXPECT_EQ(view.paperWidthMm, 210);
  EXPECT_EQ(view.paperHeightMm, 297);
  view.paperWidthMm = 1;
  ApplyPaperSize(view, PrinterPage{2480, 3508, 300, 0}, sink);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "ハードウェア、デバイスエラー");
  EXPECT_EQ(view.paperWidthMm, 210);
  EXPECT_EQ(view.paperHeightMm, 297);
}

TEST(PrintRange, AllPagesOrTheChosenRangeWithinTheSheet) {
  QPrinter printer;
  EXPECT_EQ(PrintedPageRange(printer, 4), std::make_pair(1, 4));
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(2, 9);
  EXPECT_EQ(PrintedPageRange(printer, 4), std::make_pair(2, 4));
}

class PrintTest : public FrameTest {
 protected:
  void StartWithRows(int rows) { ASSERT_TRUE(MakeFrame().StartWithFile(WriteTestFileTo(home / "t.vdw", rows))); }
  PrintController& Printing() { return frame->View().Printing(); }
};

TEST_F(PrintTest, PrintsTheChosenPagesAt600DpiAndLeavesTheScreenPage) {
  StartWithRows(50);  // 3 pages
  int lastPageOffered = 0, resolution = 0;
  const auto pdf = home / "out.pdf";
  Printing().SetPrintDialog([&](QPrinter& printer, int lastPage, QWidget*) {
    lastPageOffered = lastPage;
    resolution = printer.resolution();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    return true;
  });
  ASSERT_EQ(View().currentPage, 1);
  frame->RunCommand(kCmdFilePrint);
  EXPECT_EQ(lastPageOffered, 3);
  EXPECT_EQ(resolution, kPrintDpi);
  EXPECT_EQ(PdfPageCount(pdf), 2);
  EXPECT_EQ(View().currentPage, 1);
  EXPECT_FALSE(View().printing);

  // All pages; a cancelled dialog prints nothing.
  Printing().SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
    printer.setOutputFileName(QString::fromStdString((home / "all.pdf").string()));
    return true;
  });
  frame->RunCommand(kCmdFilePrint);
  EXPECT_EQ(PdfPageCount(home / "all.pdf"), 3);
  Printing().SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
    printer.setOutputFileName(QString::fromStdString((home / "none.pdf").string()));
    return false;
  });
  EXPECT_FALSE(Printing().Print(nullptr));
  EXPECT_FALSE(std::filesystem::exists(home / "none.pdf"));
}

TEST_F(PrintTest, PrintedPageHasTheSheetAtTrueSize) {
  StartWithRows(10);
  QPrinter& printer = Printing().Printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((home / "p.pdf").string()));
  // The page is drawn at the printer's resolution: a 600-dpi page rendered into an image holds ink
  // far beyond the 96-dpi screen page's extent.
  QImage page(4960, 7016, QImage::Format_RGB32);
  page.fill(Qt::white);
  page.setDotsPerMeterX(23622);
  page.setDotsPerMeterY(23622);
  {
    QPainter painter(&page);
    QtDrawDevice device(painter, kPrintDpi, kPrintDpi);
    DrawPrintedPage(device, store, settings, View(), sink, 1);
  }
  int lowest = 0;
  for (int y = page.height() - 1; y >= 0 && !lowest; y -= 4)
    for (int x = 0; x < page.width(); x += 4)
      if (page.pixel(x, y) != qRgb(255, 255, 255)) {
        lowest = y;
        break;
      }
  EXPECT_GT(lowest, 1171 * 2);
}

TEST_F(PrintTest, PreviewShowsExactlyThePrintedPages) {
  StartWithRows(85);  // 4 pages
  settings.FormulaPosition = 2;  // 5 pages
  ShowAndPaint();  // the screen shows the test sheet
  View().currentPage = 2;
  int previews = 0;
  Printing().SetPreview([&](QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget*) {
    ++previews;
    EXPECT_EQ(printer.resolution(), kPrintDpi);
    QPrintPreviewWidget widget(&printer);
    QObject::connect(&widget, &QPrintPreviewWidget::paintRequested, paint);
    widget.updatePreview();
    EXPECT_EQ(widget.pageCount(), 5);
  });
  frame->RunCommand(kCmdFilePrintPreview);
  EXPECT_EQ(previews, 1);
  EXPECT_EQ(View().currentPage, 2);
  EXPECT_FALSE(View().printing);
}

TEST_F(PrintTest, PreviewShowsAllPagesAfterARangedPrintAndItsPrintButtonKeepsItsRange) {
  StartWithRows(50);  // 3 pages
  Printing().SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((home / "first.pdf").string()));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(3, 3);
    return true;
  });
  frame->RunCommand(kCmdFilePrint);
  ASSERT_EQ(PdfPageCount(home / "first.pdf"), 1);

  const auto fromPreview = home / "from-preview.pdf";
  Printing().SetPreview([&](QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget*) {
    QPrintPreviewWidget widget(&printer);
    QObject::connect(&widget, &QPrintPreviewWidget::paintRequested, paint);
    widget.updatePreview();
    EXPECT_EQ(widget.pageCount(), 3);
    // The preview's print button: its print dialog chose page 2, at a resolution of its own.
    printer.setOutputFileName(QString::fromStdString(fromPreview.string()));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    printer.setResolution(300);
    paint(&printer);
    EXPECT_EQ(printer.resolution(), kPrintDpi);
  });
  frame->RunCommand(kCmdFilePrintPreview);
  EXPECT_EQ(PdfPageCount(fromPreview), 1);
  EXPECT_EQ(View().currentPage, 1);
}

TEST_F(PrintTest, APrinterThatCannotStartIsReported) {
  StartWithRows(3);
  Printing().SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((home / "no-such-folder" / "out.pdf").string()));
    return true;
  });
  EXPECT_FALSE(Printing().Print(nullptr));
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::DeviceError));
}

TEST_F(PrintTest, StartUpQueriesThePaperOnceThePageIsShown) {
  int queries = 0;
  MakeFrame();
  Printing().SetPaperQuery([&] {
    ++queries;
    return std::optional<PrinterPage>(PrinterPage{4960, 7016, 600, 600});
  });
  frame->StartNewDocument();
  ShowAndPaint();
  QApplication::processEvents();
  EXPECT_EQ(queries, 1);
  EXPECT_EQ(View().paperWidthMm, 210);
  EXPECT_EQ(View().paperHeightMm, 297);
  // Every later view update asks again at once.
  View().paperWidthMm = 1;
  ASSERT_TRUE(frame->OpenDocumentFile(WriteTestFileTo(home / "t.vdw", 2)));
  EXPECT_EQ(View().paperWidthMm, 210);
  EXPECT_EQ(queries, 2);
}

TEST_F(PrintTest, PreparationQueriesThePaperAndReportsADeviceWithoutResolution) {
  StartWithRows(3);
  Printing().SetPaperQuery([] { return std::optional<PrinterPage>(PrinterPage{100, 100, 0, 0}); });
  View().paperWidthMm = 1;
  Printing().SetPrintDialog([](QPrinter&, int, QWidget*) { return false; });
  frame->RunCommand(kCmdFilePrint);
  EXPECT_EQ(View().paperWidthMm, 210);
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back(), "ハードウェア、デバイスエラー");
}

}  // namespace
}  // namespace vek::testing

namespace vek::testing {
namespace {

// "Print to file" writes the PDF only when it is complete: a device that takes no bytes (a full
// disk) is reported instead of leaving a broken file and saying nothing.
TEST_F(PrintTest, AFileThatCannotBeWrittenIsReported) {
  StartWithRows(3);
  Printing().SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/dev/full"));
    return true;
  });
  EXPECT_FALSE(Printing().Print(nullptr));
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::DeviceError));
}

// The preview's own print button prints as File Print does: a file that cannot be written (a full
// disk) is reported; the preview itself never writes the file.
TEST_F(PrintTest, PreviewsPrintButtonReportsAFileThatCannotBeWritten) {
  StartWithRows(3);
  sink.shown.clear();
  const auto named = home / "named.pdf";
  Printing().SetPreview([&](QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(named.string()));
    QPrintPreviewWidget widget(&printer);
    QObject::connect(&widget, &QPrintPreviewWidget::paintRequested, paint);
    widget.updatePreview();
    EXPECT_FALSE(std::filesystem::exists(named));
    EXPECT_TRUE(sink.shown.empty());
    printer.setOutputFileName(QStringLiteral("/dev/full"));
    widget.print();
  });
  frame->RunCommand(kCmdFilePrintPreview);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown.back(), NumberedMessage(msg::DeviceError));
}

// A printed PDF carries the document's name and the program, and the print dialog proposes an
// output file named after the document.
TEST_F(PrintTest, PrintedPdfCarriesTitleAndCreator) {
  StartWithRows(3);
  QString docName, creator, proposed;
  const auto pdf = home / "t.pdf";
  Printing().Printer().setOutputFormat(QPrinter::PdfFormat);  // a machine without printers
  Printing().SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
    docName = printer.docName();
    creator = printer.creator();
    proposed = printer.outputFileName();
    return true;
  });
  frame->RunCommand(kCmdFilePrint);
  EXPECT_EQ(docName, QStringLiteral("t.vdw"));
  EXPECT_EQ(creator, QStringLiteral("Vek"));
  EXPECT_EQ(QStringToPath(proposed), pdf);  // beside the document, named after it
  const std::string bytes = ReadFileBytes(pdf);
  EXPECT_EQ(bytes.rfind("%PDF", 0), 0u);
  // Qt writes the info strings as UTF-16 with a byte-order mark.
  auto utf16 = [](const char* ascii) {
    std::string out = "\xFE\xFF";
    for (const char* p = ascii; *p; ++p) out += std::string(1, '\0') + *p;
    return out;
  };
  EXPECT_NE(bytes.find(utf16("t.vdw")), std::string::npos);
  EXPECT_NE(bytes.find(utf16("Vek")), std::string::npos);
}

// A sheet larger than the printable area is reported before printing; Yes scales it onto the paper.
TEST_F(PrintTest, ASheetOffThePaperIsReportedBeforePrinting) {
  StartWithRows(3);
  auto printOn = [&](QPageLayout::Orientation orientation, const char* name) {
    Printing().SetPrintDialog([&, orientation, name](QPrinter& printer, int, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString((home / name).string()));
      printer.setPageSize(QPageSize(QPageSize::A4));
      printer.setPageOrientation(orientation);
      return true;
    });
    return Printing().Print(nullptr);
  };
  EXPECT_TRUE(printOn(QPageLayout::Portrait, "portrait.pdf"));
  EXPECT_TRUE(sink.asked.empty());
  sink.answers = {true};
  EXPECT_TRUE(printOn(QPageLayout::Landscape, "landscape.pdf"));
  ASSERT_EQ(sink.asked.size(), 1u);
  EXPECT_NE(sink.asked[0].find("収まりません"), std::string::npos);
  EXPECT_EQ(PdfPageCount(home / "landscape.pdf"), 2);
}

}  // namespace
}  // namespace vek::testing
