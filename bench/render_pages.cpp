// Drawing every page of the test sheet (120 steps, formula on its own page: 6 pages) and both
// calibration pages: the page compositions alone on a device that only counts, and the same pages
// on a QPainter over a 150-dpi A4 image.
#include <benchmark/benchmark.h>

#include "bench/qt_benchmark_main.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <clocale>
#include <cstdlib>
#include <string>

#include "qt/qt_draw_device.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "render/page_compose.h"

namespace {

using namespace vek;

// Accepts every operation and counts the primitives, so only the layout work is measured.
class CountingDevice : public DrawDevice {
 public:
  int LogicalDpiX() const override { return 600; }
  int LogicalDpiY() const override { return 600; }
  void BeginDraw() override {}
  Pen SelectPen(const Pen& pen) override {
    Pen old = pen_;
    pen_ = pen;
    return old;
  }
  void MoveTo(int x, int y) override { cp_ = {x, y}; }
  DevicePoint CurrentPosition() const override { return cp_; }
  void LineTo(int x, int y) override {
    cp_ = {x, y};
    ++primitives;
  }
  void Ellipse(int, int, int, int) override { ++primitives; }
  bool SelectFont(const FontSpec&) override { return true; }
  void SaveFont() override {}
  void RestoreFont() override {}
  void SetTextColour(Colour) override {}
  void SetTextAlign(const TextAlign&) override {}
  void TextOut(int, int, std::string_view) override { ++primitives; }
  void TextInRect(int, int, int, int, std::string_view) override { ++primitives; }
  TextSize TextExtent(std::string_view text) override {
    return {static_cast<int>(text.size()) * 50, 100};
  }
  long primitives = 0;

 private:
  Pen pen_;
  DevicePoint cp_;
};

struct Sheets {
  RecordStore store;
  SheetSettings settings;
};

Sheets MakeSheets() {
  Sheets s;
  for (int i = 0; i < kRoleFontCount; ++i) {
    s.settings.fonts[i].size = i == 4 ? 16.0 : 10.5;
    s.settings.fonts[i].face = Sjis("ＭＳ 明朝");
  }
  s.settings.FormulaPosition = kFormulaOwnPage;
  s.settings.RLineMode = 2;
  s.settings.DhLineMode = 2;
  Record& t = s.store.test;
  t.Header(hf::SondeRadius) = "4.0";
  t.Header(hf::PeScaleMin) = "0";
  t.Header(hf::PeScaleMax) = "2400";
  t.Header(hf::PeScaleStep) = "400";
  t.Header(hf::PoPoint) = "10";
  t.Header(hf::PyPoint) = "60";
  t.Header(hf::PlPoint) = "110";
  t.Header(hf::ShowDataNo) = "1";
  t.Header(hf::Show120Reading) = "1";
  for (int r = 1; r <= kMaxTestRows; ++r) {
    for (int f = 1; f <= kTestFieldCount; ++f) t.Test(r, f) = FormatDouble("%g", r * 1.5 + f);
    t.Test(r, tf::Pe) = FormatDouble("%g", r * 19.0);
    t.Test(r, tf::R) = FormatDouble("%g", 4.0 + r * 0.02);
    t.Test(r, tf::DH) = FormatDouble("%g", r * 0.1);
  }
  Record& c = s.store.calibration;
  c.Header(hf::CalCurveType) = "1";
  for (int r = 1; r <= kMaxCalRows; ++r) {
    c.Cal(r, cf::Pressure) = FormatDouble("%g", r * 7.5);
    c.Cal(r, cf::Reading) = FormatDouble("%g", r * 2.0 + 3);
    c.Cal(r, cf::H) = FormatDouble("%g", r * 2.0);
  }
  s.store.calCoefficients = {0, 3.5, 0.01, 0, 0};
  return s;
}

void DrawAllPages(DrawDevice& device, Sheets& s, NullMessageSink& sink) {
  for (int sheet : {kTestSheet, kCalibrationSheet}) {
    s.store.currentSheet = sheet;
    ViewState view;
    const int pages = PageCount(s.store, s.settings, view, sheet);
    for (int page = 1; page <= pages; ++page) DrawPrintedPage(device, s.store, s.settings, view, sink, page);
  }
}

void BM_ComposeAllPages(benchmark::State& state) {
  Sheets s = MakeSheets();
  NullMessageSink sink;
  CountingDevice device;
  for (auto _ : state) DrawAllPages(device, s, sink);
  state.counters["primitives/iter"] =
      benchmark::Counter(static_cast<double>(device.primitives) / state.iterations());
  state.counters["pages"] = 8;
}
BENCHMARK(BM_ComposeAllPages)->Unit(benchmark::kMicrosecond);

void BM_PaintAllPagesOnImage(benchmark::State& state) {
  Sheets s = MakeSheets();
  NullMessageSink sink;
  QImage image(1240, 1754, QImage::Format_RGB32);  // A4 at 150 dpi
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDrawDevice device(painter, 150, 150);
    DrawAllPages(device, s, sink);
  }
  state.counters["pages"] = 8;
}
BENCHMARK(BM_PaintAllPagesOnImage)->Unit(benchmark::kMillisecond);

}  // namespace

VEK_QT_BENCHMARK_MAIN()
