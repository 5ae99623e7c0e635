// The site summary page from any rows: the input is cut at line breaks into rows of five
// tab-separated texts (boring, depth, E, Py, Pl). Whatever the numbers (huge, tiny, infinite,
// negative, not numbers at all), the axes stay finite with at most six divisions and the page is
// drawn with a bounded number of strokes; a hang shows as a libFuzzer timeout.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/header_fields.h"
#include "core/messages.h"
#include "core/sheet_settings.h"
#include "core/site_summary.h"
#include "fuzz/fuzz_support.h"
#include "render/summary_plot.h"
#include "support/recording_device.h"

namespace {

using namespace vek;

std::vector<std::string_view> Cut(std::string_view text, char at, size_t most) {
  std::vector<std::string_view> out;
  while (out.size() + 1 < most) {
    const size_t p = text.find(at);
    if (p == std::string_view::npos) break;
    out.push_back(text.substr(0, p));
    text.remove_prefix(p + 1);
  }
  out.push_back(text);
  return out;
}

void CheckAxis(double largest) {
  const NiceAxis a = MakeNiceAxis(largest);
  if (!std::isfinite(a.top) || !(a.step > 0.0) || a.divisions < 1 || a.divisions > 6) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  std::vector<SummaryRow> rows;
  for (std::string_view line : Cut(bytes, '\n', 60)) {
    const std::vector<std::string_view> f = Cut(line, '\t', 5);
    Record test;
    test.Header(hf::BoringNo) = TextField(f[0]);
    if (f.size() > 1) test.Header(hf::TestDepth) = TextField(f[1]);
    if (f.size() > 2) test.Header(hf::EModulus) = TextField(f[2]);
    if (f.size() > 3) test.Header(hf::PyNet) = TextField(f[3]);
    if (f.size() > 4) test.Header(hf::PlNet) = TextField(f[4]);
    rows.push_back(MakeSummaryRow(test, "f.vdw"));
    CheckAxis(rows.back().depthBelowGround);
    CheckAxis(std::atof(rows.back().e.c_str()));
  }
  SortSummaryRows(rows);

  SheetSettings settings;
  RecordStore store;
  NullMessageSink sink;
  testing::RecordingDevice device;
  SheetCanvas canvas(device, settings, store, sink);
  PrepareDraw(canvas);
  DrawSummaryPage(canvas, rows, "t");
  // Per row a marker and a line in each of three panels and the legend, plus the frames and the
  // dashes of at most six grid lines a panel and axis.
  if (device.lines.size() > 20000 + 30 * rows.size()) __builtin_trap();
  return 0;
}
