#pragma once
// The Qt item model over a form's EditableTable: cells as text, the editable flag per cell, the
// column headings, and typed texts handed to the table's rules. It holds no data of its own.
#include <QAbstractTableModel>
#include <QStringList>

#include "forms/logic/editable_table.h"

namespace vek {

class EditableTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  EditableTableModel(EditableTable& table, QStringList headings, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // EditRole: the text (Unicode) goes into the cell through the table's rules.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // An editor opens on `index`: the text it starts with.
  QString BeginEdit(const QModelIndex& index);
  // The table changed outside the model (a button of the form): every cell is shown afresh, and
  // the rows are counted again when their number changed.
  void TableChanged();

 signals:
  // A cell was written through setData (its row may have been recomputed).
  void CellEdited(int row, int column);

 private:
  EditableTable& table_;
  QStringList headings_;
  int rows_;
};

}  // namespace vek
