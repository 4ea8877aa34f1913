#include "commands/commands.h"

#include <filesystem>
#include <functional>

#include "common/data_location.h"
#include "dxf/dxf_writer.h"
#include "excel/excel_export.h"
#include "network/unit_constants.h"
#include "profile/profile_drawings.h"
#include "schedules/pipe_schedule.h"
#include "schedules/structure_schedule.h"

namespace tarvello {
namespace {

using Write = std::function<WriteResult(Overwrite)>;

}  // namespace

WriteResult writeConfirmed(UserInterface& ui, const Write& write) {
  WriteResult result = write(Overwrite::No);
  if (result.status == WriteResult::Status::Exists &&
      ui.askYesNo(kOverwriteQuestion, MessageIcon::Exclamation))
    result = write(Overwrite::Yes);
  if (result.status == WriteResult::Status::Failed)
    ui.showMessage(result.message, MessageIcon::Exclamation);
  if (result.written() && !result.notice.empty())
    ui.showMessage(result.path + "\n" + result.notice, MessageIcon::Exclamation);
  return result;
}

namespace {

// The save dialog of every drawing; "" (and a message) when none was chosen.
std::string askDxfFileName(const Session& session, UserInterface& ui) {
  FileDialogRequest request;
  request.title = "Save";
  request.filter = "Create DXF files (*.dxf)|*.dxf";
  request.initialFolder = session.lastFolder;
  const std::string chosen = ui.askSaveFileName(request);
  if (chosen.empty() || chosen == "*.dxf") {
    ui.showMessage("No DXF File Name selected!", MessageIcon::Exclamation);
    return "";
  }
  return chosen;
}

bool saveDrawing(Session& session, UserInterface& ui,
                 const std::function<WriteResult(const std::string&, Overwrite)>& write) {
  const std::string path = askDxfFileName(session, ui);
  if (path.empty()) return false;
  const WriteResult result =
      writeConfirmed(ui, [&](Overwrite overwrite) { return write(path, overwrite); });
  if (result.written()) {
    session.lastDrawing = path;
    ui.showMessage(dxfSavedMessage(path), MessageIcon::None);
  }
  return result.written();
}

bool englishUnits(const Session& session) {
  return UnitConstants::forUnitSystem(session.databases.unitSystem()).english;
}

bool plotProfile(Session& session, UserInterface& ui, int branchRow,
                 WriteResult (*write)(const ProfileTables&, const ProfileSettings&, int,
                                      const std::string&, Overwrite, Warnings&)) {
  session.warnings.clear();
  if (!branchRowSelected(session.tables.branches, branchRow)) return false;
  std::optional<ProfileSettings> settings;  // read once, when the file is chosen
  return saveDrawing(session, ui, [&](const std::string& path, Overwrite overwrite) {
    if (!settings) {
      settings = profileSettings(session.profileScale, session.databases.unitSystem(),
                                 session.tailWaterText, session.warnings);
      settings->energyGradeLine = session.energyGradeLine;
    }
    return write(session.tables, *settings, branchRow, path, overwrite, session.warnings);
  });
}

}  // namespace

std::string schedulesTemplatePath(const Session& session) {
  return dataFile(session.programFolder, kSchedulesTemplateName).string();
}

GenerationResult createProfileData(Session& session) {
  GenerationResult result =
      createProfileData(session.databases, session.outfallNode, session.tailWaterText,
                        session.tables, session.warnings);
  session.tailWaterText = result.tailWaterText;
  return result;
}

std::string profileDataSummary(const ProfileTables& tables) {
  return "Profile data created: " + std::to_string(tables.structures.lastFilledRow()) +
         " structure rows, " + std::to_string(tables.pipes.lastFilledRow()) + " pipes";
}

bool plotCurrentPipeProfile(Session& session, UserInterface& ui) {
  return plotProfile(session, ui, session.tables.branches.currentRow(), writePipeProfile);
}

bool plotCurrentBranchProfile(Session& session, UserInterface& ui) {
  return plotProfile(session, ui, session.tables.branches.currentRow(), writeBranchProfile);
}

bool plotAllProfiles(Session& session, UserInterface& ui) {
  return plotProfile(session, ui, 1,
                     [](const ProfileTables& tables, const ProfileSettings& settings, int,
                        const std::string& path, Overwrite overwrite, Warnings& warnings) {
                       return writeAllProfiles(tables, settings, path, overwrite, warnings);
                     });
}

bool drawStructureSchedule(Session& session, UserInterface& ui) {
  session.warnings.clear();
  if (session.tables.structures.cell(1, strcol::StrNo).empty()) return false;
  return saveDrawing(session, ui, [&](const std::string& path, Overwrite overwrite) {
    return writeStructureSchedule(session.tables, englishUnits(session), path, overwrite,
                                  session.warnings);
  });
}

bool drawPipeSchedule(Session& session, UserInterface& ui) {
  session.warnings.clear();
  if (session.tables.pipes.cell(1, pipecol::PipeNo).empty()) return false;
  return saveDrawing(session, ui, [&](const std::string& path, Overwrite overwrite) {
    return writePipeSchedule(session.tables, englishUnits(session), path, overwrite);
  });
}

std::optional<std::string> exportSchedulesToExcel(Session& session, UserInterface& ui,
                                                  const ExtraWorksheet* extra) {
  session.warnings.clear();
  const Table& branches = session.tables.branches;
  if (branches.cell(branches.currentRow(), branchcol::BranchId).empty()) return std::nullopt;

  FileDialogRequest request;
  request.title = "Enter New File Name for Pipe Profile Schedules";
  request.filter = "Tarvello Schedule files (*.xlsx)|*.xlsx";
  request.defaultExtension = ".xlsx";
  request.initialFolder = session.lastFolder;
  const std::string target = ui.askSaveFileName(request);
  if (target.empty() || target == "*.xlsx") {
    ui.showMessage("No File Name selected!", MessageIcon::Exclamation);
    return std::nullopt;
  }
  const std::string templatePath = schedulesTemplatePath(session);
  const WriteResult result = writeConfirmed(ui, [&](Overwrite overwrite) {
    return exportSchedules(session.tables, englishUnits(session), templatePath, target, overwrite,
                           session.warnings, extra);
  });
  if (!result.written()) return std::nullopt;
  return target;
}

}  // namespace tarvello
