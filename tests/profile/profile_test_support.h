#pragma once
// Hand-filled tables for the profile tests.
#include <string>
#include <vector>

#include "support/dxf.h"
#include "tables/profile_tables.h"

namespace tarvello::testing {

// Branch ID, Str #, Str. Type, Station, Offset, Offset Loc., Top, Bottom,
// HGL low, HGL high, VDOT Std.
inline void putStructure(ProfileTables& t, int row, const std::vector<std::string>& cells) {
  for (size_t c = 0; c < cells.size(); ++c)
    t.structures.setCell(row, static_cast<int>(c), cells[c]);
}

// Branch ID, NodeOut, NodeIn, Elev. Out, Elev. In, Shape, Material, Dia / Rise,
// Span, # Of Pipes, Length, Discharge, Velocity, Slope: the pipe-table row
// (pipe "P<row>") and the branch-table row of the same pipe.
inline void putPipe(ProfileTables& t, int row, const std::vector<std::string>& cells) {
  t.pipes.setCell(row, pipecol::PipeNo, "P" + std::to_string(row));
  for (size_t c = 0; c < cells.size(); ++c)
    t.pipes.setCell(row, c == 0 ? pipecol::BranchId : static_cast<int>(c) + 1, cells[c]);
  for (int c = 0; c < 3; ++c) t.branches.setCell(row, c, cells[static_cast<size_t>(c)]);
}

// clang-format off
// One 24-inch pipe of length 100 from inlet 12 down to manhole 7.
inline ProfileTables onePipeTables() {
  ProfileTables t;
  t.layoutTables();
  putStructure(t, 1, {"1", "7", "Man Hole", "10+00", "5.00", "LT", "108.00", "100.00", "101.5", "101.5", "MH-1"});
  putStructure(t, 2, {"1", "12", "Inlet", "11+00", "12.00", "RT", "107.00", "101.00", "102.25", "102.75", "DI-3B"});
  putPipe(t, 1, {"1", "7", "12", "100.00", "101.00", "Circular", "CONC", "24", "0", "1", "100", "12.5", "4.25", "1"});
  return t;
}

// Branch 1: end wall 1 <- manhole 2 <- junction box 3 <- inlet 4 (pipes 100,
// 80, 60 long); branch 2 leaves junction 3: <- inlet 5 <- inlet 6 (50, 40).
inline ProfileTables twoBranchTables() {
  ProfileTables t;
  t.layoutTables();
  putStructure(t, 1, {"1", "1", "End Wall", "10+00", "0.00", "LT", "105.00", "95.00", "97", "97", "EW-1"});
  putStructure(t, 2, {"1", "2", "Man Hole", "11+00", "2.00", "LT", "110.00", "96.00", "98.00", "98.50", "MH-1"});
  putStructure(t, 3, {"1", "3", "Junction Box", "11+80", "2.00", "RT", "112.00", "97.00", "99.00", "99.50", "JB-1"});
  putStructure(t, 4, {"1", "4", "Inlet", "12+40", "8.00", "RT", "114.00", "98.50", "100.00", "100.40", "DI-3B"});
  putStructure(t, 5, {"2", "3", "Junction Box", "11+80", "2.00", "RT", "112.00", "97.00", "99.50", "99.50", "JB-1"});
  putStructure(t, 6, {"2", "5", "Inlet", "0+50", "4.00", "LT", "113.00", "98.00", "100.20", "100.60", "DI-3C"});
  putStructure(t, 7, {"2", "6", "Inlet", "0+90", "4.00", "LT", "115.00", "99.00", "101.00", "101.20", "DI-3C"});
  putPipe(t, 1, {"1", "1", "2", "95.00", "96.00", "Circular", "CONC", "24", "0", "1", "100", "20", "5", "1"});
  putPipe(t, 2, {"1", "2", "3", "96.20", "97.00", "Circular", "CONC", "18", "0", "1", "80", "15", "4.5", "1"});
  putPipe(t, 3, {"1", "3", "4", "97.10", "98.50", "Circular", "CONC", "15", "0", "1", "60", "8", "4", "2.33"});
  putPipe(t, 4, {"2", "3", "5", "97.30", "98.00", "Circular", "CONC", "15", "0", "1", "50", "5", "3.5", "1.4"});
  putPipe(t, 5, {"2", "5", "6", "98.10", "99.00", "Circular", "CONC", "12", "0", "1", "40", "2", "3", "2.25"});
  return t;
}
// clang-format on

}  // namespace tarvello::testing
