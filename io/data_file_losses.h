#pragma once
// What the reader of a data file leaves behind: lines past the room of their section (test rows
// after 120, calibration rows after 40, header lines after 90) and the marks of a file that ends
// too early. The reader goes on with what it has, as it always did; these findings let the window
// and the command line say so instead of passing it silently.
#include <string>
#include <string_view>
#include <vector>

#include "io/data_file_format.h"

namespace vek {

struct DataFileLosses {
  int droppedTestRows = 0;    // filled lines of "$$A" after row 120
  int droppedCalRows = 0;     // filled lines of "$$C" after row 40
  int droppedHeaderLines = 0; // lines of "$$Z" after field 90
  // The file ends early: the header has fewer than its 90 lines, a section is missing, or the last
  // line has no line end (the file was cut in the middle of a line).
  bool shortHeader = false;
  bool missingSection = false;
  bool lastLineCut = false;

  bool Any() const {
    return droppedTestRows || droppedCalRows || droppedHeaderLines || shortHeader || missingSection || lastLineCut;
  }
};

// Inspects the bytes of a current-format file (version `code`, of kind `kind`). Files of the
// previous generation and the earlier version 3 layouts are not judged (their layout differs).
DataFileLosses InspectDataFile(std::string_view bytes, int code, DataKind kind);

// One Japanese sentence per finding, for a message box or a line of the command line.
std::vector<std::string> DescribeLosses(const DataFileLosses& losses);

}  // namespace vek
