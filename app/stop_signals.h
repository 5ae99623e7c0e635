#pragma once
// Interrupting a batch without leaving its temporaries behind. While a StopSignals lives, SIGINT,
// SIGTERM and SIGHUP only note that the user asked to stop; the batch looks at Requested() between
// files and ends on its own, so that its staged temporaries are removed as it unwinds. (A SIGKILL
// cannot be caught: what such a batch leaves is removed by the next save into that folder.)
namespace vek {

class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signal that asked to stop, 0 for none.
  static int Requested();
  // The exit status of a program ended by that signal, as a shell reports it (128 + signal).
  static int ExitStatus() { return 128 + Requested(); }

 private:
  using Handler = void (*)(int);
  Handler previous_[3];
};

}  // namespace vek
