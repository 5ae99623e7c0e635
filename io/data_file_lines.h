#pragma once
// The two ways the data files are cut into lines. The Open command reads pieces of at most a given
// number of bytes that keep their line end (a longer line arrives in several pieces); the framework
// load reads lines ended by CR LF, LF or CR with the line end removed, a longer line again arriving
// in pieces.
#include <cstddef>
#include <string_view>

namespace vek {

// Piece reader of the Open command. Each piece holds at most `maxBytes` bytes and ends after the
// first LF; the line end stays in the piece. When a full piece is followed directly by its line end
// (LF, or CR LF, or the LF of a CR that ended the piece), that line end is taken into the piece, so
// that it does not come back as an empty line of its own.
class PieceLineReader {
 public:
  PieceLineReader(std::string_view bytes, size_t maxBytes) : rest_(bytes), max_(maxBytes) {}
  PieceLineReader(std::string&&, size_t) = delete;  // keeps a view: no temporaries
  bool Next(std::string_view& piece);

 private:
  std::string_view rest_;
  size_t max_;
};

// Line reader of the framework load. A line ends at CR LF, LF or a lone CR, which are removed. A
// line longer than `maxBytes` arrives in pieces of `maxBytes` bytes; a line end directly after a
// full piece ends that piece. NextWhole() returns the next line regardless of its length.
class FrameworkLineReader {
 public:
  FrameworkLineReader(std::string_view bytes, size_t maxBytes) : rest_(bytes), max_(maxBytes) {}
  // The reader keeps a view of the bytes: a temporary would be gone before the first read.
  FrameworkLineReader(std::string&&, size_t) = delete;
  bool Next(std::string_view& line) { return Read(line, max_); }
  bool NextWhole(std::string_view& line) { return Read(line, std::string_view::npos); }

 private:
  bool Read(std::string_view& line, size_t limit);
  std::string_view rest_;
  size_t max_;
};

// Bytes of one line read by the Open command per read, the first line's limit, and the framework
// load's limit.
constexpr size_t kOpenPieceBytes = 499;
constexpr size_t kFirstLineBytes = 99;
constexpr size_t kFrameworkLineBytes = 400;

// The longest line (line end not counted) that both readers give back whole: the framework load
// (command line, recent files, dropped files) cuts a longer one into pieces of 400 bytes, the Open
// command one longer than 499.
constexpr size_t kLongestStoredLine = kFrameworkLineBytes;

}  // namespace vek
