#pragma once
// Everything the main window keeps for one run of the program: the open
// databases, the last run and its tables, the tail-water and outfall fields,
// the folder of the last file dialog, and the warnings of the last command.
#include <memory>
#include <string>

#include "common/warnings.h"
#include "database/project_database.h"
#include "run/outputs.h"
#include "run/run.h"
#include "tables/profile_tables.h"

namespace tarvello {

struct Session {
  ProjectDatabases databases;
  std::shared_ptr<Run> run = std::make_shared<Run>();  // the tables shown: the last run's
  std::string tailWaterText = "0.0";                   // the TAIL WATER ELEVATION field
  std::string outfallNode;                             // the OUTFALL/END NODE field
  std::string lastFolder;     // folder of the last file dialog ("" at start)
  std::string lastDrawing;    // the drawing last saved ("" when none)
  std::string programFolder;  // the program's folder; its help and template: common/data_location.h
  float profileScale = 5.0f;  // vertical drawing scale of the profiles
  bool energyGradeLine = false;         // profiles show the energy grade line too
  std::string pdfPageSize = "tabloid";  // the paper of Export PDF...
  Warnings warnings;                    // of the last command

  ProfileTables& tables() { return run->tables(); }
  const ProfileTables& tables() const { return run->tables(); }
  // Tables made elsewhere (tests, tools) shown as a run of the session's
  // databases and fields.
  void useTables(ProfileTables made) {
    run = Run::fromTables(runInputs(), std::move(made), tailWaterText);
  }
  // What Create Profile Data would be made from now.
  RunInputs runInputs() const { return {databases, outfallNode, tailWaterText}; }
  DrawingOptions drawingOptions() const {
    DrawingOptions options;
    options.profileScale = profileScale;
    options.energyGradeLine = energyGradeLine;
    options.pageSize = pdfPageSize;
    return options;
  }
};

}  // namespace tarvello
