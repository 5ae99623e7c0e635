#pragma once
// A small graph of a form: a frame widget whose contents are drawn through the sheets' DrawDevice
// (device units = widget pixels). Clicks and arrow keys are reported to the form.
#include <QFrame>
#include <functional>

namespace vek {

class DrawDevice;

class DrawFrame : public QFrame {
  Q_OBJECT
 public:
  explicit DrawFrame(QWidget* parent = nullptr);

  // Draws the graph into a device of width x height pixels.
  using Drawer = std::function<void(DrawDevice& device, int width, int height)>;
  void SetDrawer(Drawer drawer);

 signals:
  void Clicked(QPoint position);
  void KeyPressed(int key);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Drawer drawer_;
};

}  // namespace vek
