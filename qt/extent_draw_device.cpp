#include "qt/extent_draw_device.h"

#include <QFontMetricsF>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "qt/cp932_text.h"

namespace vek {

void ExtentDrawDevice::Reach(double x, double y) {
  right_ = std::max(right_, x);
  bottom_ = std::max(bottom_, y);
}

Pen ExtentDrawDevice::SelectPen(const Pen& pen) {
  const Pen old = pen_;
  pen_ = pen;
  return old;
}

void ExtentDrawDevice::LineTo(int x, int y) {
  if (pen_.width > 0) {
    // Round caps reach half the pen beyond either end.
    const double half = pen_.width / 2.0;
    Reach(std::max(cp_.x, x) + half, std::max(cp_.y, y) + half);
  }
  cp_ = {x, y};
}

void ExtentDrawDevice::Ellipse(int left, int top, int right, int bottom) {
  if (pen_.width <= 0) return;
  const double half = pen_.width / 2.0;
  Reach(std::max(left, right) + half, std::max(top, bottom) + half);
}

bool ExtentDrawDevice::SelectFont(const FontSpec& spec) { return font_.Select(spec, nullptr); }

void ExtentDrawDevice::SaveFont() { font_.Save(); }

void ExtentDrawDevice::RestoreFont() { font_.Restore(); }

void ExtentDrawDevice::TextOut(int x, int y, std::string_view text) {
  const TextPlacement placed = PlaceText(font_.font, nullptr, align_, FromCp932(text), true);
  if (align_.updateCurrentPosition) {
    x = cp_.x;
    y = cp_.y;
  }
  // The cell of the text in its own frame, turned by the escapement about the reference point.
  const double angle = qDegreesToRadians(font_.escapement / 10.0);
  const double c = std::cos(angle), s = std::sin(angle);
  const double top = placed.dy - placed.ascent, bottom = placed.dy + placed.descent;
  for (double u : {placed.dx, placed.dx + placed.width})
    for (double v : {top, bottom}) Reach(x + u * c + v * s, y - u * s + v * c);
  if (align_.updateCurrentPosition) cp_ = PositionAfterText(x, y, placed.width, font_.escapement);
}

void ExtentDrawDevice::TextInRect(int left, int top, int right, int bottom, std::string_view text) {
  // One line centred both ways and never clipped: it may stick out of a rectangle narrower than it.
  const QFontMetricsF metrics(font_.font);
  const double width = TextAdvance(font_.font, FromCp932(text), nullptr);
  const double height = metrics.ascent() + metrics.descent();
  Reach((left + right + width) / 2, (top + bottom + height) / 2);
}

TextSize ExtentDrawDevice::TextExtent(std::string_view text) {
  const QFontMetricsF metrics(font_.font);
  return {int(std::lround(TextAdvance(font_.font, FromCp932(text), nullptr))),
          int(std::lround(metrics.ascent() + metrics.descent()))};
}

}  // namespace vek
