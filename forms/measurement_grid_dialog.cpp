#include "forms/measurement_grid_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>
#include <algorithm>
#include <functional>
#include <utility>

#include "forms/cell_grid_view.h"
#include "dialog/draw_frame.h"
#include "forms/editable_table_model.h"
#include "forms/logic/grid_graph.h"
#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"

namespace vek {

namespace {

// Bytes a cell holds: numbers with room to spare; a table line stays well under 300 bytes.
constexpr int kCellBytes = 20;

void SetTextIfChanged(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

// One grid edit on the form's undo stack. The edit has been made when it is pushed; undo and redo
// put back the table before or after it and repaint the form.
class GridUndoCommand : public QUndoCommand {
 public:
  GridUndoCommand(GridEditStep step, MeasurementGridLogic& logic, std::function<void()> repaint)
      : QUndoCommand(QString::fromStdString(GridEditName(step.edit))),
        step_(std::move(step)),
        logic_(logic),
        repaint_(std::move(repaint)) {}
  void undo() override { Put(step_.before); }
  void redo() override {
    if (std::exchange(pushed_, false)) return;
    Put(step_.after);
  }

 private:
  void Put(const GridTableCells& cells) {
    logic_.RestoreTable(cells);
    repaint_();
  }
  GridEditStep step_;
  MeasurementGridLogic& logic_;
  std::function<void()> repaint_;
  bool pushed_ = true;
};

// Text that a spreadsheet copies as rows and cells rather than as one value.
bool HoldsRows(const QString& text) {
  return text.contains(QLatin1Char('\t')) || text.trimmed().contains(QLatin1Char('\n'));
}

bool IsRedo(QKeyEvent* key) {
  return key->matches(QKeySequence::Redo) ||
         (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
}

}  // namespace

MeasurementGridDialog::MeasurementGridDialog(QWidget* parent, RecordStore& store, const SheetSettings& settings,
                                             const GridKind& kind, AutoIncrementMemory& memory, MessageSink* sink)
    : FormDialog(parent, settings.EnterKeyMode, sink),
      store_(store),
      logic_(std::make_unique<MeasurementGridLogic>(store, settings, kind, Sink(), memory)) {}

MeasurementGridDialog::~MeasurementGridDialog() {
  // Hiding the form would store an open editor into the logic, which is gone by then.
  if (w_.grid) w_.grid->DropEditor();
}

void MeasurementGridDialog::Bind(const GridWidgets& widgets, const QStringList& headings,
                                 const std::vector<int>& columnWidths) {
  w_ = widgets;
  MeasurementGridLogic& g = *logic_;
  CellGridView* grid = w_.grid;
  model_ = new EditableTableModel(g, headings, this);
  grid->SetTableModel(model_);
  grid->SetEditorLimit(kCellBytes, TextSlot::NumberCell);
  grid->SetOkButton(w_.ok);
  for (int c = 0; c < static_cast<int>(columnWidths.size()); ++c) grid->horizontalHeader()->resizeSection(c, columnWidths[c]);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
  grid->installEventFilter(this);
  // An edit in place selects its line and refreshes the entries and the graph.
  connect(grid, &CellGridView::EditorOpened, this, [this] { Refresh(); });
  connect(model_, &EditableTableModel::CellEdited, this, [this] { Refresh(); });
  connect(grid, &QTableView::clicked, this, [this](const QModelIndex& index) {
    logic_->SelectLine(index.row() + 1);
    Refresh();
  });

  for (int c = 1; c <= static_cast<int>(w_.entries.size()); ++c) {
    QLineEdit* entry = w_.entries[c - 1];
    LimitToCp932(entry, kCellBytes, TextSlot::NumberCell);
    entry->installEventFilter(this);
    connect(entry, &QLineEdit::textChanged, this, [this, c](const QString& text) {
      logic_->SetEntry(c, ToCp932Accepted(text));
    });
  }
  for (int box = 0; box < static_cast<int>(w_.autoIncrement.size()); ++box) {
    w_.autoIncrement[box]->setChecked(g.AutoIncrement(box));
    connect(w_.autoIncrement[box], &QCheckBox::toggled, this, [this, box](bool on) { logic_->SetAutoIncrement(box, on); });
  }
  (g.Uses120() ? w_.use120 : w_.use60)->setChecked(true);
  connect(w_.use120, &QRadioButton::toggled, this, [this](bool on) {
    logic_->SetUses120(on);
    Refresh();
  });
  w_.showDataNo->setChecked(g.ShowDataNo());
  connect(w_.showDataNo, &QCheckBox::toggled, this, [this](bool on) { logic_->SetShowDataNo(on); });
  if (w_.show120) {
    w_.show120->setChecked(g.Show120());
    connect(w_.show120, &QCheckBox::toggled, this, [this](bool on) { logic_->SetShow120(on); });
  }
  w_.initialLevel->setText(FromCp932(g.InitialLevelText()));
  const auto labels = g.AxisLabels();
  for (int i = 0; i < 4; ++i) {
    w_.axisLabels[i]->setText(QString::fromStdString(labels[i]));
    w_.axisLabels[i]->setCursorPosition(0);
  }
  w_.graph->SetDrawer([this](DrawDevice& device, int width, int height) {
    DrawGridGraph(device, width, height, *logic_);
  });

  connect(w_.add, &QPushButton::clicked, this, [this] { AfterAction(logic_->Add()); });
  connect(w_.overwrite, &QPushButton::clicked, this, [this] { AfterAction(logic_->Overwrite()); });
  connect(w_.remove, &QPushButton::clicked, this, [this] {
    logic_->DeleteSelectedLine();
    Refresh();
  });
  connect(w_.ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(w_.cancel, &QPushButton::clicked, this, &QDialog::reject);
  BindEditing();

  Refresh();
  // The grid opens at the first free line.
  if (const int free = g.FirstFreeLine()) {
    const QModelIndex index = model_->index(free - 1, 0);
    grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    grid->scrollTo(index);
  }
  // The form opens ready to type the first value of a step (セル水圧).
  w_.entries.front()->setFocus(Qt::OtherFocusReason);
}

void MeasurementGridDialog::BindEditing() {
  undo_ = new QUndoStack(this);
  CellGridView* grid = w_.grid;
  // Several lines can be selected for a copy; the line clicked last is the form's current line.
  grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
  const auto action = [this, grid](const char* text, const char* keys, auto slot) {
    auto* a = new QAction(QString::fromUtf8(text) + QLatin1Char('\t') + QLatin1String(keys), grid);
    connect(a, &QAction::triggered, this, slot);
    grid->addAction(a);
    return a;
  };
  copy_ = action("コピー(&C)", "Ctrl+C", [this] { CopyRows(); });
  paste_ = action("貼り付け(&P)", "Ctrl+V", [this] { PasteRows(); });
  QAction* undo = action("元に戻す(&U)", "Ctrl+Z", [this] { undo_->undo(); });
  QAction* redo = action("やり直し(&R)", "Ctrl+Y", [this] { undo_->redo(); });
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(undo_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(undo_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MeasurementGridDialog::PasteRows() {
  const QString text = QApplication::clipboard()->text();
  if (w_.grid->Editor()) w_.grid->CommitEditor();
  AfterAction(logic_->Paste(text.toStdString()));
}

void MeasurementGridDialog::CopyRows() {
  std::vector<int> lines;
  for (const QModelIndex& row : w_.grid->selectionModel()->selectedRows()) lines.push_back(row.row() + 1);
  if (lines.empty() && w_.grid->currentIndex().isValid()) lines.push_back(w_.grid->currentIndex().row() + 1);
  std::sort(lines.begin(), lines.end());
  const std::string text = logic_->CopyLines(lines);
  if (!text.empty()) QApplication::clipboard()->setText(FromCp932(text));
}

int MeasurementGridDialog::EntryColumn(QObject* object) const {
  const auto at = std::find(w_.entries.begin(), w_.entries.end(), object);
  return at == w_.entries.end() ? 0 : static_cast<int>(at - w_.entries.begin()) + 1;
}

bool MeasurementGridDialog::EditingKey(QObject* watched, QKeyEvent* key) {
  // The cell editor keeps its own keys; an entry keeps its own undo and a paste of one value.
  if (w_.grid->Editor() && watched == w_.grid->Editor()) return false;
  auto* entry = qobject_cast<QLineEdit*>(watched);
  const bool inGrid = watched == w_.grid;
  if (!inGrid && !(entry && EntryColumn(entry) > 0)) return false;
  if (key->matches(QKeySequence::Undo)) {
    if (entry && entry->isUndoAvailable()) return false;
    undo_->undo();
  } else if (IsRedo(key)) {
    if (entry && entry->isRedoAvailable()) return false;
    undo_->redo();
  } else if (key->matches(QKeySequence::Paste)) {
    if (entry && !HoldsRows(QApplication::clipboard()->text())) return false;
    PasteRows();
  } else if (inGrid && key->matches(QKeySequence::Copy)) {
    CopyRows();
  } else {
    return false;
  }
  return true;
}

void MeasurementGridDialog::RefreshGrid() {
  model_->TableChanged();
  CellGridView* grid = w_.grid;
  const int selected = logic_->SelectedLine();
  if (selected > 0) {
    // A selection of several lines that holds the current one stays for a copy.
    if (!grid->selectionModel()->isRowSelected(selected - 1, {})) {
      grid->selectionModel()->select(model_->index(selected - 1, 0),
                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
  } else {
    grid->clearSelection();
  }
}

void MeasurementGridDialog::RefreshEntries() {
  const MeasurementGridLogic& g = *logic_;
  for (int c = 1; c <= static_cast<int>(w_.entries.size()); ++c) {
    QLineEdit* entry = w_.entries[c - 1];
    SetTextIfChanged(entry, FromCp932(g.Entry(c)));
    if (!entry->isReadOnly()) entry->setEnabled(g.IsEntryEnabled(c));
  }
  w_.add->setEnabled(g.CanAdd());
}

void MeasurementGridDialog::Refresh() {
  // The action just done becomes one step of the form's history.
  if (std::optional<GridEditStep> step = logic_->TakeEditStep()) {
    undo_->push(new GridUndoCommand(std::move(*step), *logic_, [this] {
      Refresh();
      // Typing undone in an entry before belongs to a state that is gone: Ctrl+Y now redoes grid edits.
      for (QLineEdit* entry : w_.entries) entry->setText(entry->text());
      if (logic_->TouchedLine() > 0) w_.grid->scrollTo(model_->index(logic_->TouchedLine() - 1, 0));
    }));
  }
  RefreshGrid();
  RefreshEntries();
  w_.graph->update();
}

void MeasurementGridDialog::AfterAction(bool changed) {
  Refresh();
  if (changed && logic_->TouchedLine() > 0) w_.grid->scrollTo(model_->index(logic_->TouchedLine() - 1, 0));
  // After a refused entry the focus stays where it was; after a change it goes where the next
  // value is typed.
  if (changed) w_.entries[logic_->FocusAfter() - 1]->setFocus(Qt::OtherFocusReason);
  if (!changed && logic_->RefusedEntry() > 0) FocusField(w_.entries[logic_->RefusedEntry() - 1]);
}

bool MeasurementGridDialog::HandleEnterFirst(QObject* receiver) {
  if (w_.grid->EditorKey(receiver, Qt::Key_Return)) return true;
  const int column = EntryColumn(receiver);
  if (column == 0) return false;
  switch (logic_->EnterInEntry(column, EnterKeyMode())) {
    case EntryEnter::PassOn: return false;
    case EntryEnter::Added: AfterAction(true); return true;
    case EntryEnter::Refused: return true;
  }
  return false;
}

bool MeasurementGridDialog::GridKey(int key) {
  CellGridView* grid = w_.grid;
  const int current = grid->currentIndex().row();
  const int column = std::max(grid->currentIndex().column(), 0);
  const int lines = logic_->Layout().lines;
  if (key == Qt::Key_Down) {
    // Down leaves the line: nothing selected, empty entries.
    logic_->ClearSelectionAndEntries();
    const QModelIndex next = model_->index(std::min(current + 1, lines - 1), column);
    grid->selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
    grid->scrollTo(next);
  } else if (key == Qt::Key_Up || key == Qt::Key_Space) {
    // Up and Space select a line as a click does, so the grid works from the keyboard too.
    const int row = key == Qt::Key_Up ? std::max(current - 1, 0) : std::max(current, 0);
    grid->selectionModel()->setCurrentIndex(model_->index(row, column), QItemSelectionModel::NoUpdate);
    logic_->SelectLine(row + 1);
  } else {
    return false;
  }
  Refresh();
  return true;
}

bool MeasurementGridDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && undo_ && EditingKey(watched, static_cast<QKeyEvent*>(event))) return true;
  if (watched == w_.grid && event->type() == QEvent::KeyPress) {
    return GridKey(static_cast<QKeyEvent*>(event)->key());
  }
  if (event->type() == QEvent::FocusOut) {
    for (int c = 1; c <= static_cast<int>(w_.entries.size()); ++c) {
      if (watched != w_.entries[c - 1]) continue;
      logic_->LeaveEntry(c);
      Refresh();
      break;
    }
  }
  return FormDialog::eventFilter(watched, event);
}

bool MeasurementGridDialog::HasChanges() const { return logic_->DataChanged(); }

bool MeasurementGridDialog::CommitForm() {
  // With the editor open (or just ended by the click on OK), OK only commits it.
  if (w_.grid->TakeEndedByOk()) return false;
  if (w_.grid->Editor()) {
    w_.grid->CommitEditor();
    return false;
  }
  logic_->RebuildTable();
  return true;
}

FormOutcome MeasurementGridDialog::Finish(MessageSink& sink) {
  return logic_->Finish(result() == QDialog::Accepted, store_, sink);
}

bool MeasurementGridDialog::AfterClose(bool accepted) { return logic_->Finish(accepted, store_, Sink()).changed; }

}  // namespace vek
