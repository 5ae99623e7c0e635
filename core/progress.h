#pragma once
// Progress of long work (a report, a batch, an export) and the user's wish to stop it. The work
// tells how far it got; the window answers with a progress dialog, the command line with one line
// on a terminal. Work that is told to stop leaves no output behind.
#include <cstddef>
#include <string_view>

namespace vek {

class Progress {
 public:
  virtual ~Progress() = default;
  // `done` of `total` units (`unit` names them in English, "files", "pages") are finished. False
  // when the user asked to stop: the work then ends without writing anything.
  virtual bool Step(size_t done, size_t total, std::string_view unit) = 0;
  // The work has ended (finished or stopped).
  virtual void Finish() {}
};

// Progress nobody watches; never stops.
class NoProgress : public Progress {
 public:
  bool Step(size_t, size_t, std::string_view) override { return true; }
};

}  // namespace vek
