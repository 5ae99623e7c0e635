// Planning a paste of spreadsheet rows into a measurement grid: add or overwrite as an add decides,
// every refusal listed, and the limits of the grid.
#include <gtest/gtest.h>

#include "forms/logic/step_paste_plan.h"

namespace vek {
namespace {

TEST(StepPastePlan, AddsAfterTheUsedLinesAndOverwritesTheSamePressure) {
  const std::vector<TextField> lines = {"50.00", "100.00"};
  const PastePlan plan = PlanStepPaste("セル圧\tガス圧\t15”\n100\t0\t1.5\n150.004\t\t2\n", DataKind::Test, lines, 120);
  ASSERT_TRUE(plan.CanApply());
  ASSERT_EQ(plan.steps.size(), 2u);
  EXPECT_TRUE(plan.steps[0].overwrites);
  EXPECT_EQ(plan.steps[0].targetLine, 2);
  EXPECT_EQ(plan.steps[1].targetLine, 3);
  EXPECT_EQ(plan.steps[1].cells[1], "150.00");
  EXPECT_EQ(plan.steps[1].cells[3], "2");
  EXPECT_EQ(plan.Description(), "1 行を追加し、1 行を上書きします。\n1 行目は見出しとして読み飛ばします。");
}

TEST(StepPastePlan, RefusalsStopTheWholePaste) {
  // A repeated pressure, a cell that is not a number, and more lines than the grid has.
  const PastePlan plan = PlanStepPaste("10,1\n10,2\n20,x\n30,3\n40,4\n", DataKind::Calibration, {"5.00"}, 3);
  EXPECT_FALSE(plan.CanApply());
  ASSERT_EQ(plan.refusals.size(), 3u);
  EXPECT_EQ(plan.refusals[0].line, 3);  // the cell "x" and the line past the grid, found while reading
  EXPECT_EQ(plan.refusals[1].line, 5);
  EXPECT_EQ(plan.refusals[2].reason, "同じ圧力が 1 行目にもあります");
  EXPECT_NE(plan.Description().find("行 5, 列 1 (セル水圧P): 最大行数 (3 行) を超えています"), std::string::npos);
  EXPECT_FALSE(PlanStepPaste("", DataKind::Test, {}, 120).CanApply());
}

}  // namespace
}  // namespace vek
