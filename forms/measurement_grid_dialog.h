#pragma once
// The dialog half of both measurement grids: binds the widgets of a grid form (.ui of the
// calibration or the test data form) to MeasurementGridLogic, shows its working copy through an
// EditableTableModel in the form's CellGridView, and repaints the grid, the entries and the small
// graph after every action.
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

#include "dialog/form_dialog.h"
#include "forms/logic/measurement_grid_logic.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QUndoStack;

namespace vek {

class CellGridView;
class DrawFrame;
class EditableTableModel;

// The widgets a grid form hands to the shared binding.
struct GridWidgets {
  CellGridView* grid = nullptr;
  std::vector<QLineEdit*> entries;        // grid columns 1..n
  std::vector<QCheckBox*> autoIncrement;  // P, then gas pressure
  QPushButton* add = nullptr;
  QPushButton* overwrite = nullptr;
  QPushButton* remove = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QRadioButton* use60 = nullptr;
  QRadioButton* use120 = nullptr;
  QCheckBox* showDataNo = nullptr;
  QCheckBox* show120 = nullptr;  // test form only
  DrawFrame* graph = nullptr;
  std::array<QLineEdit*, 4> axisLabels{};  // x from, x to, y from, y to
  QLineEdit* initialLevel = nullptr;
};

// The widgets both grid forms name alike in their .ui files.
template <typename Ui>
GridWidgets CommonGridWidgets(Ui& ui) {
  GridWidgets w;
  w.grid = ui.grid;
  w.add = ui.buttonAdd;
  w.overwrite = ui.buttonOverwrite;
  w.remove = ui.buttonDelete;
  w.ok = ui.buttonOk;
  w.cancel = ui.buttonCancel;
  w.use60 = ui.radio60;
  w.use120 = ui.radio120;
  w.showDataNo = ui.checkDataNo;
  w.graph = ui.graph;
  w.axisLabels = {ui.axisXFrom, ui.axisXTo, ui.axisYFrom, ui.axisYTo};
  w.initialLevel = ui.initialLevel;
  return w;
}

class MeasurementGridDialog : public FormDialog {
  Q_OBJECT
 public:
  ~MeasurementGridDialog() override;

  MeasurementGridLogic& Logic() { return *logic_; }
  CellGridView& Grid() const { return *w_.grid; }
  // The form's history of grid edits (Ctrl+Z / Ctrl+Y), and the grid's context-menu actions.
  QUndoStack& UndoStack() const { return *undo_; }
  QAction* CopyAction() const { return copy_; }
  QAction* PasteAction() const { return paste_; }

  // Ctrl+V: the clipboard's rows into the grid (after the confirmation). Ctrl+C: the selected
  // lines (or the current one) onto the clipboard as tab-separated rows.
  void PasteRows();
  void CopyRows();

  // After the dialog closed: OK commits the working copy into the store the form was opened on,
  // Cancel drops it; the record's own steps run with their messages to `sink`.
  FormOutcome Finish(MessageSink& sink);

 protected:
  MeasurementGridDialog(QWidget* parent, RecordStore& store, const SheetSettings& settings, const GridKind& kind,
                        AutoIncrementMemory& memory, MessageSink* sink);
  // Called by the form once its .ui is set up: the widgets, and the grid's column headings and widths.
  void Bind(const GridWidgets& widgets, const QStringList& headings, const std::vector<int>& columnWidths);

  bool HasChanges() const override;
  bool CommitForm() override;
  bool AfterClose(bool accepted) override;
  bool HandleEnterFirst(QObject* receiver) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();
  void RefreshGrid();
  void RefreshEntries();
  void AfterAction(bool changed);
  bool GridKey(int key);
  void BindEditing();
  bool EditingKey(QObject* watched, QKeyEvent* key);
  int EntryColumn(QObject* object) const;

  RecordStore& store_;
  std::unique_ptr<MeasurementGridLogic> logic_;
  GridWidgets w_;
  EditableTableModel* model_ = nullptr;
  QUndoStack* undo_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
};

}  // namespace vek
