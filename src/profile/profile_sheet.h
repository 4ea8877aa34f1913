#pragma once
// The profile sheet: where each pipe's frame and station lines lie, how wide
// its structures are drawn, and the frame with its ticks and elevations.
// Horizontally one unit is one unit of pipe length; vertically an elevation e
// is drawn at (e - baseElevation) * profileScale.
#include <optional>
#include <string>

namespace tarvello {

class DxfDrawing;

struct SheetPoint {
  double x = 0;
  double y = 0;
};

enum class FrameMode { Single, Multiple };

// One profile drawing's sheet state, carried from pipe to pipe.
class ProfileSheet {
 public:
  explicit ProfileSheet(float profileScale = 5.0f) : profileScale_(profileScale) {}

  // Half-widths of the two structures from their "Str. Type" texts. End walls
  // and end sections stand only on the pipe side of their station line; every
  // other kind, known or not, is drawn as wide as a manhole.
  void setStructureWidths(const std::string& upKind, const std::string& downKind);
  // Single: the first pipe of a drawing. Multiple: a further pipe of the same
  // profile, continuing from the previous pipe's upstream station line.
  void placeFrame(FrameMode mode, double pipeLength);
  // The first pipe of a further profile in the same drawing, 200 units right
  // of the previous frame.
  void placeNextProfileFrame(double pipeLength);

  double y(double elevation) const { return (elevation - baseElevation) * profileScale_; }
  float profileScale() const { return profileScale_; }

  void drawBaseline(DxfDrawing& drawing) const;
  void drawLeftEdge(DxfDrawing& drawing) const;
  void drawRightEdge(DxfDrawing& drawing) const;
  void drawLeftTicks(DxfDrawing& drawing) const;
  void drawRightTicks(DxfDrawing& drawing) const;
  void drawLeftElevations(DxfDrawing& drawing, float base) const;
  void drawRightElevations(DxfDrawing& drawing, float base) const;

  double frameLeft = 0;
  double frameRight = 0;
  double frameBottom = 0;
  double frameTop = 0;
  double downX = 0;
  double upX = 0;
  double stationLineTop = 0;
  double downOuterHalf = 0;
  double downInnerHalf = 0;
  double upInnerHalf = 0;
  double upOuterHalf = 0;
  float baseElevation = 0;
  std::string currentLayer = "10";
  // Tops of the pipe's two structures, for the line joining them; unset when
  // the structure was not found.
  std::optional<SheetPoint> downTopPoint;
  std::optional<SheetPoint> upTopPoint;

 private:
  void finishPlacing(double pipeLength);
  void drawTicks(DxfDrawing& drawing, double x, double direction) const;
  void drawElevations(DxfDrawing& drawing, double x, float base) const;

  float profileScale_;
};

// The elevation drawn at the baseline: the tail water less 30, to the nearest
// 10 (halves to even), in single precision.
float computeBaseElevation(float tailWater);

}  // namespace tarvello
