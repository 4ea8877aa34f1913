#pragma once
// A view of a drawing on a white sheet: the wheel zooms about the pointer,
// dragging with the mouse pans, a double click (or Home) fits the drawing.
#include <QGraphicsView>

#include "dxf/dxf_reader.h"

namespace tarvello {

class DrawingView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit DrawingView(QWidget* parent = nullptr);

  // Replaces the drawing shown and fits it into the view.
  void showEntities(const DxfEntities& entities);
  void clearDrawing();
  // Scales and centres so that the whole drawing is visible.
  void fitDrawing();
  // Zooms by `factor` about the centre of the view.
  void zoomBy(double factor);
  double zoom() const { return transform().m11(); }
  int itemCount() const;

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void applyZoom(double factor);
  QGraphicsScene* scene_;
  QRectF extent_;
  // The drawing follows the view's size until the user zooms or pans.
  bool autoFit_ = false;
};

}  // namespace tarvello
