#include "viewer/dxf_scene.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPainterPath>
#include <QPen>

#include <cmath>
#include <numbers>

#include "dxf/aci_colours.h"

namespace tarvello {

const int kDxfTextPixels = 64;

namespace {

QPen entityPen(int colour) {
  QPen pen(aciColour(colour));
  pen.setCosmetic(true);  // one pixel wide at every zoom
  pen.setWidth(1);
  return pen;
}

}  // namespace

QTransform dxfTextTransform(const DxfTextEntity& t, const QFontMetricsF& metrics,
                            double naturalWidth) {
  const double capHeight = metrics.capHeight() > 0 ? metrics.capHeight() : metrics.ascent() * 0.7;
  const double scale = t.height / capHeight;
  double widthFactor = t.widthFactor > 0 ? t.widthFactor : 1.0;
  double rotation = t.rotation;
  QPointF anchor = scenePoint(t.insertion);

  // Anchor of the text in the item's own coordinates: the left end of the
  // baseline unless the text is aligned otherwise.
  double ax = 0;
  double ay = metrics.ascent();
  switch (t.hAlign) {
    case 1:  // centre
    case 4:  // middle
      ax = naturalWidth / 2;
      anchor = scenePoint(t.alignment);
      break;
    case 2:  // right
      ax = naturalWidth;
      anchor = scenePoint(t.alignment);
      break;
    case 3:  // aligned and fit: the text spans the two points
    case 5: {
      const double dx = t.alignment.x - t.insertion.x;
      const double dy = t.alignment.y - t.insertion.y;
      const double span = std::hypot(dx, dy);
      if (span > 0 && naturalWidth > 0) {
        rotation = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
        widthFactor = span / (naturalWidth * scale);
      }
      break;
    }
    default:
      break;
  }
  if (t.hAlign == 4) {
    ay = metrics.ascent() - capHeight / 2;
  } else if (t.hAlign < 3) {
    switch (t.vAlign) {
      case 1:
        ay = metrics.ascent() + metrics.descent();
        break;
      case 2:
        ay = metrics.ascent() - capHeight / 2;
        break;
      case 3:
        ay = metrics.ascent() - capHeight;
        break;
      default:
        break;
    }
    if (t.vAlign != 0 && t.hAlign == 0) anchor = scenePoint(t.alignment);
  }

  return QTransform()
      .translate(anchor.x(), anchor.y())
      .rotate(-rotation)
      .scale(widthFactor * scale, scale)
      .translate(-ax, -ay);
}

namespace {

void addText(QGraphicsScene& scene, const DxfTextEntity& t, const QFont& font,
             const QFontMetricsF& metrics) {
  if (t.text.empty() || !(t.height > 0)) return;
  auto* item = new QGraphicsSimpleTextItem(QString::fromStdString(t.text));
  item->setFont(font);
  item->setBrush(aciColour(t.colour));
  item->setTransform(dxfTextTransform(t, metrics, metrics.horizontalAdvance(item->text())));
  scene.addItem(item);
}

}  // namespace

QColor aciColour(int index) {
  const AciRgb c = aciRgb(index);
  return {c.r, c.g, c.b};
}

QPainterPath arcPath(const DxfArcEntity& a) {
  const QPointF centre = scenePoint(a.centre);
  const QRectF box(centre.x() - a.radius, centre.y() - a.radius, 2 * a.radius, 2 * a.radius);
  double sweep = std::fmod(a.endAngle - a.startAngle, 360.0);
  if (sweep <= 0) sweep += 360.0;
  // With y negated, Qt's counter-clockwise angles are the drawing's.
  QPainterPath path;
  path.arcMoveTo(box, a.startAngle);
  path.arcTo(box, a.startAngle, sweep);
  return path;
}

int addDxfEntities(QGraphicsScene& scene, const DxfEntities& entities) {
  const int before = static_cast<int>(scene.items().size());
  for (const auto& l : entities.lines)
    scene.addLine(QLineF(scenePoint(l.start), scenePoint(l.end)), entityPen(l.colour));
  for (const auto& c : entities.circles) {
    if (!(c.radius > 0)) continue;
    const QPointF centre = scenePoint(c.centre);
    scene.addEllipse(
        QRectF(centre.x() - c.radius, centre.y() - c.radius, 2 * c.radius, 2 * c.radius),
        entityPen(c.colour));
  }
  for (const auto& a : entities.arcs) {
    if (!(a.radius > 0)) continue;
    scene.addPath(arcPath(a), entityPen(a.colour));
  }
  for (const auto& p : entities.polylines) {
    if (p.points.empty()) continue;
    QPainterPath path(scenePoint(p.points.front()));
    for (size_t i = 1; i < p.points.size(); ++i) path.lineTo(scenePoint(p.points[i]));
    if (p.closed) path.closeSubpath();
    scene.addPath(path, entityPen(p.colour));
  }
  QFont font;
  font.setPixelSize(kDxfTextPixels);
  const QFontMetricsF metrics(font);
  for (const auto& t : entities.texts) addText(scene, t, font, metrics);
  return static_cast<int>(scene.items().size()) - before;
}

}  // namespace tarvello
