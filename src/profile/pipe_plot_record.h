#pragma once
// Everything a profile draws of one pipe, gathered from the three tables for
// one row of the branch table (the pipe table row with the same index is the
// same pipe).
#include <string>

#include "tables/cell_numbers.h"
#include "tables/profile_tables.h"
#include "tables/row_lookups.h"

namespace tarvello {

// Pipe sizes are inches in ENGLISH projects and millimetres otherwise;
// elevations and lengths are feet or metres.
struct ProfileUnits {
  double sizeDivisor = 12;  // size units per elevation unit
  double foot = 1;          // one foot in elevation units
  bool metric = false;

  static ProfileUnits forUnitSystem(const std::string& unitSystem);
};

struct PipePlotRecord {
  // Downstream structure (first listing of "Node Out").
  bool downFound = false;
  std::string downNo, downKind, downStation, downOffset, downOffsetLoc, downStd, downCode;
  float downTop = 0, downBottom = 0;
  // The downstream structure's listing on the pipe's own branch, which carries
  // the grade line; the upstream structure is the row listed after it.
  bool downHglFound = false;
  float downHglHigh = 0;
  bool upHglFound = false;
  float upHglLow = 0, upHglHigh = 0;
  std::string upStd;
  // Upstream structure (first listing of "Node In").
  bool upFound = false;
  std::string upNo, upKind, upStation, upOffset, upOffsetLoc, upCode;
  float upTop = 0;
  // The pipe.
  std::string downInvText, upInvText;
  float downInv = 0, upInv = 0;
  std::string shape, material, pipeCountText;
  int pipeCount = 0;
  float rise = 0, span = 0, pipeLength = 0, discharge = 0, velocity = 0, slope = 0;
  float wallThickness = 0;  // elevation units

  // "I 12 TO MH 7": upstream code and number, then downstream.
  std::string title() const;
};

// Loads branch-table row `row`, finding structures through `structureRows`
// (an index of tables.structures). Structures that cannot be found are
// flagged and reported; numbers that cannot be read are 0 and reported.
PipePlotRecord loadPipePlotRecord(const ProfileTables& tables, int row, const ProfileUnits& units,
                                  CellNumbers& reader, const StructureRowIndex& structureRows);

// The branch number of a branch-table row: "Branch ID" as a number, whole part.
long long branchNumber(const ProfileTables& tables, int row, CellNumbers& reader);

}  // namespace tarvello
