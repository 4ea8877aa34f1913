#pragma once
// The "Pipe Schedule" command: the pipe table drawn as a ruled table, 32
// pipes a sheet, sheets side by side.
#include "common/user_interface.h"
#include "dxf/dxf_writer.h"
#include "network/session.h"
#include "tables/profile_tables.h"

namespace tarvello {

// The schedule of every pipe-table row up to the first without "Pipe No".
// Every value is drawn as its cell holds it.
DxfDrawing pipeScheduleDrawing(const ProfileTables& tables, bool englishUnits);
// The same entities added to `drawing` (which may be streaming to its file).
void drawPipeScheduleInto(DxfDrawing& drawing, const ProfileTables& tables, bool englishUnits);

// Asks for the file and writes the schedule; true when a file was written.
// Does nothing (no dialog) when the pipe table is empty.
bool drawPipeSchedule(Session& session, UserInterface& ui);

}  // namespace tarvello
