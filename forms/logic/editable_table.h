#pragma once
// A table of text cells that a grid view shows and edits in place: its size, which cells take
// typing, the text an editor opens with, and what a typed text does to its row. Rows and columns
// count from 1; texts are CP932. The grid forms' logic implements it over its working copy, and one
// Qt model adapts it for the views.
#include "core/text_field.h"

namespace vek {

class EditableTable {
 public:
  virtual int RowCount() const = 0;
  virtual int ColumnCount() const = 0;
  virtual const TextField& CellText(int row, int column) const = 0;
  virtual bool IsCellEditable(int row, int column) const = 0;
  // An editor opens on a cell: the row becomes the current one and the form counts as changed.
  // Returns the text the editor starts with (the cell's, unless a rule proposes one).
  virtual TextField BeginCellEdit(int row, int column) = 0;
  // The editor's text goes into the cell; the table applies what the edit implies for the row.
  virtual void SetCellText(int row, int column, const TextField& text) = 0;

 protected:
  ~EditableTable() = default;
};

}  // namespace vek
