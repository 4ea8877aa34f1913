#include "branch_walk.h"

#include <cmath>

#include "common/number_format.h"
#include "network/generation.h"
#include "network/table_fill.h"
#include "tables/cell_numbers.h"

namespace tarvello {
namespace {

constexpr double kPi = 3.14159265358979;

// Friction slope of one barrel (Manning), by section shape; `n` receives the
// Manning's n it used.
double frictionSlope(GenerationContext& ctx, const PipeRecord& rec, double flowPerBarrel,
                     double& n) {
  const UnitConstants& u = ctx.units;
  const std::string shape = rec.text("PIPE_SHAPE");
  n = ctx.number(rec, "PIPE_MANN");
  const std::string pipe = rec.text("PIPE_NUMBER");
  double sf = 0;
  if (shape == "Circular") {
    const double df = ctx.number(rec, "PIPE_DIA") / u.sizeDivisor;
    sf = std::pow(flowPerBarrel * n / (u.kCircular * std::pow(df, 2.6667)), 2);
  } else {
    const double span = ctx.number(rec, "SPAN");
    const double rise = ctx.number(rec, "RISE");
    const double u2 = u.sizeDivisor * u.sizeDivisor;
    double area = 0, radius = 0;
    if (shape == "Elliptical") {
      area = kPi * span * rise / (4 * u2);
      const double perimeter = kPi * (rise + span) / 2 / u.sizeDivisor;
      radius = area / perimeter;
    } else if (shape == "Box" || shape == "Rectangulr") {
      area = span * rise / u2;
      radius = (span * rise / (2 * rise + span)) / u.sizeDivisor;
    } else {
      area = 0.781 * std::pow(span * rise / u2, 1.003);
      radius = 0.241 * std::pow(span * rise / u2, 0.4965);
    }
    sf = u.kOther * std::pow(flowPerBarrel * n / (area * std::pow(radius, 0.6667)), 2);
  }
  if (!std::isfinite(sf)) {
    ctx.warnings.add(warning_kind::kFrictionSlope,
                     "Pipe " + pipe + ": the friction slope cannot be computed from its size (" +
                         (shape.empty() ? std::string("no shape") : shape) +
                         "); the friction loss was taken as 0.",
                     {.pipe = pipe});
    sf = 0;
  }
  return sf;
}

}  // namespace

void walkBranches(GenerationContext& ctx) {
  Table& s = ctx.tables.structures;
  Table& p = ctx.tables.pipes;
  const UnitConstants& u = ctx.units;
  const double g2 = 2 * u.gravity;
  const NodeTree& tree = ctx.nodeTree;
  if (tree.empty() || tree[0].empty()) return;
  auto nodeAt = [&](size_t i, size_t j) -> const std::string& {
    static const std::string none;
    return i < tree.size() && j < tree[i].size() ? tree[i][j] : none;
  };

  // The outfall row.
  // The walk's position: branch, node along it, and the branch's number.
  size_t walkBranch = 0;
  size_t walkPos = 0;
  int branchNo = 1;
  fillDownstreamStructure(ctx, 1, branchNo, nodeAt(0, 0), nodeAt(0, 1));
  auto tailWater = parseNumber(ctx.tailWaterText);
  if (!tailWater) {
    ctx.warnings.add(
        warning_kind::kBadTailWater,
        "The tail-water elevation \"" + ctx.tailWaterText + "\" is not a number; 0 was used.");
  }
  double tw = tailWater.value_or(0);
  s.setCell(1, strcol::HglLow, numberText(tw));
  s.setCell(1, strcol::HglHigh, numberText(tw));
  double hglPrev = cellNumberOr0(s, 1, strcol::HglLow);
  if (ctx.trace) ctx.trace->rows.emplace_back().structureRow = 1;  // at the tail water
  int structureRow = 2;
  int pipeRow = 1;
  walkPos = 1;

  while (true) {
    // Structures of the current branch, from downstream up.
    while (!nodeAt(walkBranch, walkPos).empty()) {
      const std::string& node = nodeAt(walkBranch, walkPos);
      const std::uint32_t nodeId = ctx.nodeIdAt(walkBranch, walkPos);
      const auto rec = ctx.network.drainingPipe(nodeId);
      if (!rec) {
        std::string branch = std::to_string(branchNo);
        ctx.warnings.add(warning_kind::kBranchEnds,
                         "No pipe drains structure " + node + "; branch " + branch + " ends there.",
                         {.branch = branch, .structure = node});
        break;
      }
      // The terms of this row's grade line, kept when a trace is asked for.
      HglTraceRow t;
      t.structureRow = structureRow;
      t.pipeRow = pipeRow;
      fillUpstreamStructure(ctx, structureRow, pipeRow, branchNo, node, *rec);
      computeHeightOfCover(ctx, pipeRow);

      if (pipeRow == 1) {
        // The tail water is never below 80 % of the outfall pipe's depth.
        const auto size = cellNumber(p, 1, pipecol::DiaRise);
        const auto bottom = cellNumber(s, 1, strcol::BottomElev);
        if (size && bottom) {
          const double m = *size * 0.8 / u.sizeDivisor + *bottom;
          if (m > parseNumber(ctx.tailWaterText).value_or(0)) {
            ctx.tailWaterText = formatFixed(numberText(m), 2);
            tw = parseNumber(ctx.tailWaterText).value_or(m);
            s.setCell(1, strcol::HglLow, numberText(tw));
            s.setCell(1, strcol::HglHigh, numberText(tw));
            ctx.warnings.add(warning_kind::kTailWaterRaised,
                             "The tail water was raised to " + ctx.tailWaterText +
                                 ", 80 % of the outfall pipe's height above its invert.",
                             {.branch = "1", .structure = nodeAt(0, 0)});
          }
        }
      }

      const std::string pipeNo = rec->text("PIPE_NUMBER");
      const std::string shape = rec->text("PIPE_SHAPE");
      const double d = ctx.number(*rec, shape == "Circular" ? "PIPE_DIA" : "RISE");
      const double elevIn = ctx.number(*rec, "PIPE_ELEIN");
      const double elevOut = ctx.number(*rec, "PIPE_ELEOUT");
      const double flowDepth = ctx.number(*rec, "PIPE_FLOWDEPTH");
      double barrels = 1;
      {
        const auto nv = rec->field("NUMOFPIPES");
        const auto count = nv ? nv->asNumber() : std::nullopt;
        if (count && *count > 0) {  // a negative count would turn the flow around
          barrels = *count;
        } else {
          ctx.warnings.add(warning_kind::kBarrels,
                           "Pipe " + pipeNo + ": number of barrels \"" + (nv ? nv->asText() : "") +
                               "\" is not usable; one barrel was assumed.",
                           {.branch = std::to_string(branchNo), .pipe = pipeNo});
        }
      }
      const double qb = ctx.number(*rec, "PIPE_DISCHARGE") / barrels;
      const double length = ctx.number(*rec, "PIPE_LENGTH");
      const double velocity = ctx.number(*rec, "PIPE_VELOCITY");
      t.barrels = barrels;
      t.qb = qb;
      t.d = d;
      t.length = length;
      t.velocity = velocity;
      const double ca = ctx.number(*rec, "STRUCTURE_CA");
      const double intensity = ctx.number(*rec, "PIPE_I");

      // Water surface at the pipe outlet.
      const double a1 = elevOut + 0.8 * d / u.sizeDivisor;
      const double a2 = elevOut + flowDepth;
      t.rule = (hglPrev > a1 && hglPrev > a2) ? HoutRule::Downstream
               : a1 > a2                      ? HoutRule::CrownDepth
                                              : HoutRule::FlowDepth;
      const double hout = t.rule == HoutRule::Downstream   ? hglPrev
                          : t.rule == HoutRule::CrownDepth ? a1
                                                           : a2;
      t.hout = hout;

      t.sf = frictionSlope(ctx, *rec, qb, t.n);
      const double hf = t.sf * length;
      const double ho = 0.25 * velocity * velocity / g2;
      t.hf = hf;
      t.ho = ho;

      // Other pipes discharging into this structure.
      double vm = 0, qvMax = 0, hThetaMax = 0;
      for (const PipeRecord& inflow : ctx.network.inflowsExcept(nodeId, pipeNo)) {
        const double vk = ctx.number(inflow, "PIPE_VELOCITY");
        const double qk = ctx.number(inflow, "PIPE_DISCHARGE");
        const double theta = ctx.number(inflow, "PIPE_SKEW");
        if (qk * vk > qvMax) {
          qvMax = qk * vk;
          vm = vk;
        }
        if (qk > 0.1 * qb) {
          double k = 0;
          if (theta == 0)
            k = 0;
          else if (theta == 90)
            k = 0.7;
          else
            k = 0.0078 + 0.0127 * theta - 0.00006 * theta * theta;
          if (k > 0.7) k = 0.7;
          const double loss = k * vk * vk / g2;
          if (loss > hThetaMax) hThetaMax = loss;
        }
      }
      const double hv = 0.35 * vm * vm / g2;
      const double hj = hThetaMax + hv + ho;
      t.vm = vm;
      t.hv = hv;
      t.hTheta = hThetaMax;
      t.hj = hj;
      const double qin = rec->text("NODEIN_TYPE") == "Inlet" ? ca * intensity : 0;
      t.qin = qin;
      // Factors of exactly 1 leave the loss as it is.
      t.inflowFactor = qin < 0.2 * qb ? 1.0 : 1.3;
      t.shapingFactor = rec->text("NODEIN_SHAPING") == "YES" ? 0.5 : 1.0;
      const double hs = t.shapingFactor * (t.inflowFactor * hj);
      t.hs = hs;

      double hin = hout + hf + hs;
      t.hin = hin;
      s.setCell(structureRow, strcol::HglLow, formatFixed(hin, 2));
      if (hin < elevIn + flowDepth) {
        t.raised = true;
        hin = elevIn + flowDepth;
        s.setCell(structureRow, strcol::HglLow, formatFixed(hin, 2));
      }
      s.setCell(structureRow, strcol::HglHigh, s.cell(structureRow, strcol::HglLow));

      // The water surface at the outlet of the next pipe up the same branch.
      const int next = structureRow - branchNo + 1;
      if (!p.cell(next, pipecol::BranchId).empty() &&
          p.cell(next, pipecol::BranchId) == std::to_string(branchNo)) {
        const double w =
            cellNumberOr0(p, next, pipecol::ElevOut) + cellNumberOr0(p, next, pipecol::FlowDepth);
        t.surchargeCompared = true;
        t.w = w;
        if (hin < w) s.setCell(structureRow, strcol::HglHigh, numberText(w));
      }
      s.setCell(structureRow, strcol::HglHigh,
                formatFixed(s.cell(structureRow, strcol::HglHigh), 2));
      hglPrev = cellNumberOr0(s, structureRow, strcol::HglLow);
      if (ctx.trace) {
        t.pipeNo = pipeNo;
        ctx.trace->rows.push_back(std::move(t));
      }

      ++walkPos;
      ++structureRow;
      ++pipeRow;
    }

    // The next branch starts where it joins an earlier one.
    walkPos = 0;
    ++walkBranch;
    if (nodeAt(walkBranch, 0).empty()) return;
    const std::string& start = nodeAt(walkBranch, 0);
    ++branchNo;
    const int k = ctx.structureRows.findStructureRow(s, start);
    // A copy: writing the new row below may move the table's cells.
    const std::string junctionHgl = s.cell(k, strcol::HglLow);
    if (const auto v = parseNumber(junctionHgl)) {
      hglPrev = *v;
    } else {
      std::string branch = std::to_string(branchNo);
      ctx.warnings.add(warning_kind::kJunctionNoHgl,
                       "Branch " + branch + " starts at " + start +
                           ", which has no hydraulic grade line; 0 was used.",
                       {.branch = branch, .structure = start});
      hglPrev = 0;
    }
    s.setCell(structureRow, strcol::HglLow, formatFixed(junctionHgl, 2));
    s.setCell(structureRow, strcol::HglHigh, junctionHgl);
    HglTraceRow t;
    t.structureRow = structureRow;
    t.rule = HoutRule::FromRow;
    t.fromRow = k;
    {
      const int first = structureRow - branchNo + 1;
      if (!p.cell(first, pipecol::BranchId).empty()) {
        const double w =
            cellNumberOr0(p, first, pipecol::ElevOut) + cellNumberOr0(p, first, pipecol::FlowDepth);
        const auto high = cellNumber(s, structureRow, strcol::HglHigh);
        if (high) {
          t.surchargeCompared = true;
          t.w = w;
        }
        if (high && w > *high) s.setCell(structureRow, strcol::HglHigh, numberText(w));
      }
      s.setCell(structureRow, strcol::HglHigh,
                formatFixed(s.cell(structureRow, strcol::HglHigh), 2));
    }
    if (ctx.trace) ctx.trace->rows.push_back(std::move(t));
    fillDownstreamStructure(ctx, structureRow, branchNo, start, nodeAt(walkBranch, 1));
    ++structureRow;
    walkPos = 1;
  }
}

}  // namespace tarvello
