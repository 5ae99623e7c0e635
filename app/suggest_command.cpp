#include "app/suggest_command.h"

#include "app/batch_pipeline.h"
#include "core/messages.h"

namespace vek {

std::string SuggestionRefusal(const StepSuggestion& s) {
  if (s.reason == NoSuggestion::ValueNotFinite)
    return "step " + std::to_string(s.badStep) + ": Pe or r is beyond the range of a number";
  if (s.analysable == 0) return "no analysable steps (Pe and r); use --reduce";
  return "fewer than " + std::to_string(kMinStepsForSuggestion) + " analysable steps (" +
         std::to_string(s.analysable) + ")";
}

int RunSuggest(const CommandLineOptions& o, MessageSink& sink, std::string& out) {
  int status = 0;
  for (const std::string& input : o.inputs) {
    RecordStore store;
    SheetSettings settings;
    const int rc = LoadAndProcessForBatch(o, input, store, settings, sink, TestOnlyOptions::LeaveOutWithNote);
    if (rc == 2) return 2;
    std::string line = input + "\t";
    if (rc != 0) {
      line += "-\tnot read";
    } else if (store.currentSheet != kTestSheet) {
      line += "-\tnot a test file";
    } else if (const StepSuggestion s = SuggestAnalysisRows(store); !s.found) {
      line += "-\t" + SuggestionRefusal(s);
    } else {
      line += std::to_string(s.rows.po) + "\t" + std::to_string(s.rows.py) + "\t" + std::to_string(s.rows.pl);
      out += line + "\n";
      continue;
    }
    out += line + "\n";
    status = 1;
  }
  return status;
}

}  // namespace vek
