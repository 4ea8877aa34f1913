#pragma once
// The three profile drawings as operations: "Current Pipe Profile",
// "Current Branch Profile" and "All Pipe Profiles" drawn from the tables as
// they stand into a DXF file. What they worked around goes to `warnings`.
#include <string>

#include "common/warnings.h"
#include "common/write_result.h"
#include "profile/profile_plot.h"
#include "tables/profile_tables.h"

namespace tarvello {

// The drawing settings: scale, units of the project, and the tail water read
// from its field (0, with a warning, when it is not a number).
ProfileSettings profileSettings(float profileScale, const std::string& unitSystem,
                                const std::string& tailWaterText, Warnings& warnings);

// Whether branch-table row `row` names a branch (the header row and rows
// without a branch are no selection).
bool branchRowSelected(const Table& branches, int row);

// The pipe of branch-table row `branchRow` alone.
WriteResult writePipeProfile(const ProfileTables& tables, const ProfileSettings& settings,
                             int branchRow, const std::string& path, Overwrite overwrite,
                             Warnings& warnings);
// Every pipe of the branch of branch-table row `branchRow`.
WriteResult writeBranchProfile(const ProfileTables& tables, const ProfileSettings& settings,
                               int branchRow, const std::string& path, Overwrite overwrite,
                               Warnings& warnings);
// Every branch, one profile each.
WriteResult writeAllProfiles(const ProfileTables& tables, const ProfileSettings& settings,
                             const std::string& path, Overwrite overwrite, Warnings& warnings);

}  // namespace tarvello
