#pragma once
// The "Structure Schedule" command: the structure table drawn as a ruled
// table, 32 structures a sheet, sheets side by side.
#include "common/user_interface.h"
#include "common/warnings.h"
#include "dxf/dxf_writer.h"
#include "network/session.h"
#include "tables/profile_tables.h"

namespace tarvello {

// The schedule of every structure-table row up to the first without "Str #".
// Cells read as numbers that are empty or no number are reported in `warnings`.
DxfDrawing structureScheduleDrawing(const ProfileTables& tables, bool englishUnits,
                                    Warnings& warnings);
// The same entities added to `drawing` (which may be streaming to its file).
void drawStructureScheduleInto(DxfDrawing& drawing, const ProfileTables& tables,
                               bool englishUnits, Warnings& warnings);

// Asks for the file and writes the schedule; true when a file was written.
// Does nothing (no dialog) when the structure table is empty. What it worked
// around is left in session.warnings.
bool drawStructureSchedule(Session& session, UserInterface& ui);

}  // namespace tarvello
