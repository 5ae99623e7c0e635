// The master lists: the input holds, cut at a NUL byte, a current list and the previous
// generation's list. Both are read as the forms read them, merged, checked for duplicates, saved and
// read again.
#include "core/messages.h"
#include "fuzz/fuzz_support.h"
#include "io/master_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vek;
  const auto parts = fuzz::SplitInput(fuzz::Bytes(data, size), 2);
  const auto folder = fuzz::FuzzHome() / "lists";
  fuzz::WriteInputFile(folder / "M.mst", parts[0]);
  fuzz::WriteInputFile(folder / "old.mst", parts[1]);
  NullMessageSink sink;
  for (size_t width : {kMasterFormLineBytes, kCalHeaderLineBytes, kOldListLineBytes})
    for (const std::string& line : ReadListLines(folder / "M.mst", width))
      if (line.size() >= width) __builtin_trap();  // a line keeps at most width - 1 bytes
  std::vector<std::string> rows = LoadMasterList(folder / "M.mst");
  if (rows.size() < kMasterListRows) __builtin_trap();  // every name, and at least the form's rows
  MergePreviousGenerationList(rows, folder / "old.mst", sink);
  int duplicates = 0;
  DuplicateReport(rows, LastFilledRow(rows), duplicates);
  if (!rows.empty()) {
    MoveListRowDown(rows, 1);
    MoveListRowUp(rows, rows.size());
    DeleteListRow(rows, rows.size() / 2 + 1);
  }
  if (SaveMasterList(folder / "saved.mst", rows, sink).written) LoadMasterList(folder / "saved.mst");
  return 0;
}
