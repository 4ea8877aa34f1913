#include "profile/profile_sheet.h"

#include <cmath>

#include "common/number_format.h"
#include "dxf/dxf_writer.h"

namespace tarvello {

namespace {

constexpr double kFrameLeft = 500;
constexpr double kMargin = 100;         // frame edge to the outer station line
constexpr double kNextPipeRight = 250;  // a continuing pipe's frame ends this far past its length
constexpr double kProfileGap = 200;     // between the frames of two profiles
constexpr double kTickSpacing = 10;
constexpr int kTickCount = 50;
constexpr double kShortTick = 10;
constexpr double kLongTick = 25;
constexpr double kEdgeTextHeight = kProfileAxisTextHeight;
constexpr double kTextHeight = kProfileTextHeight;
constexpr double kWidthFactor = kLetteringWidthFactor;
constexpr int kColour = 0;

struct Halves {
  double pipeSide;
  double outerSide;
};

Halves halvesFor(const std::string& kind) {
  if (kind == "End Wall" || kind == "End Section") return {2, 0};
  return {2, 2};
}

}  // namespace

void ProfileSheet::setStructureWidths(const std::string& upKind, const std::string& downKind) {
  const Halves up = halvesFor(upKind);
  upInnerHalf = up.pipeSide;
  upOuterHalf = up.outerSide;
  const Halves down = halvesFor(downKind);
  downInnerHalf = down.pipeSide;
  downOuterHalf = down.outerSide;
}

void ProfileSheet::placeFrame(FrameMode mode, double pipeLength) {
  frameBottom = 0;
  if (mode == FrameMode::Single) {
    frameLeft = kFrameLeft;
    frameRight = frameLeft + kMargin + pipeLength + downOuterHalf + downInnerHalf + upInnerHalf +
                 upOuterHalf + kMargin;
    downX = kFrameLeft + kMargin;
  } else {
    frameLeft = frameRight;
    frameRight = upX + pipeLength + kNextPipeRight;
    downX = upX;
  }
  finishPlacing(pipeLength);
}

void ProfileSheet::placeNextProfileFrame(double pipeLength) {
  frameLeft = frameRight + kProfileGap;
  frameBottom = 0;
  frameRight = frameLeft + kMargin + pipeLength + downOuterHalf + downInnerHalf + upInnerHalf +
               upOuterHalf + kMargin;
  downX = frameLeft + kMargin;
  finishPlacing(pipeLength);
}

void ProfileSheet::finishPlacing(double pipeLength) {
  frameTop = static_cast<double>(profileScale_) * 100;
  stationLineTop = frameTop + 25;
  upX = downX + pipeLength + downInnerHalf + upInnerHalf;
}

void ProfileSheet::drawBaseline(DxfDrawing& drawing) const {
  drawing.dxfLine("10", frameLeft, frameBottom, 0, frameRight, frameBottom, 0, kColour);
}

void ProfileSheet::drawLeftEdge(DxfDrawing& drawing) const {
  drawing.dxfLine("10", frameLeft, frameBottom, 0, frameLeft, frameTop, 0, kColour);
  drawing.dxfText("10", frameLeft - 10, 100, 0, kEdgeTextHeight, 90, kWidthFactor, "ELEVATION");
}

void ProfileSheet::drawRightEdge(DxfDrawing& drawing) const {
  drawing.dxfLine("10", frameRight, frameBottom, 0, frameRight, frameTop, 0, kColour);
  drawing.dxfText("10", frameRight + 20, 100, 0, kEdgeTextHeight, 90, kWidthFactor, "ELEVATION");
}

void ProfileSheet::drawTicks(DxfDrawing& drawing, double x, double direction) const {
  for (int i = 1; i <= kTickCount; ++i) {
    const double length = i % 5 == 0 ? kLongTick : kShortTick;
    const double tickY = kTickSpacing * i;
    drawing.dxfLine(currentLayer, x, tickY, 0, x + direction * length, tickY, 0, kColour);
  }
}

void ProfileSheet::drawLeftTicks(DxfDrawing& drawing) const { drawTicks(drawing, frameLeft, 1); }
void ProfileSheet::drawRightTicks(DxfDrawing& drawing) const { drawTicks(drawing, frameRight, -1); }

void ProfileSheet::drawElevations(DxfDrawing& drawing, double x, float base) const {
  // Each number stands 5 units above its long tick, one every 10 of elevation.
  drawing.dxfText("1", x, 5, 0, kTextHeight, 0, kWidthFactor, singleGeneral(base));
  for (int k = 1; k <= 10; ++k) {
    const float value = base + 10.0f * static_cast<float>(k);
    drawing.dxfText("1", x, 50.0 * k + 5, 0, kTextHeight, 0, kWidthFactor, singleGeneral(value));
  }
}

void ProfileSheet::drawLeftElevations(DxfDrawing& drawing, float base) const {
  drawElevations(drawing, frameLeft + 10, base);
}

void ProfileSheet::drawRightElevations(DxfDrawing& drawing, float base) const {
  drawElevations(drawing, frameRight - 25, base);
}

float computeBaseElevation(float tailWater) {
  const float steps = (tailWater - 30.0f) / 10.0f;
  return 10.0f * std::nearbyint(steps);  // default rounding mode: halves to even
}

}  // namespace tarvello
