#pragma once
// The master lists of engineers (M.mst) and soil names (D.mst): one CP932 name a line, CR LF. The
// file side of the list form and of the header forms' combo boxes, and the take-over of the previous
// generation's list.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/sheet_settings.h"

namespace vek {

class MessageSink;

enum class MasterListKind { Engineers, SoilNames };

constexpr size_t kMasterListRows = 80;
// Line widths of the readers: the list form and the test header form read 79 bytes a line (names of
// at most 78 bytes), the calibration header form 59.
constexpr size_t kMasterFormLineBytes = 79;
constexpr size_t kCalHeaderLineBytes = 59;
constexpr size_t kOldListLineBytes = 99;

// Reads the lines of a list file as the forms do: CR LF or LF ends a line and is removed, a line
// keeps at most `lineBytes` - 1 bytes (cut at a character boundary, the rest of the line skipped),
// a last line without a line end is kept whole, at most `maxLines` lines. A missing file gives no
// lines.
std::vector<std::string> ReadListLines(const std::filesystem::path& path, size_t lineBytes,
                                       size_t maxLines = static_cast<size_t>(-1));

// The list as the form shows it when it opens: every name of the file, then empty rows up to 80.
// `loaded` is the number of names read.
std::vector<std::string> LoadMasterList(const std::filesystem::path& path, size_t* loaded = nullptr);

// The soil names offered while no soil list (D.mst) exists yet: the test header form's combo offers
// them, and the list form starts from them, so that OK on the list keeps what the combo showed (CP932).
std::vector<std::string> DefaultSoilNames();

// Windows-style folder of the previous generation: every "o5" of the program folder becomes "o4".
std::string PreviousGenerationFolder(std::string_view programFolder);

// Host path of the previous generation's list of the given kind.
std::filesystem::path PreviousGenerationListPath(const SheetSettings& settings, MasterListKind kind);

// Host path of the current list of the given kind (program folder + "\M.mst" or "\D.mst").
std::filesystem::path MasterListHostPath(const SheetSettings& settings, MasterListKind kind);

// Index (1-based) of the last non-empty row, 0 when all are empty.
size_t LastFilledRow(const std::vector<std::string>& rows);

struct MasterSaveResult {
  bool written = false;
  int duplicates = 0;
  std::string report;  // "同じデータがあります" report in UTF-8, empty without duplicates
};

// Saves rows 1..last non-empty row, empty rows skipped, duplicates written as well. On a write
// failure shows "マスタファイルは\n" + message 4005; after a successful write shows the duplicate
// report when there is one.
MasterSaveResult SaveMasterList(const std::filesystem::path& path, const std::vector<std::string>& rows,
                                MessageSink& sink);

// The duplicate report of SaveMasterList, in CP932: "同じデータがあります" CR LF, then for the first
// six duplicate pairs "%2d行目と%2d行目 [%s]　" CR LF (later row, earlier row, name), no more lines
// once the text has reached 300 bytes. `count` receives the number of duplicate pairs.
std::string DuplicateReport(const std::vector<std::string>& rows, size_t lastRow, int& count);

// "Ver.4 追加": names of the previous generation's list that the list lacks are inserted, each at
// the row number of its line in that file while that lies inside the list, else at the end. Shows
// message 804 when nothing was added and 805 with the count otherwise. Returns the number added, or
// -1 (and no message) when the old list cannot be opened.
int MergePreviousGenerationList(std::vector<std::string>& rows, const std::filesystem::path& oldListPath,
                                MessageSink& sink);

// Row commands of the list form (rows are 1-based; return false when nothing moved).
// Removes the row and appends an empty one so that the count stays the same.
bool DeleteListRow(std::vector<std::string>& rows, size_t row);
// Swaps the row with the one above it; not from row 1.
bool MoveListRowUp(std::vector<std::string>& rows, size_t row);
// Swaps the row with the one below it while that one lies within the filled part of the list.
bool MoveListRowDown(std::vector<std::string>& rows, size_t row);

}  // namespace vek
