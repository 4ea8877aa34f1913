#include "network/table_fill.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "network/generation.h"
#include "tables/cell_numbers.h"

namespace tarvello {
namespace {

// Copies a field joined to text; a field the table lacks leaves the cell as it is.
void putText(GenerationContext& ctx, Table& t, int row, int col, const PipeRecord& rec,
             const char* name) {
  if (const auto text = rec.storedText(name))
    t.setCell(row, col, *text);
  else if (const auto v = rec.field(name))
    t.setCell(row, col, v->asText());
  else
    ctx.warnMissingField("PIPE", name);
}

// Formats a numeric field; text that is not a number is shown as it is, and reported.
// `t` is the structure or the pipe table, whose "Branch ID" is the same column.
static_assert(int{strcol::BranchId} == int{pipecol::BranchId});
void putFixed(GenerationContext& ctx, Table& t, int row, int col, const PipeRecord& rec,
              const char* name, int decimals, bool numeric = true) {
  if (const auto n = rec.storedNumber(name)) {
    t.setCell(row, col, formatFixed(*n, decimals));
    return;
  }
  const auto v = rec.field(name);
  if (!v) {
    ctx.warnMissingField("PIPE", name);
    return;
  }
  t.setCell(row, col, formatFixed(*v, decimals));
  if (numeric && v->isText() && !v->isEmptyText() && !v->asNumber()) {
    std::string pipe = rec.text("PIPE_NUMBER");
    ctx.warnings.add(warning_kind::kNotANumber,
                     "Pipe " + pipe + ": " + name + " \"" + v->asText() + "\" is not a number.",
                     {.branch = t.cell(row, strcol::BranchId), .pipe = pipe});
  }
}

}  // namespace

void fillUpstreamStructure(GenerationContext& ctx, int row, int pipeRow, int branchNo,
                           const std::string& node, const PipeRecord& rec) {
  Table& s = ctx.tables.structures;
  s.setCell(row, strcol::BranchId, std::to_string(branchNo));
  ctx.setStructureNode(row, node);
  putText(ctx, s, row, strcol::StrType, rec, "NODEIN_TYPE");
  putText(ctx, s, row, strcol::Station, rec, "NODEIN_STATION");
  putFixed(ctx, s, row, strcol::Offset, rec, "NODEIN_OFFSET", 2);
  putText(ctx, s, row, strcol::OffsetLoc, rec, "NODEIN_OFFLOC");

  const auto top = rec.field("NODEIN_TOPELE");
  if (!top) {
    ctx.warnMissingField("PIPE", "NODEIN_TOPELE");
  } else if (top->isEmptyText() || top->isNull()) {
    // No top given (an empty text, or a number field left empty): the inlet
    // invert plus the pipe plus an allowance for cover.
    const auto size = cellNumber(ctx.tables.pipes, pipeRow, pipecol::DiaRise);
    if (!size) {
      s.setCell(row, strcol::TopElev, "0.00");
    } else {
      const double estimate =
          ctx.number(rec, "PIPE_ELEIN") + *size / ctx.units.sizeDivisor + ctx.units.topAllowance;
      s.setCell(row, strcol::TopElev, formatFixed(estimate, 2));
    }
    ctx.warnings.add(warning_kind::kTopEstimated,
                     "Structure " + node + " has no top elevation; it was estimated as " +
                         s.cell(row, strcol::TopElev) + ".",
                     {.branch = std::to_string(branchNo), .structure = node});
  } else {
    s.setCell(row, strcol::TopElev, formatFixed(*top, 2));
  }
  putFixed(ctx, s, row, strcol::BottomElev, rec, "PIPE_ELEIN", 2);
  putFixed(ctx, s, row, strcol::Shaping, rec, "NODEIN_SHAPING", 2, false);
}

void fillDownstreamStructure(GenerationContext& ctx, int row, int branchNo,
                             const std::string& downstreamNode, const std::string& upstreamNode) {
  Table& s = ctx.tables.structures;
  const auto rec = ctx.network.connectingPipe(upstreamNode, downstreamNode);
  s.setCell(row, strcol::BranchId, std::to_string(branchNo));
  ctx.setStructureNode(row, downstreamNode);
  if (rec) {
    putText(ctx, s, row, strcol::StrType, *rec, "NODEOUT_TYPE");
    putText(ctx, s, row, strcol::Station, *rec, "NODEOUT_STATION");
    putFixed(ctx, s, row, strcol::Offset, *rec, "NODEOUT_OFFSET", 2);
    putText(ctx, s, row, strcol::OffsetLoc, *rec, "NODEOUT_OFFLOC");
    putFixed(ctx, s, row, strcol::TopElev, *rec, "NODEOUT_TOPELE", 2);
  } else if (!upstreamNode.empty()) {
    ctx.warnings.add(warning_kind::kNoPipeBetween,
                     "No pipe runs from " + upstreamNode + " into " + downstreamNode +
                         "; structure " + downstreamNode + " has no attributes.",
                     {.branch = std::to_string(branchNo), .structure = downstreamNode});
  }

  if (branchNo <= 1) {
    if (rec) putFixed(ctx, s, row, strcol::BottomElev, *rec, "PIPE_ELEOUT", 2);
  } else {
    // A junction shows the bottom and shaping of its first listing.
    const int k = ctx.structureRows.findStructureRow(s, downstreamNode);
    if (k < s.rowCount()) {
      s.setCell(row, strcol::BottomElev, s.cell(k, strcol::BottomElev));
      s.setCell(row, strcol::Shaping, s.cell(k, strcol::Shaping));
    }
  }

  if (s.cell(row, strcol::TopElev).empty()) {
    const auto bottom = cellNumber(s, row, strcol::BottomElev);
    if (bottom) {
      double height = 0;
      if (rec)
        height = ctx.number(*rec, rec->text("PIPE_SHAPE") != "Circular" ? "RISE" : "PIPE_DIA");
      s.setCell(row, strcol::TopElev,
                formatFixed(numberText(*bottom + height / ctx.units.sizeDivisor), 2));
      ctx.warnings.add(warning_kind::kTopEstimated,
                       "Structure " + downstreamNode +
                           " has no top elevation; it was estimated as " +
                           s.cell(row, strcol::TopElev) + " from the crown of the pipe.",
                       {.branch = std::to_string(branchNo), .structure = downstreamNode});
    }
  }
}

void computeHeightOfCover(GenerationContext& ctx, int pipeRow) {
  const Table& p = ctx.tables.pipes;
  const Table& s = ctx.tables.structures;
  const double size = cellNumberOr0(p, pipeRow, pipecol::DiaRise) / ctx.units.sizeDivisor;
  // Wall thickness: size/12 plus one inch.
  const double wall = size / 12.0 + ctx.units.wallAllowance;
  const int k = ctx.structureRows.findBranchStructureRow(s, p.cell(pipeRow, pipecol::BranchId),
                                                         p.cell(pipeRow, pipecol::NodeOut));
  const double elevOut = cellNumberOr0(p, pipeRow, pipecol::ElevOut);
  const double elevIn = cellNumberOr0(p, pipeRow, pipecol::ElevIn);
  const double topOut = cellNumberOr0(s, k, strcol::TopElev);
  const double topIn = cellNumberOr0(s, k + 1, strcol::TopElev);
  const double coverOut = topOut != 0 ? topOut - elevOut : 0;
  const double coverIn = topIn != 0 ? topIn - elevIn : 0;
  const double least = coverOut < coverIn ? coverOut : coverIn;
  double h = least - size - wall;
  if (h < 0) h = 0;
  h = parseNumber(formatFixed(h, 2)).value_or(0);
  ctx.tables.pipes.setCell(pipeRow, pipecol::HeightOfCover, numberText(h));
}

namespace {

void writePipeRow(GenerationContext& ctx, int row, int branchNo, const PipeRecord& rec) {
  Table& t = ctx.tables.pipes;
  t.setCell(row, pipecol::BranchId, std::to_string(branchNo));
  putText(ctx, t, row, pipecol::PipeNo, rec, "PIPE_NUMBER");
  putText(ctx, t, row, pipecol::NodeOut, rec, "NODEOUT_NO");
  putText(ctx, t, row, pipecol::NodeIn, rec, "NODEIN_NO");
  putFixed(ctx, t, row, pipecol::ElevOut, rec, "PIPE_ELEOUT", 2);
  putFixed(ctx, t, row, pipecol::ElevIn, rec, "PIPE_ELEIN", 2);
  putText(ctx, t, row, pipecol::Shape, rec, "PIPE_SHAPE");
  putText(ctx, t, row, pipecol::Material, rec, "PIPE_MAT");
  const bool circular = rec.text("PIPE_SHAPE") == "Circular";
  if (circular) {
    putText(ctx, t, row, pipecol::DiaRise, rec, "PIPE_DIA");
    t.setCell(row, pipecol::Span, "");
  } else {
    putText(ctx, t, row, pipecol::DiaRise, rec, "RISE");
    putText(ctx, t, row, pipecol::Span, rec, "SPAN");
  }
  putText(ctx, t, row, pipecol::NumPipes, rec, "NUMOFPIPES");
  putFixed(ctx, t, row, pipecol::Length, rec, "PIPE_LENGTH", 1);
  putFixed(ctx, t, row, pipecol::Discharge, rec, "PIPE_DISCHARGE", 1);
  putFixed(ctx, t, row, pipecol::Velocity, rec, "PIPE_VELOCITY", 1);
  if (const auto slope = rec.field("PIPE_SLOPE")) {
    // Stored as a fraction, shown in percent.
    if (const auto v = slope->asNumber()) {
      t.setCell(row, pipecol::SlopePercent, formatFixed(*v * 100.0, 2));
    } else if (!slope->isNull()) {
      std::string pipe = rec.text("PIPE_NUMBER");
      ctx.warnings.add(warning_kind::kNotANumber,
                       "Pipe " + pipe + ": PIPE_SLOPE \"" + slope->asText() + "\" is not a number.",
                       {.branch = std::to_string(branchNo), .pipe = pipe});
    }
  } else {
    ctx.warnMissingField("PIPE", "PIPE_SLOPE");
  }
  putFixed(ctx, t, row, pipecol::FlowDepth, rec, "PIPE_FLOWDEPTH", 2);
  putFixed(ctx, t, row, pipecol::Manning, rec, "PIPE_MANN", 3);
  if (const auto skew = rec.field("PIPE_SKEW")) {
    t.setCell(row, pipecol::Skew, skew->isEmptyText() ? std::string("0.0") : skew->asText());
  } else {
    ctx.warnMissingField("PIPE", "PIPE_SKEW");
  }
}

}  // namespace

void fillPipeAndBranchTables(GenerationContext& ctx) {
  Table& branches = ctx.tables.branches;
  const NodeTree& tree = ctx.nodeTree;
  int branchRow = 1;
  int pipeRow = 1;
  auto nodeAt = [&](size_t i, size_t j) -> const std::string& {
    static const std::string none;
    return j < tree[i].size() ? tree[i][j] : none;
  };
  auto writeBranchRow = [&](int branchNo, const std::string& out, const std::string& in) {
    branches.setCell(branchRow, branchcol::BranchId, std::to_string(branchNo));
    branches.setCell(branchRow, branchcol::NodeOut, out);
    branches.setCell(branchRow, branchcol::NodeIn, in);
    ++branchRow;
  };
  for (size_t i = 0; i < tree.size(); ++i) {
    const int branchNo = static_cast<int>(i) + 1;
    if (nodeAt(i, 0).empty()) break;
    writeBranchRow(branchNo, nodeAt(i, 0), nodeAt(i, 1));
    for (size_t j = 1; !nodeAt(i, j).empty(); ++j) {
      const auto rec = ctx.network.drainingPipe(ctx.nodeIdAt(i, j));
      if (!rec) break;
      writePipeRow(ctx, pipeRow, branchNo, *rec);
      if (!nodeAt(i, j + 1).empty()) writeBranchRow(branchNo, nodeAt(i, j), nodeAt(i, j + 1));
      ++pipeRow;
    }
  }
  branches.setCurrentRow(branchRow);
}

void assignStandardTypes(GenerationContext& ctx, const InletCatalog& inlets) {
  Table& s = ctx.tables.structures;
  const Table& p = ctx.tables.pipes;
  int pipeRow = 1;
  int lastBranch = 1;
  for (int i = 1; i < s.rowCount(); ++i) {
    const std::string& node = s.cell(i, strcol::StrNo);
    if (node.empty()) break;
    const std::string& branchText = s.cell(i, strcol::BranchId);
    const int branch = static_cast<int>(std::floor(parseNumber(branchText).value_or(lastBranch)));
    if (branch != lastBranch) {
      --pipeRow;
      lastBranch = branch;
    }
    // The most upstream structure of a branch meets only the branch's last pipe.
    int row = pipeRow;
    const bool lastOfBranch =
        s.cell(i + 1, strcol::StrNo).empty() || s.cell(i + 1, strcol::BranchId) != branchText;
    if (lastOfBranch && row > 1 && p.cell(row - 1, pipecol::BranchId) == branchText) row = row - 1;

    PipeForStandard pipe;
    pipe.shape = p.cell(row, pipecol::Shape);
    pipe.material = p.cell(row, pipecol::Material);
    pipe.sizeInches = cellNumberOr0(p, row, pipecol::DiaRise);
    if (!ctx.units.english) pipe.sizeInches *= ctx.units.sizeToInches;
    const auto count = cellNumber(p, row, pipecol::NumPipes);
    // Only "more than one" matters; a count beyond int stays beyond one.
    pipe.numberOfPipes =
        count ? static_cast<int>(std::clamp(std::nearbyint(*count), -1e9, 1e9)) : 1;
    pipe.skew = cellNumberOr0(p, row, pipecol::Skew);

    const std::string& type = s.cell(i, strcol::StrType);
    const std::string length = inlets.lookupInletLength(node);
    const std::string name =
        standardName(type, pipe, type == "Inlet" ? inlets.lookupInletSubtype(node) : std::string());
    s.setCell(i, strcol::VdotStd, name);
    s.setCell(i, strcol::Length, length);
    ++pipeRow;
  }
}

}  // namespace tarvello
