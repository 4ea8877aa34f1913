#pragma once
// "Export to Excel": the structure schedule and the pipe schedule written into
// a copy of the workbook template that is installed beside the program.
#include <optional>
#include <string>

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

// Worksheet rows 5 onward: one row per structure-table row, and one per
// pipe-table row.
void writeStructureSchedule(const ProfileTables& tables, XlsxWorksheet& sheet, Warnings& warnings);
void writePipeSchedule(const ProfileTables& tables, XlsxWorksheet& sheet);

}  // namespace tarvello
