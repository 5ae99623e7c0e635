// File Print Preview on the bundled test sample: from the menu command to the first page painted
// in the preview window, in a window started as `vek FILE` starts it. The preview window is the
// program's own (MakePreviewDialog), shown instead of run modally so that the benchmark sees its
// first paint.
//
//   vek_bench_print_preview            the first preview of a fresh window and a second one, in ms
//   vek_bench_print_preview --count    only the first preview, between callgrind's start and stop
//                                      of instrumentation (valgrind --tool=callgrind
//                                      --instr-atstart=no ... --count)
#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#endif

#include "app/command_line.h"
#include "app/form_commands.h"
#include "app/main_frame.h"
#include "app/print_support.h"
#include "app/vek_view.h"
#include "app/window_mode.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace {

using namespace vek;

template <typename Done>
void WaitFor(Done done) {
  while (!done()) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Notes the first paint of a widget; by the time the event loop returns, that paint is done.
class PaintWatch : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// The preview of the program, shown until its first page is painted, then closed.
void ShowPreviewUntilPainted(QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget* parent) {
  std::unique_ptr<QPrintPreviewDialog> dialog = MakePreviewDialog(printer, paint, parent);
  PaintWatch watch;
  dialog->show();
  // The pages are a graphics view inside the preview widget; its viewport paints them.
  QGraphicsView* pages = dialog->findChild<QGraphicsView*>();
  if (!pages) {
    std::fprintf(stderr, "the preview has no page view\n");
    std::exit(1);
  }
  pages->viewport()->installEventFilter(&watch);
  WaitFor([&] { return watch.painted; });
  dialog->close();
}

double PreviewMs(CMainFrame& frame, bool count) {
  QElapsedTimer clock;
  clock.start();
  if (count) CALLGRIND_START_INSTRUMENTATION;
  frame.View().OnFilePrintPreview();
  if (count) CALLGRIND_STOP_INSTRUMENTATION;
  return clock.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  const bool count = argc == 2 && std::strcmp(argv[1], "--count") == 0;
  if (argc > 2 || (argc == 2 && !count)) {
    std::fprintf(stderr, "usage: %s [--count]\n", argv[0]);
    return 2;
  }
  QTemporaryDir home;
  if (!std::getenv("VEK_HOME")) {
    setenv("VEK_HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
  }
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int qtArgc = 1;
  NameApplication();
  QApplication app(qtArgc, argv);
  PrepareWindowApplication(app);
  RecordStore store;
  SheetSettings settings;
  CMainFrame frame(store, settings);
  RegisterFormCommands(frame);
  CommandLineOptions options;
  options.inputs.push_back((std::filesystem::path(VEK_SAMPLES_DIR) / "test-sample.vdw").string());
  if (!StartMainWindow(frame, options)) {
    std::fprintf(stderr, "cannot open the test sample\n");
    return 1;
  }
  WaitFor([&] { return frame.View().PaintCount() > 0; });
  frame.View().Printing().SetPreview(ShowPreviewUntilPainted);
  const double first = PreviewMs(frame, count);
  if (count) return 0;
  const double second = PreviewMs(frame, false);
  std::printf("print preview to its first painted page: first %.1f ms, second %.1f ms\n", first, second);
  return 0;
}
