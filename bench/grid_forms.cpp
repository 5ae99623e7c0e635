// The measurement grid forms: opening the test grid on a full table of 120 steps (to its first
// painted frame), one step added through the form up to the repainted graph, and a paste of 120
// spreadsheet rows into the empty grid up to the repainted form.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

#include "bench/qt_benchmark_main.h"
#include "core/header_fields.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "dialog/draw_frame.h"
#include "forms/cell_grid_view.h"
#include "forms/vek_data_dialog.h"

namespace {

using namespace vek;

RecordStore FullTest(int steps) {
  RecordStore s;
  s.test.Header(hf::StandpipeInitialLevel) = "5.0";
  s.test.Header(hf::PeScaleMax) = "2400";
  s.test.Header(hf::CalCurveType) = "0";
  for (int i = 1; i <= 10; ++i) {
    s.test.Cal(i, 1) = FormatDouble("%g", i * 30.0);
    s.test.Cal(i, 3) = FormatDouble("%g", i * 8.0);
  }
  for (int i = 1; i <= steps; ++i) {
    s.test.Test(i, 1) = FormatDouble("%.2f", i * 20.0);
    s.test.Test(i, 2) = FormatDouble("%g", i * 20.0 + 8);
    for (int c = 3; c <= 6; ++c) s.test.Test(i, c) = FormatDouble("%.1f", 5 + i * 0.4 + c * 0.05);
  }
  return s;
}

void BM_OpenTestGrid120(benchmark::State& state) {
  const RecordStore full = FullTest(120);
  SheetSettings settings;
  NullMessageSink sink;
  AutoIncrementMemory memory;
  for (auto _ : state) {
    RecordStore store = full;
    CTestDataDlg dialog(nullptr, store, settings, memory, &sink);
    dialog.show();
    dialog.repaint();  // the first frame, grid and graph painted
    benchmark::DoNotOptimize(dialog.ui.grid->model()->index(119, 0).data());
  }
}
BENCHMARK(BM_OpenTestGrid120)->Unit(benchmark::kMillisecond);

void BM_AddToRedrawnGraph(benchmark::State& state) {
  SheetSettings settings;
  NullMessageSink sink;
  RecordStore store = FullTest(100);
  AutoIncrementMemory memory;
  CTestDataDlg dialog(nullptr, store, settings, memory, &sink);
  dialog.show();
  QApplication::processEvents();
  int next = 101;
  for (auto _ : state) {
    if (next > 120) {  // keep room in the grid: delete the added steps again, untimed
      state.PauseTiming();
      for (int line = 101; line <= 120; ++line) {
        dialog.Logic().SelectLine(101);
        dialog.Logic().DeleteSelectedLine();
      }
      next = 101;
      state.ResumeTiming();
    }
    dialog.ui.editP->setText(QString::number(next * 20));
    dialog.Logic().SetEntry(1, std::to_string(next * 20));
    dialog.Logic().SetEntry(5, "50.5");
    dialog.ui.buttonAdd->click();
    dialog.ui.graph->repaint();
    ++next;
  }
}
BENCHMARK(BM_AddToRedrawnGraph)->Unit(benchmark::kMillisecond);

void BM_Paste120RowsToRedrawnForm(benchmark::State& state) {
  SheetSettings settings;
  RecordingMessageSink sink;  // confirms the paste
  RecordStore store = FullTest(0);
  AutoIncrementMemory memory;
  CTestDataDlg dialog(nullptr, store, settings, memory, &sink);
  dialog.show();
  QApplication::processEvents();
  QString rows;
  for (int i = 1; i <= 120; ++i) {
    rows += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\r\n")
                .arg(i * 20)
                .arg(i * 20 + 8)
                .arg(5 + i * 0.4, 0, 'f', 1)
                .arg(5.1 + i * 0.4, 0, 'f', 1)
                .arg(5.2 + i * 0.4, 0, 'f', 1)
                .arg(5.3 + i * 0.4, 0, 'f', 1);
  }
  QApplication::clipboard()->setText(rows);
  for (auto _ : state) {
    dialog.PasteRows();
    dialog.repaint();  // grid and graph
    state.PauseTiming();
    if (dialog.Logic().UsedLineCount() != 120) state.SkipWithError("paste not applied");
    dialog.UndoStack().undo();
    sink.asked.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Paste120RowsToRedrawnForm)->Unit(benchmark::kMillisecond);

}  // namespace

VEK_QT_BENCHMARK_MAIN();
