#pragma once
// "Create Profile Data": from the open databases, the outfall node and the
// tail water to the three tables.
#include <string>

#include "attributes/lookups.h"
#include "network/pipe_network.h"
#include "network/session.h"
#include "network/unit_constants.h"
#include "network/tree_build.h"

namespace tarvello {

// What one run works on: the session's tables and fields, the pipe records,
// the node tree and the walk's position.
struct GenerationContext {
  GenerationContext(Session& s, const PipeNetwork& n)
      : session(s), tables(s.tables), network(n), warnings(s.warnings),
        units(UnitConstants::forUnitSystem(s.databases.unitSystem())) {}

  Session& session;
  ProfileTables& tables;
  const PipeNetwork& network;
  Warnings& warnings;
  UnitConstants units;
  NodeTree nodeTree;
  StructureRowIndex structureRows;  // first listing of each node, as the table fills

  // The walk's position in the node tree and its branch number.
  size_t walkBranch = 0;
  size_t walkPos = 0;
  int branchNo = 1;

  // Writes "Str #" of a structure row and keeps the row index current.
  void setStructureNode(int row, const std::string& node);
  // A numeric field of a pipe record: 0 for null, missing or non-numeric, with
  // a warning for the last two.
  double number(const PipeRecord& record, const char* fieldName);
  // A table cell read as a number: 0 when empty or not a number.
  static double cellNumber(const Table& table, int row, int column);
  void warnMissingField(const char* table, const char* fieldName);

 private:
  std::vector<std::string> missingFieldsWarned_;
};

struct GenerationResult {
  bool ran = false;     // false: nothing was done (no outfall node)
  std::string error;    // set when the run could not produce tables
};

// Runs the whole generation on the session. Warnings go to session.warnings.
GenerationResult createProfileData(Session& session);

}  // namespace tarvello
