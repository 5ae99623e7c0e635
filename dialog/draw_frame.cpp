#include "dialog/draw_frame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "qt/qt_draw_device.h"

namespace vek {

DrawFrame::DrawFrame(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void DrawFrame::SetDrawer(Drawer drawer) {
  drawer_ = std::move(drawer);
  update();
}

void DrawFrame::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (!drawer_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QtDrawDevice device(painter);
  drawer_(device, width(), height());
}

void DrawFrame::mousePressEvent(QMouseEvent* event) {
  emit Clicked(event->position().toPoint());
  QFrame::mousePressEvent(event);
}

void DrawFrame::keyPressEvent(QKeyEvent* event) {
  emit KeyPressed(event->key());
  QFrame::keyPressEvent(event);
}

}  // namespace vek
