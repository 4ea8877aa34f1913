#pragma once
// The "Structure Schedule" command: the structure table drawn as a ruled
// table, 32 structures a sheet, sheets side by side.
#include <string>
#include "common/warnings.h"

#include "common/write_result.h"
#include "dxf/dxf_writer.h"
#include "tables/profile_tables.h"

namespace tarvello {

// The schedule of every structure-table row up to the first without "Str #".
// Cells read as numbers that are empty or no number are reported in `warnings`.
DxfDrawing structureScheduleDrawing(const ProfileTables& tables, bool englishUnits,
                                    Warnings& warnings);
// The same entities added to `drawing` (which may be streaming to its file).
void drawStructureScheduleInto(DxfDrawing& drawing, const ProfileTables& tables, bool englishUnits,
                               Warnings& warnings);

// The structure schedule of the tables into a new DXF file at `path`.
WriteResult writeStructureSchedule(const ProfileTables& tables, bool englishUnits,
                                   const std::string& path, Overwrite overwrite,
                                   Warnings& warnings);

}  // namespace tarvello
