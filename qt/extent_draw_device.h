#pragma once
// A drawing device that keeps how far the drawing reaches: the right and bottom edges of every rule
// (with half its pen), ellipse and text cell. Text is placed and fonts are chosen exactly as
// QtDrawDevice does, so a page measured here at the resolution it will be printed or exported at
// reaches as far as the real drawing, and the font choices it makes are the ones the real drawing
// then finds ready. Given a device to draw on, it hands every operation on to it as well, so that
// a drawing is measured while it is drawn.
#include <QFont>
#include <QRawFont>
#include <QString>
#include <vector>

#include "qt/qt_draw_device.h"
#include "render/draw_device.h"

namespace vek {

class ExtentDrawDevice : public DrawDevice {
 public:
  ExtentDrawDevice(int dpi_x, int dpi_y) : dpiX_(dpi_x), dpiY_(dpi_y), draw_(nullptr) {}
  // Measures what is drawn on `draw` (not owned), at its resolution; `draw`'s answers (fonts made,
  // text extents) are the ones the drawing goes on with.
  explicit ExtentDrawDevice(DrawDevice& draw) : dpiX_(draw.LogicalDpiX()), dpiY_(draw.LogicalDpiY()), draw_(&draw) {}

  // The right and bottom edges reached so far, in device units (0 when nothing was drawn).
  double Right() { return Settle().first; }
  double Bottom() { return Settle().second; }

  int LogicalDpiX() const override { return dpiX_; }
  int LogicalDpiY() const override { return dpiY_; }
  void BeginDraw() override;
  void EndDraw() override;
  Pen SelectPen(const Pen& pen) override;
  void MoveTo(int x, int y) override;
  DevicePoint CurrentPosition() const override { return cp_; }
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  bool SelectFont(const FontSpec& font) override;
  void SaveFont() override;
  void RestoreFont() override;
  void SetTextColour(Colour colour) override;
  void SetTextAlign(const TextAlign& align) override;
  void TextOut(int x, int y, std::string_view text) override;
  void TextInRect(int left, int top, int right, int bottom, std::string_view text) override;
  TextSize TextExtent(std::string_view text) override;

 private:
  // A left-aligned text not measured yet: an upper bound of its width is kept, and it is measured
  // only if that bound reaches beyond the rest of the drawing (shaping every text costs as much as
  // drawing it).
  struct UnmeasuredText {
    int x, y, escapement;
    QFont font;
    QString text;
    TextPlacement placed;  // width: the upper bound
  };

  void Reach(double x, double y);
  void ReachText(int x, int y, const TextPlacement& placed, int escapement);
  bool WithinReach(int x, int y, const TextPlacement& placed, int escapement) const;
  std::pair<double, double> Settle();

  int dpiX_;
  int dpiY_;
  DrawDevice* draw_;
  std::vector<UnmeasuredText> unmeasured_;
  QFont boundFont_;  // the font whose face boundFace_ is
  QRawFont boundFace_;
  Pen pen_{PenStyle::Solid, 1, kBlack};
  FontSelection font_;
  TextAlign align_;
  DevicePoint cp_;
  double right_ = 0;
  double bottom_ = 0;
};

}  // namespace vek
