#include "app/stop_signals.h"

#include <csignal>

namespace vek {

namespace {

volatile std::sig_atomic_t requested = 0;

constexpr int kSignals[] = {SIGINT, SIGTERM,
#ifdef SIGHUP
                            SIGHUP
#else
                            SIGINT
#endif
};

extern "C" void NoteStop(int signal) { requested = signal; }

}  // namespace

StopSignals::StopSignals() {
  requested = 0;
  for (int k = 0; k < 3; ++k) previous_[k] = std::signal(kSignals[k], NoteStop);
}

StopSignals::~StopSignals() {
  for (int k = 2; k >= 0; --k) std::signal(kSignals[k], previous_[k] == SIG_ERR ? SIG_DFL : previous_[k]);
}

int StopSignals::Requested() { return requested; }

}  // namespace vek
