// One test of the batch: load a 120-step test file, reduce, analyse and write it (vek --convert
// FILE --reduce --analyse 10,60,110 without the disk write), and the parts of that work.
//
//   vek_bench_convert_one                    the figures (Google Benchmark)
//   vek_bench_convert_one --repeat N         N conversions and nothing else, for counting
//                                            instructions: valgrind --tool=callgrind ... --repeat 1000
//   vek_bench_convert_one --write-test FILE  writes the 120-step test file used here (the bundled
//                                            sample's header and calibration, 120 steps), for
//                                            bench/batch_convert.sh
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/batch_pipeline.h"
#include "app/command_line.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"

namespace {

using namespace vek;
namespace fs = std::filesystem;

std::string FullTestBytes() {
  RecordStore store;
  DataParserState parser;
  NullMessageSink sink;
  LoadDataFile(fs::path(VEK_SAMPLES_DIR) / "test-sample.vdw", store, SheetSettings{}, parser, sink);
  for (int r = 1; r <= kMaxTestRows; ++r) {
    const double reading = 4.0 + r * 0.35 + (r > 100 ? (r - 100) * 0.4 : 0.0);
    for (int f = 1; f <= kTestFieldCount; ++f) store.test.Test(r, f).clear();
    store.test.Test(r, 1) = FormatDouble("%g", r * 25.0);
    store.test.Test(r, 2) = FormatDouble("%g", r * 25.0 + 8.0);
    for (int f = 3; f <= 6; ++f) store.test.Test(r, f) = FormatDouble("%.1f", reading + 0.1 * (f - 3));
  }
  return WriteTestFile(store);
}

struct BenchFolder {
  BenchFolder() {
    std::string templ = (fs::temp_directory_path() / "vek-bench-XXXXXX").string();
    if (!mkdtemp(templ.data())) std::abort();
    path = templ;
    setenv("VEK_HOME", path.c_str(), 1);  // factory settings
    input = path / "t120.vdw";
    std::FILE* f = std::fopen(input.c_str(), "wb");
    const std::string bytes = FullTestBytes();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  ~BenchFolder() { fs::remove_all(path); }
  fs::path path, input;
};

CommandLineOptions ConvertOptions(const fs::path& input) {
  CommandLineOptions o;
  o.mode = CommandLineOptions::Mode::Convert;
  o.inputs = {input.string()};
  o.reduce = true;
  o.analyse = AnalyseOption{10, 60, 110, 1};
  return o;
}

// One test of the batch; false when it does not convert.
bool ConvertOne(const CommandLineOptions& o, SheetSettings& settings, MessageSink& sink) {
  RecordStore store;
  if (LoadAndProcessForBatch(o, o.inputs[0], store, settings, sink) != 0) return false;
  std::string bytes = WriteRecordFile(DataKind::Test, store);
  benchmark::DoNotOptimize(bytes);
  return true;
}

void BM_LoadReduceAnalyseWrite(benchmark::State& state) {
  BenchFolder folder;
  const CommandLineOptions o = ConvertOptions(folder.input);
  NullMessageSink sink;
  SheetSettings settings;
  for (auto _ : state) {
    if (!ConvertOne(o, settings, sink)) {
      state.SkipWithError("the test does not convert");
      break;
    }
  }
}
BENCHMARK(BM_LoadReduceAnalyseWrite)->Unit(benchmark::kMicrosecond);

void BM_LoadOnly(benchmark::State& state) {
  const std::string bytes = FullTestBytes();
  const SheetSettings settings;
  NullMessageSink sink;
  for (auto _ : state) {
    RecordStore store;
    DataParserState parser;
    LoadDataBytes(bytes, "t.vdw", store, settings, parser, sink);
    benchmark::DoNotOptimize(store.test.TestRows[120][1].data());
  }
}
BENCHMARK(BM_LoadOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-test") == 0) {
    std::FILE* f = std::fopen(argv[2], "wb");
    if (!f) return 1;
    const std::string bytes = FullTestBytes();
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok ? 0 : 1;
  }
  if (argc == 3 && std::strcmp(argv[1], "--repeat") == 0) {
    BenchFolder folder;
    const CommandLineOptions o = ConvertOptions(folder.input);
    NullMessageSink sink;
    SheetSettings settings;
    for (int i = std::atoi(argv[2]); i > 0; --i)
      if (!ConvertOne(o, settings, sink)) return 1;
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
