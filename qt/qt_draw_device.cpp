#include "qt/qt_draw_device.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QtMath>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

#include "qt/cp932_text.h"
#include "qt/dash_runs.h"

namespace vek {

namespace {

constexpr int kMaxCellHeight = 32767;

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

QFontMetricsF Metrics(const QFont& font, QPaintDevice* device) {
  return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

double CellOf(const QFont& font, QPaintDevice* device) {
  const QFontMetricsF m = Metrics(font, device);
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

// The search behind FontForCellHeight. Sizes are measured only as far as the answer needs them.
// The first size goes through the font database, which finds the face or its stand-in (a fontconfig
// match); the other sizes are measured on that face scaled to them, which gives the same metrics
// without a database search and a font engine of its own for every size.
QFont ChooseFontForCellHeight(const QString& face, int cell_height, QPaintDevice* device) {
  QFont font;
  // The named face first; Japanese glyphs it lacks come from IPAMincho. IPAMincho itself is named
  // once: a second family makes the font database search the system's fallback fonts for every
  // size at once (a fontconfig sort), where one family searches them only for a glyph it lacks,
  // and then in the same order.
  const QString fallback = QStringLiteral("IPAMincho");
  if (face == fallback) font.setFamily(face);
  else font.setFamilies({face, fallback});
  font.setStyleStrategy(QFont::PreferMatch);
  std::map<int, double> measured;
  QRawFont scaled;
  auto cellAt = [&](int size) {
    auto found = measured.find(size);
    if (found != measured.end()) return found->second;
    if (scaled.isValid()) {
      scaled.setPixelSize(size);
      return measured[size] = scaled.ascent() + scaled.descent();
    }
    font.setPixelSize(size);
    return measured[size] = CellOf(font, device);
  };
  const double cell = cellAt(cell_height);
  // The scaled face is used only when it measures the first size as the database did (a bitmap
  // face, for one, does not scale).
  scaled = QRawFont::fromFont(font);
  if (scaled.isValid() && scaled.ascent() + scaled.descent() != cell) scaled = QRawFont();
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
  bool operator<(const FontKey& o) const { return std::tie(cellHeight, face) < std::tie(o.cellHeight, o.face); }
};

}  // namespace

QFont FontForCellHeight(const QString& face, int cell_height, QPaintDevice* device) {
  // Metrics of a pixel-sized font depend on the face and the size only, not on the device's
  // resolution, so one search serves every later request of the same kind (every repaint, every
  // page, and the measuring pass before a print or export at the same resolution).
  // Never destroyed: the fonts must not outlive the application's font cache at exit.
  static std::mutex mutex;
  static auto& cache = *new std::map<FontKey, QFont>;
  const FontKey key{face, cell_height};
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
    : painter_(painter), dpiX_(dpi_x), dpiY_(dpi_y), painterFont_(painter.font()) {
  font_.font = painter.font();
  painter_.setBrush(Qt::NoBrush);  // ellipses are outlines
  ApplyPen();
}

QtDrawDevice::~QtDrawDevice() { EndDraw(); }

void QtDrawDevice::EndDraw() {
  FlushLines();
  if (!painter_.isActive()) return;  // a device may outlive its painter's end
  // The painter leaves a draw as it came: with the line pen and its own font.
  UseLinePen();
  if (!(painter_.font() == painterFont_)) painter_.setFont(painterFont_);
}

void QtDrawDevice::FlushLines() {
  if (pendingLines_.empty()) return;
  UseLinePen();
  const QPaintEngine* engine = painter_.paintEngine();
  const QPen pen = painter_.pen();
  if (!engine || engine->type() != QPaintEngine::Pdf || pen.widthF() <= 0) {
    painter_.drawLines(pendingLines_.data(), static_cast<int>(pendingLines_.size()));
    pendingLines_.clear();
    return;
  }
  // In a PDF a run of dashes becomes one line with the file's own dash pattern, and the other
  // lines one path: the engine would otherwise write every line as a path of its own.
  QPainterPath solid;
  const auto drawSolid = [&] {
    if (!solid.isEmpty()) painter_.drawPath(solid);
    solid.clear();
  };
  for (size_t i = 0; i < pendingLines_.size();) {
    const size_t end = DashRunEnd(pendingLines_, i);
    if (end - i < 3) {
      for (; i < end; ++i) {
        solid.moveTo(pendingLines_[i].p1());
        solid.lineTo(pendingLines_[i].p2());
      }
      continue;
    }
    drawSolid();
    const QLine& first = pendingLines_[i];
    const double dash = (first.p2() - first.p1()).manhattanLength();
    const double gap = (pendingLines_[i + 1].p1() - first.p1()).manhattanLength() - dash;
    QPen dashed = pen;
    dashed.setDashPattern({dash / pen.widthF(), gap / pen.widthF()});
    painter_.setPen(dashed);
    painter_.drawLine(first.p1(), pendingLines_[end - 1].p2());
    painter_.setPen(pen);
    i = end;
  }
  drawSolid();
  pendingLines_.clear();
}

void QtDrawDevice::BeginDraw() {
  FlushLines();
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setBrush(Qt::NoBrush);
  ApplyPen();
}

void QtDrawDevice::ApplyPen() {
  painterPen_ = PainterPen::Line;
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
  if (!(pen == old)) FlushLines();  // with the same pen the gathered lines may go on
  pen_ = pen;
  ApplyPen();
  return old;
}

void QtDrawDevice::MoveTo(int x, int y) { cp_ = {x, y}; }

void QtDrawDevice::LineTo(int x, int y) {
  if (pen_.width > 0) {
    const bool straight = cp_.x == x || cp_.y == y;
    if (pixelAlignedLines_ && straight && pen_.width % 2 == 1) {
      FlushLines();  // keep the drawing order of the lines gathered so far
      UseLinePen();
      // Pixel (x, y) covers x ... x + 1: its centre is where a 1-pixel rule lies in one row.
      painter_.drawLine(QPointF(cp_.x + 0.5, cp_.y + 0.5), QPointF(x + 0.5, y + 0.5));
    } else {
      pendingLines_.emplace_back(QPoint(cp_.x, cp_.y), QPoint(x, y));
    }
  }
  cp_ = {x, y};
}

void QtDrawDevice::Ellipse(int left, int top, int right, int bottom) {
  FlushLines();
  if (pen_.width <= 0) return;
  UseLinePen();
  painter_.drawEllipse(QRectF(left, top, right - left, bottom - top));  // the brush is none (BeginDraw)
}


double TextAdvance(const QFont& font, const QString& text, QPaintDevice* device) {
  if (font.pixelSize() <= 0) return Metrics(font, device).horizontalAdvance(text);
  using Key = std::tuple<QString, int, int, QString>;
  static std::mutex mutex;
  static auto& advances = *new std::map<Key, double>;  // never destroyed, as the font cache
  Key key{font.families().value(0), font.pixelSize(), int(font.hintingPreference()), text};
  {
    std::lock_guard<std::mutex> lock(mutex);
    auto found = advances.find(key);
    if (found != advances.end()) return found->second;
  }
  const double advance = Metrics(font, device).horizontalAdvance(text);
  std::lock_guard<std::mutex> lock(mutex);
  if (advances.size() >= 8192) advances.clear();
  advances.emplace(std::move(key), advance);
  return advance;
}

TextPlacement PlaceText(const QFont& font, QPaintDevice* device, const TextAlign& align, const QString& text,
                        bool measure) {
  const QFontMetricsF metrics = Metrics(font, device);
  TextPlacement placed;
  placed.ascent = metrics.ascent();
  placed.descent = metrics.descent();
  if (measure || align.horizontal != HAlign::Left || align.updateCurrentPosition)
    placed.width = TextAdvance(font, text, device);
  if (align.horizontal == HAlign::Centre) placed.dx = -placed.width / 2;
  if (align.horizontal == HAlign::Right) placed.dx = -placed.width;
  placed.dy = align.vertical == VAlign::Top ? placed.ascent : -placed.descent;
  return placed;
}

DevicePoint PositionAfterText(int x, int y, double width, int escapement) {
  const double angle = qDegreesToRadians(escapement / 10.0);
  return {x + int(std::lround(width * std::cos(angle))), y - int(std::lround(width * std::sin(angle)))};
}

bool FontSelection::Select(const FontSpec& spec, QPaintDevice* device) {
  if (spec.height <= 0 || spec.height > kMaxCellHeight) return false;
  font = FontForCellHeight(SubstituteFaceName(FromCp932(spec.face)), spec.height, device);
  escapement = spec.escapement;
  return true;
}

void FontSelection::Restore() {
  if (saved_.empty()) return;
  font = saved_.back().font;
  escapement = saved_.back().escapement;
  saved_.pop_back();
}

bool QtDrawDevice::SelectFont(const FontSpec& spec) {
  if (!font_.Select(spec, painter_.device())) return false;
  if (screenText_) font_.font.setHintingPreference(QFont::PreferFullHinting);
  return true;
}

void QtDrawDevice::SaveFont() { font_.Save(); }

void QtDrawDevice::RestoreFont() { font_.Restore(); }

void QtDrawDevice::UseLinePen() {
  if (painterPen_ != PainterPen::Line) ApplyPen();
}

void QtDrawDevice::UseTextState() {
  if (painterPen_ != PainterPen::Text || painterTextColour_ != textColour_) {
    painter_.setPen(ToQColor(textColour_));
    painterPen_ = PainterPen::Text;
    painterTextColour_ = textColour_;
  }
  if (!(painter_.font() == font_.font)) painter_.setFont(font_.font);
}

void QtDrawDevice::TextOut(int x, int y, std::string_view text) {
  FlushLines();
  const QString s = FromCp932(text);
  // Measuring shapes the text a second time (drawing shapes it again), so left-aligned text that
  // leaves the current position alone is not measured.
  const TextPlacement placed = PlaceText(font_.font, painter_.device(), align_, s, false);
  if (align_.updateCurrentPosition) {
    x = cp_.x;
    y = cp_.y;
  }

  // The painter keeps the text pen and font until something else needs it: saving and restoring
  // its whole state around every text costs a PDF or a preview page a state change each time.
  UseTextState();
  if (font_.escapement == 0) {
    painter_.drawText(QPointF(x + placed.dx, y + placed.dy), s);
  } else {
    const QTransform transform = painter_.worldTransform();
    painter_.translate(x, y);
    painter_.rotate(-font_.escapement / 10.0);
    painter_.drawText(QPointF(placed.dx, placed.dy), s);
    painter_.setWorldTransform(transform);
  }

  if (align_.updateCurrentPosition) cp_ = PositionAfterText(x, y, placed.width, font_.escapement);
}

void QtDrawDevice::TextInRect(int left, int top, int right, int bottom, std::string_view text) {
  FlushLines();
  UseTextState();
  painter_.drawText(QRect(left, top, right - left, bottom - top),
                    Qt::AlignCenter | Qt::TextDontClip | Qt::TextSingleLine, FromCp932(text));
}

TextSize QtDrawDevice::TextExtent(std::string_view text) {
  const QFontMetricsF m = Metrics(font_.font, painter_.device());
  return {int(std::lround(TextAdvance(font_.font, FromCp932(text), painter_.device()))),
          int(std::lround(m.ascent() + m.descent()))};
}

}  // namespace vek
