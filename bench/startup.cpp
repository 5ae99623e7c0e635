// Start-up of the window to its first painted page, against a bare Qt program that opens an empty
// main window, both on the offscreen platform.
//
//   vek_bench_startup                 warm figures (Google Benchmark, one QApplication per process)
//   vek_bench_startup --cold vek      one cold start of the window on the test sample, in ms
//   vek_bench_startup --cold bare     one cold start of an empty QMainWindow, in ms
//   vek_bench_startup --cold vek --phases
//                                     the same, with the time at the end of each start-up phase
// A cold start counts from main() (before QApplication) to the end of the first paint; run each in
// its own process to compare. The cold start of the window takes the path of `vek FILE` itself
// (application set-up, forms registered, the file opened and the window shown) and only stops at
// the first paint instead of entering the event loop. It uses the program folder of VEK_HOME and
// the recent list under XDG_CONFIG_HOME when they are set (bench/startup_ratio.sh sets both, so a
// run is not a first start); otherwise throw-away ones.
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

#include "app/command_line.h"
#include "app/form_commands.h"
#include "app/main_frame.h"
#include "app/vek_view.h"
#include "app/window_mode.h"
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
  double app = 0, built = 0, loaded = 0, shown = 0, painted = 0, closed = 0;
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

// One cold start of `vek SAMPLE` up to its first paint, in the order RunWindow takes.
void StartVekWindowCold(int& argc, char** argv, Phases& at) {
  NameApplication();
  QApplication app(argc, argv);
  PrepareWindowApplication(app);
  at.app = at.Now();
  RecordStore store;
  SheetSettings settings;
  CMainFrame frame(store, settings);
  RegisterFormCommands(frame);
  at.built = at.Now();
  CommandLineOptions options;
  options.inputs.push_back(SamplePath().string());
  if (!StartMainWindow(frame, options)) {
    std::fprintf(stderr, "cannot open %s\n", SamplePath().c_str());
    std::exit(1);
  }
  at.loaded = at.shown = at.Now();
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
  // Settings and lists go to a throw-away program folder unless the caller names one.
  QTemporaryDir home;
  if (!std::getenv("VEK_HOME")) {
    setenv("VEK_HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
  }
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--cold") == 0) {
    const bool showPhases = argc == 4 && std::strcmp(argv[3], "--phases") == 0;
    int qtArgc = 1;
    Phases phases;
    phases.clock = &clock;
    const bool vekWindow = std::strcmp(argv[2], "vek") == 0;
    if (vekWindow) {
      StartVekWindowCold(qtArgc, argv, phases);
      phases.closed = phases.Now();
    } else {
      QApplication app(qtArgc, argv);
      OpenBareWindow();
      phases.painted = phases.Now();
    }
    std::printf("%s cold start to first paint: %.1f ms\n", argv[2], phases.painted);
    if (showPhases && vekWindow)
      std::printf("  application %.1f, window built %.1f, file loaded and shown %.1f, first paint done %.1f,"
                  " window and application closed %.1f ms\n",
                  phases.app, phases.built, phases.shown, phases.painted, phases.closed);
    return 0;
  }
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
