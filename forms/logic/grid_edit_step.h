#pragma once
// One undoable change of a measurement grid's working copy: every cell of the grid's table before
// and after the change, and what the user did. Restoring one of the two tables undoes or redoes
// the change; the derived columns travel with the table, so nothing needs recomputing.
#include <string>
#include <vector>

#include "core/text_field.h"

namespace vek {

enum class GridEdit { Add, Overwrite, Delete, CellEdit, Paste };

// The cells of lines 1..lines, columns 1..stored columns, line by line.
using GridTableCells = std::vector<TextField>;

struct GridEditStep {
  GridEdit edit = GridEdit::Add;
  GridTableCells before;
  GridTableCells after;
};

// The name of an edit as the undo menu shows it (UTF-8).
std::string GridEditName(GridEdit edit);

}  // namespace vek
