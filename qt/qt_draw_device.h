#pragma once
// The drawing device of the sheets on a QPainter: window, printer, preview, PDF or image.
//
// Font heights are cell heights (ascent + descent) in device pixels; top/bottom alignment refers to
// the cell; an escapement of 900 reads upwards from the reference point; text never paints a
// background; a pen of width 0 draws nothing. The face names of the data files ("ＭＳ 明朝", ...)
// are drawn with the IPA faces.
#include <QColor>
#include <QFont>
#include <QLine>
#include <QPen>
#include <QString>
#include <vector>

#include "render/draw_device.h"

class QPainter;

namespace vek {

// The font a device has selected with its escapement, and the selections SaveFont remembered.
class FontSelection {
 public:
  QFont font;
  int escapement = 0;

  // Selects the font a request is drawn with; false (and the selection unchanged) when it cannot be
  // drawn (height not positive or too large).
  bool Select(const FontSpec& spec, QPaintDevice* device);
  void Save() { saved_.push_back({font, escapement}); }
  void Restore();

 private:
  struct Saved {
    QFont font;
    int escapement;
  };
  std::vector<Saved> saved_;
};

class QtDrawDevice : public DrawDevice {
 public:
  // Resolution from the painter's device.
  explicit QtDrawDevice(QPainter& painter);
  // Resolution given explicitly (e.g. a QImage rendered as a printer page).
  QtDrawDevice(QPainter& painter, int dpi_x, int dpi_y);

  int LogicalDpiX() const override { return dpiX_; }
  int LogicalDpiY() const override { return dpiY_; }
  ~QtDrawDevice() override;
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
  void SetTextColour(Colour colour) override { textColour_ = colour; }
  void SetTextAlign(const TextAlign& align) override { align_ = align; }
  void TextOut(int x, int y, std::string_view text) override;
  void TextInRect(int left, int top, int right, int bottom, std::string_view text) override;
  TextSize TextExtent(std::string_view text) override;

  const QFont& font() const { return font_.font; }

  // Text on a screen: glyphs hinted to the pixel grid, so that small digits keep their shapes
  // ("8" stays apart from "3") at the few pixels a screen gives them. Paper and PDF stay unhinted.
  void SetScreenText(bool screen) { screenText_ = screen; }
  // Straight rules of odd pen width centred on a pixel row or column, so that an anti-aliased image
  // shows a 1-pixel rule as one dark row rather than two grey ones.
  void SetPixelAlignedLines(bool aligned) { pixelAlignedLines_ = aligned; }

 private:
  void ApplyPen();
  // The painter's pen and font for lines or for text, set only when they differ from what the
  // painter has.
  void UseLinePen();
  void UseTextState();
  // Draws the lines gathered since the last other operation in one call: a dashed grid line is
  // hundreds of short lines, and one call per line costs the PDF engine dearly.
  void FlushLines();

  QPainter& painter_;
  int dpiX_;
  int dpiY_;
  Pen pen_{PenStyle::Solid, 1, kBlack};
  FontSelection font_;
  Colour textColour_ = kBlack;
  TextAlign align_;
  DevicePoint cp_;
  bool screenText_ = false;
  bool pixelAlignedLines_ = false;
  std::vector<QLine> pendingLines_;
  enum class PainterPen { Line, Text };
  PainterPen painterPen_ = PainterPen::Line;
  Colour painterTextColour_ = kBlack;
  QFont painterFont_;  // the painter's font before the first draw, put back by EndDraw
};

// 0x00BBGGRR -> QColor.
QColor ToQColor(Colour colour);

// The face that stands in for a face name of the data files: the four Windows Japanese faces (in
// full- or half-width spelling, with or without the space) become IPAMincho, IPAPMincho, IPAGothic
// and IPAPGothic; any other name is kept.
QString SubstituteFaceName(const QString& face);

// A font of the face whose cell (ascent + descent) is as close to `cell_height` px as the face
// allows, for drawing on `device` (nullptr: the default paint device). The font is pixel-sized, so
// the choice does not depend on the device's resolution.
QFont FontForCellHeight(const QString& face, int cell_height, QPaintDevice* device);

// The advance of one line of text in the font on `device` (nullptr: the default paint device).
// Pixel-sized fonts measure alike on every device, so their answers are kept: a page measured
// before it is printed or exported is not shaped twice.
double TextAdvance(const QFont& font, const QString& text, QPaintDevice* device);

// Where one line of text lies relative to its reference point, in the text's own (unrotated) frame
// with y downwards: the start of its baseline (dx, dy), its advance `width` and the font's ascent and
// descent. The width is measured only when `measure` is set or the alignment needs it (0 otherwise).
struct TextPlacement {
  double dx = 0;
  double dy = 0;
  double width = 0;
  double ascent = 0;
  double descent = 0;
};
TextPlacement PlaceText(const QFont& font, QPaintDevice* device, const TextAlign& align, const QString& text,
                        bool measure);

// The current position after text of advance `width` drawn from (x, y) at `escapement`.
DevicePoint PositionAfterText(int x, int y, double width, int escapement);

}  // namespace vek
