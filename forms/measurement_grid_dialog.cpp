#include "forms/measurement_grid_dialog.h"

#include <QCheckBox>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include "forms/draw_frame.h"
#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"

namespace vek {

namespace {

// Bytes a cell holds: numbers with room to spare; a table line stays well under 300 bytes.
constexpr int kCellBytes = 20;
constexpr int kMinEditorWidth = 5;

void SetTextIfChanged(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

}  // namespace

MeasurementGridDialog::MeasurementGridDialog(QWidget* parent, RecordStore& store, const SheetSettings& settings,
                                             GridKind kind, MessageSink* sink)
    : FormDialog(parent, settings.EnterKeyMode, sink),
      logic_(std::make_unique<MeasurementGrid>(store, settings, kind, Sink())) {}

MeasurementGridDialog::~MeasurementGridDialog() = default;

void MeasurementGridDialog::Bind(const GridWidgets& widgets, const std::vector<int>& columnWidths) {
  w_ = widgets;
  MeasurementGrid& g = *logic_;
  QTableWidget* grid = w_.grid;
  grid->setRowCount(g.Shape().lines);
  grid->setColumnCount(g.Shape().columns);
  for (int c = 0; c < static_cast<int>(columnWidths.size()); ++c) grid->horizontalHeader()->resizeSection(c, columnWidths[c]);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
  for (int line = 0; line < g.Shape().lines; ++line) {
    for (int c = 0; c < g.Shape().columns; ++c) {
      auto* cell = new QTableWidgetItem;
      cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      grid->setItem(line, c, cell);
    }
  }
  grid->installEventFilter(this);

  editor_ = new QLineEdit(grid->viewport());
  editor_->setObjectName(QStringLiteral("cellEditor"));
  editor_->setAccessibleName(QStringLiteral("セル"));
  LimitToCp932(editor_, kCellBytes, TextSlot::NumberCell);
  editor_->hide();
  editor_->installEventFilter(this);

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
    RefreshEntries();
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
  w_.graph->SetDrawer([this](DrawDevice& device, int width, int height) { logic_->DrawGraph(device, width, height); });

  connect(w_.add, &QPushButton::clicked, this, [this] { AfterAction(logic_->Add()); });
  connect(w_.overwrite, &QPushButton::clicked, this, [this] { AfterAction(logic_->Overwrite()); });
  connect(w_.remove, &QPushButton::clicked, this, [this] {
    logic_->DeleteSelectedLine();
    Refresh();
  });
  connect(w_.ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(w_.cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(grid, &QTableWidget::cellClicked, this, [this](int row, int column) {
    // The release that ends a double click is no click elsewhere.
    if (logic_->EditorOpen() && logic_->EditorLine() == row + 1 && logic_->EditorColumn() == column + 1) return;
    OnCellClicked(row);
  });
  connect(grid, &QTableWidget::cellDoubleClicked, this, &MeasurementGridDialog::OnCellDoubleClicked);
  // Scrolling the grid closes an open editor without writing it.
  connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (placing_ || !logic_->EditorOpen()) return;
    logic_->DiscardEditor();
    HideEditor();
  });

  Refresh();
  // The grid opens at the first free line.
  if (const int free = g.FirstFreeLine()) {
    const QModelIndex index = grid->model()->index(free - 1, 0);
    grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    grid->scrollTo(index);
  }
}

void MeasurementGridDialog::RefreshGrid() {
  const MeasurementGrid& g = *logic_;
  QTableWidget* grid = w_.grid;
  for (int line = 1; line <= g.Shape().lines; ++line) {
    for (int c = 1; c <= g.Shape().columns; ++c) {
      QTableWidgetItem* cell = grid->item(line - 1, c - 1);
      const QString text = FromCp932(g.Cell(line, c));
      if (cell->text() != text) cell->setText(text);
    }
  }
  if (g.SelectedLine() > 0) {
    grid->selectRow(g.SelectedLine() - 1);
  } else {
    grid->clearSelection();
  }
}

void MeasurementGridDialog::RefreshEntries() {
  const MeasurementGrid& g = *logic_;
  for (int c = 1; c <= static_cast<int>(w_.entries.size()); ++c) {
    QLineEdit* entry = w_.entries[c - 1];
    SetTextIfChanged(entry, FromCp932(g.Entry(c)));
    if (!entry->isReadOnly()) entry->setEnabled(g.IsEntryEnabled(c));
  }
  w_.add->setEnabled(g.CanAdd());
}

void MeasurementGridDialog::Refresh() {
  RefreshGrid();
  RefreshEntries();
  w_.graph->update();
}

void MeasurementGridDialog::AfterAction(bool changed) {
  Refresh();
  if (changed && logic_->TouchedLine() > 0) {
    w_.grid->scrollTo(w_.grid->model()->index(logic_->TouchedLine() - 1, 0));
  }
  // After a refused entry the focus stays where it was; after a change it goes where the next
  // value is typed.
  if (changed) w_.entries[logic_->FocusAfter() - 1]->setFocus(Qt::OtherFocusReason);
}

void MeasurementGridDialog::OnCellClicked(int row) {
  CommitOpenEditor();
  logic_->SelectLine(row + 1);
  Refresh();
}

void MeasurementGridDialog::OnCellDoubleClicked(int row, int column) {
  CommitOpenEditor();
  logic_->SelectLine(row + 1);
  if (logic_->OpenEditor(row + 1, column + 1)) ShowEditor();
  Refresh();
}

void MeasurementGridDialog::ShowEditor() {
  QTableWidget* grid = w_.grid;
  const QModelIndex index = grid->model()->index(logic_->EditorLine() - 1, logic_->EditorColumn() - 1);
  placing_ = true;
  grid->scrollTo(index);
  placing_ = false;
  QRect rect = grid->visualRect(index);
  rect.setRight(std::min(rect.right(), grid->viewport()->width() - 1));
  if (rect.width() < kMinEditorWidth) rect.setWidth(kMinEditorWidth);
  editor_->setGeometry(rect);
  editor_->setText(FromCp932(logic_->EditorText()));
  editor_->show();
  editor_->raise();
  editor_->setFocus(Qt::OtherFocusReason);
  editor_->end(false);
  QCursor::setPos(editor_->mapToGlobal(editor_->rect().center()));
}

void MeasurementGridDialog::HideEditor() {
  placing_ = true;
  editor_->hide();
  placing_ = false;
}

void MeasurementGridDialog::CommitOpenEditor() {
  if (!logic_->EditorOpen()) return;
  logic_->CommitEditor(ToCp932Accepted(editor_->text()));
  HideEditor();
  Refresh();
}

void MeasurementGridDialog::EditorKey(MeasurementGrid::EditorKey key) {
  placing_ = true;
  const bool open = logic_->EditorKeyPressed(key, ToCp932Accepted(editor_->text()));
  placing_ = false;
  Refresh();
  if (open) {
    ShowEditor();
  } else {
    HideEditor();
    w_.grid->setFocus(Qt::OtherFocusReason);
  }
}

bool MeasurementGridDialog::HandleEnterFirst(QObject* receiver) {
  if (receiver != editor_ || !logic_->EditorOpen()) return false;
  EditorKey(MeasurementGrid::EditorKey::Enter);
  return true;
}

bool MeasurementGridDialog::GridKey(int key) {
  QTableWidget* grid = w_.grid;
  const int current = grid->currentRow();
  const int lines = logic_->Shape().lines;
  if (key == Qt::Key_Down) {
    // Down leaves the line: nothing selected, empty entries.
    logic_->ClearSelectionAndEntries();
    const int next = std::min(current + 1, lines - 1);
    grid->selectionModel()->setCurrentIndex(grid->model()->index(next, 0), QItemSelectionModel::NoUpdate);
    grid->scrollTo(grid->model()->index(next, 0));
  } else if (key == Qt::Key_Up || key == Qt::Key_Space) {
    // Up and Space select a line as a click does, so the grid works from the keyboard too.
    const int row = key == Qt::Key_Up ? std::max(current - 1, 0) : std::max(current, 0);
    grid->selectionModel()->setCurrentIndex(grid->model()->index(row, 0), QItemSelectionModel::NoUpdate);
    logic_->SelectLine(row + 1);
  } else if (key == Qt::Key_F2 && current >= 0) {
    // F2 opens the editor on the line's first cell, as a double click does.
    logic_->SelectLine(current + 1);
    if (logic_->OpenEditor(current + 1, 1)) ShowEditor();
  } else {
    return false;
  }
  Refresh();
  return true;
}

bool MeasurementGridDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_) {
    if (event->type() == QEvent::KeyPress && logic_->EditorOpen()) {
      switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: EditorKey(MeasurementGrid::EditorKey::Tab); return true;
        case Qt::Key_Escape: EditorKey(MeasurementGrid::EditorKey::Escape); return true;
        case Qt::Key_Up: EditorKey(MeasurementGrid::EditorKey::Up); return true;
        case Qt::Key_Down: EditorKey(MeasurementGrid::EditorKey::Down); return true;
        default: break;
      }
    } else if (event->type() == QEvent::FocusOut && !placing_) {
      // A click elsewhere in the dialog commits the editor.
      CommitOpenEditor();
    }
    return FormDialog::eventFilter(watched, event);  // Enter: HandleEnterFirst
  }
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
  // With the editor open, OK only commits it.
  if (logic_->EditorOpen()) {
    CommitOpenEditor();
    return false;
  }
  logic_->CommitTable();
  return true;
}

bool MeasurementGridDialog::Finish(MessageSink& sink) {
  const bool ok = result() == QDialog::Accepted;
  if (!ok) logic_->RestoreSnapshot();
  logic_->RunAfterSteps(ok, sink);
  return ok && logic_->RecordChanged();
}

}  // namespace vek
