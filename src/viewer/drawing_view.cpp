#include "viewer/drawing_view.h"

#include <QGraphicsScene>
#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "viewer/dxf_scene.h"
#include "viewer/dxf_tiles.h"

namespace tarvello {
namespace {

constexpr double kWheelStep = 1.25;  // zoom per wheel notch
constexpr double kMinZoom = 1e-6;    // limits that keep the transform invertible
constexpr double kMaxZoom = 1e6;

}  // namespace

DrawingView::DrawingView(QWidget* parent)
    : QGraphicsView(parent), scene_(new QGraphicsScene(this)) {
  setScene(scene_);
  setBackgroundBrush(Qt::white);
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  setDragMode(QGraphicsView::ScrollHandDrag);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setResizeAnchor(QGraphicsView::AnchorViewCenter);
  setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
  setFocusPolicy(Qt::StrongFocus);
}

void DrawingView::showEntities(const DxfEntities& entities) {
  scene_->clear();
  if (entities.count() > kTiledEntitiesAbove)
    addDxfTiles(*scene_, entities);
  else
    addDxfEntities(*scene_, entities);
  extent_ = scene_->itemsBoundingRect();
  // Room around the drawing so that panning can bring every edge to the centre.
  const double margin = std::max({extent_.width(), extent_.height(), 1.0});
  scene_->setSceneRect(extent_.adjusted(-margin, -margin, margin, margin));
  fitDrawing();
  autoFit_ = true;
}

void DrawingView::clearDrawing() {
  scene_->clear();
  extent_ = QRectF();
  scene_->setSceneRect(QRectF(0, 0, 1, 1));
  resetTransform();
  autoFit_ = false;
}

void DrawingView::fitDrawing() {
  if (extent_.isNull()) return;
  QRectF target = extent_;
  if (target.width() <= 0) target.adjust(-0.5, 0, 0.5, 0);
  if (target.height() <= 0) target.adjust(0, -0.5, 0, 0.5);
  const double pad = 0.03 * std::max(target.width(), target.height());
  fitInView(target.adjusted(-pad, -pad, pad, pad), Qt::KeepAspectRatio);
  autoFit_ = true;
}

void DrawingView::zoomBy(double factor) {
  const auto anchor = transformationAnchor();
  setTransformationAnchor(QGraphicsView::AnchorViewCenter);
  applyZoom(factor);
  setTransformationAnchor(anchor);
}

int DrawingView::itemCount() const { return static_cast<int>(scene_->items().size()); }

void DrawingView::applyZoom(double factor) {
  autoFit_ = false;
  const double next = zoom() * factor;
  if (next < kMinZoom || next > kMaxZoom) return;
  scale(factor, factor);
}

void DrawingView::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    event->ignore();
    return;
  }
  applyZoom(std::pow(kWheelStep, delta / 120.0));
  event->accept();
}

void DrawingView::mouseDoubleClickEvent(QMouseEvent* event) {
  fitDrawing();
  event->accept();
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Home:
      fitDrawing();
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      zoomBy(kWheelStep);
      break;
    case Qt::Key_Minus:
      zoomBy(1 / kWheelStep);
      break;
    default:
      QGraphicsView::keyPressEvent(event);
      return;
  }
  event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
  autoFit_ = false;
  QGraphicsView::mousePressEvent(event);
}

void DrawingView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  if (autoFit_) fitDrawing();
}

}  // namespace tarvello
