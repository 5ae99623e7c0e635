// The previous generation's files: the input's first byte chooses a calibration (.cdf) or a test
// (.ddf) name, the rest is the file; the Ver2 magic is put in front when the input lacks it, so
// that every input reaches the Ver2 parser.
#include "core/messages.h"
#include "fuzz/fuzz_support.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vek;
  if (size == 0) return 0;
  const char* name = (data[0] & 1) ? "old.cdf" : "old.ddf";
  std::string file(fuzz::Bytes(data + 1, size - 1));
  if (file.substr(0, file.find('\n')).find(kVer2Magic) == std::string::npos) file.insert(0, "$Z40\r\n");
  static const SheetSettings settings;
  NullMessageSink sink;
  RecordStore store;
  DataParserState parser;
  const LoadOutcome outcome = LoadDataBytes(file, name, store, settings, parser, sink);
  if (outcome.ok()) {
    const std::string written = WriteRecordFile(outcome.kind, store);
    if (written.empty()) __builtin_trap();
  }
  return 0;
}
