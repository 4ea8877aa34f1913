#pragma once
// The three tables that hold everything the program derives: structures (with
// the hydraulic grade line), pipes, and branches (one row per pipe).
#include "table.h"

namespace tarvello {

// Column numbers; they never move.
namespace strcol {
enum : int {
  BranchId = 0,
  StrNo = 1,
  StrType = 2,
  Station = 3,
  Offset = 4,
  OffsetLoc = 5,
  TopElev = 6,
  BottomElev = 7,
  HglLow = 8,
  HglHigh = 9,
  VdotStd = 10,
  Length = 11,
  Shaping = 12,
  Count = 13
};
}
namespace pipecol {
enum : int {
  BranchId = 0,
  PipeNo = 1,
  NodeOut = 2,
  NodeIn = 3,
  ElevOut = 4,
  ElevIn = 5,
  Shape = 6,
  Material = 7,
  DiaRise = 8,
  Span = 9,
  NumPipes = 10,
  Length = 11,
  Discharge = 12,
  Velocity = 13,
  SlopePercent = 14,
  FlowDepth = 15,
  Manning = 16,
  Skew = 17,
  HeightOfCover = 18,
  Count = 19
};
}
namespace branchcol {
enum : int { BranchId = 0, NodeOut = 1, NodeIn = 2, Count = 3 };
}

struct ProfileTables {
  ProfileTables();
  Table structures;  // "STRUCTURE DATA" page
  Table pipes;       // "PIPE DATA" page
  Table branches;    // "PLOTS/SUMMARIES" page

  // Writes the header row of each table.
  void layoutTables();
  // Empties all three tables and writes the headers again.
  void clearAndLayout();
  // Row 1 of each table becomes current and selected across all columns.
  void selectFirstRows();
};

}  // namespace tarvello
