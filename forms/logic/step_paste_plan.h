#pragma once
// What a paste of spreadsheet rows into a measurement grid will do, worked out before anything
// changes: each pasted step is added after the used lines or overwrites the line with the same
// pressure (as "データ追加" tells them apart), and every cell that cannot be taken is listed. The
// paste is applied whole or not at all.
#include <string>
#include <string_view>
#include <vector>

#include "core/text_field.h"
#include "io/data_file_format.h"
#include "io/step_rows_text.h"

namespace vek {

struct PastedStep {
  int sourceLine = 0;            // line of the pasted text
  int targetLine = 0;            // grid line written
  bool overwrites = false;       // the line held the same pressure
  std::vector<TextField> cells;  // grid columns 1..typed columns (index 0 unused); P as "%.2f"
};

struct PastePlan {
  std::vector<PastedStep> steps;
  std::vector<CellRefusal> refusals;
  bool headerRow = false;
  int Added() const;
  int Overwritten() const;
  // Something to apply and nothing refused.
  bool CanApply() const { return refusals.empty() && !steps.empty(); }
  // What the user is asked to confirm (UTF-8): the counts, then one line per refusal.
  std::string Description() const;
};

// Plans the paste of `utf8` (tab- or comma-separated rows) into a grid of `kind` whose used lines
// hold the pressures `linePressures` (P of lines 1..used, CP932 texts as the grid shows them) and
// that has `maxLines` lines. Pressures within 1e-6 of each other count as the same, as for an add.
PastePlan PlanStepPaste(std::string_view utf8, DataKind kind, const std::vector<TextField>& linePressures,
                        int maxLines);

}  // namespace vek
