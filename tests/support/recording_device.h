#pragma once
// A DrawDevice that keeps every call with its device coordinates, for geometry tests to the device
// unit. Text extents follow a fixed metric: width = bytes x font height / 2, height = font height.
#include <string>
#include <vector>

#include "render/draw_device.h"

namespace vek::testing {

// A line as drawn: end points and the pen it was drawn with.
struct RecordedLine {
  int x1, y1, x2, y2;
  Pen pen;
};

struct RecordedEllipse {
  int left, top, right, bottom;
  Pen pen;
};

// A text output with the state that applied to it. For TextOut, (x, y) is the reference point
// actually used (the current position in update mode); for TextInRect the rectangle is kept.
struct RecordedText {
  bool inRect = false;
  int x = 0, y = 0;
  int left = 0, top = 0, right = 0, bottom = 0;
  std::string text;  // CP932
  TextAlign align;
  FontSpec font;
  Colour colour = 0;
};

class RecordingDevice : public DrawDevice {
 public:
  explicit RecordingDevice(int dpi_x = 96, int dpi_y = 96) : dpiX_(dpi_x), dpiY_(dpi_y) {}

  int LogicalDpiX() const override { return dpiX_; }
  int LogicalDpiY() const override { return dpiY_; }
  void BeginDraw() override { ++beginDrawCount; }
  Pen SelectPen(const Pen& pen) override;
  void MoveTo(int x, int y) override;
  DevicePoint CurrentPosition() const override { return {cpX_, cpY_}; }
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  bool SelectFont(const FontSpec& font) override;
  void SaveFont() override;
  void RestoreFont() override;
  void SetTextColour(Colour colour) override { colour_ = colour; }
  void SetTextAlign(const TextAlign& align) override { align_ = align; }
  void TextOut(int x, int y, std::string_view text) override;
  void TextInRect(int left, int top, int right, int bottom, std::string_view text) override;
  TextSize TextExtent(std::string_view text) override;

  const FontSpec& font() const { return font_; }
  const TextAlign& align() const { return align_; }
  const Pen& pen() const { return pen_; }
  int currentX() const { return cpX_; }
  int currentY() const { return cpY_; }

  // Texts whose CP932 bytes equal the given UTF-8 text (converted).
  std::vector<RecordedText> TextsEqual(const std::string& utf8) const;
  // Lines drawn with the given width.
  std::vector<RecordedLine> LinesOfWidth(int width) const;

  std::vector<RecordedLine> lines;
  std::vector<RecordedEllipse> ellipses;
  std::vector<RecordedText> texts;
  std::vector<FontSpec> fontsSelected;
  int penSelections = 0;
  int beginDrawCount = 0;
  bool failFonts = false;  // SelectFont refuses every font
  int saveDepth() const { return static_cast<int>(savedFonts_.size()); }

 private:
  int dpiX_, dpiY_;
  Pen pen_{PenStyle::Solid, 1, kBlack};
  FontSpec font_{16, 0, "default"};
  std::vector<FontSpec> savedFonts_;
  TextAlign align_;
  Colour colour_ = kBlack;
  int cpX_ = 0, cpY_ = 0;
};

}  // namespace vek::testing
