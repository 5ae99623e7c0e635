#include "forms/logic/step_paste_plan.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/record_store.h"
#include "io/table_text.h"

namespace vek {

namespace {

TextField PressureText(const TextField& typed) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", std::atof(typed.c_str()));
  return text;
}

// The line holding `p`, scanning from line 1 to the first line without a number-like P, as an add
// looks for the same pressure; 0 when none.
int LineWithPressure(const std::vector<TextField>& linePressures, double p) {
  for (size_t i = 0; i < linePressures.size(); ++i) {
    if (IsNumericText(linePressures[i]) <= 0) break;
    if (std::fabs(std::atof(linePressures[i].c_str()) - p) < 1e-6) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace

int PastePlan::Added() const {
  int n = 0;
  for (const PastedStep& s : steps) n += s.overwrites ? 0 : 1;
  return n;
}

int PastePlan::Overwritten() const { return static_cast<int>(steps.size()) - Added(); }

std::string PastePlan::Description() const {
  std::string text = std::to_string(Added()) + " 行を追加し、" + std::to_string(Overwritten()) + " 行を上書きします。";
  if (headerRow) text += "\n1 行目は見出しとして読み飛ばします。";
  if (!refusals.empty()) {
    text += "\n次のセルは取り込めません。貼り付けは行いません:";
    for (const CellRefusal& r : refusals) text += "\n" + DescribeRefusal(r);
  }
  return text;
}

PastePlan PlanStepPaste(std::string_view utf8, DataKind kind, const std::vector<TextField>& linePressures,
                        int maxLines) {
  PastePlan plan;
  StepRowsText rows = ReadStepRows(SplitTableText(utf8), kind, maxLines);
  plan.headerRow = rows.headerRow;
  plan.refusals = std::move(rows.refusals);
  const int typed = TypedStepFieldCount(kind);
  int nextLine = static_cast<int>(linePressures.size());
  std::vector<std::pair<double, int>> pasted;  // pressure, source line
  for (StepRowText& row : rows.rows) {
    PastedStep step;
    step.sourceLine = row.line;
    step.cells.assign(row.fields.begin(), row.fields.begin() + typed + 1);
    step.cells[1] = PressureText(row.fields[1]);
    const double p = std::atof(step.cells[1].c_str());
    bool repeated = false;
    for (const auto& [q, line] : pasted) {
      if (std::fabs(q - p) < 1e-6) {
        plan.refusals.push_back({row.line, 1, StepFieldName(kind, 1),
                                 "同じ圧力が " + std::to_string(line) + " 行目にもあります"});
        repeated = true;
        break;
      }
    }
    if (repeated) continue;
    pasted.emplace_back(p, row.line);
    step.targetLine = LineWithPressure(linePressures, p);
    step.overwrites = step.targetLine > 0;
    if (!step.overwrites) {
      if (nextLine >= maxLines) {
        plan.refusals.push_back({row.line, 1, StepFieldName(kind, 1),
                                 "最大行数 (" + std::to_string(maxLines) + " 行) を超えています"});
        continue;
      }
      step.targetLine = ++nextLine;
    }
    plan.steps.push_back(std::move(step));
  }
  return plan;
}

}  // namespace vek
