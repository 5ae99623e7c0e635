// The test header form while a long survey name is typed: one key press up to the updated notice
// of values the sheet prints smaller (the heading of both test pages measured at 600 dpi), with a
// name that fits and with one that is drawn smaller (the smaller font searched for as well).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "bench/qt_benchmark_main.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "forms/vek_header_dialog.h"

namespace {

using namespace vek;

class NoChooser : public FileChooser {
 public:
  std::optional<std::filesystem::path> ChooseOpenFile(const FileChooserRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> ChooseSaveFile(const FileChooserRequest&) override { return std::nullopt; }
};

// Types one more character after a name of `start` characters.
void TypeAfter(benchmark::State& state, int start) {
  SheetSettings settings;
  settings.fonts[0] = {10.5, Sjis("ＭＳ 明朝"), 0, 0};
  RecordStore store;
  NullMessageSink sink;
  NoChooser chooser;
  CTestHeaderDlg dialog(nullptr, store, settings, chooser, &sink);
  dialog.show();
  QApplication::processEvents();
  QLineEdit* edit = dialog.Widgets().surveyNameEdit;
  edit->setFocus();
  // Every key press makes a text not measured before: the name's first characters count the
  // presses (in the kanji below, all of which CP932 and so the field take).
  const QString kanji = QStringLiteral("北町地区調査山田砂粘土川橋東西南本市村新道");
  auto name = [&](int n) {
    QString text(start, kanji[0]);
    for (int i = 0; i < 5 && i < start; ++i, n /= int(kanji.size())) text[i] = kanji[n % kanji.size()];
    return text;
  };
  int key = 0;
  for (auto _ : state) {
    state.PauseTiming();
    edit->setText(name(key++));
    edit->end(false);
    state.ResumeTiming();
    edit->insert(kanji.mid(key % kanji.size(), 1));  // as a key press inserts it
  }
  state.counters["chars"] = edit->text().size();
  state.counters["notice"] = dialog.Widgets().fitNoticeLabel->text().isEmpty() ? 0 : 1;
}

void BM_KeyPressWithAFittingName(benchmark::State& state) { TypeAfter(state, 20); }
BENCHMARK(BM_KeyPressWithAFittingName)->Unit(benchmark::kMicrosecond);

void BM_KeyPressWithANamePrintedSmaller(benchmark::State& state) { TypeAfter(state, 60); }
BENCHMARK(BM_KeyPressWithANamePrintedSmaller)->Unit(benchmark::kMicrosecond);

}  // namespace

VEK_QT_BENCHMARK_MAIN();
