#pragma once
// The data files of the calibration (.cdw) and the test (.vdw): magic lines, version detection and
// the line parser that fills a record from the lines of a file.
#include <string_view>

#include "core/record_store.h"
#include "core/sheet_settings.h"

namespace vek {

class MessageSink;

// Which record a file fills or holds.
enum class DataKind { Calibration, Test };

// Magic first lines.
inline constexpr std::string_view kCalibrationMagic = "$$_VCKARUM304";
inline constexpr std::string_view kCalibrationMagicV3 = "$$_VCKARUM3";
inline constexpr std::string_view kTestMagic = "$$_VDKARUM304";
inline constexpr std::string_view kTestMagicV3 = "$$_VDKARUM3";
inline constexpr std::string_view kVer2Magic = "$Z40";

// Version codes returned by DetectFileVersion.
constexpr int kVersionUnknown = 0;
constexpr int kVersionVer2 = 200;
constexpr int kVersionCalibrationV3 = 300;
constexpr int kVersionTestV3 = 301;
constexpr int kVersionCalibration = 302;
constexpr int kVersionTest = 303;

// Version code of a file from its first line (as read, a line end left in it counts): 200 for
// "$Z40", 302/300 for the current/earlier calibration magic, 303/301 for the test magic, 0 for
// anything else or a line shorter than 4 or longer than 31 bytes. The first pattern found wins.
int DetectFileVersion(std::string_view firstLine);

// True for the codes of this system's own files (the Ver2 import included).
inline bool IsDataFileVersion(int code) { return code >= 200 && code <= 399; }

// Kind of a file of version `code`: codes 300 and 302 are calibrations; a Ver2 file (200) is a
// calibration when the file name ends in "cdf" (any case); everything else is a test.
DataKind KindOfVersion(int code, std::string_view fileName);

// Section letter and counters of one line parser. They are set by section lines and persist, across
// calls and across files, until the next section line.
struct SectionState {
  char letter = '_';
  int row = 1;     // header line / table row counter
  int column = 1;  // field counter of the Ver2 tables
};

// The three line parsers' states: the current-format parser and the Ver2 calibration and test
// parsers. A document owns one; a batch run owns one for all of its inputs.
struct DataParserState {
  SectionState current;
  SectionState ver2Calibration;
  SectionState ver2Test;
};

// What a line parser works on.
struct DataParseContext {
  RecordStore& store;
  const SheetSettings& settings;  // SiFactor for the Ver2 conversion
  DataParserState& state;
  MessageSink& sink;
};

// Removes a trailing CR LF, or else a trailing LF.
std::string_view PrepareLine(std::string_view line);

// Parses one line of a file of version `code` into the record of `kind`: code 200 goes to the Ver2
// parser, every other code to the current-format parser (sections "Z" header, "C" calibration
// rows, "A" test rows).
void ParseDataLine(DataParseContext& ctx, int code, DataKind kind, std::string_view line);

// Case-insensitive test of the last three characters of a name ("cdw", "vdw", "cdf").
bool EndsWithNoCase(std::string_view text, std::string_view ending);

}  // namespace vek
