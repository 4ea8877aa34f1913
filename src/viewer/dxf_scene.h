#pragma once
// Turns the entities of a DXF drawing into items of a graphics scene. The
// scene's y axis points down, the drawing's up: every y is negated, so the
// drawing appears the right way up and texts stay readable.
#include <QColor>
#include <QPointF>
#include <QTransform>

#include "dxf/dxf_reader.h"

class QFontMetricsF;
class QPainterPath;
class QGraphicsScene;

namespace tarvello {

// Colour of an AutoCAD colour index on a white sheet: 7 (white on a dark
// screen) is drawn black, yellow darkened so that it stays visible.
QColor aciColour(int index);

// Where a drawing point lands in the scene.
inline QPointF scenePoint(DxfPoint p) { return {p.x, -p.y}; }

// An arc's path, counter-clockwise from its start angle to its end angle.
QPainterPath arcPath(const DxfArcEntity& a);

// Texts are laid out in a font of this pixel size and scaled to their
// drawing height: small pixel sizes would round the glyph metrics badly.
extern const int kDxfTextPixels;

// Places text laid out in that font (its natural width given) at its drawing
// position, height, rotation, width factor and alignment.
QTransform dxfTextTransform(const DxfTextEntity& t, const QFontMetricsF& metrics,
                            double naturalWidth);

// Adds one item per entity to `scene`; returns the number of items added.
int addDxfEntities(QGraphicsScene& scene, const DxfEntities& entities);

}  // namespace tarvello
