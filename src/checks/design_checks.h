#pragma once
// Design checks: every place where the three tables, as Create Profile Data
// leaves them, breach the design criteria.
#include <string>
#include <vector>

#include "checks/criteria.h"
#include "tables/profile_tables.h"

namespace tarvello {

enum class CheckTable { Structures, Pipes };

// A cell a finding rests on, for marking it in the grids.
struct CheckCell {
  CheckTable table = CheckTable::Pipes;
  int row = 0;
  int column = 0;
};

struct Finding {
  CheckRule rule = CheckRule::Freeboard;
  // "Branch ID" of the row the finding is about: the structure-table row for
  // freeboard, the pipe-table row of the pipe for the other rules.
  std::string branchId;
  std::string structure;  // "Str #" (freeboard) or the pipe's "NodeOut" (invert-drop)
  std::string pipe;       // "Pipe No"; empty for freeboard
  double value = 0;
  double limit = 0;
  CheckTable table = CheckTable::Pipes;  // where the finding's own row is
  int row = 0;
  std::vector<CheckCell> cells;  // the cells compared, the own row's first
};

// Every finding, rule after rule in CheckRule order, within a rule in table-row
// order. Rules turned off in the criteria give none.
std::vector<Finding> runDesignChecks(const ProfileTables& tables, const Criteria& criteria);

// Number of findings of each rule, in CheckRule order.
std::vector<int> findingCounts(const std::vector<Finding>& findings);

// The rows of the findings list: the header "Rule,Branch ID,Structure,Pipe,
// Value,Limit", then one row per finding, Value and Limit as "0.00".
std::vector<std::vector<std::string>> findingRows(const std::vector<Finding>& findings);

// The findings list as CSV (UTF-8, CR LF, RFC 4180 quoting).
std::string findingsCsv(const std::vector<Finding>& findings);

// The findings list as the workbook's "Design Checks" worksheet.
struct ExtraWorksheet;
ExtraWorksheet findingsWorksheet(const std::vector<Finding>& findings);

// "Design checks: N findings" and one line per rule with its count.
std::string findingsSummary(const std::vector<Finding>& findings);

}  // namespace tarvello
