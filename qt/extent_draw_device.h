#pragma once
// A drawing device that paints nothing and keeps how far the drawing reaches: the right and bottom
// edges of every rule (with half its pen), ellipse and text cell. Text is placed and fonts are
// chosen exactly as QtDrawDevice does, so a page measured here at the resolution it will be printed
// or exported at reaches as far as the real drawing, and the font choices it makes are the ones the
// real drawing then finds ready.
#include "qt/qt_draw_device.h"
#include "render/draw_device.h"

namespace vek {

class ExtentDrawDevice : public DrawDevice {
 public:
  ExtentDrawDevice(int dpi_x, int dpi_y) : dpiX_(dpi_x), dpiY_(dpi_y) {}

  // The right and bottom edges reached so far, in device units (0 when nothing was drawn).
  double Right() const { return right_; }
  double Bottom() const { return bottom_; }

  int LogicalDpiX() const override { return dpiX_; }
  int LogicalDpiY() const override { return dpiY_; }
  void BeginDraw() override {}
  Pen SelectPen(const Pen& pen) override;
  void MoveTo(int x, int y) override { cp_ = {x, y}; }
  DevicePoint CurrentPosition() const override { return cp_; }
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  bool SelectFont(const FontSpec& font) override;
  void SaveFont() override;
  void RestoreFont() override;
  void SetTextColour(Colour) override {}
  void SetTextAlign(const TextAlign& align) override { align_ = align; }
  void TextOut(int x, int y, std::string_view text) override;
  void TextInRect(int left, int top, int right, int bottom, std::string_view text) override;
  TextSize TextExtent(std::string_view text) override;

 private:
  void Reach(double x, double y);

  int dpiX_;
  int dpiY_;
  Pen pen_{PenStyle::Solid, 1, kBlack};
  FontSelection font_;
  TextAlign align_;
  DevicePoint cp_;
  double right_ = 0;
  double bottom_ = 0;
};

}  // namespace vek
