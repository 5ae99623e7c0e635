#pragma once
// The dialog half of both measurement grids: binds the widgets of a grid form (.ui of the
// calibration or the test data form) to MeasurementGrid, places the in-place editor over a cell and
// routes its keys, and repaints the grid, the entries and the small graph after every action.
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

#include "forms/form_dialog.h"
#include "forms/logic/measurement_grid.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vek {

class DrawFrame;

// The widgets a grid form hands to the shared binding.
struct GridWidgets {
  QTableWidget* grid = nullptr;
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

  MeasurementGrid& Logic() { return *logic_; }
  // The in-place editor (hidden while no cell is edited).
  QLineEdit* CellEditor() const { return editor_; }

  // After the dialog closed: Cancel puts the snapshot back; the after-steps run with their
  // messages to `sink`. True when OK changed the record.
  bool Finish(MessageSink& sink);

 protected:
  MeasurementGridDialog(QWidget* parent, RecordStore& store, const SheetSettings& settings, GridKind kind,
                        MessageSink* sink);
  // Called by the form once its .ui is set up.
  void Bind(const GridWidgets& widgets, const std::vector<int>& columnWidths);

  bool HasChanges() const override;
  bool CommitForm() override;
  bool HandleEnterFirst(QObject* receiver) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();
  void RefreshGrid();
  void RefreshEntries();
  void AfterAction(bool changed);
  void OnCellClicked(int row);
  void OnCellDoubleClicked(int row, int column);
  void ShowEditor();
  void HideEditor();
  void EditorKey(MeasurementGrid::EditorKey key);
  void CommitOpenEditor();
  bool GridKey(int key);

  std::unique_ptr<MeasurementGrid> logic_;
  GridWidgets w_;
  QLineEdit* editor_ = nullptr;
  bool placing_ = false;  // the dialog itself moves the editor or scrolls the grid
};

}  // namespace vek
