#include "forms/editable_table_model.h"

#include "qt/cp932_text.h"

namespace vek {

EditableTableModel::EditableTableModel(EditableTable& table, QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), table_(table), headings_(std::move(headings)), rows_(table.RowCount()) {}

int EditableTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int EditableTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.ColumnCount();
}

QVariant EditableTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return FromCp932(table_.CellText(index.row() + 1, index.column() + 1));
}

QVariant EditableTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section < headings_.size() ? headings_[section] : QVariant();
}

Qt::ItemFlags EditableTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (table_.IsCellEditable(index.row() + 1, index.column() + 1)) flags |= Qt::ItemIsEditable;
  return flags;
}

bool EditableTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  table_.SetCellText(index.row() + 1, index.column() + 1, ToCp932Accepted(value.toString()));
  // The rules may have recomputed the rest of the row.
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
  emit CellEdited(index.row(), index.column());
  return true;
}

QString EditableTableModel::BeginEdit(const QModelIndex& index) {
  return FromCp932(table_.BeginCellEdit(index.row() + 1, index.column() + 1));
}

void EditableTableModel::TableChanged() {
  if (table_.RowCount() != rows_) {
    beginResetModel();
    rows_ = table_.RowCount();
    endResetModel();
    return;
  }
  if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

}  // namespace vek
