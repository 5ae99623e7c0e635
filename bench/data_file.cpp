// Load and save of a full test file (120 rows, every header field filled) through the Open
// command's reader and the writer, in memory and through the file system.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/full_test_record.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"

namespace {

using namespace vek;

std::string FullTestFile() { return WriteTestFile(bench::FullTestRecord()); }

void BM_LoadSaveInMemory(benchmark::State& state) {
  const std::string bytes = FullTestFile();
  const SheetSettings settings;
  NullMessageSink sink;
  DataParserState parser;
  RecordStore store;
  for (auto _ : state) {
    LoadDataBytes(bytes, "t.vdw", store, settings, parser, sink);
    std::string out = WriteTestFile(store);
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size() * 2));
}
BENCHMARK(BM_LoadSaveInMemory)->Unit(benchmark::kMicrosecond);

void BM_LoadSaveFile(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / ("vek-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto in = dir / "in.vdw";
  const auto out = dir / "out.vdw";
  {
    std::FILE* f = std::fopen(in.c_str(), "wb");
    const std::string bytes = FullTestFile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  const SheetSettings settings;
  NullMessageSink sink;
  DataParserState parser;
  RecordStore store;
  for (auto _ : state) {
    LoadDataFile(in, store, settings, parser, sink);
    benchmark::DoNotOptimize(SaveRecordFile(out, DataKind::Test, store));
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadSaveFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
