#include "profile/pipe_plot_record.h"

#include "network/unit_constants.h"

#include <cmath>

#include "attributes/structure_type_code.h"
#include "tables/row_lookups.h"

namespace tarvello {

namespace {

const std::string kStructureTable = "Structure table";
const std::string kPipeTable = "Pipe table";
const std::string kBranchTable = "Branch table";
const std::string kDrawnAs0 = "it was drawn as 0";

bool rowExists(const Table& table, int row) { return row >= 1 && row < table.rowCount(); }

// The first listing of `node`, or -1 (and a warning) when there is none.
int structureRowOf(const ProfileTables& tables, const StructureRowIndex& structureRows,
                   const std::string& node, const char* column, int branchRow,
                   const std::string& branchId, Warnings& warnings) {
  const std::string where =
      std::string(column) + " of branch-table row " + std::to_string(branchRow);
  if (node.empty()) {
    warnings.add(warning_kind::kBranchRowNoNode,
                 "Row " + std::to_string(branchRow) + " of the branch table has no \"" + column +
                     "\"; its structure is not drawn.",
                 {.branch = branchId});
    return -1;
  }
  const int row = structureRows.findStructureRow(tables.structures, node);
  if (!rowExists(tables.structures, row)) {
    warnings.add(warning_kind::kUnknownStructure,
                 "Structure \"" + node + "\" (" + where +
                     ") is not in the structure table; it is not drawn.",
                 {.branch = branchId, .structure = node});
    return -1;
  }
  return row;
}

}  // namespace

ProfileUnits ProfileUnits::forUnitSystem(const std::string& unitSystem) {
  const UnitConstants u = UnitConstants::forUnitSystem(unitSystem);
  return {u.sizeDivisor, u.english ? 1.0 : 0.3048, !u.english};
}

std::string PipePlotRecord::title() const {
  return upCode + " " + upNo + " TO " + downCode + " " + downNo;
}

long long branchNumber(const ProfileTables& tables, int row, CellNumbers& reader) {
  return static_cast<long long>(std::trunc(
      reader.singleOr0(tables.branches, kBranchTable, row, branchcol::BranchId, kDrawnAs0)));
}

PipePlotRecord loadPipePlotRecord(const ProfileTables& tables, int row, const ProfileUnits& units,
                                  CellNumbers& reader, const StructureRowIndex& structureRows) {
  PipePlotRecord rec;
  const Table& branches = tables.branches;
  const Table& structures = tables.structures;
  const Table& pipes = tables.pipes;
  const std::string& branchId = branches.cell(row, branchcol::BranchId);
  const std::string& nodeOut = branches.cell(row, branchcol::NodeOut);
  const std::string& nodeIn = branches.cell(row, branchcol::NodeIn);
  auto number = [&reader](const Table& table, const std::string& name, int r, int column) {
    return reader.singleOr0(table, name, r, column, kDrawnAs0);
  };

  const int c =
      structureRowOf(tables, structureRows, nodeOut, "Node Out", row, branchId, reader.warnings());
  const int a =
      structureRowOf(tables, structureRows, nodeIn, "Node In", row, branchId, reader.warnings());
  if (c >= 0) {
    rec.downFound = true;
    rec.downNo = structures.cell(c, strcol::StrNo);
    rec.downKind = structures.cell(c, strcol::StrType);
    rec.downStation = structures.cell(c, strcol::Station);
    rec.downOffset = structures.cell(c, strcol::Offset);
    rec.downOffsetLoc = structures.cell(c, strcol::OffsetLoc);
    rec.downTop = number(structures, kStructureTable, c, strcol::TopElev);
    rec.downBottom = number(structures, kStructureTable, c, strcol::BottomElev);
    rec.downStd = structures.cell(c, strcol::VdotStd);
    rec.downCode = structureTypeCode(rec.downKind);

    const int b = structureRows.findBranchStructureRow(structures, branchId, nodeOut);
    if (!rowExists(structures, b)) {
      reader.warnings().add(warning_kind::kNotOnBranch,
                            "Structure \"" + nodeOut + "\" is not listed on branch \"" + branchId +
                                "\" in the structure table; the hydraulic grade line of "
                                "branch-table row " +
                                std::to_string(row) + " is not drawn.",
                            {.branch = branchId, .structure = nodeOut});
    } else {
      rec.downHglFound = true;
      rec.downHglHigh = number(structures, kStructureTable, b, strcol::HglHigh);
      if (a < 0) {
        // The upstream structure is not drawn, and neither is its grade line.
      } else if (!rowExists(structures, b + 1)) {
        reader.warnings().add(warning_kind::kNoRowAfter,
                              "The structure table has no row after structure \"" + nodeOut +
                                  "\" of branch \"" + branchId +
                                  "\"; the hydraulic grade line at its upstream structure is not "
                                  "drawn.",
                              {.branch = branchId, .structure = nodeOut});
      } else {
        rec.upHglFound = true;
        rec.upHglLow = number(structures, kStructureTable, b + 1, strcol::HglLow);
        rec.upHglHigh = number(structures, kStructureTable, b + 1, strcol::HglHigh);
        rec.upStd = structures.cell(b + 1, strcol::VdotStd);
      }
    }
  }

  if (a >= 0) {
    rec.upFound = true;
    rec.upNo = structures.cell(a, strcol::StrNo);
    rec.upKind = structures.cell(a, strcol::StrType);
    rec.upStation = structures.cell(a, strcol::Station);
    rec.upOffset = structures.cell(a, strcol::Offset);
    rec.upOffsetLoc = structures.cell(a, strcol::OffsetLoc);
    rec.upTop = number(structures, kStructureTable, a, strcol::TopElev);
    rec.upCode = structureTypeCode(rec.upKind);
  }

  rec.downInvText = pipes.cell(row, pipecol::ElevOut);
  rec.upInvText = pipes.cell(row, pipecol::ElevIn);
  rec.downInv = number(pipes, kPipeTable, row, pipecol::ElevOut);
  rec.upInv = number(pipes, kPipeTable, row, pipecol::ElevIn);
  rec.shape = pipes.cell(row, pipecol::Shape);
  rec.material = pipes.cell(row, pipecol::Material);
  rec.pipeCountText = pipes.cell(row, pipecol::NumPipes);
  // Only "one or not" matters; a count beyond int must not overflow the cast.
  rec.pipeCount = static_cast<int>(std::fmax(
      -1e9, std::fmin(1e9, std::trunc(number(pipes, kPipeTable, row, pipecol::NumPipes)))));
  rec.rise = number(pipes, kPipeTable, row, pipecol::DiaRise);
  rec.span = rec.shape == "Circular" ? 0.0f : number(pipes, kPipeTable, row, pipecol::Span);
  rec.pipeLength = number(pipes, kPipeTable, row, pipecol::Length);
  rec.discharge = number(pipes, kPipeTable, row, pipecol::Discharge);
  rec.velocity = number(pipes, kPipeTable, row, pipecol::Velocity);
  rec.slope = number(pipes, kPipeTable, row, pipecol::SlopePercent);
  // An inside size of d inches is given a wall of d/12 + 1 inches.
  rec.wallThickness = static_cast<float>((rec.rise / units.sizeDivisor + units.foot) / 12.0);
  return rec;
}

}  // namespace tarvello
