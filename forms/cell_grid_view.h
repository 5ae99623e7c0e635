#pragma once
// The table view of every grid form, with one way of editing a cell in place: a double click or F2
// opens an editor over the cell; in the editor Enter, Up, Down, Tab and Esc first put the text into
// the cell, then Enter goes on to the next editable cell of the line (then the next line), Up and
// Down to the same column of the line above or below, Tab moves the focus on, and Esc leaves the
// editor closed. A click elsewhere puts the text into the cell too; a click on the form's OK button
// does only that and leaves the form open. The view works on an EditableTableModel.
#include <QPointer>
#include <QTableView>

#include "qt/cp932_validator.h"

class QAbstractButton;
class QLineEdit;

namespace vek {

class EditableTableModel;

class CellGridView : public QTableView {
  Q_OBJECT
 public:
  explicit CellGridView(QWidget* parent = nullptr);

  void SetTableModel(EditableTableModel* model);
  EditableTableModel* TableModel() const { return tableModel_; }
  // What the editor accepts (bytes in CP932 and the kind of text).
  void SetEditorLimit(int maxBytes, TextSlot slot);
  // The form's OK button: a click on it while a cell is edited only ends the edit.
  void SetOkButton(QAbstractButton* ok);

  // The open editor, or nullptr, and the cell it edits.
  QLineEdit* Editor() const { return editor_; }
  QModelIndex EditedIndex() const { return editedIndex_; }
  // Opens the editor on a cell (false when the cell cannot be edited).
  bool OpenEditor(const QModelIndex& index);
  // Puts the open editor's text into its cell and closes it.
  void CommitEditor();
  // Closes the open editor without storing its text (the form is going away).
  void DropEditor();
  // A key in the open editor (`receiver`): handled as the class comment says. False when
  // `receiver` is not the open editor or the key is not one of the editor's keys.
  bool EditorKey(QObject* receiver, int key);
  // True once after the edit was ended by a click on OK (the form then stays open).
  bool TakeEndedByOk();

 signals:
  // An editor opened on a cell (its row is now the current line of the form).
  void EditorOpened(int row, int column);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  friend class CellEditDelegate;
  QWidget* CreateEditor(QWidget* parent, const QModelIndex& index);
  void EditorLostFocus();
  QModelIndex NextCell(const QModelIndex& from, int key) const;
  QModelIndex FirstEditableIn(int row, int fromColumn) const;

  EditableTableModel* tableModel_ = nullptr;
  int maxBytes_ = 20;
  TextSlot slot_ = TextSlot::Plain;
  QPointer<QAbstractButton> ok_;
  QPointer<QLineEdit> editor_;
  QPersistentModelIndex editedIndex_;
  bool endedByOk_ = false;
};

}  // namespace vek
