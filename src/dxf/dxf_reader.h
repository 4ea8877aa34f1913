#pragma once
// Reading of ASCII DXF drawings for the viewer: the entities it can show,
// collected as plain data (drawing units, y pointing up) before anything is
// drawn, so that the reading can be checked without a window.
#include <functional>
#include <string>
#include <vector>

namespace tarvello {

struct DxfPoint {
  double x = 0;
  double y = 0;
};

// Colour: the AutoCAD colour index after BYLAYER has been resolved through
// the layer table (0 = BYBLOCK, drawn like 7).
struct DxfLineEntity {
  DxfPoint start, end;
  int colour = 7;
};

struct DxfCircleEntity {
  DxfPoint centre;
  double radius = 0;
  int colour = 7;
};

// Angles in degrees, counter-clockwise from the x axis; the arc runs from
// startAngle counter-clockwise to endAngle.
struct DxfArcEntity {
  DxfPoint centre;
  double radius = 0;
  double startAngle = 0;
  double endAngle = 0;
  int colour = 7;
};

struct DxfTextEntity {
  DxfPoint insertion;  // left end of the baseline for left-aligned text
  DxfPoint alignment;  // used when hAlign or vAlign is not 0
  double height = 1;
  double rotation = 0;  // degrees, counter-clockwise
  double widthFactor = 1;
  int hAlign = 0;  // 0 left, 1 centre, 2 right, 3 aligned, 4 middle, 5 fit
  int vAlign = 0;  // 0 baseline, 1 bottom, 2 middle, 3 top
  std::string text;
  int colour = 7;
};

// POLYLINE with its VERTEX records, or LWPOLYLINE. Bulged segments are
// already broken into short straight pieces.
struct DxfPolylineEntity {
  std::vector<DxfPoint> points;
  bool closed = false;
  int colour = 7;
};

struct DxfBounds {
  bool empty = true;
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  void include(DxfPoint p);
};

struct DxfEntities {
  std::vector<DxfLineEntity> lines;
  std::vector<DxfCircleEntity> circles;
  std::vector<DxfArcEntity> arcs;
  std::vector<DxfTextEntity> texts;
  std::vector<DxfPolylineEntity> polylines;
  int skipped = 0;  // entities of kinds the viewer does not draw (INSERT, SOLID, ...)

  size_t count() const {
    return lines.size() + circles.size() + arcs.size() + texts.size() + polylines.size();
  }
  // Extent of the geometry; texts count with their insertion points only.
  DxfBounds bounds() const;
};

struct DxfReadResult {
  bool ok = false;
  bool cancelled = false;  // the progress callback asked to stop
  std::string error;       // why the file cannot be shown, in words for the user
  DxfEntities entities;
};

// Reads a DXF file. A file that cannot be opened, a binary DXF file and text
// that is not made of DXF group codes and values give ok = false and a reason.
DxfReadResult readDxfFile(const std::string& path);
// Told now and then how much of the drawing has been read (0 to 1); false
// stops the reading, which then gives ok = false and cancelled = true.
using DxfProgress = std::function<bool(double fraction)>;
DxfReadResult readDxfFile(const std::string& path, const DxfProgress& progress);
// The same for the text of a drawing held in memory.
DxfReadResult readDxfText(const std::string& text);

// The points of a polyline segment from `from` to `to` with the DXF bulge
// (tangent of a quarter of the included angle; 0 is straight), without `from`.
std::vector<DxfPoint> bulgeSegment(DxfPoint from, DxfPoint to, double bulge);

}  // namespace tarvello
