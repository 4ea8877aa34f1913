#pragma once
// "Export to Excel": the structure schedule and the pipe schedule written into
// a copy of the workbook template that is installed beside the program.
#include <span>
#include <string>
#include <vector>

#include "common/warnings.h"
#include "common/write_result.h"
#include "tables/profile_tables.h"

namespace tarvello {

class XlsxWorksheet;

inline constexpr const char* kSchedulesTemplateName = "SCHEDULES.xlr";

// A worksheet added after the two schedules: its tab name and its rows of
// text cells, from row 1.
struct ExtraWorksheet {
  std::string name;
  std::vector<std::vector<std::string>> rows;
};

// The template's schedules filled from the tables, written to `target`
// through a copy of the template beside it: an existing file is replaced
// (with Overwrite::Yes) only once the new workbook is complete. Cells that
// could not be read as numbers are listed in `warnings`.
// The `extras` worksheets follow the two schedules, in order. A metric project's
// workbook says (M) and (MM) in its heads where the template says (FT) and
// (INCHES).
WriteResult exportSchedules(const ProfileTables& tables, bool englishUnits,
                            const std::string& templatePath, const std::string& target,
                            Overwrite overwrite, Warnings& warnings,
                            const ExtraWorksheet* extra = nullptr);
// The same with any number of extra worksheets, in order after the two
// schedules (none: the workbook is the one written without `extra`).
WriteResult exportSchedules(const ProfileTables& tables, bool englishUnits,
                            const std::string& templatePath, const std::string& target,
                            Overwrite overwrite, Warnings& warnings,
                            const std::vector<const ExtraWorksheet*>& extras);

// The failure messages, as the user is told.
std::string excelFailedMessage(const std::string& path, const std::string& reason);
std::string excelTemplateMessage(const std::string& templatePath, const std::string& reason);

// Worksheet rows 5 onward: one row per structure-table row, and one per
// pipe-table row.
void fillStructureWorksheet(const ProfileTables& tables, XlsxWorksheet& sheet, Warnings& warnings);
void fillPipeWorksheet(const ProfileTables& tables, XlsxWorksheet& sheet);

}  // namespace tarvello
