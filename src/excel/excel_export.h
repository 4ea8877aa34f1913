#pragma once
// "Export to Excel": the structure schedule and the pipe schedule written into
// a copy of the workbook template that is installed beside the program.
#include <optional>
#include <string>
#include <vector>

#include "common/user_interface.h"
#include "network/session.h"

namespace tarvello {

class XlsxWorksheet;

inline constexpr const char* kSchedulesTemplateName = "SCHEDULES.xlr";

// The whole command: the save dialog, the overwrite question, the copy of the
// template and both worksheets. Returns the path of the saved workbook, or
// nothing when there was no data, the user cancelled, or a failure was
// reported. An existing file is replaced only once the new workbook is
// complete. Cells that could not be read as numbers are listed in
// session.warnings.
std::optional<std::string> exportSchedulesToExcel(Session& session, UserInterface& ui);

// A worksheet added after the two schedules: its tab name and its rows of
// text cells, from row 1.
struct ExtraWorksheet {
  std::string name;
  std::vector<std::vector<std::string>> rows;
};
// The same command with that worksheet as well (none when `extra` is null,
// which gives the same workbook as above).
std::optional<std::string> exportSchedulesToExcel(Session& session, UserInterface& ui,
                                                  const ExtraWorksheet* extra);

// Worksheet rows 5 onward: one row per structure-table row, and one per
// pipe-table row.
void writeStructureSchedule(const ProfileTables& tables, XlsxWorksheet& sheet, Warnings& warnings);
void writePipeSchedule(const ProfileTables& tables, XlsxWorksheet& sheet);

}  // namespace tarvello
