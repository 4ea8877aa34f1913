#pragma once
// The REVISIONS page's sheet: the revision log of the last submittal made
// against a previous set, and the table cell each of its rows is about.
#include <optional>
#include <vector>

#include "checks/design_checks.h"
#include "shell/run_sheet_page.h"
#include "submittal/revisions.h"

namespace tarvello {

// The log as the set's revisions.csv holds it, a row per revision.
RunSheet revisionsSheet(std::vector<Revision> revisions);

struct RevisionCell {
  CheckTable table;
  int row;     // table row
  int column;  // the changed column, or the one the row is known by
};

// Where a revision's structure, pipe or finding is in the tables now; none
// for what was removed.
std::optional<RevisionCell> revisionCell(const Revision& revision, const ProfileTables& tables,
                                         const std::vector<Finding>& findings);

}  // namespace tarvello
