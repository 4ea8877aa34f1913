#include "profile/profile_plot.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "dxf/dxf_writer.h"
#include "tables/row_lookups.h"

namespace tarvello {

namespace {

constexpr double kTextHeight = kProfileTextHeight;
constexpr double kAxisTextHeight = kProfileAxisTextHeight;
constexpr double kWidthFactor = kLetteringWidthFactor;
constexpr int kColour = 0;
constexpr int kPipeColour = 15;
constexpr int kHglColour = 3;
constexpr double kBubbleRadius = 15;
constexpr double kBodyBelowInvert = 4;

std::string num(float value) { return singleGeneral(value); }

}  // namespace

std::string stationText(double distance) {
  // No station is that far out, but a damaged record must not overflow the cast.
  if (!(std::fabs(distance) < 9e18)) return std::isfinite(distance) ? numberText(distance) : "";
  const auto d = static_cast<long long>(std::nearbyint(distance));
  return std::to_string(d / 100) + "+" + std::to_string(d % 100);
}

ProfilePlot::ProfilePlot(const ProfileTables& tables, const ProfileSettings& settings,
                         DxfDrawing& drawing, Warnings& warnings)
    : tables_(tables),
      settings_(settings),
      drawing_(drawing),
      reader_(warnings),
      structureRows_(StructureRowIndex::of(tables.structures)),
      sheet_(settings.profileScale) {}

bool ProfilePlot::rowEmpty(int row) const {
  return tables_.branches.cell(row, branchcol::NodeOut).empty();
}

void ProfilePlot::loadPipe(int row, FrameMode mode, bool nextProfile) {
  rec_ = loadPipePlotRecord(tables_, row, settings_.units, reader_, structureRows_);
  pipeNo_ = tables_.pipes.cell(row, pipecol::PipeNo).str();
  sheet_.setStructureWidths(rec_.upKind, rec_.downKind);
  if (nextProfile)
    sheet_.placeNextProfileFrame(rec_.pipeLength);
  else
    sheet_.placeFrame(mode, rec_.pipeLength);
  sheet_.downTopPoint.reset();
  sheet_.upTopPoint.reset();
}

// --- the three drawings ---------------------------------------------------

void ProfilePlot::drawPipeProfile(int row) {
  loadPipe(row, FrameMode::Single, false);
  sheet_.currentLayer = "10";
  sheet_.drawBaseline(drawing_);
  sheet_.drawLeftEdge(drawing_);
  sheet_.drawRightEdge(drawing_);
  sheet_.drawLeftTicks(drawing_);
  sheet_.drawRightTicks(drawing_);
  sheet_.baseElevation = computeBaseElevation(settings_.tailWater);
  sheet_.drawLeftElevations(drawing_, sheet_.baseElevation);
  sheet_.drawRightElevations(drawing_, sheet_.baseElevation);
  drawDownstreamEnd();
  drawUpstreamEnd(rec_.upInvText, false);
  if (rec_.downFound) drawBubble(sheet_.downX, rec_.downCode, rec_.downNo);
  if (rec_.upFound) drawBubble(sheet_.upX, rec_.upCode, rec_.upNo);
  drawDownstreamBody();
  drawUpstreamBody();
  if (rec_.downFound)
    drawNotes(sheet_.downX, rec_.downKind, rec_.downStd, rec_.downStation, rec_.downOffset,
              rec_.downOffsetLoc);
  if (rec_.upFound)
    drawNotes(sheet_.upX, rec_.upKind, rec_.upStd, rec_.upStation, rec_.upOffset, rec_.upOffsetLoc);
  drawPipe("STATION");
}

void ProfilePlot::drawBranchProfile(int row) {
  const int first = findFirstBranchRow(row);
  startProfile(first, false);
  const long long branch = branchNumber(tables_, first, reader_);
  bool isFirst = true;
  for (int i = first; i < tables_.branches.rowCount(); ++i) {
    if (rowEmpty(i)) break;
    const bool last = rowEmpty(i + 1) || branchNumber(tables_, i + 1, reader_) != branch;
    if (branchNumber(tables_, i, reader_) != branch) break;
    plotPipe(i, isFirst, last);
    isFirst = false;
  }
  closeProfile();
}

void ProfilePlot::drawAllProfiles() {
  long long branch = branchNumber(tables_, 1, reader_);
  bool first = true;
  startProfile(1, false);
  for (int i = 1; i < tables_.branches.rowCount(); ++i) {
    if (rowEmpty(i)) break;
    const long long current = branchNumber(tables_, i, reader_);
    if (current != branch) {
      closeProfile();
      first = true;
      startProfile(i, true);
    }
    // An empty next row ends the profile as well, so its last structure gets
    // no labels of a pipe that is never drawn.
    const bool last = rowEmpty(i + 1) || branchNumber(tables_, i + 1, reader_) != current;
    plotPipe(i, first, last);
    first = false;
    branch = current;
  }
  closeProfile();
}

int ProfilePlot::findFirstBranchRow(int row) const {
  return findBranchRow(tables_.branches, tables_.branches.cell(row, branchcol::BranchId));
}

// --- building blocks ------------------------------------------------------

void ProfilePlot::startProfile(int row, bool nextProfile) {
  loadPipe(row, FrameMode::Single, nextProfile);
  sheet_.drawLeftEdge(drawing_);
  sheet_.drawLeftTicks(drawing_);
  sheet_.baseElevation = computeBaseElevation(settings_.tailWater);
  sheet_.drawLeftElevations(drawing_, sheet_.baseElevation);
  drawDownstreamEnd();
  drawDownstreamStructure();
}

void ProfilePlot::plotPipe(int row, bool first, bool last) {
  if (!first) loadPipe(row, FrameMode::Multiple, false);
  sheet_.drawBaseline(drawing_);
  markDownstreamTop();
  drawUpstreamEnd(tables_.pipes.cell(row + 1, pipecol::ElevOut), !last);
  drawUpstreamStructure();
  drawPipe("STATION");
}

void ProfilePlot::closeProfile() {
  sheet_.drawRightEdge(drawing_);
  sheet_.drawRightTicks(drawing_);
  sheet_.drawRightElevations(drawing_, sheet_.baseElevation);
}

void ProfilePlot::drawDownstreamStructure() {
  if (!rec_.downFound) return;
  drawBubble(sheet_.downX, rec_.downCode, rec_.downNo);
  drawDownstreamBody();
  drawNotes(sheet_.downX, rec_.downKind, rec_.downStd, rec_.downStation, rec_.downOffset,
            rec_.downOffsetLoc);
}

void ProfilePlot::drawUpstreamStructure() {
  if (!rec_.upFound) return;
  drawBubble(sheet_.upX, rec_.upCode, rec_.upNo);
  drawUpstreamBody();
  drawNotes(sheet_.upX, rec_.upKind, rec_.upStd, rec_.upStation, rec_.upOffset, rec_.upOffsetLoc);
}

// --- entities -------------------------------------------------------------

void ProfilePlot::drawDownstreamEnd() {
  const double x = sheet_.downX + 10;
  drawing_.dxfLine("10", sheet_.downX, 0, 0, sheet_.downX, sheet_.stationLineTop, 0, kColour);
  drawing_.dxfText("10", x, 2.5, 0, kTextHeight, 90, kWidthFactor, "0+00");
  drawing_.dxfText("10", x, 30, 0, kTextHeight, 90, kWidthFactor, "INV. " + rec_.downInvText);
  if (rec_.downHglFound)
    drawing_.dxfText("3", x, 75, 0, kTextHeight, 90, kWidthFactor, "HGL. " + num(rec_.downHglHigh));
  if (rec_.downFound)
    drawing_.dxfText("10", x, sheet_.y(rec_.downTop) + 10, 0, kTextHeight, 90, kWidthFactor,
                     "T.W. " + num(rec_.downTop));
}

void ProfilePlot::drawUpstreamEnd(const std::string& rightInvText, bool continues) {
  const double x = sheet_.upX;
  drawing_.dxfLine("10", x, 0, 0, x, sheet_.stationLineTop, 0, kColour);
  drawing_.dxfText("10", x - 5, 2.5, 0, kTextHeight, 90, kWidthFactor,
                   stationText(sheet_.upX - sheet_.downX));
  drawing_.dxfText("10", x - 5, 30, 0, kTextHeight, 90, kWidthFactor, "INV. " + rec_.upInvText);
  if (continues) {
    // The structure carries on into the next pipe of the profile: its right
    // side shows that pipe's invert and the structure's higher grade line.
    drawing_.dxfText("10", x + 10, 30, 0, kTextHeight, 90, kWidthFactor, "INV. " + rightInvText);
    if (rec_.upHglFound)
      drawing_.dxfText("10", x + 10, 75, 0, kTextHeight, 90, kWidthFactor,
                       "HGL " + num(rec_.upHglHigh));
  }
  if (rec_.upHglFound)
    drawing_.dxfText("3", x - 5, 75, 0, kTextHeight, 90, kWidthFactor,
                     "HGL. " + num(rec_.upHglLow));
  if (rec_.upFound)
    drawing_.dxfText("10", x + 10, sheet_.y(rec_.upTop) + 10, 0, kTextHeight, 90, kWidthFactor,
                     "T.C. " + num(rec_.upTop));
}

void ProfilePlot::drawBubble(double x0, const std::string& code, const std::string& number) {
  const double cy = sheet_.stationLineTop + kBubbleRadius;
  drawing_.dxfCircle("1", x0, cy, 0, kBubbleRadius);
  drawing_.dxfLine("1", x0 - kBubbleRadius, cy, 0, x0 + kBubbleRadius, cy, 0, kColour);
  drawing_.dxfText("1", x0 - 5, cy + 2, 0, kTextHeight, 0, kWidthFactor, code);
  drawing_.dxfText("1", x0 - 10, cy - 10, 0, kTextHeight, 0, kWidthFactor, number);
  if (settings_.revisions && settings_.revisions->structures.count(number)) {
    constexpr double kClear = 5;
    drawing_.dxfCloud(kRevisionLayer, x0 - kBubbleRadius - kClear, cy - kBubbleRadius - kClear,
                      x0 + kBubbleRadius + kClear, cy + kBubbleRadius + kClear, 8);
  }
}

void ProfilePlot::drawDownstreamBody() {
  if (!rec_.downFound) return;
  drawing_.dxfRectangle("1", sheet_.downX - sheet_.downOuterHalf,
                        sheet_.y(rec_.downBottom) - kBodyBelowInvert, 0,
                        sheet_.downX + sheet_.downInnerHalf, sheet_.y(rec_.downTop), 0);
  markDownstreamTop();
}

void ProfilePlot::markDownstreamTop() {
  if (rec_.downFound) sheet_.downTopPoint = SheetPoint{sheet_.downX, sheet_.y(rec_.downTop)};
}

void ProfilePlot::drawUpstreamBody() {
  if (!rec_.upFound) return;
  // Reaches down to the pipe's own invert, not to the structure's bottom.
  drawing_.dxfRectangle("1", sheet_.upX - sheet_.upInnerHalf,
                        sheet_.y(rec_.upInv) - kBodyBelowInvert, 0, sheet_.upX + sheet_.upOuterHalf,
                        sheet_.y(rec_.upTop), 0);
  sheet_.upTopPoint = SheetPoint{sheet_.upX, sheet_.y(rec_.upTop)};
}

void ProfilePlot::drawNotes(double x0, const std::string& kind, const std::string& standard,
                            const std::string& station, const std::string& offset,
                            const std::string& offsetLoc) {
  const double x = x0 - 25;
  drawing_.dxfText("1", x, 595, 0, kTextHeight, 0, kWidthFactor, kind);
  drawing_.dxfText("1", x, 585, 0, kTextHeight, 0, kWidthFactor, "VDOT ST'D " + standard);
  drawing_.dxfText("1", x, 575, 0, kTextHeight, 0, kWidthFactor, "STA " + station);
  drawing_.dxfText("1", x, 565, 0, kTextHeight, 0, kWidthFactor, offset + "'" + offsetLoc);
}

std::string ProfilePlot::sizeCallout() const {
  std::string text;
  // An empty, unreadable, zero or negative count is one barrel for the
  // hydraulics, so only two barrels or more get a count prefix.
  if (rec_.pipeCount >= 2 && parseNumber(rec_.pipeCountText)) text += rec_.pipeCountText + "-";
  text += rec_.shape == "Circular" ? num(rec_.rise) : num(rec_.span) + "X" + num(rec_.rise);
  text += settings_.units.metric ? "MM" : "\"";
  text += " " + rec_.shape + " " + rec_.material + " @" + num(rec_.slope) + "%";
  return text;
}

void ProfilePlot::drawPipe(const std::string& axisText) {
  if (sheet_.downTopPoint && sheet_.upTopPoint)
    drawing_.dxfLine("1", sheet_.downTopPoint->x, sheet_.downTopPoint->y, 0, sheet_.upTopPoint->x,
                     sheet_.upTopPoint->y, 0, kColour);

  const double xs = sheet_.downX + sheet_.downInnerHalf;
  const double xe = sheet_.upX - sheet_.upInnerHalf;
  const double scale = sheet_.profileScale();
  const double crown = scale * rec_.rise / settings_.units.sizeDivisor;
  const double wall = scale * rec_.wallThickness;
  const double downInvert = sheet_.y(rec_.downInv);
  const double upInvert = sheet_.y(rec_.upInv);
  drawing_.dxfLine("2", xs, downInvert, 0, xe, upInvert, 0, kPipeColour);
  drawing_.dxfLine("2", xs, downInvert + crown, 0, xe, upInvert + crown, 0, kPipeColour);
  drawing_.dxfLine("2", xs, downInvert - wall, 0, xe, upInvert - wall, 0, kPipeColour);
  drawing_.dxfLine("2", xs, downInvert + crown + wall, 0, xe, upInvert + crown + wall, 0,
                   kPipeColour);

  if (rec_.downHglFound && rec_.upHglFound) {
    drawing_.dxfLine("3", xs, sheet_.y(rec_.downHglHigh), 0, xe, sheet_.y(rec_.upHglLow), 0,
                     kHglColour);
    if (settings_.energyGradeLine) {
      const double gravity = settings_.units.metric ? 9.81 : 32.2;
      const double v = rec_.velocity;
      const double head = scale * v * v / (2 * gravity);
      drawing_.dxfLine(kEnergyGradeLayer, xs, sheet_.y(rec_.downHglHigh) + head, 0, xe,
                       sheet_.y(rec_.upHglLow) + head, 0, kEnergyGradeColour);
    }
  }

  const bool metric = settings_.units.metric;
  const double q = (sheet_.upX - sheet_.downX) / 4;
  const double x = sheet_.downX + q - 10;
  drawing_.dxfText("2", sheet_.downX + q, -10, 0, kAxisTextHeight, 0, kWidthFactor, axisText);
  drawing_.dxfText("2", x, -20, 0, kAxisTextHeight, 0, kWidthFactor, rec_.title());
  const std::string callouts[] = {num(rec_.pipeLength) + (metric ? " M" : " L.F."), sizeCallout(),
                                  "Q10=" + num(rec_.discharge) + (metric ? " CMS" : " CFS"),
                                  "V10=" + num(rec_.velocity) + (metric ? " M/S" : " FPS")};
  const double ys[] = {32.5, 22.5, 12.5, 2.5};
  size_t longest = 0;
  for (int i = 0; i < 4; ++i) {
    drawing_.dxfText("2", x, ys[i], 0, kTextHeight, 0, kWidthFactor, callouts[i]);
    longest = std::max(longest, callouts[i].size());
  }
  if (settings_.revisions && settings_.revisions->pipes.count(pipeNo_)) {
    // Round the four callouts; a letter is about as wide as it is high.
    constexpr double kClear = 4;
    drawing_.dxfCloud(kRevisionLayer, x - kClear, ys[3] - kClear,
                      x + static_cast<double>(longest) * kTextHeight * kWidthFactor + kClear,
                      ys[0] + kTextHeight + kClear, 8);
  }
}

}  // namespace tarvello
