#include "support/recording_device.h"

#include "core/encoding.h"

namespace vek::testing {

Pen RecordingDevice::SelectPen(const Pen& pen) {
  ++penSelections;
  Pen old = pen_;
  pen_ = pen;
  return old;
}

void RecordingDevice::MoveTo(int x, int y) {
  cpX_ = x;
  cpY_ = y;
}

void RecordingDevice::LineTo(int x, int y) {
  lines.push_back({cpX_, cpY_, x, y, pen_});
  cpX_ = x;
  cpY_ = y;
}

void RecordingDevice::Ellipse(int left, int top, int right, int bottom) {
  ellipses.push_back({left, top, right, bottom, pen_});
}

bool RecordingDevice::SelectFont(const FontSpec& font) {
  if (failFonts || font.height <= 0) return false;
  font_ = font;
  fontsSelected.push_back(font);
  return true;
}

void RecordingDevice::SaveFont() { savedFonts_.push_back(font_); }

void RecordingDevice::RestoreFont() {
  if (savedFonts_.empty()) return;
  font_ = savedFonts_.back();
  savedFonts_.pop_back();
}

void RecordingDevice::TextOut(int x, int y, std::string_view text) {
  RecordedText t;
  if (align_.updateCurrentPosition) {
    x = cpX_;
    y = cpY_;
    cpX_ += TextExtent(text).width;
  }
  t.x = x;
  t.y = y;
  t.text = std::string(text);
  t.align = align_;
  t.font = font_;
  t.colour = colour_;
  texts.push_back(t);
}

void RecordingDevice::TextInRect(int left, int top, int right, int bottom, std::string_view text) {
  RecordedText t;
  t.inRect = true;
  t.left = left;
  t.top = top;
  t.right = right;
  t.bottom = bottom;
  t.text = std::string(text);
  t.align = align_;
  t.font = font_;
  t.colour = colour_;
  texts.push_back(t);
}

TextSize RecordingDevice::TextExtent(std::string_view text) {
  return {static_cast<int>(text.size()) * font_.height / 2, font_.height};
}

std::vector<RecordedText> RecordingDevice::TextsEqual(const std::string& utf8) const {
  const std::string bytes = Sjis(utf8);
  std::vector<RecordedText> out;
  for (const auto& t : texts)
    if (t.text == bytes) out.push_back(t);
  return out;
}

std::vector<RecordedLine> RecordingDevice::LinesOfWidth(int width) const {
  std::vector<RecordedLine> out;
  for (const auto& l : lines)
    if (l.pen.width == width) out.push_back(l);
  return out;
}

}  // namespace vek::testing
