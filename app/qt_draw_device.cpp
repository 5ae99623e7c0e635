#include "app/qt_draw_device.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QtMath>
#include <cmath>
#include <cstdlib>

#include "core/encoding.h"

namespace vek {

namespace {

constexpr int kMaxCellHeight = 32767;

QString ToQString(std::string_view cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); }

// Full-width Latin letters to ASCII, spaces (both widths) dropped, upper case: the spellings of one
// Windows face name compare equal.
QString FaceKey(const QString& face) {
  QString key;
  for (QChar ch : face) {
    const char16_t u = ch.unicode();
    if (u == u' ' || u == u'\u3000') continue;
    if (u >= u'\uFF01' && u <= u'\uFF5E') ch = QChar(char16_t(u - 0xFEE0));
    key.append(ch.toUpper());
  }
  return key;
}

double CellOf(const QFont& font, QPaintDevice* device) {
  const QFontMetricsF m = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
  return m.ascent() + m.descent();
}

Qt::PenStyle ToQtStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Dash:
      return Qt::DashLine;
    case PenStyle::Dot:
      return Qt::DotLine;
    case PenStyle::Solid:
      break;
  }
  return Qt::SolidLine;
}

}  // namespace

QColor ToQColor(Colour colour) {
  return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QString SubstituteFaceName(const QString& face) {
  const QString key = FaceKey(face);
  if (key == QStringLiteral("MS明朝") || key == QStringLiteral("MSMINCHO")) return QStringLiteral("IPAMincho");
  if (key == QStringLiteral("MSP明朝") || key == QStringLiteral("MSPMINCHO")) return QStringLiteral("IPAPMincho");
  if (key == QStringLiteral("MSゴシック") || key == QStringLiteral("MSGOTHIC")) return QStringLiteral("IPAGothic");
  if (key == QStringLiteral("MSPゴシック") || key == QStringLiteral("MSPGOTHIC")) return QStringLiteral("IPAPGothic");
  return face;
}

QFont FontForCellHeight(const QString& face, int cell_height, QPaintDevice* device) {
  QFont font;
  // The named face first; Japanese glyphs it lacks come from IPAMincho.
  font.setFamilies({face, QStringLiteral("IPAMincho")});
  font.setStyleStrategy(QFont::PreferMatch);
  font.setPixelSize(cell_height);
  const double cell = CellOf(font, device);
  if (cell <= 0) return font;
  // Ascent + descent grows in proportion to the pixel size: scale once, then settle on the nearest
  // neighbour.
  int best = std::max(1, int(std::lround(cell_height * cell_height / cell)));
  double best_error = 1e9;
  int chosen = best;
  for (int size = std::max(1, best - 2); size <= best + 2; ++size) {
    font.setPixelSize(size);
    const double error = std::abs(CellOf(font, device) - cell_height);
    if (error < best_error - 1e-9) {
      best_error = error;
      chosen = size;
    }
  }
  font.setPixelSize(chosen);
  return font;
}

QtDrawDevice::QtDrawDevice(QPainter& painter)
    : QtDrawDevice(painter, painter.device() ? painter.device()->logicalDpiX() : 96,
                   painter.device() ? painter.device()->logicalDpiY() : 96) {}

QtDrawDevice::QtDrawDevice(QPainter& painter, int dpi_x, int dpi_y)
    : painter_(painter), dpiX_(dpi_x), dpiY_(dpi_y), font_(painter.font()) {
  ApplyPen();
}

void QtDrawDevice::BeginDraw() {
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setBrush(Qt::NoBrush);
  ApplyPen();
}

void QtDrawDevice::ApplyPen() {
  if (pen_.width <= 0) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(pen_.colour));
  pen.setWidth(pen_.width);
  pen.setStyle(ToQtStyle(pen_.style));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
}

Pen QtDrawDevice::SelectPen(const Pen& pen) {
  const Pen old = pen_;
  pen_ = pen;
  ApplyPen();
  return old;
}

void QtDrawDevice::MoveTo(int x, int y) { cp_ = {x, y}; }

void QtDrawDevice::LineTo(int x, int y) {
  if (pen_.width > 0) painter_.drawLine(QPoint(cp_.x, cp_.y), QPoint(x, y));
  cp_ = {x, y};
}

void QtDrawDevice::Ellipse(int left, int top, int right, int bottom) {
  if (pen_.width <= 0) return;
  painter_.save();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(QRectF(left, top, right - left, bottom - top));
  painter_.restore();
}

bool QtDrawDevice::SelectFont(const FontSpec& spec) {
  if (spec.height <= 0 || spec.height > kMaxCellHeight) return false;
  font_ = FontForCellHeight(SubstituteFaceName(ToQString(spec.face)), spec.height, painter_.device());
  escapement_ = spec.escapement;
  return true;
}

void QtDrawDevice::SaveFont() { savedFonts_.push_back({font_, escapement_}); }

void QtDrawDevice::RestoreFont() {
  if (savedFonts_.empty()) return;
  font_ = savedFonts_.back().font;
  escapement_ = savedFonts_.back().escapement;
  savedFonts_.pop_back();
}

void QtDrawDevice::TextOut(int x, int y, std::string_view text) {
  const QString s = ToQString(text);
  const QFontMetricsF m(font_, painter_.device());
  const double width = m.horizontalAdvance(s);
  if (align_.updateCurrentPosition) {
    x = cp_.x;
    y = cp_.y;
  }
  // Offset of the baseline start from the reference point, in the text's own (unrotated) frame.
  double dx = 0.0;
  if (align_.horizontal == HAlign::Centre) dx = -width / 2;
  if (align_.horizontal == HAlign::Right) dx = -width;
  const double dy = align_.vertical == VAlign::Top ? m.ascent() : -m.descent();

  painter_.save();
  painter_.setFont(font_);
  painter_.setPen(ToQColor(textColour_));
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.translate(x, y);
  if (escapement_ != 0) painter_.rotate(-escapement_ / 10.0);
  painter_.drawText(QPointF(dx, dy), s);
  painter_.restore();

  if (align_.updateCurrentPosition) {
    const double angle = qDegreesToRadians(escapement_ / 10.0);
    cp_.x = x + int(std::lround(width * std::cos(angle)));
    cp_.y = y - int(std::lround(width * std::sin(angle)));
  }
}

void QtDrawDevice::TextInRect(int left, int top, int right, int bottom, std::string_view text) {
  painter_.save();
  painter_.setFont(font_);
  painter_.setPen(ToQColor(textColour_));
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.drawText(QRect(left, top, right - left, bottom - top),
                    Qt::AlignCenter | Qt::TextDontClip | Qt::TextSingleLine, ToQString(text));
  painter_.restore();
}

TextSize QtDrawDevice::TextExtent(std::string_view text) {
  const QFontMetricsF m(font_, painter_.device());
  return {int(std::lround(m.horizontalAdvance(ToQString(text)))), int(std::lround(m.ascent() + m.descent()))};
}

}  // namespace vek
