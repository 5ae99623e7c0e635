// Start-up of the window to its first painted page, against a bare Qt program that opens an empty
// main window, both on the offscreen platform.
//
//   vek_bench_startup                 warm figures (Google Benchmark, one QApplication per process)
//   vek_bench_startup --cold vek      one cold start of the window on the test sample, in ms
//   vek_bench_startup --cold bare     one cold start of an empty QMainWindow, in ms
//   vek_bench_startup --cold vek --phases
//                                     the same, with the time at the end of each start-up phase
// A cold start counts from main() (before QApplication) to the end of the first paint; run each in
// its own process to compare.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "app/main_frame.h"
#include "app/vek_view.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace {

using namespace vek;

// The central widget of the bare window, which notes its first paint.
class PaintProbe : public QWidget {
 public:
  bool painted = false;

 protected:
  void paintEvent(QPaintEvent*) override { painted = true; }
};

template <typename Done>
void WaitFor(Done done) {
  while (!done()) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void OpenBareWindow() {
  QMainWindow window;
  auto* probe = new PaintProbe;
  window.setCentralWidget(probe);
  window.resize(688, 640);
  window.show();
  WaitFor([&] { return probe->painted; });
}

// Ends of the start-up phases of the window, in ms since main() (filled by a cold start only).
struct Phases {
  const QElapsedTimer* clock = nullptr;
  double built = 0, loaded = 0, shown = 0, painted = 0;
  double Now() const { return clock ? clock->nsecsElapsed() / 1e6 : 0.0; }
};

std::filesystem::path SamplePath() { return std::filesystem::path(VEK_SAMPLES_DIR) / "test-sample.vdw"; }

void OpenVekWindow(const QString& recentIni, Phases* phases = nullptr) {
  Phases unused;
  Phases& at = phases ? *phases : unused;
  RecordStore store;
  SheetSettings settings;
  NullMessageSink sink;
  FrameServices services;
  services.sink = &sink;
  services.recentFileSettings = std::make_unique<QSettings>(recentIni, QSettings::IniFormat);
  CMainFrame frame(store, settings, std::move(services));
  at.built = at.Now();
  if (!std::filesystem::exists(SamplePath()) || !frame.StartWithFile(SamplePath())) frame.StartNewDocument();
  at.loaded = at.Now();
  frame.show();
  at.shown = at.Now();
  WaitFor([&] { return frame.View().PaintCount() > 0; });
  at.painted = at.Now();
}

void BM_BareWindowFirstPaint(benchmark::State& state) {
  for (auto _ : state) OpenBareWindow();
}
BENCHMARK(BM_BareWindowFirstPaint)->Unit(benchmark::kMillisecond);

void BM_VekWindowFirstPaint(benchmark::State& state) {
  QTemporaryDir dir;
  const QString ini = dir.filePath("recent.ini");
  for (auto _ : state) OpenVekWindow(ini);
}
BENCHMARK(BM_VekWindowFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  // Settings and lists go to a throw-away program folder.
  QTemporaryDir home;
  setenv("VEK_HOME", home.path().toLocal8Bit().constData(), 1);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--cold") == 0) {
    const bool showPhases = argc == 4 && std::strcmp(argv[3], "--phases") == 0;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const double appReady = clock.nsecsElapsed() / 1e6;
    Phases phases;
    phases.clock = &clock;
    const bool vekWindow = std::strcmp(argv[2], "vek") == 0;
    if (vekWindow)
      OpenVekWindow(home.filePath("recent.ini"), &phases);
    else
      OpenBareWindow();
    std::printf("%s cold start to first paint: %.1f ms\n", argv[2], clock.nsecsElapsed() / 1e6);
    if (showPhases && vekWindow)
      std::printf("  application %.1f, window built %.1f, file loaded %.1f, shown %.1f, first paint done %.1f ms\n",
                  appReady, phases.built, phases.loaded, phases.shown, phases.painted);
    return 0;
  }
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
