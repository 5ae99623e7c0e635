#include "forms/logic/pressure_order.h"

#include <cmath>
#include <cstdlib>

#include "core/encoding.h"
#include "core/messages.h"

namespace vek {

namespace {

constexpr double kSamePressure = 1e-6;
constexpr int kMostReported = 6;
constexpr size_t kReportBytes = 299;

double PressureOf(const PressureLine& line) { return std::atof(line.cells.front().c_str()); }

}  // namespace

PressureOrder SortByPressure(std::vector<PressureLine> remaining) {
  // Repeatedly the smallest P of the remaining lines (the first one on ties); every further line of
  // the same pressure is reported.
  const std::string heading = std::string(MessageText(msg::SamePressure)) + "\r\n";
  std::string report = heading;
  size_t reportBytes = Sjis(heading).size();
  int reported = 0;
  PressureOrder order;
  while (!remaining.empty()) {
    size_t smallest = 0;
    for (size_t i = 1; i < remaining.size(); ++i) {
      if (PressureOf(remaining[i]) < PressureOf(remaining[smallest])) smallest = i;
    }
    order.lines.push_back(std::move(remaining[smallest]));
    remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(smallest));
    const double p = PressureOf(order.lines.back());
    for (const PressureLine& other : remaining) {
      if (std::fabs(PressureOf(other) - p) >= kSamePressure || reported >= kMostReported || reportBytes > kReportBytes) {
        continue;
      }
      const TextField& text = other.cells.front();
      report += " " + Cp932ToUtf8(text) + " m \r\n";
      reportBytes += text.size() + 6;
      ++reported;
    }
  }
  if (reported > 0) order.duplicateReport = report;
  return order;
}

}  // namespace vek
