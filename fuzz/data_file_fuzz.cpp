// Data files (.cdw, .vdw and the version 3 variants) through both readers, the Open command's and
// the framework's, and the writer of the kind that was read.
#include "core/messages.h"
#include "fuzz/fuzz_support.h"
#include "io/data_file_reader.h"
#include "io/data_file_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vek;
  const std::string_view bytes = fuzz::Bytes(data, size);
  static const SheetSettings settings;
  NullMessageSink sink;
  for (bool framework : {false, true}) {
    RecordStore store;
    DataParserState parser;
    const LoadOutcome outcome = framework ? LoadDataBytesFramework(bytes, store, settings, parser, sink)
                                          : LoadDataBytes(bytes, "input.vdw", store, settings, parser, sink);
    if (!outcome.ok()) continue;
    const std::string written = WriteRecordFile(outcome.kind, store);
    if (written.size() < 4) __builtin_trap();  // a loaded record always writes its magic line
  }
  return 0;
}
