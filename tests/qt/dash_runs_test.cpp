// The dashes of one dashed line are recognised as one run; anything else breaks the run.
#include "qt/dash_runs.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

// `count` dashes of `length` every `step` pixels from (x, y) in the direction (dx, dy).
std::vector<QLine> Dashes(int x, int y, int dx, int dy, int length, int step, int count) {
  std::vector<QLine> lines;
  for (int i = 0; i < count; ++i) {
    const QPoint start(x + dx * step * i, y + dy * step * i);
    lines.emplace_back(start, start + QPoint(dx * length, dy * length));
  }
  return lines;
}

std::vector<size_t> RunLengths(const std::vector<QLine>& lines) {
  std::vector<size_t> runs;
  for (size_t i = 0; i < lines.size();) {
    const size_t end = DashRunEnd(lines, i);
    runs.push_back(end - i);
    i = end;
  }
  return runs;
}

TEST(DashRuns, EachDashedLineIsOneRun) {
  const struct {
    const char* name;
    std::vector<QLine> lines;
    std::vector<size_t> runs;
  } cases[] = {
      {"down", Dashes(10, 5, 0, 1, 5, 10, 30), {30}},
      {"right", Dashes(10, 5, 1, 0, 4, 7, 12), {12}},
      {"left", Dashes(500, 5, -1, 0, 5, 10, 8), {8}},
      {"two lines", [] {
         auto a = Dashes(10, 5, 0, 1, 5, 10, 6);
         auto b = Dashes(20, 5, 0, 1, 5, 10, 4);
         a.insert(a.end(), b.begin(), b.end());
         return a;
       }(), {6, 4}},
      {"diagonal", Dashes(0, 0, 1, 1, 5, 10, 3), {1, 1, 1}},
      {"touching pieces", Dashes(0, 0, 1, 0, 5, 5, 3), {1, 1, 1}},
      {"backwards", Dashes(0, 0, 0, 1, 5, -10, 3), {1, 1, 1}},
      {"one", Dashes(0, 0, 1, 0, 5, 10, 1), {1}},
  };
  for (const auto& c : cases) EXPECT_EQ(RunLengths(c.lines), c.runs) << c.name;
}

TEST(DashRuns, ADifferentLengthOrSpacingEndsTheRun) {
  auto lines = Dashes(0, 0, 1, 0, 5, 10, 5);
  lines[3] = QLine(QPoint(30, 0), QPoint(34, 0));  // shorter
  EXPECT_EQ(RunLengths(lines), (std::vector<size_t>{3, 1, 1}));
  lines = Dashes(0, 0, 1, 0, 5, 10, 5);
  lines[4].translate(1, 0);  // one pixel late
  EXPECT_EQ(RunLengths(lines), (std::vector<size_t>{4, 1}));
}

}  // namespace
}  // namespace vek
