#pragma once
// The drawing surface every sheet block draws on, in integer device units (y downwards).
// Implemented on a QPainter in app/ (QtDrawDevice) and by a recording device in the tests.
//
// The operations are the few a sheet needs: resolution, pen, line, ellipse outline, font with
// escapement, text colour, text alignment (optionally continuing from the current position), text at
// a point, text centred in a rectangle, text extent, and saving/restoring the selected font. Dashed
// lines, circles from a centre and everything in millimetres are built on top of these
// (render/primitives.h).
#include <cstdint>
#include <string>
#include <string_view>

namespace vek {

// Colour as stored in settings and font files: 0x00BBGGRR.
using Colour = uint32_t;

constexpr Colour kBlack = 0x000000;

enum class PenStyle { Solid, Dash, Dot };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 0;  // device pixels; 0 draws nothing
  Colour colour = kBlack;

  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class HAlign { Left, Centre, Right };
// Top and bottom refer to the text cell (ascent + descent), not to the baseline.
enum class VAlign { Top, Bottom };

struct TextAlign {
  HAlign horizontal = HAlign::Left;
  VAlign vertical = VAlign::Top;
  // When set, text output ignores its x, y: it starts at the current position, which then advances
  // by the width of the text. MoveTo and LineTo set the same current position.
  bool updateCurrentPosition = false;

  friend bool operator==(const TextAlign&, const TextAlign&) = default;
};

// A font request. Height is the cell height (ascent + descent) in device pixels and must be positive;
// escapement is in tenths of a degree, counter-clockwise (900 reads upwards from the reference point).
struct FontSpec {
  int height = 0;
  int escapement = 0;
  std::string face;  // CP932 face name as stored in the font files

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

struct DevicePoint {
  int x = 0;
  int y = 0;
};

class DrawDevice {
 public:
  virtual ~DrawDevice() = default;

  // Logical pixels per inch.
  virtual int LogicalDpiX() const = 0;
  virtual int LogicalDpiY() const = 0;

  // Puts the origin of device units at the top-left of the drawable area and makes text backgrounds
  // transparent. Called once at the start of every draw.
  virtual void BeginDraw() = 0;
  // Called once at the end of every page draw: a device that gathers its output (lines drawn in
  // one batch) delivers the rest now, before its painter moves on to another page or ends.
  virtual void EndDraw() {}

  // Dash and gap lengths of dashed lines are pixels of the printed page, like line widths; a device
  // that shows the page at another resolution answers them in its own pixels.
  virtual int PrintedLength(int printerPx) const { return printerPx; }

  // Selects a pen and returns the one that was selected before, so callers can put it back.
  virtual Pen SelectPen(const Pen& pen) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual DevicePoint CurrentPosition() const = 0;
  // A line from the current position to (x, y) with the selected pen; (x, y) becomes current.
  virtual void LineTo(int x, int y) = 0;
  // Outline of the ellipse inscribed in the box, pen centred on the path.
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;

  // Creates the font and selects it; false (and the selected font unchanged) when it cannot be made.
  virtual bool SelectFont(const FontSpec& font) = 0;
  // Remembers the selected font (a stack), and selects the most recently remembered one again.
  virtual void SaveFont() = 0;
  virtual void RestoreFont() = 0;

  virtual void SetTextColour(Colour colour) = 0;
  virtual void SetTextAlign(const TextAlign& align) = 0;
  // One line of CP932 text at the reference point, by the current alignment and escapement.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // One line of CP932 text centred both ways in the rectangle; never clipped.
  virtual void TextInRect(int left, int top, int right, int bottom, std::string_view text) = 0;
  // Size of the text in the selected font (unrotated: width along the text, height of the cell).
  virtual TextSize TextExtent(std::string_view text) = 0;
};

}  // namespace vek
