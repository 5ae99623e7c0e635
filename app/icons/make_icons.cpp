// Draws the toolbar and program icons (PNG) under app/icons/. Not part of the build; to redraw:
//   g++ -std=c++20 -fPIC make_icons.cpp $(pkg-config --cflags --libs Qt6Gui) -o make_icons && QT_QPA_PLATFORM=offscreen ./make_icons
// (writes into out/).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QFont>
#include <functional>

static void Save(const char* name, int size, const std::function<void(QPainter&)>& draw) {
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 24.0, size / 24.0);
  draw(p);
  p.end();
  img.save(QString("out/%1.png").arg(name));
}

static void Sheet(QPainter& p) {
  QPainterPath path;
  path.moveTo(5, 2); path.lineTo(14, 2); path.lineTo(19, 7); path.lineTo(19, 22); path.lineTo(5, 22); path.closeSubpath();
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(Qt::white);
  p.drawPath(path);
  p.drawPolyline(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  for (int size : {24}) {
    Save("new", size, [](QPainter& p) {
      Sheet(p);
      p.setPen(QPen(QColor(230, 170, 0), 1.6));
      p.drawLine(QPointF(17, 14), QPointF(23, 14)); p.drawLine(QPointF(20, 11), QPointF(20, 17));
    });
    Save("open", size, [](QPainter& p) {
      p.setPen(QPen(QColor(120, 90, 20), 1.2));
      p.setBrush(QColor(240, 200, 80));
      p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(9, 6), QPointF(11, 8), QPointF(20, 8), QPointF(20, 20), QPointF(2, 20)}));
      p.setBrush(QColor(250, 220, 120));
      p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 20), QPointF(2, 20)}));
    });
    Save("save", size, [](QPainter& p) {
      p.setPen(QPen(QColor(20, 40, 90), 1.2));
      p.setBrush(QColor(50, 90, 170));
      p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(6, 3, 12, 7));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(7, 14, 10, 7));
      p.setBrush(QColor(20, 40, 90));
      p.drawRect(QRectF(13, 4.5, 2.5, 4));
    });
    Save("print", size, [](QPainter& p) {
      p.setPen(QPen(QColor(60, 60, 60), 1.2));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 2, 10, 8));
      p.setBrush(QColor(170, 170, 170));
      p.drawRoundedRect(QRectF(2, 9, 20, 9), 1.5, 1.5);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(6, 15, 12, 7));
      p.setPen(QPen(QColor(120, 120, 120), 1));
      p.drawLine(QPointF(8, 18), QPointF(16, 18)); p.drawLine(QPointF(8, 20), QPointF(14, 20));
      p.setPen(Qt::NoPen); p.setBrush(QColor(0, 170, 0)); p.drawEllipse(QPointF(19, 12), 1, 1);
    });
    Save("about", size, [](QPainter& p) {
      p.setPen(QPen(QColor(20, 60, 140), 1.2));
      p.setBrush(QColor(60, 120, 210));
      p.drawEllipse(QRectF(2, 2, 20, 20));
      QFont f("DejaVu Sans"); f.setPixelSize(15); f.setBold(true);
      p.setFont(f); p.setPen(Qt::white);
      p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, "?");
    });
    Save("graph", size, [](QPainter& p) {
      p.setPen(Qt::NoPen); p.setBrush(Qt::white); p.drawRect(QRectF(2, 2, 20, 20));
      p.setPen(QPen(QColor(40, 40, 40), 1.4));
      p.drawLine(QPointF(4, 3), QPointF(4, 20)); p.drawLine(QPointF(4, 20), QPointF(22, 20));
      QPainterPath c; c.moveTo(5, 19); c.cubicTo(10, 17, 12, 14, 14, 10); c.cubicTo(15, 7, 17, 5, 21, 4);
      p.setPen(QPen(QColor(200, 30, 30), 1.6)); p.setBrush(Qt::NoBrush); p.drawPath(c);
      p.setPen(QPen(QColor(30, 30, 160), 1.1));
      for (QPointF pt : {QPointF(8, 17.6), QPointF(12.5, 13), QPointF(17, 6)}) p.drawEllipse(pt, 1.6, 1.6);
    });
    Save("table", size, [](QPainter& p) {
      p.setPen(QPen(QColor(50, 50, 50), 1.2)); p.setBrush(Qt::white);
      p.drawRect(QRectF(2.5, 3.5, 19, 17));
      p.setBrush(QColor(190, 210, 240)); p.drawRect(QRectF(2.5, 3.5, 19, 4));
      p.setPen(QPen(QColor(90, 90, 90), 1));
      for (double y : {11.5, 15.5}) p.drawLine(QPointF(2.5, y), QPointF(21.5, y));
      for (double x : {8.5, 15.0}) p.drawLine(QPointF(x, 3.5), QPointF(x, 20.5));
    });
    auto arrow = [](bool left) {
      return [left](QPainter& p) {
        p.setPen(QPen(QColor(20, 90, 30), 1.2)); p.setBrush(QColor(60, 170, 80));
        if (left) p.drawPolygon(QPolygonF({QPointF(3, 12), QPointF(12, 4), QPointF(12, 9), QPointF(21, 9), QPointF(21, 15), QPointF(12, 15), QPointF(12, 20)}));
        else p.drawPolygon(QPolygonF({QPointF(21, 12), QPointF(12, 4), QPointF(12, 9), QPointF(3, 9), QPointF(3, 15), QPointF(12, 15), QPointF(12, 20)}));
      };
    };
    Save("prev_page", size, arrow(true));
    Save("next_page", size, arrow(false));
  }
  for (int size : {48, 256}) {
    Save(size == 48 ? "vek" : "vek-256", size, [](QPainter& p) {
      p.setPen(QPen(QColor(20, 50, 100), 0.8)); p.setBrush(QColor(40, 90, 170));
      p.drawRoundedRect(QRectF(1, 1, 22, 22), 3, 3);
      p.setBrush(Qt::white); p.setPen(Qt::NoPen);
      p.drawRect(QRectF(4, 4, 16, 16));
      p.setPen(QPen(QColor(40, 40, 40), 0.8));
      p.drawLine(QPointF(6, 5.5), QPointF(6, 18)); p.drawLine(QPointF(6, 18), QPointF(19, 18));
      QPainterPath c; c.moveTo(6.5, 17); c.cubicTo(9, 15.5, 11, 12, 12, 10); c.cubicTo(13, 8, 15, 6.5, 18.5, 6);
      p.setPen(QPen(QColor(210, 40, 30), 1.3)); p.setBrush(Qt::NoBrush); p.drawPath(c);
    });
  }
  return 0;
}
