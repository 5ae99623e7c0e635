// The text helpers every reader and form relies on: number tests and parsing, CSV fields, the
// digits formats, CP932 conversion, Windows paths and colours. Besides "no crash" it checks the
// promises the callers depend on.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "core/record_store.h"
#include "fuzz/fuzz_support.h"
#include "io/int_text.h"
#include "io/program_folder.h"
#include "io/settings_line_reader.h"
#include "render/field_values.h"
#include "render/primitives.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vek;
  namespace fs = std::filesystem;
  const std::string_view text = fuzz::Bytes(data, size);
  const std::string terminated(text);
  NullMessageSink sink;

  IsNumericText(text);
  TextField field;
  for (int n = 1; n <= 13; ++n) GetCsvField(text, n, field, sink);
  ReplaceAll(text, ",", "");
  if (!text.empty()) ReplaceAll(text, text.substr(0, 1 + text.size() / 3), "$$");
  for (int digits = -1; digits <= 7; ++digits) FormatByDigits(text, digits, digits & 1);
  LeadingDecimal(text);
  TruncatedIntText(std::atof(terminated.c_str()));
  FieldInt(text);
  ParseColourText(text);

  // The shortcuts past the C library give exactly its results: atof of the text, and snprintf of
  // the double made of the first eight bytes in every format the records use.
  const double parsed = TextToDouble(text);
  const double expected = std::atof(terminated.c_str());
  if (std::memcmp(&parsed, &expected, sizeof parsed) != 0 && !(std::isnan(parsed) && std::isnan(expected)))
    __builtin_trap();
  if (size >= sizeof(double)) {
    double v;
    std::memcpy(&v, data, sizeof v);
    for (const char* fmt : {"%g", "%f", "%.4f", "%4.0f", "%4.2f", "%6.6f", "%.0g", "%.9g"}) {
      char buf[512];
      std::snprintf(buf, sizeof buf, fmt, v);
      if (FormatDouble(fmt, v) != buf) __builtin_trap();
    }
  }

  const std::string utf8 = Cp932ToUtf8(text);
  if (const auto back = TryUtf8ToCp932(utf8); back && Cp932ToUtf8(*back) != utf8) __builtin_trap();
  for (size_t max : {0ul, 1ul, 2ul, 59ul, 79ul}) {
    const std::string cut = CutAtCharacterBoundary(terminated, max);
    if (cut.size() > max || terminated.compare(0, cut.size(), cut) != 0) __builtin_trap();
  }
  AsOneLine(terminated);

  // A Windows path never leaves the folder of its drive.
  const fs::path home = fuzz::FuzzHome();
  const fs::path mapped = MapWindowsPath(text);
  const fs::path rel = mapped.lexically_relative(home);
  if (rel.empty() || rel.begin()->string().size() != 1) __builtin_trap();
  return 0;
}
