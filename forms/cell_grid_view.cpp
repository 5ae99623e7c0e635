#include "forms/cell_grid_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>

#include "forms/editable_table_model.h"

namespace vek {

namespace {

// An editor is never narrower than this, even over a cell that is mostly scrolled away.
constexpr int kMinEditorWidth = 5;

bool IsEditorKey(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape: return true;
    default: return false;
  }
}

}  // namespace

// The editors of a CellGridView: a line edit made by the view, its text written through the model,
// its keys handed to the view.
class CellEditDelegate : public QStyledItemDelegate {
 public:
  explicit CellEditDelegate(CellGridView* view) : QStyledItemDelegate(view), view_(view) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
    return view_->CreateEditor(parent, index);
  }
  // The editor's text is set once when it opens; a refresh of the table never overwrites typing.
  void setEditorData(QWidget*, const QModelIndex&) const override {}
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) model->setData(index, edit->text(), Qt::EditRole);
  }
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const override {
    // Exactly over the cell, clipped to the visible width of the grid.
    QRect rect = option.rect;
    rect.setRight(std::min(rect.right(), view_->viewport()->width() - 1));
    if (rect.width() < kMinEditorWidth) rect.setWidth(kMinEditorWidth);
    editor->setGeometry(rect);
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && view_->EditorKey(object, static_cast<QKeyEvent*>(event)->key())) {
      return true;
    }
    if (event->type() == QEvent::FocusOut) view_->EditorLostFocus();
    return QStyledItemDelegate::eventFilter(object, event);  // focus elsewhere: commit and close
  }

 private:
  CellGridView* view_;
};

CellGridView::CellGridView(QWidget* parent) : QTableView(parent) {
  setItemDelegate(new CellEditDelegate(this));
}

void CellGridView::SetTableModel(EditableTableModel* model) {
  tableModel_ = model;
  setModel(model);
  setEditTriggers(QAbstractItemView::DoubleClicked);
}

void CellGridView::SetEditorLimit(int maxBytes, TextSlot slot) {
  maxBytes_ = maxBytes;
  slot_ = slot;
}

void CellGridView::SetOkButton(QAbstractButton* ok) {
  ok_ = ok;
  // The click that ended the edit has been handled once its release is through.
  connect(ok, &QAbstractButton::released, this, [this] { QTimer::singleShot(0, this, [this] { endedByOk_ = false; }); });
}

QWidget* CellGridView::CreateEditor(QWidget* parent, const QModelIndex& index) {
  auto* editor = new QLineEdit(parent);
  editor->setObjectName(QStringLiteral("cellEditor"));
  LimitToCp932(editor, maxBytes_, slot_);
  editor->setAccessibleName(model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString());
  editor->setText(tableModel_->BeginEdit(index));
  editor_ = editor;
  editedIndex_ = index;
  endedByOk_ = false;
  emit EditorOpened(index.row(), index.column());
  return editor;
}

bool CellGridView::OpenEditor(const QModelIndex& index) {
  if (!index.isValid() || !(model()->flags(index) & Qt::ItemIsEditable)) return false;
  CommitEditor();
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
  if (!QTableView::edit(index, QAbstractItemView::AllEditTriggers, nullptr)) return false;
  if (!editor_) return false;
  // The view selects an editor's text when it opens; typing goes on at the end instead.
  editor_->end(false);
  QCursor::setPos(editor_->mapToGlobal(editor_->rect().center()));
  return true;
}

void CellGridView::CommitEditor() {
  if (!editor_) return;
  QLineEdit* editor = editor_;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CellGridView::DropEditor() {
  if (editor_) closeEditor(editor_, QAbstractItemDelegate::NoHint);
}

void CellGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  if (editor == editor_) {
    editor_ = nullptr;
    editedIndex_ = QPersistentModelIndex();
  }
  QTableView::closeEditor(editor, hint);
}

bool CellGridView::EditorKey(QObject* receiver, int key) {
  if (!editor_ || receiver != editor_ || !IsEditorKey(key)) return false;
  const QModelIndex at = editedIndex_;
  CommitEditor();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    focusNextPrevChild(key == Qt::Key_Tab);
  } else if (const QModelIndex next = NextCell(at, key); next.isValid()) {
    OpenEditor(next);
  }
  return true;
}

void CellGridView::EditorLostFocus() {
  if (ok_ && QApplication::focusWidget() == ok_) endedByOk_ = true;
}

bool CellGridView::TakeEndedByOk() {
  const bool ended = endedByOk_;
  endedByOk_ = false;
  return ended;
}

QModelIndex CellGridView::FirstEditableIn(int row, int fromColumn) const {
  for (int column = fromColumn; column < model()->columnCount(); ++column) {
    const QModelIndex index = model()->index(row, column);
    if (model()->flags(index) & Qt::ItemIsEditable) return index;
  }
  return {};
}

QModelIndex CellGridView::NextCell(const QModelIndex& from, int key) const {
  const int row = from.row();
  const int rows = model()->rowCount();
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (const QModelIndex next = FirstEditableIn(row, from.column() + 1); next.isValid()) return next;
      return row + 1 < rows ? FirstEditableIn(row + 1, 0) : QModelIndex();
    case Qt::Key_Up: return row > 0 ? model()->index(row - 1, from.column()) : QModelIndex();
    case Qt::Key_Down: return row + 1 < rows ? model()->index(row + 1, from.column()) : QModelIndex();
    default: return {};
  }
}

void CellGridView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F2 && !editor_) {
    // F2 edits the current cell, or the first editable cell of the current line.
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
      if (!OpenEditor(current)) OpenEditor(FirstEditableIn(current.row(), 0));
    }
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

bool CellGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (trigger == QAbstractItemView::DoubleClicked) return OpenEditor(index);
  return QTableView::edit(index, trigger, event);
}

}  // namespace vek
