// Steps from spreadsheet tables: a 120-row paste planned into a test grid, and the import of a
// full test's CSV export (header values and 120 steps) into a record and its file, the work
// `vek --import-csv` does per file once the process runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/full_test_record.h"
#include "core/encoding.h"
#include "forms/logic/step_paste_plan.h"
#include "io/csv_text.h"
#include "io/data_file_writer.h"
#include "io/record_csv.h"
#include "io/record_csv_import.h"

namespace {

using namespace vek;

void BM_PlanPaste120Rows(benchmark::State& state) {
  std::string table;
  for (int r = 1; r <= kMaxTestRows; ++r) {
    table += std::to_string(r * 10) + "\t0\t" + std::to_string(r) + ".1\t" + std::to_string(r) + ".2\t" +
             std::to_string(r) + ".3\t" + std::to_string(r) + ".4\r\n";
  }
  for (auto _ : state) {
    PastePlan plan = PlanStepPaste(table, DataKind::Test, {}, kMaxTestRows);
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_PlanPaste120Rows);

void BM_ImportCsvToFile(benchmark::State& state) {
  const std::string csv = EncodeCsv(RecordCsv(bench::FullTestRecord(), kTestSheet), CsvEncoding::Utf8Bom);
  for (auto _ : state) {
    RecordStore store;
    const CsvImportResult r = ImportRecordCsv(csv, DataKind::Test, store);
    std::string file = WriteRecordFile(DataKind::Test, store);
    benchmark::DoNotOptimize(r);
    benchmark::DoNotOptimize(file);
  }
}
BENCHMARK(BM_ImportCsvToFile);

}  // namespace

BENCHMARK_MAIN();
