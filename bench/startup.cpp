// Start-up of the window to its first painted page, against a bare Qt program that opens an empty
// main window, both on the offscreen platform.
//
//   vek_bench_startup                 warm figures (Google Benchmark, one QApplication per process)
//   vek_bench_startup --cold vek      one cold start of the window on the test sample, in ms
//   vek_bench_startup --cold bare     one cold start of an empty QMainWindow, in ms
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

std::filesystem::path SamplePath() { return std::filesystem::path(VEK_SAMPLES_DIR) / "test-sample.vdw"; }

void OpenVekWindow(const QString& recentIni) {
  RecordStore store;
  SheetSettings settings;
  NullMessageSink sink;
  FrameServices services;
  services.sink = &sink;
  services.recentFileSettings = std::make_unique<QSettings>(recentIni, QSettings::IniFormat);
  CMainFrame frame(store, settings, std::move(services));
  if (!std::filesystem::exists(SamplePath()) || !frame.StartWithFile(SamplePath())) frame.StartNewDocument();
  frame.show();
  WaitFor([&] { return frame.View().PaintCount() > 0; });
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
  if (argc == 3 && std::strcmp(argv[1], "--cold") == 0) {
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (std::strcmp(argv[2], "vek") == 0)
      OpenVekWindow(home.filePath("recent.ini"));
    else
      OpenBareWindow();
    std::printf("%s cold start to first paint: %.1f ms\n", argv[2], clock.nsecsElapsed() / 1e6);
    return 0;
  }
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
