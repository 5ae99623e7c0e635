#include "forms/logic/record_working_copy.h"

namespace vek {

bool RecordWorkingCopy::Commit() {
  if (!Changed()) return false;
  Of(store_) = Copy();
  if (sheet_ == kTestSheet) store_.testCoefficients = work_.testCoefficients;
  return true;
}

}  // namespace vek
