#pragma once
// The structure-table row of a structure: from the pipe that drains it
// (upstream structures) or from the pipe that discharges into it (the
// downstream end of a branch).
#include <string>

#include "attributes/standard_types.h"
#include "network/pipe_network.h"

namespace tarvello {

struct GenerationContext;

// Row `row` for structure `node` of branch `branchNo`, drained by `record`;
// `pipeRow` is the pipe-table row of that pipe.
void fillUpstreamStructure(GenerationContext& ctx, int row, int pipeRow, int branchNo,
                           const std::string& node, const PipeRecord& record);

// Row `row` for the structure at the downstream end of branch `branchNo`,
// whose next node upstream is `upstreamNode`.
void fillDownstreamStructure(GenerationContext& ctx, int row, int branchNo,
                             const std::string& downstreamNode, const std::string& upstreamNode);

// "Height Of Cover" of pipe-table row `pipeRow`.
void computeHeightOfCover(GenerationContext& ctx, int pipeRow);

// One pipe-table row and one branch-table row per pipe, branch by branch.
void fillPipeAndBranchTables(GenerationContext& ctx);

// "VDOT Std." and "Length" of every structure row.
void assignStandardTypes(GenerationContext& ctx, const InletCatalog& inlets);

}  // namespace tarvello
