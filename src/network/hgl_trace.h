#pragma once
// The terms the branch walk used to reach each structure row's hydraulic
// grade line, recorded by the walk itself as it computes them, so that a
// computation sheet made from them cannot disagree with the structure table.
#include <string>
#include <vector>

#include "common/bulk_allocator.h"

namespace tarvello {

// What set the grade line at the pipe's outlet (Hout) or, on a branch's
// first row, where the row's grade line comes from.
enum class HoutRule : unsigned char {
  Downstream,  // the grade line carried from downstream (or the tail water) was the highest
  CrownDepth,  // 0.8 D above the outlet invert
  FlowDepth,   // the normal flow depth above the outlet invert
  TailWater,   // a branch's first row: the outfall, at the tail water
  FromRow,     // a branch's first row: a junction, at the grade line of its first listing
};

// One structure-table row. Upstream structures carry every term; a branch's
// first row only its rule, `fromRow` and the surcharge level.
struct HglTraceRow {
  int structureRow = 0;  // the structure-table row this record belongs to
  int pipeRow = 0;       // the pipe-table row of the pipe draining it; 0 on a branch's first row
  HoutRule rule = HoutRule::TailWater;
  int fromRow = 0;     // FromRow: the structure-table row whose grade line the row takes
  std::string pipeNo;  // PIPE_NUMBER of the draining pipe
  double barrels = 1;  // the barrel count the walk used
  double qb = 0;       // discharge per barrel
  double d = 0;        // diameter or rise, in the project's size unit
  double n = 0;        // Manning's n
  double length = 0;
  double sf = 0;  // friction slope
  double hf = 0;  // friction loss, sf x length
  double velocity = 0;
  double ho = 0;                   // outlet term 0.25 V^2 / 2g
  double vm = 0;                   // velocity of the inflow with the greatest momentum
  double hv = 0;                   // its term 0.35 Vm^2 / 2g
  double hTheta = 0;               // greatest angle loss of an inflow
  double hj = 0;                   // junction loss
  double qin = 0;                  // inlet inflow CA x I
  double inflowFactor = 1;         // 1.0, or 1.3 for a large inlet inflow
  double shapingFactor = 1;        // 1.0, or 0.5 with shaping
  double hs = 0;                   // structure loss
  double hout = 0;                 // grade line at the pipe's outlet
  double hin = 0;                  // hout + hf + hs, before any raise
  bool raised = false;             // the grade line was raised to the inlet's normal water surface
  bool surchargeCompared = false;  // w was compared with the grade line
  double w = 0;                    // surcharge level of the next pipe up the branch

  bool branchStart() const { return rule == HoutRule::TailWater || rule == HoutRule::FromRow; }
};

// One record per structure-table row, in table order: a whole project's
// worth, so held in huge pages where the system has them.
struct HglTrace {
  std::vector<HglTraceRow, BulkAllocator<HglTraceRow>> rows;
};

}  // namespace tarvello
