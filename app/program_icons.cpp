#include "app/program_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <map>
#include <tuple>

#include "app/commands.h"

namespace vek {

namespace {

// Draws an icon on a 24 x 24 canvas; the engine scales it to the size asked for.
using DrawIcon = void (*)(QPainter&);

class DrawnIconEngine final : public QIconEngine {
 public:
  explicit DrawnIconEngine(DrawIcon draw) : draw_(draw) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state, ratio));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  // `pixels` is the size in device pixels (QIcon has multiplied the size by `scale` already).
  QPixmap scaledPixmap(const QSize& pixels, QIcon::Mode mode, QIcon::State, qreal scale) override {
    if (pixels.isEmpty()) return {};
    const auto key = std::make_tuple(pixels.width(), pixels.height(), int(mode));
    if (auto found = drawn_.find(key); found != drawn_.end()) return found->second;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels.width() / 24.0, pixels.height() / 24.0);
    draw_(painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    // Disabled and selected buttons get the style's own greyed or tinted rendering, as an icon
    // from a file would.
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
      QStyleOption option;
      option.palette = QApplication::palette();
      pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    pixmap.setDevicePixelRatio(scale);
    if (drawn_.size() >= 16) drawn_.clear();
    drawn_.emplace(key, pixmap);
    return pixmap;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(256, 256)};
  }
  QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }
  QString key() const override { return QStringLiteral("VekDrawnIcon"); }

 private:
  DrawIcon draw_;
  std::map<std::tuple<int, int, int>, QPixmap> drawn_;
};

// A sheet of paper with a folded corner.
void DrawSheet(QPainter& p) {
  QPainterPath path;
  path.moveTo(5, 2);
  path.lineTo(14, 2);
  path.lineTo(19, 7);
  path.lineTo(19, 22);
  path.lineTo(5, 22);
  path.closeSubpath();
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(Qt::white);
  p.drawPath(path);
  p.drawPolyline(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
}

void DrawNew(QPainter& p) {
  DrawSheet(p);
  p.setPen(QPen(QColor(230, 170, 0), 1.6));
  p.drawLine(QPointF(17, 14), QPointF(23, 14));
  p.drawLine(QPointF(20, 11), QPointF(20, 17));
}

void DrawOpen(QPainter& p) {
  p.setPen(QPen(QColor(120, 90, 20), 1.2));
  p.setBrush(QColor(240, 200, 80));
  p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(9, 6), QPointF(11, 8), QPointF(20, 8), QPointF(20, 20),
                           QPointF(2, 20)}));
  p.setBrush(QColor(250, 220, 120));
  p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 20), QPointF(2, 20)}));
}

void DrawSave(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 90), 1.2));
  p.setBrush(QColor(50, 90, 170));
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 3, 12, 7));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(7, 14, 10, 7));
  p.setBrush(QColor(20, 40, 90));
  p.drawRect(QRectF(13, 4.5, 2.5, 4));
}

void DrawPrint(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7, 2, 10, 8));
  p.setBrush(QColor(170, 170, 170));
  p.drawRoundedRect(QRectF(2, 9, 20, 9), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 15, 12, 7));
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.drawLine(QPointF(8, 18), QPointF(16, 18));
  p.drawLine(QPointF(8, 20), QPointF(14, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 170, 0));
  p.drawEllipse(QPointF(19, 12), 1, 1);
}

// A blue disc with a white "i", drawn as shapes so that no font is needed.
void DrawAbout(QPainter& p) {
  p.setPen(QPen(QColor(20, 60, 140), 1.2));
  p.setBrush(QColor(60, 120, 210));
  p.drawEllipse(QRectF(2, 2, 20, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(12, 7.2), 1.8, 1.8);
  p.drawRoundedRect(QRectF(10.5, 10.2, 3, 8.6), 0.8, 0.8);
}

// A white sheet with two axes and a rising curve, drawn into `sheet` (the picture is made on a
// 20 x 20 sheet and scaled to it, pens included).
void DrawGraphSheet(QPainter& p, const QRectF& sheet, double axisWidth, double curveWidth) {
  p.save();
  p.translate(sheet.topLeft());
  p.scale(sheet.width() / 20, sheet.height() / 20);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(0, 0, 20, 20));
  p.setPen(QPen(QColor(40, 40, 40), axisWidth));
  p.drawLine(QPointF(2, 1), QPointF(2, 18));
  p.drawLine(QPointF(2, 18), QPointF(20, 18));
  QPainterPath curve;
  curve.moveTo(3, 17);
  curve.cubicTo(8, 15, 10, 12, 12, 8);
  curve.cubicTo(13, 5, 15, 3, 19, 2);
  p.setPen(QPen(QColor(200, 30, 30), curveWidth));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  p.restore();
}

void DrawGraph(QPainter& p) {
  DrawGraphSheet(p, QRectF(2, 2, 20, 20), 1.4, 1.6);
  p.setPen(QPen(QColor(30, 30, 160), 1.1));
  p.setBrush(Qt::NoBrush);
  for (QPointF point : {QPointF(8, 17.6), QPointF(12.5, 13), QPointF(17, 6)}) p.drawEllipse(point, 1.6, 1.6);
}

void DrawTable(QPainter& p) {
  p.setPen(QPen(QColor(50, 50, 50), 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2.5, 3.5, 19, 17));
  p.setBrush(QColor(190, 210, 240));
  p.drawRect(QRectF(2.5, 3.5, 19, 4));
  p.setPen(QPen(QColor(90, 90, 90), 1));
  for (double y : {11.5, 15.5}) p.drawLine(QPointF(2.5, y), QPointF(21.5, y));
  for (double x : {8.5, 15.0}) p.drawLine(QPointF(x, 3.5), QPointF(x, 20.5));
}

// A green arrow pointing left or right.
void DrawArrow(QPainter& p, bool left) {
  p.setPen(QPen(QColor(20, 90, 30), 1.2));
  p.setBrush(QColor(60, 170, 80));
  const double tip = left ? 3 : 21, tail = left ? 21 : 3;
  p.drawPolygon(QPolygonF({QPointF(tip, 12), QPointF(12, 4), QPointF(12, 9), QPointF(tail, 9), QPointF(tail, 15),
                           QPointF(12, 15), QPointF(12, 20)}));
}
void DrawPreviousPage(QPainter& p) { DrawArrow(p, true); }
void DrawNextPage(QPainter& p) { DrawArrow(p, false); }

// A small graph sheet on a blue tile.
void DrawProgram(QPainter& p) {
  p.setPen(QPen(QColor(20, 50, 100), 0.8));
  p.setBrush(QColor(40, 90, 170));
  p.drawRoundedRect(QRectF(1, 1, 22, 22), 3, 3);
  DrawGraphSheet(p, QRectF(4, 4, 16, 16), 1.0, 1.6);
}

DrawIcon DrawingOf(int command) {
  switch (command) {
    case kCmdFileNew: return DrawNew;
    case kCmdFileOpen: return DrawOpen;
    case kCmdFileSave: return DrawSave;
    case kCmdFilePrint: return DrawPrint;
    case kCmdAppAbout: return DrawAbout;
    case kCmdGraphPage: return DrawGraph;
    case kCmdTablePage: return DrawTable;
    case kCmdPrevPage: return DrawPreviousPage;
    case kCmdNextPage: return DrawNextPage;
    default: return nullptr;
  }
}

}  // namespace

QIcon CommandIcon(int command) {
  const DrawIcon draw = DrawingOf(command);
  return draw ? QIcon(new DrawnIconEngine(draw)) : QIcon();
}

QIcon ProgramIcon() { return QIcon(new DrawnIconEngine(DrawProgram)); }

}  // namespace vek
