#pragma once
// "Create Profile Data": from the open databases, the outfall node and the
// tail water to the three tables.
#include <string>

#include "common/warnings.h"
#include "database/project_database.h"
#include "network/hgl_trace.h"
#include "network/pipe_network.h"
#include "network/tree_build.h"
#include "network/unit_constants.h"
#include "tables/cell_numbers.h"
#include "tables/profile_tables.h"
#include "tables/row_lookups.h"

namespace tarvello {

// What one run works on: the tables being filled, the pipe records, the
// tail-water field and the node tree.
struct GenerationContext {
  GenerationContext(ProfileTables& t, const PipeNetwork& n, Warnings& w, UnitConstants u,
                    std::string tailWater)
      : tables(t), network(n), warnings(w), units(u), tailWaterText(std::move(tailWater)) {}

  ProfileTables& tables;
  const PipeNetwork& network;
  Warnings& warnings;
  UnitConstants units;
  std::string tailWaterText;  // raised by the walk when the outfall pipe needs it
  NodeTree nodeTree;
  std::vector<std::vector<std::uint32_t>> nodeIds;  // the same tree as the network's node ids

  // Node k of branch b as a node id; NodeGraph::kNone past the branch's end.
  std::uint32_t nodeIdAt(size_t b, size_t k) const {
    return b < nodeIds.size() && k < nodeIds[b].size() ? nodeIds[b][k] : NodeGraph::kNone;
  }
  StructureRowIndex structureRows;  // first listing of each node, as the table fills
  HglTrace* trace = nullptr;        // when set, the walk records its terms here

  // Writes "Str #" of a structure row and keeps the row index current.
  void setStructureNode(int row, const std::string& node);
  // A numeric field of a pipe record: 0 for null, missing or non-numeric, with
  // a warning for the last two.
  double number(const PipeRecord& record, const char* fieldName);
  void warnMissingField(const char* table, const char* fieldName);

 private:
  std::vector<std::string> missingFieldsWarned_;
};

struct GenerationResult {
  bool ran = false;           // false: nothing was done (no outfall node)
  std::string error;          // set when the run could not produce tables
  std::string tailWaterText;  // the tail-water field after the run
};

// Runs the whole generation from the open databases, the outfall node and the
// tail-water field into `tables`. `warnings` is emptied first and then lists
// what the run worked around. With no outfall node nothing is done.
// With `trace`, it is emptied and then receives one record per structure-table
// row with the terms of the row's grade line; without it nothing is recorded.
GenerationResult createProfileData(const ProjectDatabases& databases, const std::string& outfall,
                                   const std::string& tailWaterText, ProfileTables& tables,
                                   Warnings& warnings, HglTrace* trace = nullptr);

}  // namespace tarvello
