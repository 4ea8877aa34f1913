#include "dxf/dxf_reader.h"

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <numbers>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "dxf/dxf_count_guard.h"

namespace tarvello {
namespace {

// Drawings of a project are a few megabytes at most; a file this large is
// almost certainly not a drawing, and reading it would only freeze the window.
constexpr std::streamoff kMaxFileSize = 256LL * 1024 * 1024;

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::optional<int> groupCode(std::string_view line) {
  const std::string_view t = trimmed(line);
  if (t.empty() || t.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  // The largest group code of the format is 1071.
  if (value > 1071) return std::nullopt;
  return value;
}

// Checks that the text is a sequence of group code and value lines that
// begins with a section, before dxflib sees it: dxflib reads almost anything
// without complaint, and trusts the vertex counts of LWPOLYLINE records.
std::string checkGroups(const std::string& text) {
  if (text.empty()) return "The file is empty.";
  if (text.rfind("AutoCAD Binary DXF", 0) == 0)
    return "The file is a binary DXF file; only ASCII DXF drawings can be shown.";
  if (text.find('\0') != std::string::npos)
    return "The file is not a DXF drawing (it holds binary data).";

  size_t pos = 0;
  size_t lineNo = 0;
  auto nextLine = [&](std::string_view& line) {
    if (pos >= text.size()) return false;
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    line = std::string_view(text).substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    return true;
  };

  bool sawSection = false;
  bool inLwPolyline = false;
  long declaredVertices = 0;
  long vertices = 0;
  std::string_view codeLine, valueLine;
  while (nextLine(codeLine)) {
    if (trimmed(codeLine).empty() && pos >= text.size()) break;  // trailing line end
    const auto code = groupCode(codeLine);
    if (!code) {
      return "The file is not a DXF drawing: line " + std::to_string(lineNo) +
             " should hold a group code but reads \"" +
             std::string(trimmed(codeLine).substr(0, 40)) + "\".";
    }
    if (!nextLine(valueLine)) {
      return "The file is not a complete DXF drawing: the group code on line " +
             std::to_string(lineNo) + " has no value.";
    }
    const std::string_view value = trimmed(valueLine);
    if (!sawSection && *code != 999) {
      if (*code != 0 || value != "SECTION")
        return "The file is not a DXF drawing: it does not begin with a SECTION.";
      sawSection = true;
    }
    if (*code == 0) {
      if (inLwPolyline && vertices > declaredVertices) {
        return "The drawing is damaged: an LWPOLYLINE lists more vertices than it declares.";
      }
      inLwPolyline = value == "LWPOLYLINE";
      declaredVertices = 0;
      vertices = 0;
      if (value == "EOF") break;
    } else if (inLwPolyline && *code == 90) {
      declaredVertices = std::strtol(std::string(value).c_str(), nullptr, 10);
    } else if (inLwPolyline && *code == 10) {
      ++vertices;
    }
  }
  if (inLwPolyline && vertices > declaredVertices)
    return "The drawing is damaged: an LWPOLYLINE lists more vertices than it declares.";
  if (!sawSection) return "The file is not a DXF drawing: it holds no SECTION.";
  return "";
}

int resolvedColour(int colour, const std::map<std::string, int>& layers, const std::string& layer) {
  if (colour == 256) {  // BYLAYER
    const auto it = layers.find(layer);
    colour = it == layers.end() ? 7 : it->second;
  }
  colour = std::abs(colour);  // a negative layer colour means the layer is off
  if (colour == 0 || colour > 255) colour = 7;
  return colour;
}

// Thrown through dxflib to stop a reading the user no longer wants.
struct ReadingCancelled {};

class Collector : public DL_CreationAdapter {
 public:
  // Asks `progress` after every so many entities how far `in` has come.
  void reportTo(const DxfProgress* progress, std::istream* in, double size) {
    progress_ = progress && *progress ? progress : nullptr;
    in_ = in;
    size_ = size;
  }

  // Arcs of bulged segments may add at most `arcPoints` points in all.
  Collector(DxfEntities& out, size_t arcPoints) : out_(out), arcPoints_(arcPoints) {}

  void addLayer(const DL_LayerData& data) override {
    layers_[data.name] = resolvedColour(attributes.getColor(), {}, "");
  }
  void addBlock(const DL_BlockData&) override {
    finishPolyline();
    inBlock_ = true;
  }
  void endBlock() override { inBlock_ = false; }

  void addLine(const DL_LineData& d) override {
    if (!take()) return;
    out_.lines.push_back({{d.x1, d.y1}, {d.x2, d.y2}, colour()});
  }
  void addCircle(const DL_CircleData& d) override {
    if (!take()) return;
    out_.circles.push_back({{d.cx, d.cy}, d.radius, colour()});
  }
  void addArc(const DL_ArcData& d) override {
    if (!take()) return;
    out_.arcs.push_back({{d.cx, d.cy}, d.radius, d.angle1, d.angle2, colour()});
  }
  void addText(const DL_TextData& d) override {
    if (!take()) return;
    DxfTextEntity t;
    t.insertion = {d.ipx, d.ipy};
    // Without an alignment point, aligned text falls back to its insertion point.
    t.alignment = {std::isnan(d.apx) ? d.ipx : d.apx, std::isnan(d.apy) ? d.ipy : d.apy};
    t.height = d.height;
    t.rotation = d.angle * 180.0 / std::numbers::pi;  // dxflib hands radians
    t.widthFactor = d.xScaleFactor;
    t.hAlign = d.hJustification;
    t.vAlign = d.vJustification;
    t.text = d.text;
    t.colour = colour();
    out_.texts.push_back(std::move(t));
  }
  void addPolyline(const DL_PolylineData& d) override {
    if (!take()) return;
    DxfPolylineEntity p;
    p.closed = (d.flags & 1) != 0;
    p.colour = colour();
    out_.polylines.push_back(std::move(p));
    open_ = true;
    pendingBulge_ = 0;
  }
  void addVertex(const DL_VertexData& d) override {
    if (!open_ || inBlock_) return;
    auto& points = out_.polylines.back().points;
    const DxfPoint p{d.x, d.y};
    if (points.empty() || pendingBulge_ == 0) {
      points.push_back(p);
    } else {
      const auto arc = arcPoints(points.back(), p);
      points.insert(points.end(), arc.begin(), arc.end());
    }
    pendingBulge_ = d.bulge;
  }
  void endSequence() override { finishPolyline(); }

  // Entities the viewer does not draw are counted, so the window can say so.
  void addPoint(const DL_PointData&) override { skip(); }
  void addEllipse(const DL_EllipseData&) override { skip(); }
  void addSpline(const DL_SplineData&) override { skip(); }
  void addInsert(const DL_InsertData&) override { skip(); }
  void addMText(const DL_MTextData&) override { skip(); }
  void addSolid(const DL_SolidData&) override { skip(); }
  void addTrace(const DL_TraceData&) override { skip(); }
  void add3dFace(const DL_3dFaceData&) override { skip(); }
  void addHatch(const DL_HatchData&) override { skip(); }
  void addImage(const DL_ImageData&) override { skip(); }
  void addLeader(const DL_LeaderData&) override { skip(); }
  void addDimAlign(const DL_DimensionData&, const DL_DimAlignedData&) override { skip(); }
  void addDimLinear(const DL_DimensionData&, const DL_DimLinearData&) override { skip(); }
  void addDimRadial(const DL_DimensionData&, const DL_DimRadialData&) override { skip(); }
  void addDimDiametric(const DL_DimensionData&, const DL_DimDiametricData&) override { skip(); }
  void addDimAngular(const DL_DimensionData&, const DL_DimAngular2LData&) override { skip(); }
  void addDimAngular3P(const DL_DimensionData&, const DL_DimAngular3PData&) override { skip(); }
  void addDimOrdinate(const DL_DimensionData&, const DL_DimOrdinateData&) override { skip(); }

  void finish() { finishPolyline(); }

 private:
  // Every entity ends a polyline still open (a missing SEQEND).
  bool take() {
    finishPolyline();
    tick();
    return !inBlock_;
  }
  void skip() {
    finishPolyline();
    tick();
    if (!inBlock_) ++out_.skipped;
  }
  void finishPolyline() {
    if (open_) {
      auto& p = out_.polylines.back();
      // The closing segment of a closed polyline carries the last bulge.
      if (p.closed && pendingBulge_ != 0 && p.points.size() > 1) {
        auto arc = arcPoints(p.points.back(), p.points.front());
        arc.pop_back();
        p.points.insert(p.points.end(), arc.begin(), arc.end());
      }
    }
    open_ = false;
    pendingBulge_ = 0;
  }
  int colour() { return resolvedColour(attributes.getColor(), layers_, attributes.getLayer()); }
  // Up to 64 points for each bulge of a few bytes: past the budget, which
  // grows with the size of the file, a bulged segment is drawn straight.
  std::vector<DxfPoint> arcPoints(DxfPoint from, DxfPoint to) {
    std::vector<DxfPoint> arc = bulgeSegment(from, to, pendingBulge_);
    if (arc.size() - 1 > arcPoints_) return {to};
    arcPoints_ -= arc.size() - 1;
    return arc;
  }

  void tick() {
    if (!progress_ || ++sinceReport_ < 4096) return;
    sinceReport_ = 0;
    const double at = size_ > 0 ? static_cast<double>(in_->tellg()) / size_ : 0.0;
    if (!(*progress_)(std::clamp(at, 0.0, 1.0))) throw ReadingCancelled{};
  }

  const DxfProgress* progress_ = nullptr;
  std::istream* in_ = nullptr;
  double size_ = 0;
  int sinceReport_ = 0;
  DxfEntities& out_;
  std::map<std::string, int> layers_;
  bool inBlock_ = false;
  bool open_ = false;
  double pendingBulge_ = 0;
  size_t arcPoints_;
};

}  // namespace

void DxfBounds::include(DxfPoint p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  if (empty) {
    minX = maxX = p.x;
    minY = maxY = p.y;
    empty = false;
    return;
  }
  minX = std::min(minX, p.x);
  maxX = std::max(maxX, p.x);
  minY = std::min(minY, p.y);
  maxY = std::max(maxY, p.y);
}

DxfBounds DxfEntities::bounds() const {
  DxfBounds b;
  for (const auto& l : lines) {
    b.include(l.start);
    b.include(l.end);
  }
  for (const auto& c : circles) {
    b.include({c.centre.x - c.radius, c.centre.y - c.radius});
    b.include({c.centre.x + c.radius, c.centre.y + c.radius});
  }
  for (const auto& a : arcs) {
    b.include({a.centre.x - a.radius, a.centre.y - a.radius});
    b.include({a.centre.x + a.radius, a.centre.y + a.radius});
  }
  for (const auto& t : texts) b.include(t.insertion);
  for (const auto& p : polylines)
    for (const auto& q : p.points) b.include(q);
  return b;
}

std::vector<DxfPoint> bulgeSegment(DxfPoint from, DxfPoint to, double bulge) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double chord = std::hypot(dx, dy);
  if (bulge == 0 || chord == 0 || !std::isfinite(bulge)) return {to};
  // Included angle 4·atan(bulge); positive bulges turn counter-clockwise.
  const double angle = 4 * std::atan(bulge);
  const double radius = chord / (2 * std::sin(std::abs(angle) / 2));
  // Centre: on the chord's perpendicular bisector, on the left for a
  // counter-clockwise arc of less than half a turn.
  const double mx = (from.x + to.x) / 2;
  const double my = (from.y + to.y) / 2;
  const double sagittaToCentre = radius * std::cos(angle / 2);
  const double sign = angle > 0 ? 1.0 : -1.0;
  const double cx = mx - sign * sagittaToCentre * dy / chord;
  const double cy = my + sign * sagittaToCentre * dx / chord;
  const double start = std::atan2(from.y - cy, from.x - cx);
  const int pieces =
      std::clamp(static_cast<int>(std::ceil(std::abs(angle) / (std::numbers::pi / 16))), 2, 64);
  std::vector<DxfPoint> points;
  points.reserve(static_cast<size_t>(pieces));
  for (int i = 1; i < pieces; ++i) {
    const double a = start + angle * i / pieces;
    points.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
  }
  points.push_back(to);  // exactly, not as computed
  return points;
}

namespace {

DxfReadResult readText(const std::string& text, const DxfProgress* progress = nullptr) {
  DxfReadResult result;
  result.error = checkGroups(text);
  if (!result.error.empty()) return result;
  // dxflib allocates what the counts declare before the items arrive.
  if (auto problem = checkDxfCounts(text)) {
    result.error = *problem;
    return result;
  }

  // 16 MB of arc points, and two bytes' worth for each byte of the file.
  Collector collector(result.entities, (size_t{1} << 20) + text.size() / 8);
  DL_Dxf dxf;
  std::istringstream in(text);
  collector.reportTo(progress, &in, static_cast<double>(text.size()));
  bool read = false;
  try {
    read = dxf.in(in, &collector);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const ReadingCancelled&) {
    result = DxfReadResult{};
    result.cancelled = true;
    result.error = "The reading of the drawing was cancelled.";
    return result;
  } catch (const std::exception&) {
    // dxflib's own slips on odd text, e.g. std::out_of_range for a comment
    // that is just "dxflib".
    read = false;
  }
  if (!read) {
    result = DxfReadResult{};
    result.error = "The DXF drawing could not be read.";
    return result;
  }
  collector.finish();
  result.ok = true;
  return result;
}

DxfReadResult outOfMemory(const std::string& what) {
  DxfReadResult result;
  result.error = "There is not enough memory to read " + what + ".";
  return result;
}

DxfReadResult readFile(const std::string& path, const DxfProgress* progress = nullptr) {
  DxfReadResult result;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    result.error = "The file could not be opened: it is a folder.";
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.error = "The file could not be opened.";
    return result;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) {
    result.error = "The file could not be read.";
    return result;
  }
  if (size > kMaxFileSize) {
    result.error = "The file is too large to be a drawing of this program (" +
                   std::to_string(size / (1024 * 1024)) + " MB).";
    return result;
  }
  in.seekg(0, std::ios::beg);
  std::string text(static_cast<size_t>(size), '\0');
  if (size > 0 && !in.read(text.data(), size)) {
    result.error = "The file could not be read.";
    return result;
  }
  return readText(text, progress);
}

}  // namespace

DxfReadResult readDxfText(const std::string& text) {
  try {
    return readText(text);
  } catch (const std::bad_alloc&) {
    return outOfMemory("the drawing");
  }
}

DxfReadResult readDxfFile(const std::string& path) { return readDxfFile(path, DxfProgress{}); }

DxfReadResult readDxfFile(const std::string& path, const DxfProgress& progress) {
  try {
    return readFile(path, &progress);
  } catch (const std::bad_alloc&) {
    return outOfMemory(std::filesystem::path(path).filename().string());
  }
}

}  // namespace tarvello
