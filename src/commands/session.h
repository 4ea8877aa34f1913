#pragma once
// Everything the main window keeps for one run of the program: the open
// databases, the three tables, the tail-water and outfall fields, the folder
// of the last file dialog, and the warnings of the last command.
#include <string>

#include "common/warnings.h"
#include "database/project_database.h"
#include "tables/profile_tables.h"

namespace tarvello {

struct Session {
  ProjectDatabases databases;
  ProfileTables tables;
  std::string tailWaterText = "0.0";  // the TAIL WATER ELEVATION field
  std::string outfallNode;            // the OUTFALL/END NODE field
  std::string lastFolder;             // folder of the last file dialog ("" at start)
  std::string lastDrawing;            // the drawing last saved ("" when none)
  std::string programFolder;  // the program's folder; its help and template: common/data_location.h
  float profileScale = 5.0f;  // vertical drawing scale of the profiles
  bool energyGradeLine = false;  // profiles show the energy grade line too
  Warnings warnings;             // of the last command
};

}  // namespace tarvello
