#include "qt/extent_draw_device.h"

#include <QFontMetricsF>
#include <QRawFont>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "qt/cp932_text.h"

namespace vek {

namespace {

// An upper bound of the advance of `text` in `font`, whose own face is `face`: every character the
// face holds advances at most the face's widest advance (a pixel more for rounding); infinite when
// a character comes from another face.
double AdvanceBound(const QRawFont& face, const QString& text) {
  if (!face.isValid()) return HUGE_VAL;
  const double widest = face.maxCharWidth() + 1.0;
  double bound = 0;
  for (QChar ch : text) {
    if (ch.isSurrogate() || !face.supportsCharacter(ch)) return HUGE_VAL;
    bound += widest;
  }
  return bound;
}

// Calls `reach` with the corners of the cell of the text in its own frame, turned by the
// escapement about the reference point.
template <typename Reach>
void ForCellCorners(int x, int y, const TextPlacement& placed, int escapement, Reach reach) {
  const double angle = qDegreesToRadians(escapement / 10.0);
  const double c = std::cos(angle), s = std::sin(angle);
  const double top = placed.dy - placed.ascent, bottom = placed.dy + placed.descent;
  for (double u : {placed.dx, placed.dx + placed.width})
    for (double v : {top, bottom}) reach(x + u * c + v * s, y - u * s + v * c);
}

}  // namespace

void ExtentDrawDevice::Reach(double x, double y) {
  right_ = std::max(right_, x);
  bottom_ = std::max(bottom_, y);
}

void ExtentDrawDevice::BeginDraw() {
  if (draw_) draw_->BeginDraw();
}

void ExtentDrawDevice::EndDraw() {
  if (draw_) draw_->EndDraw();
}

Pen ExtentDrawDevice::SelectPen(const Pen& pen) {
  if (draw_) draw_->SelectPen(pen);
  const Pen old = pen_;
  pen_ = pen;
  return old;
}

void ExtentDrawDevice::MoveTo(int x, int y) {
  if (draw_) draw_->MoveTo(x, y);
  cp_ = {x, y};
}

void ExtentDrawDevice::SetTextColour(Colour colour) {
  if (draw_) draw_->SetTextColour(colour);
}

void ExtentDrawDevice::SetTextAlign(const TextAlign& align) {
  if (draw_) draw_->SetTextAlign(align);
  align_ = align;
}

void ExtentDrawDevice::LineTo(int x, int y) {
  if (draw_) draw_->LineTo(x, y);
  if (pen_.width > 0) {
    // Round caps reach half the pen beyond either end.
    const double half = pen_.width / 2.0;
    Reach(std::max(cp_.x, x) + half, std::max(cp_.y, y) + half);
  }
  cp_ = {x, y};
}

void ExtentDrawDevice::Ellipse(int left, int top, int right, int bottom) {
  if (draw_) draw_->Ellipse(left, top, right, bottom);
  if (pen_.width <= 0) return;
  const double half = pen_.width / 2.0;
  Reach(std::max(left, right) + half, std::max(top, bottom) + half);
}

bool ExtentDrawDevice::SelectFont(const FontSpec& spec) {
  // Chosen here first: a font search of a measured page is the one the measuring device makes.
  const bool selected = font_.Select(spec, nullptr);
  return draw_ ? draw_->SelectFont(spec) : selected;
}

void ExtentDrawDevice::SaveFont() {
  if (draw_) draw_->SaveFont();
  font_.Save();
}

void ExtentDrawDevice::RestoreFont() {
  if (draw_) draw_->RestoreFont();
  font_.Restore();
}

void ExtentDrawDevice::ReachText(int x, int y, const TextPlacement& placed, int escapement) {
  ForCellCorners(x, y, placed, escapement, [this](double rx, double ry) { Reach(rx, ry); });
}

bool ExtentDrawDevice::WithinReach(int x, int y, const TextPlacement& placed, int escapement) const {
  bool within = true;
  ForCellCorners(x, y, placed, escapement,
                 [&](double rx, double ry) { within = within && rx <= right_ && ry <= bottom_; });
  return within;
}

// Texts are measured here before they are handed on, so that the advances and fonts the drawing
// finds kept are the ones measured here, as when a page is measured before it is drawn.
void ExtentDrawDevice::TextOut(int x, int y, std::string_view text) {
  const int givenX = x, givenY = y;
  const QString s = FromCp932(text);
  // Without a width the alignment needs, the text waits with a bound of its width (see Settle).
  const bool measure = align_.horizontal != HAlign::Left || align_.updateCurrentPosition;
  TextPlacement placed = PlaceText(font_.font, nullptr, align_, s, measure);
  if (align_.updateCurrentPosition) {
    x = cp_.x;
    y = cp_.y;
  }
  if (measure) {
    ReachText(x, y, placed, font_.escapement);
  } else {
    if (!(boundFont_ == font_.font)) {
      boundFont_ = font_.font;
      boundFace_ = QRawFont::fromFont(boundFont_);
    }
    placed.width = AdvanceBound(boundFace_, s);
    unmeasured_.push_back({x, y, font_.escapement, font_.font, s, placed});
  }
  if (align_.updateCurrentPosition) cp_ = PositionAfterText(x, y, placed.width, font_.escapement);
  if (draw_) draw_->TextOut(givenX, givenY, text);
}

std::pair<double, double> ExtentDrawDevice::Settle() {
  // Reach only grows, so a text whose bound lies within it now never reaches further.
  for (UnmeasuredText& t : unmeasured_) {
    if (WithinReach(t.x, t.y, t.placed, t.escapement)) continue;
    t.placed.width = TextAdvance(t.font, t.text, nullptr);
    ReachText(t.x, t.y, t.placed, t.escapement);
  }
  unmeasured_.clear();
  return {right_, bottom_};
}

void ExtentDrawDevice::TextInRect(int left, int top, int right, int bottom, std::string_view text) {
  // One line centred both ways and never clipped: it may stick out of a rectangle narrower than it.
  const QFontMetricsF metrics(font_.font);
  const double width = TextAdvance(font_.font, FromCp932(text), nullptr);
  const double height = metrics.ascent() + metrics.descent();
  Reach((left + right + width) / 2, (top + bottom + height) / 2);
  if (draw_) draw_->TextInRect(left, top, right, bottom, text);
}

TextSize ExtentDrawDevice::TextExtent(std::string_view text) {
  const QFontMetricsF metrics(font_.font);
  const TextSize size{int(std::lround(TextAdvance(font_.font, FromCp932(text), nullptr))),
                      int(std::lround(metrics.ascent() + metrics.descent()))};
  return draw_ ? draw_->TextExtent(text) : size;
}

}  // namespace vek
