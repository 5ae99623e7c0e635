#pragma once
// A stored value: Shift_JIS (CP932) bytes exactly as typed or as formatted by the computation that
// wrote it. Byte lengths and lead-byte rules therefore hold as in the files, and files round-trip.
#include <string>

namespace vek {

using TextField = std::string;

}  // namespace vek
