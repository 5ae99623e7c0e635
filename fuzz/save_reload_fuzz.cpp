// Save and reload of any record: the input edits a full test or calibration record (any bytes in
// any header field or cell, optionally reduced afterwards), and whatever the writer's check lets
// through must read back, on the Open path and on the framework path alike, into a record that
// writes the very same bytes.
#include <string>

#include "core/cal_curve.h"
#include "core/messages.h"
#include "core/step_reduction.h"
#include "fuzz/fuzz_support.h"
#include "io/data_file_fixtures.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"

namespace {

using namespace vek;

// One edit: place byte, two index bytes, a length byte and that many bytes of text.
void ApplyEdits(RecordStore& store, DataKind kind, std::string_view in) {
  Record& record = kind == DataKind::Test ? store.test : store.calibration;
  while (in.size() >= 4) {
    const auto place = static_cast<unsigned char>(in[0]) % 3;
    const int a = static_cast<unsigned char>(in[1]);
    const int b = static_cast<unsigned char>(in[2]);
    const size_t length = std::min<size_t>(static_cast<unsigned char>(in[3]) * 2u, in.size() - 4);
    const TextField text(in.substr(4, length));
    in.remove_prefix(4 + length);
    if (place == 0) {
      record.Header(1 + a % kHeaderFieldCount) = text;
    } else if (place == 1 && kind == DataKind::Test) {
      record.Test(1 + a % kMaxTestRows, 1 + b % kTestFieldCount) = text;
    } else {
      auto& rows = kind == DataKind::Test ? store.TestCalRows() : record.CalRows;
      rows[1 + a % kMaxCalRows][1 + b % kCalFieldCount] = text;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const DataKind kind = (data[0] & 1) ? DataKind::Calibration : DataKind::Test;
  RecordStore store;
  if (kind == DataKind::Test) {
    testing::FillFullTest(store);
  } else {
    testing::FillFullCalibration(store);
  }
  ApplyEdits(store, kind, fuzz::Bytes(data + 1, size - 1));
  if (kind == DataKind::Test && (data[0] & 2)) RunTestReduction(store, SheetSettings{});
  if (kind == DataKind::Calibration) {
    // The loader refits the curve into header fields 25-29: save the record as it will come back.
    NullMessageSink quiet;
    FitCalRegression(store, 0, quiet);
  }

  if (FindUnstorableValue(store, kind)) return 0;
  const std::string saved = WriteRecordFile(kind, store);
  NullMessageSink sink;
  DataParserState parser;
  RecordStore viaOpen, viaFramework;
  if (!LoadDataBytes(saved, "f", viaOpen, SheetSettings{}, parser, sink).ok()) __builtin_trap();
  if (!LoadDataBytesFramework(saved, viaFramework, SheetSettings{}, parser, sink).ok()) __builtin_trap();
  // Rows after the first that ends its section are not written, by design; everything written
  // must come back exactly, which the bytes written again show (a shifted field changes them).
  for (const RecordStore* back : {&viaOpen, &viaFramework}) {
    if (WriteRecordFile(kind, *back) != saved) __builtin_trap();
  }
  return 0;
}
