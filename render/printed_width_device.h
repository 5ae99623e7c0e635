#pragma once
// Line widths of the sheets are pixels of the printed page. A device of another resolution (the
// screen) shows every line as wide as it will print: the width converted to its own pixels.
#include "render/draw_device.h"

namespace vek {

// Printing, the preview and PDF draw at this resolution; the sheets' line widths are its pixels.
inline constexpr int kPrinterDpi = 600;

// A line `printerPx` printer pixels wide, in pixels of a device of `deviceDpi`: rounded to whole
// pixels and never thinner than one; a width of 0 (no line) stays 0.
int PrintedWidthOnDevice(int printerPx, int deviceDpi);

// Hands every operation to `target`, with the widths of the pens and the dash and gap lengths of
// dashed lines converted from printer pixels to the target's. SelectPen answers the previous pen as its caller gave it, so callers put it back
// unchanged.
class PrintedWidthDevice : public DrawDevice {
 public:
  explicit PrintedWidthDevice(DrawDevice& target) : target_(target) {}

  int LogicalDpiX() const override { return target_.LogicalDpiX(); }
  int LogicalDpiY() const override { return target_.LogicalDpiY(); }
  void BeginDraw() override { target_.BeginDraw(); }
  void EndDraw() override { target_.EndDraw(); }
  int PrintedLength(int printerPx) const override;
  Pen SelectPen(const Pen& pen) override;
  void MoveTo(int x, int y) override { target_.MoveTo(x, y); }
  DevicePoint CurrentPosition() const override { return target_.CurrentPosition(); }
  void LineTo(int x, int y) override { target_.LineTo(x, y); }
  void Ellipse(int left, int top, int right, int bottom) override { target_.Ellipse(left, top, right, bottom); }
  bool SelectFont(const FontSpec& font) override { return target_.SelectFont(font); }
  void SaveFont() override { target_.SaveFont(); }
  void RestoreFont() override { target_.RestoreFont(); }
  void SetTextColour(Colour colour) override { target_.SetTextColour(colour); }
  void SetTextAlign(const TextAlign& align) override { target_.SetTextAlign(align); }
  void TextOut(int x, int y, std::string_view text) override { target_.TextOut(x, y, text); }
  void TextInRect(int left, int top, int right, int bottom, std::string_view text) override {
    target_.TextInRect(left, top, right, bottom, text);
  }
  TextSize TextExtent(std::string_view text) override { return target_.TextExtent(text); }

 private:
  DrawDevice& target_;
  Pen pen_{PenStyle::Solid, 1, kBlack};  // the selected pen as its caller gave it
};

}  // namespace vek
