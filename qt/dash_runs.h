#pragma once
// Recognising the dashes of one dashed line among lines drawn one by one, so that a device with its
// own dash patterns (PDF) can draw them as one line.
#include <QLine>
#include <cstddef>
#include <vector>

namespace vek {

// The end of the run of lines starting at `first` that are dashes of one straight line: along one
// axis, in one direction, all of one length, each starting the same distance after the one before
// and beyond its end. A line that starts no such run is a run of one.
size_t DashRunEnd(const std::vector<QLine>& lines, size_t first);

}  // namespace vek
