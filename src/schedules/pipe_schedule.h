#pragma once
// The "Pipe Schedule" command: the pipe table drawn as a ruled table, 32
// pipes a sheet, sheets side by side.
#include <string>

#include "common/write_result.h"
#include "dxf/dxf_writer.h"
#include "tables/profile_tables.h"

namespace tarvello {

// The schedule of every pipe-table row up to the first without "Pipe No".
// Every value is drawn as its cell holds it.
DxfDrawing pipeScheduleDrawing(const ProfileTables& tables, bool englishUnits);
// The same entities added to `drawing` (which may be streaming to its file).
void drawPipeScheduleInto(DxfDrawing& drawing, const ProfileTables& tables, bool englishUnits);

// The pipe schedule of the tables into a new DXF file at `path`.
WriteResult writePipeSchedule(const ProfileTables& tables, bool englishUnits,
                              const std::string& path, Overwrite overwrite);

}  // namespace tarvello
