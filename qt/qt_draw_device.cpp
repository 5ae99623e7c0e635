#include "qt/qt_draw_device.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QtMath>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

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

namespace {

// The search behind FontForCellHeight. Every pixel size it measures costs a font engine (a
// fontconfig match), so sizes are measured only as far as the answer needs them.
QFont ChooseFontForCellHeight(const QString& face, int cell_height, QPaintDevice* device) {
  QFont font;
  // The named face first; Japanese glyphs it lacks come from IPAMincho.
  font.setFamilies({face, QStringLiteral("IPAMincho")});
  font.setStyleStrategy(QFont::PreferMatch);
  std::map<int, double> measured;
  auto cellAt = [&](int size) {
    auto found = measured.find(size);
    if (found != measured.end()) return found->second;
    font.setPixelSize(size);
    return measured[size] = CellOf(font, device);
  };
  const double cell = cellAt(cell_height);
  if (cell <= 0) {
    font.setPixelSize(cell_height);
    return font;
  }
  // Ascent + descent grows with the pixel size: scale once, then settle on the neighbour within two
  // sizes whose cell is nearest (the smallest size on a tie).
  const int best = std::max(1, int(std::lround(cell_height * cell_height / cell)));
  const int lo = std::max(1, best - 2);
  const int hi = best + 2;
  // The first size of the window whose cell reaches the wanted height; past it the error only grows.
  int reach = best;
  if (cellAt(reach) >= cell_height) {
    while (reach > lo && cellAt(reach - 1) >= cell_height) --reach;
  } else {
    while (reach <= hi && cellAt(reach) < cell_height) ++reach;
  }
  int chosen = reach;
  if (reach > lo) {
    // Below it the error falls with the size; equal cells on several sizes keep the smallest.
    int below = reach - 1;
    while (below > lo && cellAt(below - 1) == cellAt(below)) --below;
    const double below_error = cell_height - cellAt(below);
    if (reach > hi || !(cellAt(reach) - cell_height < below_error - 1e-9)) chosen = below;
  }
  font.setPixelSize(chosen);
  return font;
}

struct FontKey {
  QString face;
  int cellHeight;
  int dpi;
  bool operator<(const FontKey& o) const {
    return std::tie(cellHeight, dpi, face) < std::tie(o.cellHeight, o.dpi, o.face);
  }
};

}  // namespace

QFont FontForCellHeight(const QString& face, int cell_height, QPaintDevice* device) {
  // Metrics of a pixel-sized font depend on the face, the size and the device's vertical dpi only,
  // so one search serves every later request of the same kind (every repaint, every page).
  // Never destroyed: the fonts must not outlive the application's font cache at exit.
  static std::mutex mutex;
  static auto& cache = *new std::map<FontKey, QFont>;
  const FontKey key{face, cell_height, device ? device->logicalDpiY() : 0};
  {
    std::lock_guard<std::mutex> lock(mutex);
    auto found = cache.find(key);
    if (found != cache.end()) return found->second;
  }
  QFont font = ChooseFontForCellHeight(face, cell_height, device);
  std::lock_guard<std::mutex> lock(mutex);
  if (cache.size() >= 512) cache.clear();
  cache.emplace(key, font);
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
  if (pen_.width > 0) {
    const bool straight = cp_.x == x || cp_.y == y;
    if (pixelAlignedLines_ && straight && pen_.width % 2 == 1) {
      // Pixel (x, y) covers x ... x + 1: its centre is where a 1-pixel rule lies in one row.
      painter_.drawLine(QPointF(cp_.x + 0.5, cp_.y + 0.5), QPointF(x + 0.5, y + 0.5));
    } else {
      painter_.drawLine(QPoint(cp_.x, cp_.y), QPoint(x, y));
    }
  }
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
  if (screenText_) font_.setHintingPreference(QFont::PreferFullHinting);
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
  // Measuring shapes the text a second time (drawing shapes it again), so left-aligned text that
  // leaves the current position alone is not measured.
  const bool needsWidth = align_.horizontal != HAlign::Left || align_.updateCurrentPosition;
  const double width = needsWidth ? m.horizontalAdvance(s) : 0.0;
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
